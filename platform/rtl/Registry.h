#pragma once
// TRegistry: reads string values of the Windows registry. One key at a time
// is open, below RootKey; nothing is ever created or written.
#include <windows.h>

#include <string>

#include "platform/rtl/Exceptions.h"

// A value that is there but does not hold what was asked for.
class ERegistryException : public Exception {
 public:
  using Exception::Exception;
};

class TRegistry {
 public:
  TRegistry() = default;
  ~TRegistry() { CloseKey(); }
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  HKEY RootKey() const { return FRootKey; }
  // Closes the open key: a path is always taken from the root it was opened under.
  void SetRootKey(HKEY value);

  // Opens `key` (a path below RootKey; a leading "\" is allowed) for reading,
  // closing the key open before; false when it does not exist or may not be read.
  bool OpenKeyReadOnly(const std::string& key);
  // The text of value `name` of the open key ("" the key's default value);
  // "" when there is no such value. Raises ERegistryException for a value
  // that is not text, or when no key is open.
  std::string ReadString(const std::string& name) const;
  void CloseKey();

 private:
  HKEY FRootKey = HKEY_CURRENT_USER;
  HKEY FCurrentKey = nullptr;
};
