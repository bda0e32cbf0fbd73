#pragma once
// The first window of a class among a window's descendants, for programs
// that drive another program's main window from outside.
#include <windows.h>

inline HWND ChildOfClass(HWND parent, const char* className) {
  if (HWND child = FindWindowExA(parent, nullptr, className, nullptr)) return child;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (HWND found = ChildOfClass(child, className)) return found;
  return nullptr;
}
