#include "platform/controls/core/DisabledWindows.h"

namespace {

bool IsInputMessage(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK);
}

}  // namespace

TDisabledWindows::TDisabledWindows(HWND modal) : FModal(modal) {
  EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(this));
  for (HWND window : FWindows) EnableWindow(window, FALSE);
  FInputFilter = SetWindowsHookExA(WH_GETMESSAGE, DropInputToDisabled, nullptr, GetCurrentThreadId());
}

TDisabledWindows::~TDisabledWindows() {
  if (FInputFilter) UnhookWindowsHookEx(FInputFilter);
  for (HWND window : FWindows)
    if (IsWindow(window)) EnableWindow(window, TRUE);
}

BOOL CALLBACK TDisabledWindows::Collect(HWND window, LPARAM self) {
  auto* disabled = reinterpret_cast<TDisabledWindows*>(self);
  if (window == disabled->FModal || !IsWindowVisible(window) || !IsWindowEnabled(window)) return TRUE;
  try {
    disabled->FWindows.push_back(window);
    return TRUE;
  } catch (...) {
    return FALSE;
  }
}

// A message the loop takes from the queue for a window whose top-level window is disabled becomes WM_NULL.
LRESULT CALLBACK TDisabledWindows::DropInputToDisabled(int code, WPARAM removal, LPARAM message) {
  auto* queued = reinterpret_cast<MSG*>(message);
  if (code == HC_ACTION && queued->hwnd && IsInputMessage(queued->message) &&
      !IsWindowEnabled(GetAncestor(queued->hwnd, GA_ROOT)))
    queued->message = WM_NULL;
  return CallNextHookEx(nullptr, code, removal, message);
}
