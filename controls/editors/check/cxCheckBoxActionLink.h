#pragma once
// The check box's link with its action: the check follows the action's
// checked state while the two are in step.
#include "platform/controls/core/Actions.h"

class TcxCustomCheckBox;

class TcxCheckBoxActionLink : public TControlActionLink {
 public:
  TcxCheckBoxActionLink(TcxCustomCheckBox& checkBox, TAction& action);

  // Only a check box that shows the action's checked state follows it: a
  // grayed one, or one the user turned the other way, keeps its own.
  bool IsCheckedLinked() const override;

 protected:
  // The action's state is no user's change: the check box fires nothing.
  void SetChecked(bool value) override;

 private:
  TcxCustomCheckBox& FCheckBox;
};
