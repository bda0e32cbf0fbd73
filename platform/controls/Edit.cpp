#include "platform/controls/Edit.h"

#include "platform/classes/ClassBuilder.h"

TClass TEdit::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TEdit>("TEdit", TWinControl::StaticClass())
                                          .String("Text", &TEdit::Text, &TEdit::SetText)
                                          .Integer("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength, 0)
                                          .Boolean("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly, false)
                                          .Event("OnChange", &TEdit::SetOnChange)
                                          .Build();
  return &metaClass;
}

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, 21);
  SetColor(clWindow);
}

void TEdit::SetMaxLength(int value) {
  FMaxLength = value;
  if (HandleAllocated()) SendMessageA(Handle(), EM_LIMITTEXT, FMaxLength, 0);
}

void TEdit::SetReadOnly(bool value) {
  FReadOnly = value;
  if (HandleAllocated()) SendMessageA(Handle(), EM_SETREADONLY, FReadOnly, 0);
}

void TEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClassName = "EDIT";
  params.Style |= WS_TABSTOP | ES_AUTOHSCROLL | (FReadOnly ? ES_READONLY : 0);
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TEdit::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageA(Handle(), EM_LIMITTEXT, FMaxLength, 0);
}

void TEdit::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND) {
    if (CommandCode(message) == EN_CHANGE) {
      UpdateCaptionFromWindow(WindowText(Handle()));
      if (FOnChange) FOnChange(this);
    }
    return;
  }
  TWinControl::WndProc(message);
}
