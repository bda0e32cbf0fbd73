#pragma once
// TCheckBox: a box the user ticks or clears. OnClick runs on every change of
// Checked, whether the user clicked or the program set it, and never when
// Checked is set to what it already is or while a form is read.
#include "platform/controls/standard/ButtonControl.h"

class TCheckBox : public TButtonControl {
 public:
  explicit TCheckBox(TComponent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void SetChecked(bool value);

 protected:
  void UserClicked() override { SetChecked(!Checked()); }
};
