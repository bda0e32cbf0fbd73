#include "controls/editors/check/cxCheckBoxActionLink.h"

#include "controls/editors/check/cxCheckBox.h"

TcxCheckBoxActionLink::TcxCheckBoxActionLink(TcxCustomCheckBox& checkBox, TAction& action)
    : TControlActionLink(checkBox, action), FCheckBox(checkBox) {}

bool TcxCheckBoxActionLink::IsCheckedLinked() const {
  return TControlActionLink::IsCheckedLinked() && FCheckBox.State() != cbsGrayed &&
         FCheckBox.Checked() == Action().Checked();
}

void TcxCheckBoxActionLink::SetChecked(bool value) { FCheckBox.SetStateQuietly(value ? cbsChecked : cbsUnchecked); }
