#include "application/main/ApplicationClasses.h"

#include "application/core/CommClass.h"
#include "application/main/About.h"
#include "application/main/Legend.h"
#include "application/main/Main.h"
#include "application/main/uDeviceParam.h"

void RegisterApplicationClasses() {
  RegisterCommClasses();
  RegisterClasses({TMainW::StaticClass(), TDeviceParam::StaticClass(), TAboutW::StaticClass(), TLegend::StaticClass()});
}
