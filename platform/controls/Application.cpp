#include "platform/controls/Application.h"

#include <windows.h>

void TApplication::ProcessMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      FTerminated = true;
      return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void TApplication::WaitForMessages(uint32_t timeoutMs) {
  MsgWaitForMultipleObjectsEx(0, nullptr, timeoutMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

TApplication& Application() {
  static TApplication application;
  return application;
}
