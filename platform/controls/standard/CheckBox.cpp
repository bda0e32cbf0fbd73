#include "platform/controls/standard/CheckBox.h"

#include "platform/classes/ClassBuilder.h"

TClass TCheckBox::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TCheckBox>("TCheckBox", TButtonControl::StaticClass())
                                          .String("Caption", &TCheckBox::Caption, &TCheckBox::SetCaption)
                                          .Boolean("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked, false)
                                          .Event("OnClick", &TCheckBox::SetOnClick)
                                          .Build();
  return &metaClass;
}

TCheckBox::TCheckBox(TComponent* owner) : TButtonControl(owner, BS_CHECKBOX) {
  SetBounds(0, 0, 97, 17);
  SetTabStop(true);
}

void TCheckBox::SetChecked(bool value) {
  if (ChangeChecked(value) && !Loading()) Click();
}
