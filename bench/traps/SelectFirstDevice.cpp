// Makes the running program's first device the selected one and reads its
// state, as the operator does with a click on the device list and on
// Refresh, so that the device's traps change the lamps. Returns when the
// Refresh is over (the main window is enabled again).
// Usage: SelectFirstDevice
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <thread>

#include "tests/support/ChildOfClass.h"

namespace {

using TClock = std::chrono::steady_clock;

constexpr auto kGiveUp = std::chrono::seconds(30);
constexpr char kMainWindowTitle[] = "KT-2-NEPL-16E1";
// The tool bar's buttons are numbered in their order: Reset, Refresh, Set Default State.
constexpr WPARAM kRefreshButton = 1;

bool WaitFor(const std::function<bool()>& condition) {
  const auto deadline = TClock::now() + kGiveUp;
  while (!condition()) {
    if (TClock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

// What the list sends its parent when the operator clicks a line.
void ClickFirstLine(HWND list) {
  SendMessageA(list, LB_SETCURSEL, 0, 0);
  SendMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
}

int Fail(const char* what) {
  std::fprintf(stderr, "SelectFirstDevice: %s\n", what);
  return 1;
}

}  // namespace

int main() {
  HWND mainWindow = nullptr;
  if (!WaitFor([&] { return (mainWindow = FindWindowA(nullptr, kMainWindowTitle)) && IsWindowVisible(mainWindow); }))
    return Fail("the main window did not show");
  const HWND list = ChildOfClass(mainWindow, "TListBox");
  const HWND toolBar = ChildOfClass(mainWindow, "TToolBar");
  if (!list || !toolBar) return Fail("no device list or tool bar");
  if (!WaitFor([&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) > 0; })) return Fail("no device listed");
  ClickFirstLine(list);
  // The Refresh disables the window while it reads and for a second after.
  PostMessageA(GetParent(toolBar), WM_COMMAND, MAKEWPARAM(kRefreshButton, BN_CLICKED),
               reinterpret_cast<LPARAM>(toolBar));
  if (!WaitFor([&] { return !IsWindowEnabled(mainWindow); })) return Fail("the Refresh did not start");
  if (!WaitFor([&] { return IsWindowEnabled(mainWindow); })) return Fail("the Refresh did not end");
  return 0;
}
