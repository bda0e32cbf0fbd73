#include "controls/foundation/container/cxContainerListBox.h"

#include <algorithm>

#include "controls/foundation/container/cxContainerRoutines.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/graphics/GdiHandles.h"

TcxInnerListBoxApi& cxInnerListBoxApi() {
  static TcxInnerListBoxApi api;
  return api;
}

namespace {

bool IsLeadByte(char ch, UINT codePage) { return IsDBCSLeadByteEx(codePage, static_cast<BYTE>(ch)) != FALSE; }

// The same flag set for as long as the scope lasts.
class TCounterScope {
 public:
  explicit TCounterScope(int& counter) : FCounter(counter) { ++FCounter; }
  ~TCounterScope() { --FCounter; }
  TCounterScope(const TCounterScope&) = delete;
  TCounterScope& operator=(const TCounterScope&) = delete;

 private:
  int& FCounter;
};

class TBoolScope {
 public:
  explicit TBoolScope(bool& flag) : FFlag(flag) { FFlag = true; }
  ~TBoolScope() { FFlag = false; }
  TBoolScope(const TBoolScope&) = delete;
  TBoolScope& operator=(const TBoolScope&) = delete;

 private:
  bool& FFlag;
};

TRect ScreenToClientRect(HWND window, const RECT& screen) {
  POINT topLeft{screen.left, screen.top};
  POINT bottomRight{screen.right, screen.bottom};
  ScreenToClient(window, &topLeft);
  ScreenToClient(window, &bottomRight);
  return TRect{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

bool RectInside(const TRect& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

}  // namespace

// A lead byte cannot be told from a trail byte looking backwards: the
// characters are walked from the start.
std::string RemoveLastCharacter(const std::string& text, UINT codePage) {
  size_t last = 0;
  for (size_t index = 0; index < text.size();) {
    last = index;
    index += IsLeadByte(text[index], codePage) && index + 1 < text.size() ? 2 : 1;
  }
  return text.substr(0, last);
}

TClass TcxCustomInnerListBox::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxCustomInnerListBox>("TcxCustomInnerListBox", TListBox::StaticClass()).Build();
  return &metaClass;
}

TcxCustomInnerListBox::TcxCustomInnerListBox(TComponent* owner, TcxContainer* container)
    : TListBox(owner), FContainer(container), FLookAndFeel(new TcxLookAndFeel(this)) {
  FHScrollBar = CreateScrollBar(sbHorizontal);
  FVScrollBar = CreateScrollBar(sbVertical);
  FLookAndFeel->SetOnChanged(
      [this](TcxLookAndFeel* sender, TcxLookAndFeelValues changed) { LookAndFeelChanged(sender, changed); });
  FHScrollBar->LookAndFeel().SetMasterLookAndFeel(FLookAndFeel.get());
  FVScrollBar->LookAndFeel().SetMasterLookAndFeel(FLookAndFeel.get());
  TControlStyle style = ControlStyle();
  style.Include(csDoubleClicks);
  style.Exclude(csOpaque);
  SetControlStyle(style);
  SetParentColor(false);
  SetParentFont(true);
  if (FContainer) FContainer->FreeNotification(this);
}

TcxScrollBar* TcxCustomInnerListBox::CreateScrollBar(TScrollBarKind kind) {
  auto* bar = new TcxScrollBar(this);
  bar->FreeNotification(this);
  bar->SetKind(kind);
  bar->SetVisible(false);
  if (kind == sbHorizontal)
    bar->SetOnScroll([this](TObject*, TScrollCode code, int& pos) { HScrollHandler(code, pos); });
  else
    bar->SetOnScroll([this](TObject*, TScrollCode code, int& pos) { VScrollHandler(code, pos); });
  return bar;
}

void TcxCustomInnerListBox::Notification(TComponent* component, TOperation operation) {
  TListBox::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == FHScrollBar) FHScrollBar = nullptr;
  if (component == FVScrollBar) FVScrollBar = nullptr;
  if (component == FContainer) FContainer = nullptr;
}

void TcxCustomInnerListBox::CreateParams(TCreateParams& params) {
  TListBox::CreateParams(params);
  params.Style &= ~WS_BORDER;
  params.ExStyle &= ~WS_EX_CLIENTEDGE;
}

void TcxCustomInnerListBox::DestroyWindowHandle() {
  FIsRedrawLocked = false;
  TListBox::DestroyWindowHandle();
}

void TcxCustomInnerListBox::LookAndFeelChanged(TcxLookAndFeel* /*sender*/, TcxLookAndFeelValues /*changedValues*/) {
  if (HandleAllocated()) Invalidate();
}

// ---- events handed to the container

bool TcxCustomInnerListBox::ContainerAlive() const { return FContainer && !FContainer->IsDestroying(); }

void TcxCustomInnerListBox::Click() {
  TListBox::Click();
  if (FVScrollBar) FVScrollBar->SetPosition(TopIndex());
  if (ContainerAlive()) FContainer->Click();
}

void TcxCustomInnerListBox::DblClick() {
  TListBox::DblClick();
  if (ContainerAlive()) FContainer->DblClick();
}

bool TcxCustomInnerListBox::DoMouseWheel(TShiftState shift, int wheelDelta, POINT mousePos) {
  if (ContainerAlive() && FContainer->DoMouseWheel(shift, wheelDelta, mousePos)) return true;
  return TListBox::DoMouseWheel(shift, wheelDelta, mousePos);
}

void TcxCustomInnerListBox::KeyDown(WORD& key, TShiftState shift) {
  if (ContainerAlive()) FContainer->KeyDown(key, shift);
  if (key != 0) TListBox::KeyDown(key, shift);
}

void TcxCustomInnerListBox::KeyUp(WORD& key, TShiftState shift) {
  if (key == VK_TAB) key = 0;
  if (ContainerAlive()) FContainer->KeyUp(key, shift);
  if (key != 0) TListBox::KeyUp(key, shift);
}

// Tab and Enter belong to the dialog and the container, never to the search.
void TcxCustomInnerListBox::KeyPress(char& key) {
  if (key == '\t') key = 0;
  if (ContainerAlive()) FContainer->KeyPress(key);
  if (key == '\r') key = 0;
  if (key == 0) return;
  TListBox::KeyPress(key);
  if (key != 0) DoIncrementalSearch(key);
}

void TcxCustomInnerListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TListBox::MouseDown(button, shift, x, y);
  if (ContainerAlive()) FContainer->MouseDown(button, shift, x + Left(), y + Top());
}

void TcxCustomInnerListBox::MouseMove(TShiftState shift, int x, int y) {
  TListBox::MouseMove(shift, x, y);
  if (ContainerAlive()) FContainer->MouseMove(shift, x + Left(), y + Top());
}

void TcxCustomInnerListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TListBox::MouseUp(button, shift, x, y);
  if (ContainerAlive()) FContainer->MouseUp(button, shift, x + Left(), y + Top());
}

void TcxCustomInnerListBox::DoContextPopup(POINT mousePos, bool& handled) {
  if (!ContainerAlive()) return TListBox::DoContextPopup(mousePos, handled);
  if (mousePos.x != -1 || mousePos.y != -1) mousePos = POINT{mousePos.x + Left(), mousePos.y + Top()};
  FContainer->DoContextPopup(mousePos, handled);
}

void TcxCustomInnerListBox::DragOver(TObject* source, int x, int y, TDragState state, bool& accept) {
  if (!ContainerAlive()) return TListBox::DragOver(source, x, y, state, accept);
  FContainer->DragOver(source, x + Left(), y + Top(), state, accept);
}

void TcxCustomInnerListBox::DragDrop(TObject* source, int x, int y) {
  if (!ContainerAlive()) return TListBox::DragDrop(source, x, y);
  FContainer->DragDrop(source, x + Left(), y + Top());
}

// ---- messages

void TcxCustomInnerListBox::DefaultHandler(TMessage& message) {
  if (ContainerAlive() && FContainer->DoInnerControlMessage(message)) return;
  TListBox::DefaultHandler(message);
}

bool TcxCustomInnerListBox::TriggersScrollBarUpdate(const TMessage& message) const {
  switch (message.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_DELETESTRING:
    case LB_RESETCONTENT:
    case LB_SETCURSEL:
    case LB_SETHORIZONTALEXTENT:
    case LB_SETTOPINDEX:
    case LB_SETCARETINDEX:
    case WM_MOUSEWHEEL:
    case 0xB025:
    case WM_WINDOWPOSCHANGED: return true;
    case WM_SETREDRAW: return IsRedrawOn(message);
    default: return false;
  }
}

void TcxCustomInnerListBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_GETDLGCODE: return GetDlgCodeMessage(message);
    case WM_SETFOCUS: return SetFocusMessage(message);
    case WM_LBUTTONDOWN: return LButtonDownMessage(message);
    case WM_KILLFOCUS:
      TListBox::WndProc(message);
      if (ContainerAlive()) FContainer->FocusChanged();
      return;
    case CM_MOUSELEAVE:
      TListBox::WndProc(message);
      if (ContainerAlive()) FContainer->RefreshForCursorPos(true);
      return;
    case WM_SETREDRAW: FIsRedrawLocked = !IsRedrawOn(message); break;
    case WM_NCPAINT:
      TListBox::WndProc(message);
      if (HandleAllocated()) FillScrollBarCorner(TWholeWindowDC(Handle()).Get());
      return;
    case WM_PRINT: return PrintMessage(message);
    case WM_NCCALCSIZE:
      TListBox::WndProc(message);
      if (!FScrollBarsCalculating) UpdateScrollBars();
      return;
    default: break;
  }
  if (ContainerAlive() && FContainer->DoInnerControlKeyMessage(message)) return;
  TListBox::WndProc(message);
  if (TriggersScrollBarUpdate(message)) UpdateScrollBars();
  if (message.Msg == WM_WINDOWPOSCHANGED) RepaintScrollBarCorner();
}

// The bars lie over the window's own; the square between them is the
// window's to paint.
void TcxCustomInnerListBox::PrintMessage(TMessage& message) {
  if (PrintFlags(message) & PRF_NONCLIENT) {
    FillScrollBarCorner(MessageDC(message));
    SetPrintFlags(message, PrintFlags(message) & ~PRF_NONCLIENT);
  }
  TListBox::WndProc(message);
}

TRect TcxCustomInnerListBox::GetScrollBarCornerRect() const {
  if (!FHScrollBar || !FVScrollBar || !FHScrollBar->Visible() || !FVScrollBar->Visible()) return TRect{};
  return TRect{FVScrollBar->Left() - Left(), FHScrollBar->Top() - Top(),
               FVScrollBar->Left() + FVScrollBar->Width() - Left(), FHScrollBar->Top() + FHScrollBar->Height() - Top()};
}

void TcxCustomInnerListBox::FillScrollBarCorner(HDC dc) const {
  const TRect corner = GetScrollBarCornerRect();
  if (dc && !IsRectEmpty(&corner)) FillRect(dc, &corner, GetSysColorBrush(COLOR_BTNFACE));
}

void TcxCustomInnerListBox::RepaintScrollBarCorner() {
  const TRect corner = GetScrollBarCornerRect();
  if (IsRectEmpty(&corner)) return;
  const TcxRegion region(corner);
  SendMessageA(Handle(), WM_NCPAINT, reinterpret_cast<WPARAM>(region.Handle()), 0);
}

void TcxCustomInnerListBox::GetDlgCodeMessage(TMessage& message) {
  TListBox::WndProc(message);
  if (!FContainer) return;
  message.Result |= DLGC_WANTCHARS;
  if (!IsCtrlPressed()) message.Result |= DLGC_WANTARROWS;
}

// The container is what the user drags. Shift and Ctrl in a multi-select
// list extend the selection instead; a press on a selected item keeps the
// selection for the drag.
void TcxCustomInnerListBox::LButtonDownMessage(TMessage& message) {
  if (!ContainerAlive() || FContainer->DragMode() != dmAutomatic || ComponentState().Contains(csDesigning))
    return TListBox::WndProc(message);
  const TDragMode ownDragMode = DragMode();
  SetDragMode(dmManual);
  const TShiftState shift = MouseShiftState(message);
  const int item = ItemAtPos(MessagePoint(message));
  const TcxWeakSelf self(this);
  if (MultiSelect() && item >= 0 && Selected(item) && (!shift.Contains(ssShift) || shift.Contains(ssCtrl))) {
    FContainer->BeginDrag(false);
  } else {
    TListBox::WndProc(message);
    if (!self.Alive()) return;
    const bool extending = MultiSelect() && (shift.Contains(ssShift) || shift.Contains(ssCtrl));
    if (!extending && ContainerAlive()) FContainer->BeginDrag(false);
  }
  SetDragMode(ownDragMode);
}

void TcxCustomInnerListBox::SetFocusMessage(TMessage& message) {
  TListBox::WndProc(message);
  if (!ContainerAlive() || ComponentState().Contains(csDesigning)) return;
  if (!FContainer->HandleAllocated() || FocusPartner(message) != FContainer->Handle()) FContainer->FocusChanged();
}

// ---- scroll bars

void TcxCustomInnerListBox::UpdateScrollBars() {
  if (ComponentState().Contains(csDesigning) || Destroying() || FScrollBarsLockCount > 0 || FIsRedrawLocked ||
      !cxContainerApi().GetScrollBarInfo || !HandleAllocated())
    return;
  if (FContainer && FContainer->IsDestroying()) return;
  const TBoolScope calculating(FScrollBarsCalculating);
  if (FHScrollBar) UpdateScrollBar(FHScrollBar, OBJID_HSCROLL, SB_HORZ);
  if (FVScrollBar) UpdateScrollBar(FVScrollBar, OBJID_VSCROLL, SB_VERT);
}

void TcxCustomInnerListBox::UpdateScrollBar(TcxScrollBar* bar, LONG objectId, int barKind) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  TWinControl* parent = Parent();
  bool visible = parent && parent->HandleAllocated() && cxContainerApi().GetScrollBarInfo(Handle(), objectId, &info) &&
                 (info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)) == 0;
  TRect bounds{};
  if (visible) {
    bar->SetEnabled((info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0 && (!FContainer || FContainer->Enabled()));
    bounds = ScreenToClientRect(parent->Handle(), info.rcScrollBar);
    visible = RectInside(bounds, parent->ClientRect());
  }
  if (visible) {
    {
      const TCounterScope locked(FScrollBarsLockCount);
      bar->SetParent(parent);
    }
    bar->SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    bar->BringToFront();
  } else {
    bar->SetBounds(0, 0, 0, 0);
  }
  bar->SetVisible(visible);
  if (!visible) return;
  SCROLLINFO scrollInfo{};
  scrollInfo.cbSize = sizeof(scrollInfo);
  scrollInfo.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
  if (!GetScrollInfo(Handle(), barKind, &scrollInfo)) return;
  const int page = std::min(static_cast<int>(scrollInfo.nPage), scrollInfo.nMax);
  bar->SetParams(scrollInfo.nMin, scrollInfo.nMax, true, page, scrollInfo.nPos);
  bar->SetSmallChange(1);
}

// Straight to the list's own window procedure: through WndProc a scroll
// message naming the bar's window goes back to the bar as its notification,
// which scrolls the bar again, and that the list again.
void TcxCustomInnerListBox::ScrollWindowBy(UINT msg, TScrollCode scrollCode, int scrollPos, TcxScrollBar* bar) {
  TMessage message{msg, MAKEWPARAM(static_cast<WORD>(scrollCode), static_cast<WORD>(scrollPos)),
                   reinterpret_cast<LPARAM>(bar->Handle()), 0};
  DefaultHandler(message);
}

// The list reads a dragged thumb from its own bar, which never moves: the
// dragged position is handed over as a settled one.
void TcxCustomInnerListBox::HScrollHandler(TScrollCode scrollCode, int& scrollPos) {
  ScrollWindowBy(WM_HSCROLL, scrollCode == scTrack ? scPosition : scrollCode, scrollPos, FHScrollBar);
  scrollPos = GetScrollPos(Handle(), SB_HORZ);
}

// The list scrolls by items: the top item follows the bar directly.
void TcxCustomInnerListBox::VScrollHandler(TScrollCode scrollCode, int& scrollPos) {
  switch (scrollCode) {
    case scLineUp: SetTopIndex(TopIndex() - 1); break;
    case scLineDown: SetTopIndex(TopIndex() + 1); break;
    case scPosition:
    case scTrack: SetTopIndex(scrollPos); break;
    default: ScrollWindowBy(WM_VSCROLL, scrollCode, scrollPos, FVScrollBar); break;
  }
  scrollPos = GetScrollPos(Handle(), SB_VERT);
}

// ---- incremental search

void TcxCustomInnerListBox::DoIncrementalSearch(char& key) {
  if (!AutoComplete()) return;
  const DWORD now = cxInnerListBoxApi().GetTickCount();
  if (now - FLastSearchKeyTime >= AutoCompleteDelay()) FSearchText.clear();
  FLastSearchKeyTime = now;
  if (key == VK_BACK)
    FSearchText = RemoveLastCharacter(FSearchText, cxInnerListBoxApi().GetACP());
  else
    AppendSearchKey(key);
  if (FSearchText.empty()) {
    SetItemIndex(0);
    Click();
  } else {
    const int index = FindItem(FSearchText);
    if (index >= 0) SelectFoundItem(index);
  }
  if (key != VK_BACK && key != VK_RETURN && key != VK_ESCAPE) key = 0;
}

// A lead byte waits for its trail byte in the queue; without one it is
// dropped rather than joined with a byte that was never typed. The program's
// quit, which the filter does not hold back, is no trail byte: it is queued again.
void TcxCustomInnerListBox::AppendSearchKey(char& key) {
  if (!IsLeadByte(key, cxInnerListBoxApi().GetACP())) {
    FSearchText += key;
    return;
  }
  MSG trail{};
  if (TakePendingMessage(Handle(), WM_CHAR, WM_CHAR, trail)) {
    FSearchText += key;
    FSearchText += static_cast<char>(KeyCode(QueuedMessage(trail)));
  }
  key = 0;
}

int TcxCustomInnerListBox::FindItem(const std::string& text) {
  if (IsVirtual()) return DoFindData(text);
  return static_cast<int>(
      SendMessageA(Handle(), LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str())));
}

void TcxCustomInnerListBox::SelectFoundItem(int index) {
  if (MultiSelect()) {
    SendMessageA(Handle(), LB_SETSEL, FALSE, -1);
    SendMessageA(Handle(), LB_SELITEMRANGE, TRUE, MAKELPARAM(index, index));
    SendMessageA(Handle(), LB_SETCARETINDEX, index, FALSE);
  } else {
    SetItemIndex(index);
  }
  Click();
}
