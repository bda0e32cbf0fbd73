#pragma once
// Starting a program from a test so that it can never outlive the test nor
// keep what the test holds. It inherits only the handles named (its output),
// never the test's sockets, so a port the test closes is free again at once;
// and it runs in a job that ends it when the test process ends for whatever
// reason (a crash, or CTest ending a test that ran out of time), so no
// simulated device or program copy is left holding 161 or 162 for the tests
// after it.
#include <windows.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace child_process_detail {

inline HANDLE KillOnCloseJob() {
  static const HANDLE job = [] {
    const HANDLE created = CreateJobObjectA(nullptr, nullptr);
    if (created == nullptr) throw std::runtime_error("cannot create a job for child processes");
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!SetInformationJobObject(created, JobObjectExtendedLimitInformation, &limits, sizeof limits))
      throw std::runtime_error("cannot make child processes end with the test");
    return created;
  }();
  return job;
}

// The attribute list that limits inheritance to `handles`.
class TInheritedHandles {
 public:
  explicit TInheritedHandles(std::vector<HANDLE> handles) : FHandles(std::move(handles)) {
    SIZE_T size = 0;
    InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
    FStorage.resize(size);
    if (!InitializeProcThreadAttributeList(List(), 1, 0, &size) ||
        !UpdateProcThreadAttribute(List(), 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, FHandles.data(),
                                   FHandles.size() * sizeof(HANDLE), nullptr, nullptr))
      throw std::runtime_error("cannot limit what a child process inherits");
  }
  ~TInheritedHandles() { DeleteProcThreadAttributeList(List()); }
  TInheritedHandles(const TInheritedHandles&) = delete;
  TInheritedHandles& operator=(const TInheritedHandles&) = delete;

  LPPROC_THREAD_ATTRIBUTE_LIST List() { return reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(FStorage.data()); }

 private:
  std::vector<HANDLE> FHandles;
  std::vector<char> FStorage;
};

inline std::string Narrow(const std::wstring& text) {
  const int size = static_cast<int>(text.size());
  std::string narrow(
      static_cast<size_t>(WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0, nullptr, nullptr)), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), size, narrow.data(), static_cast<int>(narrow.size()), nullptr, nullptr);
  return narrow;
}

inline std::wstring Widen(const std::string& text) {
  const int size = static_cast<int>(text.size());
  std::wstring wide(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0)), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
  return wide;
}

}  // namespace child_process_detail

// Ties a process to the test: it ends when the test process ends.
inline bool TieToTheTest(HANDLE process) {
  return AssignProcessToJobObject(child_process_detail::KillOnCloseJob(), process);
}

// Starts `commandLine` with its standard output and error on `output` (an
// inheritable handle) or on nothing, and returns its process handle and id.
// The caller closes hProcess. The command line is in UTF-16, so a program
// may lie in a folder whose name the ANSI code page cannot spell.
inline PROCESS_INFORMATION StartChildProcess(std::wstring commandLine, HANDLE output, DWORD creationFlags = 0) {
  using namespace child_process_detail;
  STARTUPINFOEXW startup{};
  startup.StartupInfo.cb = sizeof startup;
  std::vector<HANDLE> inherited;
  if (output != nullptr) {
    startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
    startup.StartupInfo.hStdOutput = output;
    startup.StartupInfo.hStdError = output;
    inherited.push_back(output);
  }
  std::unique_ptr<TInheritedHandles> only;
  if (!inherited.empty()) {
    only = std::make_unique<TInheritedHandles>(inherited);
    startup.lpAttributeList = only->List();
  }
  PROCESS_INFORMATION process{};
  const DWORD flags = creationFlags | CREATE_SUSPENDED | EXTENDED_STARTUPINFO_PRESENT;
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, !inherited.empty(), flags, nullptr, nullptr,
                      &startup.StartupInfo, &process))
    throw std::runtime_error("cannot start " + Narrow(commandLine) + " (system error " +
                             std::to_string(GetLastError()) + ")");
  if (!TieToTheTest(process.hProcess)) {
    TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    throw std::runtime_error("cannot tie " + Narrow(commandLine) + " to the test's lifetime");
  }
  ResumeThread(process.hThread);
  CloseHandle(process.hThread);
  process.hThread = nullptr;
  return process;
}

// A command line in the ANSI code page.
inline PROCESS_INFORMATION StartChildProcess(const std::string& commandLine, HANDLE output, DWORD creationFlags = 0) {
  return StartChildProcess(child_process_detail::Widen(commandLine), output, creationFlags);
}
