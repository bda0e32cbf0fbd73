#include "platform/rtl/Registry.h"

#include <cstring>
#include <vector>

void TRegistry::SetRootKey(HKEY value) {
  CloseKey();
  FRootKey = value;
}

bool TRegistry::OpenKeyReadOnly(const std::string& key) {
  CloseKey();
  const std::string path = !key.empty() && key.front() == '\\' ? key.substr(1) : key;
  HKEY opened = nullptr;
  if (RegOpenKeyExA(FRootKey, path.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  FCurrentKey = opened;
  return true;
}

std::string TRegistry::ReadString(const std::string& name) const {
  if (!FCurrentKey) throw ERegistryException("No registry key is open to read '" + name + "'");
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(FCurrentKey, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return "";
  if (type != REG_SZ && type != REG_EXPAND_SZ) throw ERegistryException("Invalid data type for '" + name + "'");
  std::vector<char> data(size + 1);
  if (RegQueryValueExA(FCurrentKey, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
      ERROR_SUCCESS)
    return "";
  // The stored text need not end with a zero, or may hold one inside: it ends at the first.
  return std::string(data.data(), strnlen(data.data(), size));
}

void TRegistry::CloseKey() {
  if (!FCurrentKey) return;
  RegCloseKey(FCurrentKey);
  FCurrentKey = nullptr;
}
