#pragma once
// What other programs do to a file while a test acts, for as long as the
// holder returned lives.
#include <windows.h>

#include <memory>
#include <string>

using TFileHolder = std::shared_ptr<void>;

// Another program holding a file open, letting others share it only as far as `sharing` says.
inline TFileHolder Hold(const std::string& file, DWORD sharing) {
  return {CreateFileA(file.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING, 0, nullptr), CloseHandle};
}

// A disk that drops out, or a program that deletes the file to rename its
// own copy in: the file is away until the holder ends, and then back as it
// was (not over a file written meanwhile).
inline TFileHolder TakeAway(const std::string& file) {
  MoveFileA(file.c_str(), (file + ".away").c_str());
  return {nullptr, [file](void*) { MoveFileA((file + ".away").c_str(), file.c_str()); }};
}
