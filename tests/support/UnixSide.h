#pragma once
// The Unix side of Wine, for what no Windows call does there: starting a
// program from a path past MAX_PATH (Wine's CreateProcess starts none from
// there; its loader started from the Unix side does). On Windows there is no
// Unix side, and the tests that need one skip.
#include <windows.h>

#include <optional>
#include <string>

namespace unix_side_detail {

using TUnixFileName = char*(__cdecl*)(const wchar_t*);

inline TUnixFileName UnixFileName() {
  return reinterpret_cast<TUnixFileName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
}

}  // namespace unix_side_detail

inline bool HasUnixSide() { return unix_side_detail::UnixFileName() != nullptr; }

// The Unix path of a Windows path; none without a Unix side.
inline std::optional<std::string> UnixPath(const std::wstring& windowsPath) {
  char* path = HasUnixSide() ? unix_side_detail::UnixFileName()(windowsPath.c_str()) : nullptr;
  if (!path) return std::nullopt;
  const std::string unixPath(path);
  HeapFree(GetProcessHeap(), 0, path);
  return unixPath;
}

// A path in the ANSI code page.
inline std::optional<std::string> UnixPath(const std::string& windowsPath) {
  const int size = static_cast<int>(windowsPath.size());
  std::wstring wide(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, windowsPath.data(), size, nullptr, 0)), L'\0');
  MultiByteToWideChar(CP_ACP, 0, windowsPath.data(), size, wide.data(), static_cast<int>(wide.size()));
  return UnixPath(wide);
}

inline std::string ShellQuoted(const std::string& text) { return "'" + text + "'"; }

// Starts `command` with the Unix shell, its output sent nowhere; false
// without a Unix side. The command is in ASCII.
inline bool StartOnUnixSide(const std::string& command) {
  const std::string line = "/bin/sh -c \"exec >/dev/null 2>&1 </dev/null; " + command + "\"";
  std::wstring commandLine(line.begin(), line.end());
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!HasUnixSide() ||
      !CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  // Wine gives no handle of a Unix process.
  if (process.hProcess) CloseHandle(process.hProcess);
  if (process.hThread) CloseHandle(process.hThread);
  return true;
}
