// The program body: one copy at a time, the application object, the forms in
// their order of creation, the message loop.
#include <windows.h>

#include "application/main/ApplicationClasses.h"
#include "platform/controls/core/Application.h"

namespace {

const char kApplicationTitle[] = "NEPL";
const char kStartUpMutexName[] = "NEPL start-up";
// Long enough for a copy under load to make its windows; a copy that takes
// longer is taken for stuck, and this one goes on as if it were alone.
constexpr DWORD kStartUpWaitMs = 10000;

// Copies started at the same moment would each find no window and start, and
// all but one would fail to take the trap port. Held from before the window
// check until the application window exists, it makes a copy wait for the
// start-up of the copy before it, so that the check finds its window. A copy
// that ended while starting leaves the lock abandoned: the next takes it.
class TStartUpLock {
 public:
  TStartUpLock() : FMutex(CreateMutexA(nullptr, FALSE, kStartUpMutexName)) {
    FOwned = FMutex && WaitForSingleObject(FMutex, kStartUpWaitMs) != WAIT_TIMEOUT;
  }
  ~TStartUpLock() {
    Release();
    if (FMutex) CloseHandle(FMutex);
  }
  TStartUpLock(const TStartUpLock&) = delete;
  TStartUpLock& operator=(const TStartUpLock&) = delete;

  void Release() {
    if (FOwned) ReleaseMutex(FMutex);
    FOwned = false;
  }

 private:
  HANDLE FMutex;
  bool FOwned = false;
};

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
  TStartUpLock startUp;
  if (IsAlreadyRunning()) return 0;
  try {
    Application().Initialize(ApplicationUnits());
    RegisterApplicationClasses();
    Application().SetTitle(kApplicationTitle);
    CreateApplicationForms();
  } catch (...) {
    // Start-up failed (the trap port taken, say): say why, then free the forms
    // made so far and end the units, as a normal run ends. A copy started
    // meanwhile raises the box instead of waiting for it.
    startUp.Release();
    Application().HandleException(nullptr);
    Application().Finish();
    return 1;
  }
  startUp.Release();
  Application().Run();
  return 0;
}
