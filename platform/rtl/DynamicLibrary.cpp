#include "platform/rtl/DynamicLibrary.h"

bool TDynamicLibrary::Load(const std::string& name) {
  if (!FHandle) FHandle = LoadLibraryA(name.c_str());
  return FHandle != nullptr;
}

void TDynamicLibrary::Unload() {
  if (FHandle) FreeLibrary(FHandle);
  FHandle = nullptr;
}
