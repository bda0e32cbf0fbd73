#pragma once
// A Unix path as a Windows program under Wine sees it: Wine shows the Unix
// file system as drive Z:. Other paths are returned as they are.
#include <string>

inline std::string WindowsPath(std::string path) {
#ifdef _WIN32
  if (!path.empty() && path[0] == '/') {
    for (char& c : path) c = c == '/' ? '\\' : c;
    path = "Z:" + path;
  }
#endif
  return path;
}
