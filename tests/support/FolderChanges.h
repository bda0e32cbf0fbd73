#pragma once
// The system's own notifications of what happened to the files of a folder
// while a test acted: FILE_ACTION_MODIFIED, FILE_ACTION_RENAMED_NEW_NAME …
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

class FolderChanges {
 public:
  explicit FolderChanges(const std::string& folder)
      : FFolder(CreateFileA(folder.c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr)) {
    FOverlapped.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    Watch();
  }
  ~FolderChanges() {
    CancelIo(FFolder);
    CloseHandle(FFolder);
    CloseHandle(FOverlapped.hEvent);
  }
  FolderChanges(const FolderChanges&) = delete;
  FolderChanges& operator=(const FolderChanges&) = delete;

  // What happened so far to the file `name`, in order. The system reports a
  // change a moment after it, so this takes them until none came for a while.
  std::vector<DWORD> Of(const std::string& name) {
    while (WaitForSingleObject(FOverlapped.hEvent, 300) == WAIT_OBJECT_0) Collect();
    std::vector<DWORD> actions;
    for (const auto& [action, file] : FChanges)
      if (file == name) actions.push_back(action);
    return actions;
  }

 private:
  void Watch() {
    ResetEvent(FOverlapped.hEvent);
    ReadDirectoryChangesW(FFolder, FBuffer, sizeof FBuffer, FALSE,
                          FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE,
                          nullptr, &FOverlapped, nullptr);
  }

  void Collect() {
    DWORD size = 0;
    GetOverlappedResult(FFolder, &FOverlapped, &size, FALSE);
    for (DWORD offset = 0; size > 0;) {
      const auto* entry = reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(FBuffer + offset);
      const std::wstring name(entry->FileName, entry->FileNameLength / sizeof(WCHAR));
      FChanges.emplace_back(entry->Action, std::string(name.begin(), name.end()));
      if (entry->NextEntryOffset == 0) break;
      offset += entry->NextEntryOffset;
    }
    Watch();
  }

  HANDLE FFolder;
  OVERLAPPED FOverlapped{};
  alignas(DWORD) BYTE FBuffer[16384];
  std::vector<std::pair<DWORD, std::string>> FChanges;
};
