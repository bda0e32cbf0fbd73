#include "platform/controls/standard/Button.h"

#include "platform/classes/ClassBuilder.h"

const TIdentMap& ModalResultIdents() {
  static const TIdentMap idents = {{mrNone, "mrNone"},   {mrOk, "mrOk"},       {mrCancel, "mrCancel"},
                                   {mrAbort, "mrAbort"}, {mrRetry, "mrRetry"}, {mrIgnore, "mrIgnore"},
                                   {mrYes, "mrYes"},     {mrNo, "mrNo"}};
  return idents;
}

TClass TButton::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TButton>("TButton", TWinControl::StaticClass())
          .String("Caption", &TButton::Caption, &TButton::SetCaption)
          .Integer("ModalResult", &TButton::ModalResult, &TButton::SetModalResult, mrNone, &ModalResultIdents())
          .Boolean("Default", &TButton::Default, &TButton::SetDefault, false)
          .Boolean("Cancel", &TButton::Cancel, &TButton::SetCancel, false)
          .Event("OnClick", &TButton::SetOnClick)
          .Build();
  return &metaClass;
}

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
}

void TButton::SetDefault(bool value) {
  FDefault = value;
  if (HandleAllocated()) SendMessageA(Handle(), BM_SETSTYLE, ButtonStyle(), TRUE);
}

void TButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClassName = "BUTTON";
  params.Style |= ButtonStyle();
}

void TButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      if (CommandCode(message) == BN_CLICKED) Click();
      return;
    case WM_GETDLGCODE:
      // Asked of the focused control: Enter presses the focused button, not the default one.
      DefaultHandler(message);
      if (message.Result & DLGC_UNDEFPUSHBUTTON)
        message.Result = (message.Result & ~DLGC_UNDEFPUSHBUTTON) | DLGC_DEFPUSHBUTTON;
      return;
  }
  TWinControl::WndProc(message);
}

void TButton::Click() {
  if (FModalResult != mrNone)
    if (TForm* form = GetParentForm(*this)) form->SetModalResult(FModalResult);
  TWinControl::Click();
}

bool TButton::DialogKey(WORD key) {
  if (!(key == VK_RETURN && FDefault) && !(key == VK_ESCAPE && FCancel)) return false;
  Click();
  return true;
}
