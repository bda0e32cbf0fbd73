#include "platform/controls/drawn/Grids.h"


#include <algorithm>
#include <tuple>

#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/Menus.h"
#include "platform/rtl/SysUtils.h"

namespace {

const TIdentMap kGridOptions = {{goFixedVertLine, "goFixedVertLine"}, {goFixedHorzLine, "goFixedHorzLine"},
                                {goVertLine, "goVertLine"},           {goHorzLine, "goHorzLine"},
                                {goRangeSelect, "goRangeSelect"},     {goDrawFocusSelected, "goDrawFocusSelected"},
                                {goColSizing, "goColSizing"},         {goEditing, "goEditing"},
                                {goRowSelect, "goRowSelect"},         {goAlwaysShowEditor, "goAlwaysShowEditor"}};

const TIdentMap kScrollStyles = {
    {ssNone, "ssNone"}, {ssHorizontal, "ssHorizontal"}, {ssVertical, "ssVertical"}, {ssBoth, "ssBoth"}};

constexpr int kGridLineWidth = 1;
// How far from a column's right line a press in the header row starts sizing it.
constexpr int kSizingZone = 2;
// Where a cell's text starts, from the cell's top-left corner.
constexpr int kTextMargin = 2;
constexpr TColor kFixedLineColor = clBlack;
constexpr TColor kLineColor = clSilver;

[[noreturn]] void RaiseIndex(int index) { throw EListError("List index out of bounds (" + IntToStr(index) + ")"); }

}  // namespace

// One direction of the grid: the sizes of its columns (or rows), how many of
// them are fixed, and the first scrollable one shown; those between are
// scrolled out of view.
struct TGridAxis {
  const std::vector<int>& Sizes;
  int Fixed;
  int First;

  int Count() const { return static_cast<int>(Sizes.size()); }
  bool Hidden(int index) const { return index >= Fixed && index < First; }
  int Span(int index) const { return Sizes[index] + kGridLineWidth; }

  int Start(int index) const {
    int start = 0;
    for (int i = 0; i < index; ++i)
      if (!Hidden(i)) start += Span(i);
    return start;
  }

  int IndexAt(int position) const {
    int end = 0;
    for (int i = 0; i < Count(); ++i) {
      if (Hidden(i)) continue;
      end += Span(i);
      if (position < end) return i;
    }
    return -1;
  }

  int FixedExtent() const {
    int extent = 0;
    for (int i = 0; i < std::min(Fixed, Count()); ++i) extent += Span(i);
    return extent;
  }

  // The largest First that still shows the last one whole (or alone, when it cannot be whole).
  int LastFirst(int extent) const {
    const int room = extent - FixedExtent();
    int used = 0;
    for (int i = Count() - 1; i >= Fixed; --i) {
      used += Span(i);
      if (used > room) return std::min(i + 1, Count() - 1);
    }
    return Fixed;
  }

  // The First nearest to the present one that shows `index` whole.
  int FirstShowing(int index, int extent) const {
    if (index < Fixed) return First;
    if (index < First) return index;
    const int room = extent - FixedExtent();
    int first = First;
    int used = 0;
    for (int i = first; i <= index; ++i) used += Span(i);
    for (; first < index && used > room; ++first) used -= Span(first);
    return first;
  }

  // How many show whole from First on; at least one, so a page always moves.
  int PageSize(int extent) const {
    int room = extent - FixedExtent();
    int count = 0;
    for (int i = First; i < Count() && room >= Span(i); ++i, ++count) room -= Span(i);
    return std::max(1, count);
  }
};

// The edit over the current cell. Keys that leave the cell go to the grid.
class TInplaceEdit : public TWinControl {
 public:
  explicit TInplaceEdit(TStringGrid& grid) : TWinControl(&grid), FGrid(grid) {
    SetVisible(false);
    SetParent(&grid);
  }

  static TClass StaticClass() {
    static const TMetaClass metaClass = TClassBuilder<TInplaceEdit>("TInplaceEdit", TWinControl::StaticClass()).Build();
    return &metaClass;
  }
  TClass ClassType() const override { return StaticClass(); }

 protected:
  void CreateParams(TCreateParams& params) override {
    TWinControl::CreateParams(params);
    params.BaseClassName = "EDIT";
    params.Style |= ES_AUTOHSCROLL;
  }

  void CreateWnd() override {
    TWinControl::CreateWnd();
    SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(FGrid.Font().Handle()), FALSE);
  }

  void WndProc(TMessage& message) override {
    const WORD key = KeyCode(message);
    const bool leavingKey = key == VK_UP || key == VK_DOWN || key == VK_RETURN || key == VK_ESCAPE;
    if (message.Msg == WM_KEYDOWN && leavingKey) return FGrid.EditorKey(KeyCode(message));
    // Enter and Escape would only beep in a single-line edit.
    if (message.Msg == WM_CHAR && (key == '\r' || key == 27)) return;
    if (message.Msg == WM_GETDLGCODE) {
      message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL;
      return;
    }
    TWinControl::WndProc(message);
  }

 private:
  TStringGrid& FGrid;
};

TClass TStringGrid::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TStringGrid>("TStringGrid", TCustomControl::StaticClass())
          .Integer("ColCount", &TStringGrid::ColCount, &TStringGrid::SetColCount, 5)
          .Integer("RowCount", &TStringGrid::RowCount, &TStringGrid::SetRowCount, 5)
          .Integer("DefaultColWidth", &TStringGrid::DefaultColWidth, &TStringGrid::SetDefaultColWidth, 64)
          .Integer("DefaultRowHeight", &TStringGrid::DefaultRowHeight, &TStringGrid::SetDefaultRowHeight, 24)
          .Integers("ColWidths", &TStringGrid::AssignColWidths)
          .Integers("RowHeights", &TStringGrid::AssignRowHeights)
          .Enumeration("ScrollBars", &TStringGrid::ScrollBars, &TStringGrid::SetScrollBars, kScrollStyles, ssBoth)
          .Set("Options", &TStringGrid::Options, &TStringGrid::SetOptions, kGridOptions,
               TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect})
          .Integer("Color", &TStringGrid::Color, &TStringGrid::SetColor, clWindow, &ColorIdents())
          .Integer("FixedColor", &TStringGrid::FixedColor, &TStringGrid::SetFixedColor, clBtnFace, &ColorIdents())
          .Object("Font", &TStringGrid::Font)
          .Component("PopupMenu", &TStringGrid::PopupMenu, &TStringGrid::SetPopupMenu)
          .Event("OnSelectCell", &TStringGrid::SetOnSelectCell)
          .Event("OnDrawCell", &TStringGrid::SetOnDrawCell)
          .Build();
  return &metaClass;
}

TStringGrid::TStringGrid(TComponent* owner)
    : TCustomControl(owner), FColWidths(FColCount, FDefaultColWidth), FRowHeights(FRowCount, FDefaultRowHeight) {
  SetBounds(0, 0, 320, 120);
  SetColor(clWindow);
}

TStringGrid::~TStringGrid() { SetPopupMenu(nullptr); }

void TStringGrid::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style |= WS_TABSTOP;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TStringGrid::CreateWnd() {
  TCustomControl::CreateWnd();
  UpdateScrollBars();
}

void TStringGrid::SetColCount(int value) {
  if (value < 1) throw EInvalidGridOperation("Grid column count must be at least 1");
  FColCount = value;
  FColWidths.resize(value, FDefaultColWidth);
  ClampToCounts();
}

void TStringGrid::SetRowCount(int value) {
  if (value < 1) throw EInvalidGridOperation("Grid row count must be at least 1");
  FRowCount = value;
  FRowHeights.resize(value, FDefaultRowHeight);
  ClampToCounts();
}

bool TStringGrid::HasScrollableCells() const { return FColCount > FixedCols && FRowCount > FixedRows; }

// A grid of only its header row or column keeps the current cell just past it.
TStringGrid::TCell TStringGrid::ClampCell(TCell cell) const {
  return {std::clamp(cell.first, FixedCols, std::max(FixedCols, FColCount - 1)),
          std::clamp(cell.second, FixedRows, std::max(FixedRows, FRowCount - 1))};
}

void TStringGrid::ClampToCounts() {
  const TCell current = ClampCell(FCurrent);
  if (current != FCurrent) HideEditor();
  FCurrent = current;
  FAnchor = ClampCell(FAnchor);
  SizesChanged();
}

void TStringGrid::SetDefaultColWidth(int value) {
  FDefaultColWidth = value;
  std::fill(FColWidths.begin(), FColWidths.end(), value);
  SizesChanged();
}

void TStringGrid::SetDefaultRowHeight(int value) {
  FDefaultRowHeight = value;
  std::fill(FRowHeights.begin(), FRowHeights.end(), value);
  SizesChanged();
}

int TStringGrid::ColWidths(int col) const {
  if (col < 0 || col >= FColCount) RaiseIndex(col);
  return FColWidths[col];
}

void TStringGrid::SetColWidths(int col, int width) {
  if (col < 0 || col >= FColCount) RaiseIndex(col);
  FColWidths[col] = width;
  SizesChanged();
}

int TStringGrid::RowHeights(int row) const {
  if (row < 0 || row >= FRowCount) RaiseIndex(row);
  return FRowHeights[row];
}

void TStringGrid::SetRowHeights(int row, int height) {
  if (row < 0 || row >= FRowCount) RaiseIndex(row);
  FRowHeights[row] = height;
  SizesChanged();
}

void TStringGrid::AssignColWidths(const std::vector<int>& widths) {
  for (int col = 0; col < static_cast<int>(widths.size()); ++col) SetColWidths(col, widths[col]);
}

void TStringGrid::AssignRowHeights(const std::vector<int>& heights) {
  for (int row = 0; row < static_cast<int>(heights.size()); ++row) SetRowHeights(row, heights[row]);
}

void TStringGrid::SetScrollBars(TScrollStyle value) {
  FScrollBars = value;
  UpdateScrollBars();
}

std::string TStringGrid::Cells(int col, int row) const {
  if (col < 0) RaiseIndex(col);
  if (row < 0) RaiseIndex(row);
  const auto found = FCells.find({col, row});
  return found == FCells.end() ? std::string() : found->second;
}

void TStringGrid::SetCells(int col, int row, const std::string& text) {
  if (col < 0) RaiseIndex(col);
  if (row < 0) RaiseIndex(row);
  if (text.empty())
    FCells.erase({col, row});
  else
    FCells[{col, row}] = text;
  if (col < FColCount && row < FRowCount) Invalidate();
}

void TStringGrid::SetOptions(TGridOptions value) {
  FOptions = value;
  if (!CanEdit()) HideEditor();
  if (!FOptions.Contains(goRangeSelect)) FAnchor = FCurrent;
  Invalidate();
}

void TStringGrid::SetFixedColor(TColor value) {
  FFixedColor = value;
  Invalidate();
}

TGridRect TStringGrid::Selection() const {
  TGridRect selection{std::min(FCurrent.first, FAnchor.first), std::min(FCurrent.second, FAnchor.second),
                      std::max(FCurrent.first, FAnchor.first), std::max(FCurrent.second, FAnchor.second)};
  if (FOptions.Contains(goRowSelect)) {
    selection.Left = FixedCols;
    selection.Right = FColCount - 1;
  }
  return selection;
}

void TStringGrid::SetSelection(const TGridRect& value) {
  HideEditor();
  FCurrent = ClampCell({value.Left, value.Top});
  FAnchor = ClampCell({value.Right, value.Bottom});
  ScrollInView(FCurrent.first, FCurrent.second);
  Invalidate();
}

void TStringGrid::SetPopupMenu(TPopupMenu* value) {
  if (FPopupMenu) RemoveFreeNotification(FPopupMenu);
  FPopupMenu = value;
  if (FPopupMenu) FreeNotification(FPopupMenu);
}

void TStringGrid::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == opRemove && component == FPopupMenu) FPopupMenu = nullptr;
  if (operation == opRemove && component == FEditor) FEditor = nullptr;
}

TRect TStringGrid::CellRect(int col, int row) const {
  if (!CellShown(col, row)) return Rect(0, 0, 0, 0);
  const int left = ColAxis().Start(col);
  const int top = RowAxis().Start(row);
  return Rect(left, top, left + FColWidths[col], top + FRowHeights[row]);
}

TGridAxis TStringGrid::ColAxis() const { return {FColWidths, FixedCols, FLeftCol}; }

TGridAxis TStringGrid::RowAxis() const { return {FRowHeights, FixedRows, FTopRow}; }

TGridAxis TStringGrid::Axis(int bar) const { return bar == SB_HORZ ? ColAxis() : RowAxis(); }

bool TStringGrid::CellShown(int col, int row) const {
  return col >= 0 && col < FColCount && row >= 0 && row < FRowCount && !ColAxis().Hidden(col) && !RowAxis().Hidden(row);
}

bool TStringGrid::MouseToCell(int x, int y, int& col, int& row) const {
  if (x < 0 || y < 0) return false;
  col = ColAxis().IndexAt(x);
  row = RowAxis().IndexAt(y);
  return col >= 0 && row >= 0;
}

bool TStringGrid::EditorVisible() const { return FEditor && FEditor->Visible(); }

// ---- painting

void TStringGrid::Paint() {
  RECT client;
  GetClientRect(Handle(), &client);
  for (int row = 0; row < FRowCount; ++row) {
    for (int col = 0; col < FColCount; ++col) {
      const TRect rect = CellRect(col, row);
      if (CellShown(col, row) && rect.left < client.right && rect.top < client.bottom) DrawCell(col, row);
    }
  }
}

TGridDrawState TStringGrid::CellState(int col, int row) const {
  if (col < FixedCols || row < FixedRows) return {gdFixed};
  TGridDrawState state;
  const TGridRect selection = Selection();
  const bool inSelection =
      col >= selection.Left && col <= selection.Right && row >= selection.Top && row <= selection.Bottom;
  const bool current = TCell{col, row} == FCurrent;
  if (current && Focused()) state.Include(gdFocused);
  if (inSelection && (!current || FOptions.Contains(goDrawFocusSelected) || FOptions.Contains(goRowSelect)))
    state.Include(gdSelected);
  return state;
}

void TStringGrid::DrawCell(int col, int row) {
  const TRect rect = CellRect(col, row);
  const TGridDrawState state = CellState(col, row);
  TCanvas& canvas = Canvas();
  canvas.Font().Assign(Font());
  if (state.Contains(gdFixed)) {
    canvas.Brush().SetColor(FFixedColor);
  } else if (state.Contains(gdSelected)) {
    canvas.Brush().SetColor(clHighlight);
    canvas.Font().SetColor(clHighlightText);
  } else {
    canvas.Brush().SetColor(Color());
  }
  canvas.TextRect(rect, rect.left + kTextMargin, rect.top + kTextMargin, Cells(col, row));
  if (FOnDrawCell) FOnDrawCell(this, col, row, rect, state);
  if (state.Contains(gdFocused) && !EditorVisible() && !FOptions.Contains(goRowSelect)) canvas.DrawFocusRect(rect);
  DrawCellLines(col, row, rect);
}

// Each cell draws the line on its right and the one below it, in the line's colour.
void TStringGrid::DrawCellLines(int col, int row, const TRect& rect) {
  const bool fixed = col < FixedCols || row < FixedRows;
  const bool vertical = FOptions.Contains(fixed ? goFixedVertLine : goVertLine);
  const bool horizontal = FOptions.Contains(fixed ? goFixedHorzLine : goHorzLine);
  TCanvas& canvas = Canvas();
  canvas.Pen().SetColor(fixed ? kFixedLineColor : kLineColor);
  if (vertical) {
    canvas.MoveTo(rect.right, rect.top);
    canvas.LineTo(rect.right, rect.bottom + kGridLineWidth);
  }
  if (horizontal) {
    canvas.MoveTo(rect.left, rect.bottom);
    canvas.LineTo(rect.right + kGridLineWidth, rect.bottom);
  }
}

// ---- moving the current cell

bool TStringGrid::MoveCurrent(int col, int row, bool extend) {
  if (!HasScrollableCells()) return false;
  std::tie(col, row) = ClampCell({col, row});
  if (extend) {
    MoveAnchor(col, row);
    return true;
  }
  bool canSelect = true;
  if (FOnSelectCell) FOnSelectCell(this, col, row, canSelect);
  if (!canSelect) return false;
  if (TCell{col, row} != FCurrent) HideEditor();
  FCurrent = FAnchor = {col, row};
  ScrollInView(col, row);
  Invalidate();
  if (CanEdit() && FOptions.Contains(goAlwaysShowEditor)) ShowEditor();
  return true;
}

void TStringGrid::MoveAnchor(int col, int row) {
  FAnchor = ClampCell({col, row});
  ScrollInView(FAnchor.first, FAnchor.second);
  Invalidate();
}

// ---- scrolling

void TStringGrid::SizesChanged() {
  UpdateScrollBars();
  Invalidate();
}

int TStringGrid::ClientExtent(int bar) const {
  const RECT client = ClientRect();
  return bar == SB_HORZ ? client.right - client.left : client.bottom - client.top;
}

void TStringGrid::ScrollTo(int leftCol, int topRow) {
  leftCol = std::clamp(leftCol, FixedCols, std::max(FixedCols, ColAxis().LastFirst(ClientExtent(SB_HORZ))));
  topRow = std::clamp(topRow, FixedRows, std::max(FixedRows, RowAxis().LastFirst(ClientExtent(SB_VERT))));
  if (leftCol == FLeftCol && topRow == FTopRow) return;
  HideEditor();
  FLeftCol = leftCol;
  FTopRow = topRow;
  UpdateScrollBars();
  Invalidate();
}

void TStringGrid::ScrollInView(int col, int row) {
  ScrollTo(ColAxis().FirstShowing(col, ClientExtent(SB_HORZ)), RowAxis().FirstShowing(row, ClientExtent(SB_VERT)));
}

void TStringGrid::UpdateScrollBars() {
  if (!HandleAllocated() || FUpdatingScrollBars) return;
  FUpdatingScrollBars = true;
  struct TUpdateDone {
    bool& Flag;
    ~TUpdateDone() { Flag = false; }
  } done{FUpdatingScrollBars};
  // A bar that appears takes room from the other direction, which may then need its own.
  for (int pass = 0; pass < 2; ++pass) {
    UpdateScrollBar(SB_HORZ);
    UpdateScrollBar(SB_VERT);
  }
}

// Positions count scrollable columns (rows) from the first after the fixed ones.
void TStringGrid::UpdateScrollBar(int bar) {
  const TGridAxis axis = Axis(bar);
  const int lastFirst = std::max(axis.Fixed, axis.LastFirst(ClientExtent(bar)));
  int& first = bar == SB_HORZ ? FLeftCol : FTopRow;
  first = std::clamp(first, axis.Fixed, lastFirst);
  const bool allowed = FScrollBars == ssBoth || FScrollBars == (bar == SB_HORZ ? ssHorizontal : ssVertical);
  const bool needed = allowed && lastFirst > axis.Fixed;
  ShowScrollBar(Handle(), bar, needed);
  if (!needed) return;
  const int scrollable = axis.Count() - axis.Fixed;
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMax = scrollable - 1;
  info.nPage = static_cast<UINT>(scrollable - (lastFirst - axis.Fixed));
  info.nPos = first - axis.Fixed;
  SetScrollInfo(Handle(), bar, &info, TRUE);
}

void TStringGrid::ScrollBarMoved(int bar, WORD request) {
  const TGridAxis axis = Axis(bar);
  int first = axis.First;
  switch (request) {
    case SB_LINEUP: --first; break;
    case SB_LINEDOWN: ++first; break;
    case SB_PAGEUP: first -= axis.PageSize(ClientExtent(bar)); break;
    case SB_PAGEDOWN: first += axis.PageSize(ClientExtent(bar)); break;
    case SB_TOP: first = axis.Fixed; break;
    case SB_BOTTOM: first = axis.Count() - 1; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info{};
      info.cbSize = sizeof info;
      info.fMask = SIF_TRACKPOS;
      GetScrollInfo(Handle(), bar, &info);
      first = axis.Fixed + info.nTrackPos;
      break;
    }
    default: return;
  }
  if (bar == SB_HORZ)
    ScrollTo(first, FTopRow);
  else
    ScrollTo(FLeftCol, first);
}

// A notch scrolls one row; in a grid whose rows all show, one column. A
// positive delta (the wheel turned away from the operator) scrolls back.
void TStringGrid::Wheel(int bar, int delta) {
  FWheelRest += delta;
  const int notches = FWheelRest / WHEEL_DELTA;
  FWheelRest %= WHEEL_DELTA;
  if (bar == SB_VERT && RowAxis().LastFirst(ClientExtent(SB_VERT)) <= FixedRows) bar = SB_HORZ;
  if (bar == SB_HORZ)
    ScrollTo(FLeftCol - notches, FTopRow);
  else
    ScrollTo(FLeftCol, FTopRow - notches);
}

// ---- mouse and keys

int TStringGrid::SizingColumnAt(int x, int y) const {
  if (!FOptions.Contains(goColSizing) || y < 0 || y >= FRowHeights[0]) return -1;
  for (int col = 0; col < FColCount; ++col)
    if (CellShown(col, 0) && std::abs(x - CellRect(col, 0).right) <= kSizingZone) return col;
  return -1;
}

void TStringGrid::MouseDown(TMouseButton button, TShiftState shiftState, int x, int y) {
  TCustomControl::MouseDown(button, shiftState, x, y);
  // A double click opens the editor (DblClick); a right click leaves the cells alone.
  if (button != mbLeft || shiftState.Contains(ssDouble)) return;
  const bool shift = shiftState.Contains(ssShift);
  if (!EditorVisible() || !FEditor->Focused()) SetFocus();
  FSizingCol = SizingColumnAt(x, y);
  if (FSizingCol >= 0) {
    SetMouseCapture(true);
    return;
  }
  int col = 0;
  int row = 0;
  if (!MouseToCell(x, y, col, row) || col < FixedCols || row < FixedRows) return;
  const bool wasCurrent = TCell{col, row} == FCurrent;
  if (!MoveCurrent(col, row, ExtendsRange(shift))) return;
  if (wasCurrent && !shift && CanEdit()) ShowEditor();
  FSelecting = true;
  SetMouseCapture(true);
}

void TStringGrid::DblClick() {
  TCustomControl::DblClick();
  if (CanEdit()) ShowEditor();
}

void TStringGrid::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  if (FSizingCol >= 0) {
    SetColWidths(FSizingCol, std::max(x - static_cast<int>(CellRect(FSizingCol, 0).left), 0));
    return;
  }
  int col = 0;
  int row = 0;
  if (!FSelecting || !MouseToCell(x, y, col, row)) return;
  if (FOptions.Contains(goRangeSelect))
    MoveAnchor(col, row);
  else if (TCell{col, row} != FCurrent)
    MoveCurrent(col, row, false);
}

void TStringGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  if (button != mbLeft) return;
  FSelecting = false;
  FSizingCol = -1;
  SetMouseCapture(false);
}

void TStringGrid::KeyDown(WORD& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  const bool extend = ExtendsRange(shift.Contains(ssShift));
  const TCell from = extend ? FAnchor : FCurrent;
  TCell to = from;
  switch (key) {
    case VK_LEFT: --to.first; break;
    case VK_RIGHT: ++to.first; break;
    case VK_UP: --to.second; break;
    case VK_DOWN: ++to.second; break;
    case VK_HOME: to.first = FixedCols; break;
    case VK_END: to.first = FColCount - 1; break;
    case VK_F2:
      if (CanEdit()) ShowEditor();
      return;
    default: return;
  }
  to = ClampCell(to);
  if (to != from) MoveCurrent(to.first, to.second, extend);
}

void TStringGrid::DoContextPopup(POINT mousePos, bool& handled) {
  TCustomControl::DoContextPopup(mousePos, handled);
  if (handled || !FPopupMenu) return;
  // From the keyboard: at the current cell.
  if (mousePos.x == -1 && mousePos.y == -1) {
    const TRect rect = CellRect(FCurrent.first, FCurrent.second);
    mousePos = ClientToScreen(POINT{rect.left, rect.bottom});
  }
  FPopupMenu->Popup(mousePos.x, mousePos.y);
  handled = true;
}

void TStringGrid::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_GETDLGCODE: message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; return;
    case WM_HSCROLL: ScrollBarMoved(SB_HORZ, ScrollCode(message)); return;
    case WM_VSCROLL: ScrollBarMoved(SB_VERT, ScrollCode(message)); return;
    case WM_MOUSEWHEEL: Wheel(SB_VERT, WheelDelta(message)); return;
    // Tilting the wheel to the right scrolls forward.
    case WM_MOUSEHWHEEL: Wheel(SB_HORZ, -WheelDelta(message)); return;
    case WM_SIZE: UpdateScrollBars(); break;
    case WM_CAPTURECHANGED:
      FSelecting = false;
      FSizingCol = -1;
      return;
    case WM_CHAR:
      if (CanEdit() && KeyCode(message) >= ' ') {
        ShowEditor();
        SendMessageA(FEditor->Handle(), WM_CHAR, message.WParam, message.LParam);
      }
      return;
    case WM_SETCURSOR: {
      POINT point;
      GetCursorPos(&point);
      ::ScreenToClient(Handle(), &point);
      if (SizingColumnAt(point.x, point.y) < 0) break;
      ::SetCursor(LoadCursorA(nullptr, IDC_SIZEWE));
      message.Result = TRUE;
      return;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS: Invalidate(); break;
    case WM_COMMAND:
      if (FEditor && NotifyingWindow(message, Handle()) == FEditor->Handle() && CommandCode(message) == EN_CHANGE)
        EditorTextChanged(WindowText(FEditor->Handle()));
      return;
  }
  TCustomControl::WndProc(message);
}

// ---- the in-place editor

void TStringGrid::ShowEditor() {
  if (!FEditor) FEditor = new TInplaceEdit(*this);
  const TRect rect = CellRect(FCurrent.first, FCurrent.second);
  FEditorOriginal = Cells(FCurrent.first, FCurrent.second);
  SetWindowTextA(FEditor->Handle(), FEditorOriginal.c_str());
  FEditor->SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  FEditor->SetVisible(true);
  FEditor->SetFocus();
  SendMessageA(FEditor->Handle(), EM_SETSEL, 0, -1);
}

void TStringGrid::HideEditor() {
  if (!EditorVisible()) return;
  const bool hadFocus = FEditor->Focused();
  FEditor->SetVisible(false);
  if (hadFocus) SetFocus();
  Invalidate();
}

void TStringGrid::EditorTextChanged(const std::string& text) { SetCells(FCurrent.first, FCurrent.second, text); }

void TStringGrid::EditorKey(WORD key) {
  if (key == VK_ESCAPE) SetCells(FCurrent.first, FCurrent.second, FEditorOriginal);
  HideEditor();
  if (key == VK_UP || key == VK_DOWN) KeyDown(key, KeyboardShiftState());
}
