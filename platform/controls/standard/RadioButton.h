#pragma once
// TRadioButton: one choice among the radio buttons of the same parent (a
// frame, a group box, a panel): checking one clears the others there.
// OnClick runs when the button becomes checked, by the user or by the
// program; not when it is cleared, checked again, or checked while a form is
// read.
#include "platform/controls/standard/ButtonControl.h"

class TRadioButton : public TButtonControl {
 public:
  explicit TRadioButton(TComponent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void SetChecked(bool value);

 protected:
  void UserClicked() override { SetChecked(true); }
  void CreateParams(TCreateParams& params) override;

 private:
  void ClearSiblings();
  // Tab stops at the chosen button of a group only; the arrow keys move within it.
  void UpdateTabStop();
};
