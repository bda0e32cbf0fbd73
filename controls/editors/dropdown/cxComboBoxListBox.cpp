#include "controls/editors/dropdown/cxComboBoxListBox.h"

#include <algorithm>

#include "controls/editors/dropdown/cxComboBox.h"
#include "controls/foundation/cxControls.h"
#include "controls/foundation/cxLookAndFeelPaintersUtils.h"
#include "platform/classes/ClassBuilder.h"

namespace {

// The list is as wide as its widest item and this much more.
constexpr int kItemWidthMargin = 4;

}  // namespace

// ---- TcxCustomComboBoxListBox

TClass TcxCustomComboBoxListBox::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxCustomComboBoxListBox>("TcxCustomComboBoxListBox", TcxCustomEditListBox::StaticClass()).Build();
  return &metaClass;
}

TcxCustomComboBoxListBox::TcxCustomComboBoxListBox(TComponent* owner, TcxContainer* container,
                                                   TcxCustomTextEditLookupData& lookupData)
    : TcxCustomEditListBox(owner, container, lookupData) {}

TcxCustomComboBox& TcxCustomComboBoxListBox::Edit() const {
  return static_cast<TcxCustomComboBox&>(LookupData().Edit());
}

TcxCustomComboBoxProperties& TcxCustomComboBoxListBox::ComboProperties() const { return Edit().ComboProperties(); }

bool TcxCustomComboBoxListBox::HasVariableItemHeight() const { return Edit().HasMeasureItemHandler(); }

// The style is read when the window is made, so it follows the measuring handler then.
void TcxCustomComboBoxListBox::CreateParams(TCreateParams& params) {
  SetStyle(HasVariableItemHeight() ? lbOwnerDrawVariable : lbOwnerDrawFixed);
  TcxCustomEditListBox::CreateParams(params);
}

// A drawing handler may draw across the whole row: a change of width redraws it all.
void TcxCustomComboBoxListBox::Resize() {
  TcxCustomEditListBox::Resize();
  if (HandleAllocated() && Edit().HasDrawItemHandler()) Invalidate();
}

// The edit list sets the height of the first row to the font's; a
// measured list measures that row again.
void TcxCustomComboBoxListBox::CreateWnd() {
  TcxCustomEditListBox::CreateWnd();
  if (HasVariableItemHeight()) {
    if (ItemCount() > 0) SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, GetItemHeight(0));
  } else if (ComboProperties().ItemHeight() > 0) {
    SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, ComboProperties().ItemHeight());
  }
}

int TcxCustomComboBoxListBox::GetItemHeight(int index) {
  const int itemHeight = ComboProperties().ItemHeight();
  int height = itemHeight > 0 ? itemHeight : GetItemHeight();
  if (index >= 0 && HasVariableItemHeight()) Edit().DoMeasureItem(this, index, height);
  return std::max(height, 1);
}

void TcxCustomComboBoxListBox::MeasureItem(int index, int& height) { height = GetItemHeight(index); }

bool TcxCustomComboBoxListBox::DoDrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  TcxCanvas canvas(Canvas());
  return Edit().DoDrawItem(canvas, index, rect, state);
}

void TcxCustomComboBoxListBox::IgnoreMouseRestingAt(POINT screenPoint) {
  FPointerResting = true;
  FRestingPoint = screenPoint;
}

void TcxCustomComboBoxListBox::MouseMove(TShiftState shift, int x, int y) {
  if (FPointerResting) {
    const POINT screen = ClientToScreen(POINT{x, y});
    if (screen.x == FRestingPoint.x && screen.y == FRestingPoint.y) return;
    FPointerResting = false;
  }
  TcxCustomEditListBox::MouseMove(shift, x, y);
}

void TcxCustomComboBoxListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  const TcxWeakSelf self(this);
  TcxCustomEditListBox::MouseUp(button, shift, x, y);
  if (!self.Alive() || button != mbLeft) return;
  const int index = ItemAtPos(POINT{x, y});
  if (index >= 0) AcceptItem(index);
}

void TcxCustomComboBoxListBox::AcceptItem(int index) {
  if (GetCapture() == Handle()) ReleaseCapture();
  SetItemIndex(index);
  Edit().ClosePopup(cxEditPopupCloseReasonAccept);
}

// ---- TcxComboBoxListBox

TClass TcxComboBoxListBox::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxComboBoxListBox>("TcxComboBoxListBox", TcxCustomComboBoxListBox::StaticClass()).Build();
  return &metaClass;
}

// ---- TcxComboBoxLookupData

TClass TcxComboBoxLookupData::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxComboBoxLookupData>("TcxComboBoxLookupData", TcxCustomTextEditLookupData::StaticClass()).Build();
  return &metaClass;
}

TcxCustomEditListBox* TcxComboBoxLookupData::CreateList() { return new TcxComboBoxListBox(nullptr, nullptr, *this); }

// Rows that do not fit the height are dropped, but one row always shows.
SIZE TcxComboBoxLookupData::GetListSize(int width, int maxHeight) {
  TcxCustomComboBoxListBox& list = ComboList();
  const int count = GetItemCount();
  const int rows = std::min(count, static_cast<TcxCustomComboBox&>(Edit()).ComboProperties().DropDownRows());
  int height = 0;
  int shownRows = 0;
  for (; shownRows < rows; ++shownRows) {
    const int rowHeight = list.GetItemHeight(shownRows);
    if (shownRows > 0 && height + rowHeight > maxHeight) break;
    height += rowHeight;
  }
  int widest = 0;
  for (int i = 0; i < count; ++i) widest = std::max(widest, list.GetItemWidth(i));
  SIZE size{widest + kItemWidthMargin, height};
  list.SetScrollWidth(size.cx);
  if (count > shownRows) size.cx += GetSystemMetrics(SM_CXVSCROLL);
  if (size.cx > width) size.cy += GetSystemMetrics(SM_CYHSCROLL);
  return size;
}

void TcxComboBoxLookupData::SetVisualAreaBounds(const RECT& bounds) {
  List().SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
}

// ---- TcxComboBoxPopupWindow

TClass TcxComboBoxPopupWindow::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxComboBoxPopupWindow>("TcxComboBoxPopupWindow", TcxCustomEditPopupWindow::StaticClass()).Build();
  return &metaClass;
}

TcxComboBoxPopupWindow::TcxComboBoxPopupWindow(TcxCustomComboBox& edit)
    : TcxCustomEditPopupWindow(&edit, &edit), FComboBox(edit) {}

void TcxComboBoxPopupWindow::CalculateSize() {
  EditViewInfo().SysPanelCorner = spcBottomRight;
  SetOwnerBounds(FComboBox.PopupOwnerBounds());
  CalculateViewInfo();
  const TRect extent = EditViewInfo().GetBorderExtent();
  const SIZE content = FComboBox.GetPopupContentSize();
  const SIZE minSize = GetMinSize();
  const int width = std::max<int>(CalculateWidth(extent, content), minSize.cx);
  const int height = std::max<int>(CalculateHeight(extent, content), minSize.cy);
  SetBounds(Left(), Top(), width, height);
}

int TcxComboBoxPopupWindow::CalculateWidth(const TRect& extent, const SIZE& content) const {
  const int ownerWidth = RectWidth(OwnerBounds());
  int width = ownerWidth;
  if ((PopupSizeable() && FUserSizeHeld) || !(PopupAutoSize() || WantedWidth() == 0))
    width = WantedWidth();
  else if (PopupAutoSize())
    width = std::max<int>(content.cx + extent.left + extent.right, ownerWidth);
  return PopupSizeable() ? std::max(width, PopupMinWidth()) : width;
}

int TcxComboBoxPopupWindow::CalculateHeight(const TRect& extent, const SIZE& content) const {
  const bool wanted = (PopupSizeable() && FUserSizeHeld) || WantedHeight() > 0;
  int height = content.cy + extent.top + extent.bottom;
  if (wanted && (PopupSizeable() || !PopupAutoSize())) height = WantedHeight();
  return PopupSizeable() ? std::max(height, PopupMinHeight()) : height;
}

TcxCustomEditPopupWindow* CreateComboBoxPopupWindow(TcxCustomDropDownEdit& edit) {
  return new TcxComboBoxPopupWindow(static_cast<TcxCustomComboBox&>(edit));
}
