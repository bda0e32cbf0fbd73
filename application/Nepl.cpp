// The program body: one copy at a time, the application object, the forms in
// their order of creation, the message loop.
#include <windows.h>

#include "application/core/CommClass.h"
#include "application/dialogs/Conf_CRCeable.h"
#include "application/dialogs/Conf_Clock.h"
#include "application/dialogs/Conf_FlowCon.h"
#include "application/dialogs/Conf_Lcase.h"
#include "application/dialogs/Conf_Monitor.h"
#include "application/dialogs/Conf_Operation.h"
#include "application/dialogs/Conf_PFI.h"
#include "application/dialogs/Conf_Parameter.h"
#include "application/dialogs/Conf_ProMode.h"
#include "application/dialogs/Conf_Reset.h"
#include "application/dialogs/Conf_SetVlan.h"
#include "application/dialogs/Conf_VLAN.h"
#include "application/dialogs/PortEnable.h"
#include "application/main/ApplicationClasses.h"
#include "application/main/Main.h"
#include "platform/controls/core/Application.h"

namespace {

const char kApplicationTitle[] = "NEPL";

// A running copy is found by its application window; its last active window
// (the main window, or the dialog it is showing) is shown and brought to the
// top instead of starting a second copy.
bool IsAlreadyRunning() {
  const HWND application = FindWindowA("TApplication", kApplicationTitle);
  if (!application) return false;
  const HWND window = GetLastActivePopup(application);
  if (window != application) ShowWindow(window, IsIconic(window) ? SW_RESTORE : SW_SHOWNORMAL);
  SetForegroundWindow(window);
  return true;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (IsAlreadyRunning()) return 0;
  try {
    Application().Initialize(ApplicationUnits());
    RegisterApplicationClasses();
    Application().SetTitle(kApplicationTitle);
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
  } catch (...) {
    // Start-up failed (the trap port taken, say): say why and end.
    Application().HandleException(nullptr);
    return 1;
  }
  Application().Run();
  return 0;
}
