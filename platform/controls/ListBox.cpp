#include "platform/controls/ListBox.h"

#include "platform/classes/ClassBuilder.h"

TClass TListBox::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TListBox>("TListBox", TWinControl::StaticClass())
                                          .Strings("Items", &TListBox::Items)
                                          .Integer("ItemIndex", &TListBox::ItemIndex, &TListBox::SetItemIndex, -1)
                                          .Event("OnClick", &TListBox::SetOnClick)
                                          .Build();
  return &metaClass;
}

TListBox::TListBox(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, 97);
  FItems.SetOnChange([this] { FWindowItems.Update(FItems); });
}

int TListBox::ItemIndex() const {
  if (!HandleAllocated()) return FItemIndex;
  return static_cast<int>(SendMessageA(const_cast<TListBox*>(this)->Handle(), LB_GETCURSEL, 0, 0));
}

void TListBox::SetItemIndex(int value) {
  FItemIndex = value;
  if (HandleAllocated()) SendMessageA(Handle(), LB_SETCURSEL, value, 0);
}

void TListBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClassName = "LISTBOX";
  params.Style |= WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListBox::CreateWnd() {
  TWinControl::CreateWnd();
  FWindowItems.Attach(Handle(), FItems);
  SendMessageA(Handle(), LB_SETCURSEL, FItemIndex, 0);
}

void TListBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      if (HIWORD(message.WParam) == LBN_SELCHANGE && FOnClick) FOnClick(this);
      return;
    case WM_DESTROY:
      FItemIndex = ItemIndex();
      FWindowItems.Detach();
      break;
  }
  TWinControl::WndProc(message);
}
