#pragma once
// A copy of the program started by a test, ended when the test ends, and the
// windows it shows found by class and title.
#include <windows.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>

#include "tests/support/ChildProcess.h"
#include "tests/support/FixedPort.h"

class TProgram {
 public:
  // A held copy runs once resumed, so that copies can start at the same moment.
  enum class TStart { Running, Held };

  explicit TProgram(const std::string& path, TStart start = TStart::Running)
      : FInfo(StartChildProcess("\"" + path + "\"", nullptr, start == TStart::Held ? CREATE_SUSPENDED : 0)) {}
  explicit TProgram(const std::wstring& path) : FInfo(StartChildProcess(L"\"" + path + L"\"", nullptr)) {}
  // A copy started otherwise (by Wine's loader from the Unix side), taken over by its process id.
  explicit TProgram(DWORD processId)
      : FInfo{OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION | PROCESS_SET_QUOTA, FALSE,
                          processId),
              nullptr, processId, 0} {
    TieToTheTest(FInfo.hProcess);
  }
  // The program holds the trap port: it is free again before the next test starts.
  ~TProgram() {
    if (WaitForSingleObject(FInfo.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(FInfo.hProcess, 1);
    WaitForSingleObject(FInfo.hProcess, INFINITE);
    if (FInfo.hThread) CloseHandle(FInfo.hThread);
    CloseHandle(FInfo.hProcess);
    WaitUntilUdpPortFree("", kTrapPort);
  }
  TProgram(const TProgram&) = delete;
  TProgram& operator=(const TProgram&) = delete;

  bool Ended(DWORD timeoutMs) const { return WaitForSingleObject(FInfo.hProcess, timeoutMs) == WAIT_OBJECT_0; }
  DWORD ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(FInfo.hProcess, &code);
    return code;
  }
  DWORD Id() const { return FInfo.dwProcessId; }
  void Resume() {
    ResumeThread(FInfo.hThread);
    CloseHandle(FInfo.hThread);
    FInfo.hThread = nullptr;
  }

 private:
  static constexpr uint16_t kTrapPort = 162;
  PROCESS_INFORMATION FInfo{};
};

inline HWND WaitForWindow(const char* className, const char* title) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  HWND window = nullptr;
  while (!(window = FindWindowA(className, title)) && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  return window;
}
