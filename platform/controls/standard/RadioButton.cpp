#include "platform/controls/standard/RadioButton.h"

#include "platform/classes/ClassBuilder.h"

TClass TRadioButton::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TRadioButton>("TRadioButton", TButtonControl::StaticClass())
                                          .String("Caption", &TRadioButton::Caption, &TRadioButton::SetCaption)
                                          .Boolean("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked, false)
                                          .Event("OnClick", &TRadioButton::SetOnClick)
                                          .Build();
  return &metaClass;
}

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner, BS_RADIOBUTTON) { SetBounds(0, 0, 113, 17); }

void TRadioButton::SetChecked(bool value) {
  if (!ChangeChecked(value)) return;
  UpdateTabStop();
  if (!value) return;
  ClearSiblings();
  if (!Loading()) Click();
}

void TRadioButton::ClearSiblings() {
  if (!Parent()) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    TControl* sibling = Parent()->Controls(i);
    if (sibling != this && sibling->InheritsFrom(TRadioButton::StaticClass()))
      static_cast<TRadioButton*>(sibling)->SetChecked(false);
  }
}

void TRadioButton::CreateParams(TCreateParams& params) {
  TButtonControl::CreateParams(params);
  if (Checked()) params.Style |= WS_TABSTOP;
}

void TRadioButton::UpdateTabStop() {
  if (!HandleAllocated()) return;
  const LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
  SetWindowLongPtrA(Handle(), GWL_STYLE, Checked() ? style | WS_TABSTOP : style & ~WS_TABSTOP);
}
