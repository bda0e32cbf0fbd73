#include "platform/controls/standard/CustomListControl.h"

#include "platform/classes/ClassBuilder.h"

TClass TCustomListControl::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TCustomListControl>("TCustomListControl", TWinControl::StaticClass()).Build();
  return &metaClass;
}

TCustomListControl::TCustomListControl(TComponent* owner, const TItemListMessages& messages)
    : TWinControl(owner), FMessages(messages), FWindowItems(messages) {
  SetColor(clWindow);
  FItems.SetOnChange([this] {
    FWindowItems.Update(FItems);
    SelectionSet();
  });
}

int TCustomListControl::ItemIndex() const {
  if (!HandleAllocated()) return FItemIndex;
  return static_cast<int>(SendMessageA(const_cast<TCustomListControl*>(this)->Handle(), FMessages.GetSelection, 0, 0));
}

void TCustomListControl::SetItemIndex(int value) {
  FItemIndex = value;
  if (HandleAllocated()) SendMessageA(Handle(), FMessages.SetSelection, value, 0);
  SelectionSet();
}

void TCustomListControl::CreateWnd() {
  TWinControl::CreateWnd();
  FWindowItems.Attach(Handle(), FItems);
  SendMessageA(Handle(), FMessages.SetSelection, FItemIndex, 0);
  SelectionSet();
}

void TCustomListControl::WndProc(TMessage& message) {
  if (message.Msg == WM_DESTROY) {
    FItemIndex = ItemIndex();
    FWindowItems.Detach();
  }
  TWinControl::WndProc(message);
}
