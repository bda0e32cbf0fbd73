#include "platform/rtl/ProgramFolder.h"

#include <windows.h>

#include <vector>

std::wstring ProgramFolder() {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      const std::wstring file(path.data(), length);
      const size_t separator = file.find_last_of(L"\\/");
      return separator == std::wstring::npos ? std::wstring() : file.substr(0, separator);
    }
    path.resize(path.size() * 2);
  }
}
