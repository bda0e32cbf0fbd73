#include "platform/rtl/DynamicLibrary.h"

namespace {

TLibraryLoader gLoader = nullptr;

}  // namespace

void SetLibraryLoader(TLibraryLoader loader) { gLoader = loader; }

bool TDynamicLibrary::Load(const std::string& name) {
  if (!FHandle) FHandle = gLoader ? gLoader(name.c_str()) : LoadLibraryA(name.c_str());
  return FHandle != nullptr;
}

void TDynamicLibrary::Unload() {
  if (FHandle) FreeLibrary(FHandle);
  FHandle = nullptr;
}
