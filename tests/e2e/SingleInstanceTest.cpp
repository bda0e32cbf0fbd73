// Only one copy of the program runs: a second start raises the first and ends
// without a window of its own.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>
#include <thread>

#include "tests/support/WindowsPath.h"

namespace {

std::string ProgramPath() { return WindowsPath(NEPL_PROGRAM_PATH); }

class TProgram {
 public:
  TProgram() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + ProgramPath() + "\"";
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &FInfo))
      throw std::runtime_error("cannot start " + commandLine);
    CloseHandle(FInfo.hThread);
  }
  ~TProgram() {
    if (WaitForSingleObject(FInfo.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(FInfo.hProcess, 1);
    CloseHandle(FInfo.hProcess);
  }

  bool Ended(DWORD timeoutMs) const { return WaitForSingleObject(FInfo.hProcess, timeoutMs) == WAIT_OBJECT_0; }
  DWORD ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(FInfo.hProcess, &code);
    return code;
  }
  DWORD Id() const { return FInfo.dwProcessId; }

 private:
  PROCESS_INFORMATION FInfo{};
};

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

HWND WaitForWindow(const char* className, const char* title) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  HWND window = nullptr;
  while (!(window = FindWindowA(className, title)) && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  return window;
}

}  // namespace

TEST(SingleInstance, SecondStartRaisesTheFirstAndEndsWithoutAWindow) {
  TProgram first;
  const HWND application = WaitForWindow("TApplication", "NEPL");
  ASSERT_NE(application, nullptr);
  const HWND mainWindow = WaitForWindow(nullptr, "KT-2-NEPL-16E1");
  ASSERT_NE(mainWindow, nullptr);
  const int firstWindows = WindowsOf(first.Id());

  TProgram second;
  ASSERT_TRUE(second.Ended(15000));
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_EQ(WindowsOf(second.Id()), 0);
  EXPECT_EQ(WindowsOf(first.Id()), firstWindows);
  EXPECT_EQ(FindWindowA("TApplication", "NEPL"), application);
  EXPECT_TRUE(IsWindowVisible(mainWindow));

  PostMessageA(mainWindow, WM_CLOSE, 0, 0);
  EXPECT_TRUE(first.Ended(15000));
}
