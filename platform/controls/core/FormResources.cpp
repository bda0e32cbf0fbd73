#include "platform/controls/core/FormResources.h"

#include <windows.h>

#include "platform/rtl/SysUtils.h"

namespace {

const char kFormResourceType[] = "FORM";

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR names) {
  if (IS_INTRESOURCE(name)) return TRUE;
  try {
    reinterpret_cast<std::vector<std::string>*>(names)->push_back(name);
    return TRUE;
  } catch (...) {
    return FALSE;
  }
}

}  // namespace

std::string FormResourceText(const std::string& formClassName) {
  const std::string name = UpperCase(formClassName);
  const HRSRC resource = FindResourceA(nullptr, name.c_str(), kFormResourceType);
  const HGLOBAL loaded = resource ? LoadResource(nullptr, resource) : nullptr;
  const void* text = loaded ? LockResource(loaded) : nullptr;
  if (!text) throw EResNotFound("Resource " + name + " not found");
  return std::string(static_cast<const char*>(text), SizeofResource(nullptr, resource));
}

std::vector<std::string> EmbeddedFormNames() {
  std::vector<std::string> names;
  EnumResourceNamesA(nullptr, kFormResourceType, CollectName, reinterpret_cast<LONG_PTR>(&names));
  return names;
}
