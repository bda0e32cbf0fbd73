#include "platform/controls/ComboBox.h"

#include "platform/classes/ClassBuilder.h"

namespace {

const TIdentMap kStyles = {{csDropDown, "csDropDown"}, {csDropDownList, "csDropDownList"}};

// A combo box's window height includes its dropped-down list; the control's
// Height is that of the closed box.
constexpr int kDroppedListHeight = 200;

}  // namespace

TClass TComboBox::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TComboBox>("TComboBox", TWinControl::StaticClass())
          .Enumeration("Style", &TComboBox::Style, &TComboBox::SetStyle, kStyles, csDropDown)
          .Strings("Items", &TComboBox::Items)
          .Integer("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex, -1)
          .Event("OnChange", &TComboBox::SetOnChange)
          .Build();
  return &metaClass;
}

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 145, 21);
  FItems.SetOnChange([this] { FWindowItems.Update(FItems); });
}

void TComboBox::SetStyle(TComboBoxStyle value) {
  if (value == FStyle) return;
  FStyle = value;
  // The style of a combo box is fixed when its window is made.
  if (HandleAllocated()) {
    FItemIndex = ItemIndex();
    DestroyHandle();
    HandleNeeded();
  }
}

int TComboBox::ItemIndex() const {
  if (!HandleAllocated()) return FItemIndex;
  return static_cast<int>(SendMessageA(const_cast<TComboBox*>(this)->Handle(), CB_GETCURSEL, 0, 0));
}

void TComboBox::SetItemIndex(int value) {
  FItemIndex = value;
  if (HandleAllocated()) SendMessageA(Handle(), CB_SETCURSEL, value, 0);
}

std::string TComboBox::Text() const {
  if (HandleAllocated()) return WindowText(const_cast<TComboBox*>(this)->Handle());
  return FItemIndex >= 0 && FItemIndex < FItems.Count() ? FItems[FItemIndex] : Caption();
}

void TComboBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClassName = "COMBOBOX";
  params.Style |=
      WS_TABSTOP | WS_VSCROLL | (FStyle == csDropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN | CBS_AUTOHSCROLL);
  params.Height += kDroppedListHeight;
}

void TComboBox::CreateWnd() {
  TWinControl::CreateWnd();
  FWindowItems.Attach(Handle(), FItems);
  SendMessageA(Handle(), CB_SETCURSEL, FItemIndex, 0);
}

void TComboBox::BoundsChanged() {
  if (HandleAllocated())
    SetWindowPos(Handle(), nullptr, Left(), Top(), Width(), Height() + kDroppedListHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TComboBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      if (HIWORD(message.WParam) == CBN_SELCHANGE || HIWORD(message.WParam) == CBN_EDITCHANGE) Change();
      return;
    case WM_DESTROY:
      FItemIndex = ItemIndex();
      FWindowItems.Detach();
      break;
  }
  TWinControl::WndProc(message);
}

void TComboBox::Change() {
  if (FOnChange) FOnChange(this);
}
