#include "application/main/ApplicationClasses.h"

#include "application/core/CommClass.h"
#include "application/dialogs/Alarm_Shielded.h"
#include "application/dialogs/Conf_CRCeable.h"
#include "application/dialogs/Conf_Clock.h"
#include "application/dialogs/Conf_FlowCon.h"
#include "application/dialogs/Conf_Lcase.h"
#include "application/dialogs/Conf_Loop.h"
#include "application/dialogs/Conf_Monitor.h"
#include "application/dialogs/Conf_Operation.h"
#include "application/dialogs/Conf_PFI.h"
#include "application/dialogs/Conf_Parameter.h"
#include "application/dialogs/Conf_ProMode.h"
#include "application/dialogs/Conf_Reset.h"
#include "application/dialogs/Conf_SetVlan.h"
#include "application/dialogs/Conf_VLAN.h"
#include "application/dialogs/PortEnable.h"
#include "application/dialogs/Prefor_Query.h"
#include "application/dialogs/Sys_Ver.h"
#include "application/main/About.h"
#include "application/main/Legend.h"
#include "application/main/Main.h"
#include "application/main/uDeviceParam.h"
#include "controls/editors/EditorsUnits.h"
#include "controls/foundation/FoundationUnits.h"
#include "platform/controls/core/Application.h"

void RegisterApplicationClasses() {
  RegisterCommClasses();
  RegisterClasses({TMainW::StaticClass(), TDeviceParam::StaticClass(), TAboutW::StaticClass(), TLegend::StaticClass()});
  RegisterClasses({TfrmPortEnable::StaticClass(), TConf_LoopW::StaticClass(), TConf_CRCeableW::StaticClass(),
                   TConf_ClockW::StaticClass(), TConf_ParameterW::StaticClass(), TConf_ResetW::StaticClass(),
                   TConf_FlowConW::StaticClass(), TConf_LcaseW::StaticClass(), TConf_PFIW::StaticClass()});
  RegisterClasses({TConf_VLANW::StaticClass(), TConf_SetVlanW::StaticClass(), TAlarm_ShieldedW::StaticClass(),
                   TPrefor_QueryW::StaticClass(), TSys_VerW::StaticClass()});
  // The dialogs no menu opens.
  RegisterClasses({TConf_ProModeW::StaticClass(), TConf_MonitorW::StaticClass(), TConf_OperationW::StaticClass()});
}

void CreateApplicationForms() {
  Application().CreateForm(MainW);
  Application().CreateForm(CommClassW);
  Application().CreateForm(frmPortEnable);
  Application().CreateForm(Conf_ParameterW);
  Application().CreateForm(Conf_ResetW);
  Application().CreateForm(Conf_VLANW);
  Application().CreateForm(Conf_SetVlanW);
  Application().CreateForm(Conf_FlowConW);
  Application().CreateForm(Conf_PFIW);
  Application().CreateForm(Conf_LcaseW);
  Application().CreateForm(Conf_OperationW);
  Application().CreateForm(Conf_ClockW);
  Application().CreateForm(Conf_MonitorW);
  Application().CreateForm(Conf_CRCeableW);
  Application().CreateForm(Conf_ProModeW);
}

std::vector<TUnitInfo> ApplicationUnits() {
  std::vector<TUnitInfo> units = FoundationUnits();
  const std::vector<TUnitInfo> editors = EditorsUnits();
  units.insert(units.end(), editors.begin(), editors.end());
  return units;
}
