#pragma once
// The Unix side of Wine, for what no Windows call does there: marking a file
// or folder immutable (which stops even root, as the tests run), making a
// symbolic link, starting a program from a path past MAX_PATH (Wine's
// CreateProcess starts none from there; its loader started from the Unix
// side does). On Windows there is no Unix side, and the tests that need one
// skip.
#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <utility>

#include "tests/support/ChildProcess.h"
#include "tests/support/TemporaryFolder.h"

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
  return UnixPath(child_process_detail::Widen(windowsPath));
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

// Runs `command` with the Unix shell and returns its exit status; none
// without a Unix side. With no handle of the process to wait on, the command
// leaves its status in a file that is waited for.
inline std::optional<int> RunOnUnixSide(const std::string& command) {
  const TemporaryFolder folder;
  const std::optional<std::string> status = UnixPath(folder.File("status"));
  if (!status || !StartOnUnixSide(command + "; echo $? >" + ShellQuoted(*status + ".part") + "; mv " +
                                  ShellQuoted(*status + ".part") + " " + ShellQuoted(*status)))
    return std::nullopt;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  std::string text;
  while ((text = folder.Read("status")).empty() && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  if (text.empty()) return std::nullopt;
  return std::stoi(text);
}

// A change made with the Unix shell while the object lives, and undone
// after, where it can be made (Made() says so).
class TUnixSideChange {
 public:
  TUnixSideChange(const std::optional<std::string>& make, std::optional<std::string> undo)
      : FUndo(std::move(undo)), FMade(make && FUndo && RunOnUnixSide(*make) == 0) {}
  ~TUnixSideChange() {
    if (FMade) RunOnUnixSide(*FUndo);
  }
  TUnixSideChange(const TUnixSideChange&) = delete;
  TUnixSideChange& operator=(const TUnixSideChange&) = delete;

  bool Made() const { return FMade; }

 private:
  std::optional<std::string> FUndo;
  bool FMade;
};

inline std::optional<std::string> UnixCommand(const std::string& command, const std::optional<std::string>& path) {
  return path ? std::optional<std::string>(command + " " + ShellQuoted(*path)) : std::nullopt;
}

// A file or folder marked immutable, where the file system and the user
// allow it: nothing can then be created in, deleted from or renamed in such
// a folder, or written to such a file.
inline TUnixSideChange Immutable(const std::string& windowsPath) {
  const std::optional<std::string> path = UnixPath(windowsPath);
  return {UnixCommand("chattr +i", path), UnixCommand("chattr -i", path)};
}

inline const char kNoImmutableHere[] =
    "needs Wine's Unix side and a file system and user that allow the immutable attribute (chattr +i)";

// A symbolic link at `link` naming `target`. Wine's CreateSymbolicLinkA
// reports success and makes none, and its DeleteFileA deletes the file a
// link names and leaves the link: the link comes and goes on the Unix side.
inline TUnixSideChange SymbolicLink(const std::string& link, const std::string& target) {
  const std::optional<std::string> linkPath = UnixPath(link);
  const std::optional<std::string> targetPath = UnixPath(target);
  return {targetPath ? UnixCommand("ln -s " + ShellQuoted(*targetPath), linkPath) : std::nullopt,
          UnixCommand("rm", linkPath)};
}
