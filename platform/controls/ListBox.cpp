#include "platform/controls/ListBox.h"

#include "platform/classes/ClassBuilder.h"

TClass TListBox::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TListBox>("TListBox", TCustomListControl::StaticClass())
                                          .Strings("Items", &TListBox::Items)
                                          .Integer("ItemIndex", &TListBox::ItemIndex, &TListBox::SetItemIndex, -1)
                                          .Event("OnClick", &TListBox::SetOnClick)
                                          .Build();
  return &metaClass;
}

TListBox::TListBox(TComponent* owner) : TCustomListControl(owner, kListBoxMessages) { SetBounds(0, 0, 121, 97); }

void TListBox::CreateParams(TCreateParams& params) {
  TCustomListControl::CreateParams(params);
  params.BaseClassName = "LISTBOX";
  params.Style |= WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListBox::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND) {
    if (CommandCode(message) == LBN_SELCHANGE) Click();
    return;
  }
  TCustomListControl::WndProc(message);
}
