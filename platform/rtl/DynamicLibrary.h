#pragma once
// Optional system libraries bound by name at run time, so the program starts
// where a library or one of its functions is missing and the feature that
// needs it falls back. A bound function lives in a typed pointer that stays
// nullptr when the entry is absent; callers test it before calling.
#include <windows.h>

#include <string>

// How a library is found by name: LoadLibraryA unless a test puts in a
// loader that plays a system without some of them (nullptr: none again).
using TLibraryLoader = HMODULE (*)(const char* name);
void SetLibraryLoader(TLibraryLoader loader);

class TDynamicLibrary {
 public:
  TDynamicLibrary() = default;
  ~TDynamicLibrary() { Unload(); }
  TDynamicLibrary(const TDynamicLibrary&) = delete;
  TDynamicLibrary& operator=(const TDynamicLibrary&) = delete;

  // Loads the library (a second Load keeps the first); false when it cannot be found.
  bool Load(const std::string& name);
  void Unload();
  bool Loaded() const { return FHandle != nullptr; }

  // Points `entry` at the library's function of that name; nullptr when the
  // library is not loaded or has no such function.
  template <class F>
  void Bind(const char* name, F& entry) const {
    // FARPROC is a generic function pointer: the detour through void(*)()
    // says the cast to the real signature is meant.
    entry = reinterpret_cast<F>(reinterpret_cast<void (*)()>(Find(name)));
  }

 private:
  FARPROC Find(const char* name) const { return FHandle ? GetProcAddress(FHandle, name) : nullptr; }

  HMODULE FHandle = nullptr;
};
