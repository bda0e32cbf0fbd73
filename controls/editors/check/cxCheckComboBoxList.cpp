#include "controls/editors/check/cxCheckComboBoxList.h"

#include <algorithm>

#include "controls/editors/check/cxCheckComboBox.h"
#include "platform/classes/ClassBuilder.h"

namespace {

constexpr int kItemPadding = 2;

TcxEditBorderStyle CheckBorderStyleOfKind(TcxLookAndFeelKind kind) {
  switch (kind) {
    case lfFlat: return ebsFlat;
    case lfStandard: return ebs3D;
    case lfUltraFlat: return ebsUltraFlat;
    case lfOffice11: return ebsOffice11;
  }
  return ebs3D;
}

}  // namespace

// ---- TcxCustomCheckComboBoxListBox

TcxCustomCheckComboBoxListBox::TcxCustomCheckComboBoxListBox(TComponent* owner, TcxContainer* container,
                                                             TcxCustomTextEditLookupData& lookupData)
    : TcxCustomComboBoxListBox(owner, container, lookupData) {}

TClass TcxCustomCheckComboBoxListBox::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TcxCustomCheckComboBoxListBox>(
                                          "TcxCustomCheckComboBoxListBox", TcxCustomComboBoxListBox::StaticClass())
                                          .Build();
  return &metaClass;
}

TcxCustomCheckComboBox& TcxCustomCheckComboBoxListBox::CheckEdit() const {
  return static_cast<TcxCustomCheckComboBox&>(Edit());
}

const TcxCustomCheckComboBoxProperties& TcxCustomCheckComboBoxListBox::CheckProperties() const {
  return CheckEdit().CheckProperties();
}

bool TcxCustomCheckComboBoxListBox::IsItemEnabled(int index) const {
  const TcxCheckComboBoxItems& items = CheckProperties().Items();
  return index >= 0 && index < items.Count() && items.Items(index).Enabled();
}

void TcxCustomCheckComboBoxListBox::ToggleItem(int index) {
  if (!IsItemEnabled(index)) return;
  const TcxWeakSelf self(this);
  CheckEdit().ToggleItemState(index);
  if (self.Alive()) InvalidateCheck(index);
}

void TcxCustomCheckComboBoxListBox::ToggleCurrentItem() { ToggleItem(ItemIndex()); }

// ---- keys and mouse

void TcxCustomCheckComboBoxListBox::KeyPress(char& key) {
  if (key != ' ') return TcxCustomComboBoxListBox::KeyPress(key);
  key = 0;
  ToggleCurrentItem();
}

void TcxCustomCheckComboBoxListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  const TcxWeakSelf self(this);
  TcxCustomComboBoxListBox::MouseDown(button, shift, x, y);
  if (!self.Alive() || button != mbLeft) return;
  const int index = ItemAtPos(POINT{x, y});
  FCapturedIndex = index;
  SetPressedIndex(index);
  SetMouseCapture(true);
}

void TcxCustomCheckComboBoxListBox::MouseMove(TShiftState shift, int x, int y) {
  const TcxWeakSelf self(this);
  TcxCustomComboBoxListBox::MouseMove(shift, x, y);
  if (!self.Alive()) return;
  const int index = ItemAtPos(POINT{x, y});
  const bool capturing = FCapturedIndex >= 0;
  SetHotIndex(capturing ? -1 : index);
  SetPressedIndex(capturing && index == FCapturedIndex ? FCapturedIndex : -1);
}

// The item released on must be the one pressed, and enabled itself: the
// list's current item may be another one when the pointer did not move.
void TcxCustomCheckComboBoxListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button != mbLeft) return TcxCustomComboBoxListBox::MouseUp(button, shift, x, y);
  const TcxWeakSelf self(this);
  TcxCustomEditListBox::MouseUp(button, shift, x, y);
  if (!self.Alive()) return;
  SetMouseCapture(false);
  const int index = ItemAtPos(POINT{x, y});
  const bool released = index >= 0 && index == FPressedIndex;
  FCapturedIndex = -1;
  SetPressedIndex(-1);
  if (!released || !IsItemEnabled(index)) return;
  SetItemIndex(index);
  ToggleItem(index);
}

void TcxCustomCheckComboBoxListBox::WndProc(TMessage& message) {
  if (message.Msg == CM_MOUSELEAVE) SetHotIndex(-1);
  TcxCustomComboBoxListBox::WndProc(message);
}

void TcxCustomCheckComboBoxListBox::SetHotIndex(int value) {
  if (FHotIndex == value) return;
  InvalidateCheck(FHotIndex);
  FHotIndex = value;
  InvalidateCheck(FHotIndex);
}

void TcxCustomCheckComboBoxListBox::SetPressedIndex(int value) {
  if (FPressedIndex == value) return;
  InvalidateCheck(FPressedIndex);
  FPressedIndex = value;
  InvalidateCheck(FPressedIndex);
}

void TcxCustomCheckComboBoxListBox::InvalidateCheck(int index) {
  if (index < 0 || !HandleAllocated()) return;
  RECT itemRect{};
  if (SendMessageA(Handle(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&itemRect)) == LB_ERR)
    return;
  const TRect check = CheckRect(TRect(itemRect));
  InvalidateRect(Handle(), &check, FALSE);
}

// ---- layout and drawing

SIZE TcxCustomCheckComboBoxListBox::CheckSize() const {
  const TcxCustomCheckComboBoxProperties& properties = CheckProperties();
  SIZE size = GetEditCheckSize(properties.GlyphIfAny(), properties.GlyphCount(), LookAndFeel().SkinPainter(),
                               LookAndFeel().NativeStyle());
  const int border = CheckBorderWidth();
  size.cx -= 2 * border;
  size.cy -= 2 * border;
  return size;
}

int TcxCustomCheckComboBoxListBox::CheckBorderWidth() const {
  const TcxCustomCheckComboBoxProperties& properties = CheckProperties();
  const bool classic = !IsEditCheckGlyphValid(properties.GlyphIfAny(), properties.GlyphCount()) &&
                       !LookAndFeel().SkinPainter() && !LookAndFeel().NativeStyle();
  return EditCheckBorderWidth(CheckBorderStyleOfKind(LookAndFeel().Kind()), classic);
}

int TcxCustomCheckComboBoxListBox::GetItemHeight(int index) {
  return std::max(TcxCustomComboBoxListBox::GetItemHeight(index), static_cast<int>(CheckSize().cy) + kItemPadding);
}

int TcxCustomCheckComboBoxListBox::GetItemWidth(int index) {
  return TcxCustomComboBoxListBox::GetItemWidth(index) + GetItemHeight(index);
}

void TcxCustomCheckComboBoxListBox::CreateWnd() {
  TcxCustomComboBoxListBox::CreateWnd();
  if (!HasVariableItemHeight()) SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, GetItemHeight(-1));
}

TRect TcxCustomCheckComboBoxListBox::CheckRect(const TRect& itemRect) const {
  const SIZE size = CheckSize();
  const int margin = ((itemRect.bottom - itemRect.top) - size.cy) / 2;
  TRect check;
  check.left = itemRect.left + std::max(margin, 1);
  check.top = itemRect.top + margin;
  check.right = check.left + size.cx;
  check.bottom = check.top + size.cy;
  const int border = CheckBorderWidth();
  InflateRect(&check, border, border);
  return check;
}

TcxEditCheckState TcxCustomCheckComboBoxListBox::ButtonStateOf(int index) const {
  if (!IsItemEnabled(index)) return ecsDisabled;
  if (index == FHotIndex) return ecsHot;
  if (index == FPressedIndex) return ecsPressed;
  return ecsNormal;
}

TcxEditBorderStyle TcxCustomCheckComboBoxListBox::CheckBorderStyleOf(TcxEditCheckState buttonState) const {
  const TcxLookAndFeelKind kind = LookAndFeel().Kind();
  const bool active = buttonState == ecsHot || buttonState == ecsPressed;
  if (kind == lfFlat && active) return ebs3D;
  return CheckBorderStyleOfKind(kind);
}

bool TcxCustomCheckComboBoxListBox::DoDrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  const TcxCustomCheckComboBoxProperties& properties = CheckProperties();
  if (index < 0 || index >= properties.Items().Count()) return false;
  TCanvas& canvas = Canvas();
  if (!TcxCustomComboBoxListBox::DoDrawItem(index, rect, state)) {
    canvas.FillRect(rect);
    DrawItemText(TcxCheckPaintHelper::TextRect(rect), properties.Items().Items(index).Description());
  }
  TcxEditCheckDrawParams params;
  params.State = CheckEdit().GetItemState(index);
  params.ButtonState = ButtonStateOf(index);
  params.Glyph = properties.GlyphIfAny();
  params.GlyphCount = properties.GlyphCount();
  params.SkinPainter = LookAndFeel().SkinPainter();
  params.FillBackground = false;
  params.CheckBorderStyle = CheckBorderStyleOf(params.ButtonState);
  params.NativeStyle = LookAndFeel().NativeStyle();
  TcxCanvas cxCanvas(canvas);
  DrawEditCheck(cxCanvas, CheckRect(rect), params);
  return true;
}

// ---- TcxCheckComboBoxLookupData

TClass TcxCheckComboBoxLookupData::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxCheckComboBoxLookupData>("TcxCheckComboBoxLookupData", TcxComboBoxLookupData::StaticClass())
          .Build();
  return &metaClass;
}

const TcxCheckComboBoxItems& TcxCheckComboBoxLookupData::Items() const {
  return static_cast<const TcxCustomCheckComboBoxProperties&>(Properties()).Items();
}

std::string TcxCheckComboBoxLookupData::GetItem(int index) const {
  const TcxCheckComboBoxItems& items = Items();
  return index >= 0 && index < items.Count() ? items.Items(index).Description() : std::string();
}

int TcxCheckComboBoxLookupData::GetItemCount() const { return Items().Count(); }

TcxCustomEditListBox* TcxCheckComboBoxLookupData::CreateList() {
  return new TcxCustomCheckComboBoxListBox(nullptr, nullptr, *this);
}
