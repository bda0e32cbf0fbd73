#include "platform/rtl/ResourceStrings.h"

#ifdef _WIN32
#include <windows.h>

std::string LoadResString(const TResStringRec& resource) {
  // An entry holds at most 4095 characters; a missing one and an empty one
  // both read as 0 characters, and the listed text of an empty one is "" too.
  char text[4096];
  const int length = LoadStringA(GetModuleHandleA(nullptr), resource.Identifier, text, sizeof text);
  return length > 0 ? std::string(text, length) : std::string(resource.Text);
}
#else
std::string LoadResString(const TResStringRec& resource) { return resource.Text; }
#endif
