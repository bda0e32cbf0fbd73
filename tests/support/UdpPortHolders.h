#pragma once
// Which Windows programs hold a UDP port, for the message of a test that
// found a fixed port taken. Under Wine the system's own view (the owner in
// the UDP table, or `ss` on the host) names only the wineserver, so every
// process's handles are looked at instead: a handle that is a socket bound to
// the port names its holder.
#include <tlhelp32.h>
#include <windows.h>
#include <winsock2.h>

#include <cstdint>
#include <string>

namespace port_holders_detail {

// Handle values are small multiples of four; a test's programs stay far below this.
constexpr ULONG_PTR kLastHandleValue = 16384;

inline bool IsSocketOnPort(HANDLE handle, uint16_t port) {
  sockaddr_in local{};
  int size = sizeof local;
  return getsockname(reinterpret_cast<SOCKET>(handle), reinterpret_cast<sockaddr*>(&local), &size) == 0 &&
         local.sin_family == AF_INET && ntohs(local.sin_port) == port;
}

inline bool HoldsPort(DWORD processId, uint16_t port) {
  const HANDLE process = OpenProcess(PROCESS_DUP_HANDLE, FALSE, processId);
  if (process == nullptr) return false;
  bool holds = false;
  for (ULONG_PTR value = 4; value <= kLastHandleValue && !holds; value += 4) {
    HANDLE copy = nullptr;
    if (!DuplicateHandle(process, reinterpret_cast<HANDLE>(value), GetCurrentProcess(), &copy, 0, FALSE,
                         DUPLICATE_SAME_ACCESS))
      continue;
    holds = IsSocketOnPort(copy, port);
    CloseHandle(copy);
  }
  CloseHandle(process);
  return holds;
}

}  // namespace port_holders_detail

// "UDP 161 is held by nepl-agent.exe (process 260), this test (process 32)",
// or "UDP 161 is held by no Windows program" when the holder is outside Wine
// (or gone already).
inline std::string DescribeUdpPortHolders(uint16_t port) {
  using namespace port_holders_detail;
  std::string holders;
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    if (!HoldsPort(entry.th32ProcessID, port)) continue;
    const bool self = entry.th32ProcessID == GetCurrentProcessId();
    holders += std::string(holders.empty() ? "" : ", ") + (self ? "this test" : entry.szExeFile) + " (process " +
               std::to_string(entry.th32ProcessID) + ")";
  }
  CloseHandle(snapshot);
  return "UDP " + std::to_string(port) + " is held by " + (holders.empty() ? "no Windows program" : holders);
}
