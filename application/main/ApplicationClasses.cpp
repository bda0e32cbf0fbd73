#include "application/main/ApplicationClasses.h"

#include "application/core/CommClass.h"
#include "application/dialogs/Conf_Clock.h"
#include "application/dialogs/Conf_Loop.h"
#include "application/dialogs/PortEnable.h"
#include "application/main/About.h"
#include "application/main/Legend.h"
#include "application/main/Main.h"
#include "application/main/uDeviceParam.h"

void RegisterApplicationClasses() {
  RegisterCommClasses();
  RegisterClasses({TMainW::StaticClass(), TDeviceParam::StaticClass(), TAboutW::StaticClass(), TLegend::StaticClass()});
  RegisterClasses({TfrmPortEnable::StaticClass(), TConf_LoopW::StaticClass(), TConf_ClockW::StaticClass()});
}
