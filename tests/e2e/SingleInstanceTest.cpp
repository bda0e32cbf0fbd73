// Only one copy of the program runs: a second start raises the first and ends
// without a window of its own.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/ProgramProcess.h"
#include "tests/support/WindowsPath.h"

namespace {

std::string ProgramPath() { return WindowsPath(NEPL_PROGRAM_PATH); }

// How soon a second start shows the running copy's window: what an operator
// takes for an answer to the start.
constexpr auto kPromptly = std::chrono::seconds(2);

// True once `window` is no longer minimised, at the latest at `deadline`.
bool RestoredBy(HWND window, std::chrono::steady_clock::time_point deadline) {
  while (IsIconic(window) && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  return !IsIconic(window);
}

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

using TCopies = std::vector<std::unique_ptr<TProgram>>;

TCopies StartedAtTheSameMoment(int count) {
  TCopies copies;
  for (int i = 0; i < count; ++i) copies.push_back(std::make_unique<TProgram>(ProgramPath(), TProgram::TStart::Held));
  LetGoTogether(copies);
  return copies;
}

}  // namespace

// The operator has minimised the first copy: a second start shows it again at
// once, not after the wait a start-up lock may take.
TEST(SingleInstance, SecondStartRaisesTheFirstAndEndsWithoutAWindow) {
  TProgram first(ProgramPath());
  const HWND application = WaitForWindow("TApplication", "NEPL");
  ASSERT_NE(application, nullptr);
  const HWND mainWindow = WaitForWindow(nullptr, "KT-2-NEPL-16E1");
  ASSERT_NE(mainWindow, nullptr);
  const int firstWindows = WindowsOf(first.Id());
  ShowWindow(mainWindow, SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(mainWindow));

  const auto deadline = std::chrono::steady_clock::now() + kPromptly;
  TProgram second(ProgramPath());
  EXPECT_TRUE(RestoredBy(mainWindow, deadline)) << "the first copy's window is not shown promptly";
  ASSERT_TRUE(second.Ended(15000));
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_EQ(WindowsOf(second.Id()), 0);
  EXPECT_EQ(WindowsOf(first.Id()), firstWindows);
  EXPECT_EQ(FindWindowA("TApplication", "NEPL"), application);
  EXPECT_TRUE(IsWindowVisible(mainWindow));

  PostMessageA(mainWindow, WM_CLOSE, 0, 0);
  EXPECT_TRUE(first.Ended(15000));
}

// Copies started at the same moment find no window when they look for one:
// all but one must still end, with 0 and without a box of their own. Let go
// together once loaded, copies meet that moment in nearly every round; copies
// merely started together spread over their loading and seldom do.
TEST(SingleInstance, OfCopiesStartedAtTheSameMomentAllButOneEndQuietly) {
  constexpr int kRounds = 5;
  constexpr int kCopies = 4;
  for (int round = 0; round < kRounds; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    const TCopies copies = StartedAtTheSameMoment(kCopies);
    const HWND mainWindow = WaitForWindow(nullptr, "KT-2-NEPL-16E1");
    ASSERT_NE(mainWindow, nullptr);
    DWORD firstId = 0;
    GetWindowThreadProcessId(mainWindow, &firstId);
    for (const auto& copy : copies) {
      if (copy->Id() == firstId) continue;
      ASSERT_TRUE(copy->Ended(15000)) << "a copy shows a box and waits for the operator";
      EXPECT_EQ(copy->ExitCode(), 0u);
    }
    PostMessageA(mainWindow, WM_CLOSE, 0, 0);
    for (const auto& copy : copies) ASSERT_TRUE(copy->Ended(15000));
  }
}
