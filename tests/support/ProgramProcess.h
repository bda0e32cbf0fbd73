#pragma once
// A copy of the program started by a test, ended when the test ends, and the
// windows it shows found by class and title.
#include <windows.h>

#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/ChildProcess.h"
#include "tests/support/FixedPort.h"

class TProgram {
 public:
  // A held copy runs under the debugging of the thread that starts it as far
  // as the loader's breakpoint, where the system has loaded its libraries, and
  // waits there for LetGoTogether. The loading takes the most varied time of a
  // start, so copies let go there look for a running copy within moments of
  // each other.
  enum class TStart { Running, Held };

  explicit TProgram(const std::string& path, TStart start = TStart::Running)
      : FInfo(StartChildProcess("\"" + path + "\"", nullptr, start == TStart::Held ? DEBUG_ONLY_THIS_PROCESS : 0)) {}
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

 private:
  static constexpr uint16_t kTrapPort = 162;
  PROCESS_INFORMATION FInfo{};
};

namespace program_process_detail {

constexpr DWORD kLoadTimeoutMs = 15000;

inline bool IsStopAtLoaderBreakpoint(const DEBUG_EVENT& event) {
  return event.dwDebugEventCode == EXCEPTION_DEBUG_EVENT &&
         event.u.Exception.ExceptionRecord.ExceptionCode == EXCEPTION_BREAKPOINT;
}

// The files of the program and of each library it loads come with their events.
inline void CloseFileOf(const DEBUG_EVENT& event) {
  if (event.dwDebugEventCode == CREATE_PROCESS_DEBUG_EVENT && event.u.CreateProcessInfo.hFile)
    CloseHandle(event.u.CreateProcessInfo.hFile);
  if (event.dwDebugEventCode == LOAD_DLL_DEBUG_EVENT && event.u.LoadDll.hFile) CloseHandle(event.u.LoadDll.hFile);
}

}  // namespace program_process_detail

// Waits until every held copy has stopped at the loader's breakpoint, then
// stops debugging them all, which lets them go at the same moment. They are let
// go also when one does not get there, so none is left waiting on this thread.
inline void LetGoTogether(const std::vector<std::unique_ptr<TProgram>>& copies) {
  using namespace program_process_detail;
  const auto letGo = [&copies] {
    for (const auto& copy : copies) DebugActiveProcessStop(copy->Id());
  };
  for (size_t stopped = 0; stopped < copies.size();) {
    DEBUG_EVENT event{};
    if (!WaitForDebugEvent(&event, kLoadTimeoutMs) || event.dwDebugEventCode == EXIT_PROCESS_DEBUG_EVENT) {
      letGo();
      throw std::runtime_error("a held copy did not get as far as the loader's breakpoint");
    }
    CloseFileOf(event);
    if (IsStopAtLoaderBreakpoint(event)) {
      ++stopped;
      continue;
    }
    ContinueDebugEvent(event.dwProcessId, event.dwThreadId,
                       event.dwDebugEventCode == EXCEPTION_DEBUG_EVENT ? DBG_EXCEPTION_NOT_HANDLED : DBG_CONTINUE);
  }
  letGo();
}

inline HWND WaitForWindow(const char* className, const char* title) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  HWND window = nullptr;
  while (!(window = FindWindowA(className, title)) && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  return window;
}
