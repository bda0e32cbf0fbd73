#pragma once
// TDisabledWindows: while a modal form or a message box is open, the thread's
// other windows take no input. It disables every visible, enabled window of
// the thread but the modal one and enables them again when it goes. Input that
// still reaches a disabled window's children (a click posted to a button of a
// disabled form) is dropped meanwhile, as the system drops real input there.
#include <windows.h>

#include <vector>

class TDisabledWindows {
 public:
  // `modal` stays enabled; nullptr when the modal window does not exist yet (a message box).
  explicit TDisabledWindows(HWND modal);
  ~TDisabledWindows();
  TDisabledWindows(const TDisabledWindows&) = delete;
  TDisabledWindows& operator=(const TDisabledWindows&) = delete;

 private:
  static BOOL CALLBACK Collect(HWND window, LPARAM self);
  static LRESULT CALLBACK DropInputToDisabled(int code, WPARAM removal, LPARAM message);

  HWND FModal;
  std::vector<HWND> FWindows;
  HHOOK FInputFilter = nullptr;
};
