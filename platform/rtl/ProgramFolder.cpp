#include "platform/rtl/ProgramFolder.h"

#include <windows.h>

#include <vector>

std::string ProgramFolder() {
  std::vector<char> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      const std::string file(path.data(), length);
      const size_t separator = file.find_last_of("\\/");
      return separator == std::string::npos ? std::string() : file.substr(0, separator);
    }
    path.resize(path.size() * 2);
  }
}
