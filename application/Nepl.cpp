// The program body: one copy at a time, the application object, the forms in
// their order of creation, the message loop.
#include <windows.h>

#include "application/main/ApplicationClasses.h"
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
    CreateApplicationForms();
  } catch (...) {
    // Start-up failed (the trap port taken, say): say why, then free the forms
    // made so far and end the units, as a normal run ends.
    Application().HandleException(nullptr);
    Application().Finish();
    return 1;
  }
  Application().Run();
  return 0;
}
