#include "platform/controls/standard/ComboBox.h"

#include "platform/classes/ClassBuilder.h"

namespace {

const TIdentMap kStyles = {{csDropDown, "csDropDown"}, {csDropDownList, "csDropDownList"}};

// A combo box's window height includes its dropped-down list; the control's
// Height is that of the closed box.
constexpr int kDroppedListHeight = 200;

}  // namespace

TClass TComboBox::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TComboBox>("TComboBox", TCustomListControl::StaticClass())
          .Enumeration("Style", &TComboBox::Style, &TComboBox::SetStyle, kStyles, csDropDown)
          .Strings("Items", &TComboBox::Items)
          .Integer("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex, -1)
          .Event("OnChange", &TComboBox::SetOnChange)
          .Build();
  return &metaClass;
}

TComboBox::TComboBox(TComponent* owner) : TCustomListControl(owner, kComboBoxMessages) {
  SetBounds(0, 0, 145, 21);
  SetTabStop(true);
}

void TComboBox::SetStyle(TComboBoxStyle value) {
  if (value == FStyle) return;
  FStyle = value;
  // The style of a combo box is fixed when its window is made.
  if (HandleAllocated()) {
    DestroyHandle();
    HandleNeeded();
  }
}

std::string TComboBox::Text() const {
  if (HandleAllocated()) return WindowText(const_cast<TComboBox*>(this)->Handle());
  const int index = ItemIndex();
  const TStringList& items = const_cast<TComboBox*>(this)->Items();
  return index >= 0 && index < items.Count() ? items[index] : Caption();
}

void TComboBox::CreateParams(TCreateParams& params) {
  TCustomListControl::CreateParams(params);
  params.BaseClassName = "COMBOBOX";
  params.Style |= WS_VSCROLL | (FStyle == csDropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN | CBS_AUTOHSCROLL);
  params.Height += kDroppedListHeight;
}

void TComboBox::BoundsChanged() {
  if (HandleAllocated())
    SetWindowPos(Handle(), nullptr, Left(), Top(), Width(), Height() + kDroppedListHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TComboBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      if (CommandCode(message) == CBN_SELCHANGE) UserSelected();
      if (CommandCode(message) == CBN_EDITCHANGE) Change();
      return;
  }
  TCustomListControl::WndProc(message);
}

// The window reports a selection even when the user lands on the line already chosen.
void TComboBox::UserSelected() {
  const int index = ItemIndex();
  if (index == FKnownIndex) return;
  FKnownIndex = index;
  Change();
}

void TComboBox::Change() {
  if (FOnChange) FOnChange(this);
}
