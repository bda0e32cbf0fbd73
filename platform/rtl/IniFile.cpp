#include "platform/rtl/IniFile.h"

#include <windows.h>

#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"

namespace {

class TFileHandle {
 public:
  TFileHandle(const std::string& name, DWORD access, DWORD sharing, DWORD disposition)
      : FHandle(CreateFileA(name.c_str(), access, sharing, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~TFileHandle() {
    if (IsOpen()) CloseHandle(FHandle);
  }
  TFileHandle(const TFileHandle&) = delete;
  TFileHandle& operator=(const TFileHandle&) = delete;

  bool IsOpen() const { return FHandle != INVALID_HANDLE_VALUE; }
  HANDLE Handle() const { return FHandle; }

 private:
  HANDLE FHandle;
};

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

bool IsMissing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

bool ReadAll(HANDLE file, std::string& bytes) {
  bytes.clear();
  std::vector<char> chunk(64 * 1024);
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file, chunk.data(), static_cast<DWORD>(chunk.size()), &read, nullptr)) return false;
    if (read == 0) return true;
    bytes.append(chunk.data(), read);
  }
}

// An inventory is far below the 4 GB one call can write.
bool WriteAll(HANDLE file, const std::string& bytes) {
  DWORD written = 0;
  return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
}

// The whole file; a missing file holds nothing. False when it exists but cannot be read.
bool ReadWholeFile(const std::string& name, std::string& bytes) {
  bytes.clear();
  const TFileHandle file(name, GENERIC_READ, kShareAll, OPEN_EXISTING);
  if (!file.IsOpen()) return IsMissing(GetLastError());
  return ReadAll(file.Handle(), bytes);
}

bool WriteWholeFile(const std::string& name, const std::string& bytes) {
  const TFileHandle file(name, GENERIC_WRITE, 0, CREATE_ALWAYS);
  return file.IsOpen() && WriteAll(file.Handle(), bytes) && FlushFileBuffers(file.Handle());
}

}  // namespace

// ---- reading

TIniContent TIniFile::ReadContent() const {
  std::string bytes;
  if (!ReadWholeFile(FFileName, bytes)) RaiseUnreadable();
  return TIniContent(bytes);
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
  return ReadContent().ReadString(section, key, defaultValue);
}

int32_t TIniFile::ReadInteger(const std::string& section, const std::string& key, int32_t defaultValue) const {
  return ReadContent().ReadInteger(section, key, defaultValue);
}

void TIniFile::ReadSections(TStringList& sections) const { ReadContent().ReadSections(sections); }

bool TIniFile::SectionExists(const std::string& section) const { return ReadContent().SectionExists(section); }

// ---- writing

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  CheckOneLine(section + key + value);
  Update([&] { FPending->Write(section, key, value); });
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int32_t value) {
  WriteString(section, key, IntToStr(value));
}

void TIniFile::EraseSection(const std::string& section) {
  Update([&] { FPending->Erase(section); });
}

// A line break would write a line of its own: another key, or another
// section that takes the place of one already in the file.
void TIniFile::CheckOneLine(const std::string& text) const {
  if (text.find_first_of("\r\n") != std::string::npos)
    throw EIniFileException("Cannot write a line break to " + FFileName);
}

void TIniFile::RaiseUnreadable() const { throw EIniFileException("Unable to read " + FFileName); }

void TIniFile::RaiseUnwritten() const { throw EIniFileException("Unable to write to " + FFileName); }

// ---- replacing the file in one step

void TIniFile::Update(const std::function<void()>& changes) {
  if (FPending) {
    changes();
    return;
  }
  std::string content;
  if (!ReadWholeFile(FFileName, content)) RaiseUnreadable();
  FPending = std::make_unique<TIniContent>(content);
  try {
    changes();
    CommitUpdate();
  } catch (...) {
    FPending.reset();
    DeleteFileA(CopyName().c_str());
    throw;
  }
  FPending.reset();
}

// The system may report a write as done that the disk cut short, so only
// what the copy holds once flushed counts. A copy left by a program that
// ended here is simply written over by the next update.
void TIniFile::CommitUpdate() {
  const std::string meant = FPending->Bytes();
  std::string written;
  if (!WriteCopy(CopyName(), meant) || !ReadWholeFile(CopyName(), written) || written != meant) RaiseUnwritten();
  if (!MoveFileExA(CopyName().c_str(), FFileName.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    RaiseUnwritten();
}

bool TIniFile::WriteCopy(const std::string& copyName, const std::string& text) {
  return WriteWholeFile(copyName, text);
}
