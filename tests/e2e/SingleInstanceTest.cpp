// Only one copy of the program runs: a second start raises the first and ends
// without a window of its own.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/support/ProgramProcess.h"
#include "tests/support/WindowsPath.h"

namespace {

std::string ProgramPath() { return WindowsPath(NEPL_PROGRAM_PATH); }

struct TWindowCount {
  DWORD ProcessId;
  int Windows = 0;
};

// Top-level windows of one process.
int WindowsOf(DWORD processId) {
  TWindowCount count{processId};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* count = reinterpret_cast<TWindowCount*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == count->ProcessId) ++count->Windows;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count.Windows;
}

}  // namespace

TEST(SingleInstance, SecondStartRaisesTheFirstAndEndsWithoutAWindow) {
  TProgram first(ProgramPath());
  const HWND application = WaitForWindow("TApplication", "NEPL");
  ASSERT_NE(application, nullptr);
  const HWND mainWindow = WaitForWindow(nullptr, "KT-2-NEPL-16E1");
  ASSERT_NE(mainWindow, nullptr);
  const int firstWindows = WindowsOf(first.Id());

  TProgram second(ProgramPath());
  ASSERT_TRUE(second.Ended(15000));
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_EQ(WindowsOf(second.Id()), 0);
  EXPECT_EQ(WindowsOf(first.Id()), firstWindows);
  EXPECT_EQ(FindWindowA("TApplication", "NEPL"), application);
  EXPECT_TRUE(IsWindowVisible(mainWindow));

  PostMessageA(mainWindow, WM_CLOSE, 0, 0);
  EXPECT_TRUE(first.Ended(15000));
}
