#include "platform/rtl/IniFile.h"

#include <windows.h>

#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/WideStrings.h"

namespace {

std::wstring ToWide(const std::string& ansi) {
  const std::u16string wide = AnsiToWide(ansi);
  return {wide.begin(), wide.end()};
}

std::string ToAnsi(const std::wstring& wide) { return WideToAnsi({wide.begin(), wide.end()}); }

// The profile API truncates silently: grow the buffer until the result is
// shorter than the room it had (`slack` is what a full buffer reports as lost).
template <typename Reader>
std::wstring ReadProfileText(Reader read, DWORD slack) {
  std::vector<wchar_t> buffer(1024);
  for (;;) {
    const DWORD length = read(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length + slack < buffer.size()) return std::wstring(buffer.data(), length);
    buffer.resize(buffer.size() * 4);
  }
}

class TFileHandle {
 public:
  TFileHandle(const std::wstring& name, DWORD access, DWORD sharing, DWORD disposition)
      : FHandle(CreateFileW(name.c_str(), access, sharing, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
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

// A backup, a virus scanner or an editor saving its own copy holds a file
// for a moment; a save or a read waits that long for it before it fails.
constexpr ULONGLONG kHeldForMs = 2000;
constexpr DWORD kHeldPauseMs = 50;

bool IsHeldByAnother(DWORD error) { return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION; }

// Tries `attempt` again while it fails only because another program holds
// the file; any other failure (read-only, a missing folder) is final at once.
// On failure the last error is the attempt's.
template <typename Attempt>
bool TryWhileHeld(Attempt attempt) {
  const ULONGLONG deadline = GetTickCount64() + kHeldForMs;
  while (!attempt()) {
    const DWORD error = GetLastError();
    if (!IsHeldByAnother(error) || GetTickCount64() >= deadline) {
      SetLastError(error);
      return false;
    }
    Sleep(kHeldPauseMs);
  }
  return true;
}

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
bool ReadWholeFile(const std::wstring& name, std::string& bytes) {
  bytes.clear();
  const TFileHandle file(name, GENERIC_READ, kShareAll, OPEN_EXISTING);
  if (!file.IsOpen()) return IsMissing(GetLastError());
  return ReadAll(file.Handle(), bytes);
}

bool WriteWholeFile(const std::wstring& name, const std::string& bytes) {
  const TFileHandle file(name, GENERIC_WRITE, 0, CREATE_ALWAYS);
  return file.IsOpen() && WriteAll(file.Handle(), bytes) && FlushFileBuffers(file.Handle());
}

// Wine refuses a rename over a file that any other handle holds, and says
// "access denied": here that means the file is held.
bool RenameOver(const std::wstring& replaced, const std::wstring& copy) {
  if (MoveFileExW(copy.c_str(), replaced.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
  if (GetLastError() == ERROR_ACCESS_DENIED) SetLastError(ERROR_SHARING_VIOLATION);
  return false;
}

}  // namespace

TIniFile::TIniFile(const std::string& fileName) : FFileName(ToWide(fileName)) {}

std::string TIniFile::FileName() const { return ToAnsi(FFileName); }

// ---- reading

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
  ReadBytes();
  const std::wstring fileName = ProfileName();
  const std::wstring wideSection = ToWide(section);
  const std::wstring wideKey = ToWide(key);
  const std::wstring wideDefault = ToWide(defaultValue);
  return ToAnsi(ReadProfileText(
      [&](wchar_t* buffer, DWORD size) {
        return GetPrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), wideDefault.c_str(), buffer, size,
                                        fileName.c_str());
      },
      1));
}

int32_t TIniFile::ReadInteger(const std::string& section, const std::string& key, int32_t defaultValue) const {
  std::string text = ReadString(section, key, "");
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text = "$" + text.substr(2);
  return StrToIntDef(text, defaultValue);
}

void TIniFile::ReadSections(TStringList& sections) const {
  ReadBytes();
  const std::wstring fileName = ProfileName();
  const std::string names = ToAnsi(ReadProfileText(
      [&](wchar_t* buffer, DWORD size) { return GetPrivateProfileSectionNamesW(buffer, size, fileName.c_str()); }, 2));
  sections.Clear();
  for (size_t start = 0; start < names.size();) {
    const size_t end = names.find('\0', start);
    const std::string name = names.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!name.empty()) sections.Add(name);
    if (end == std::string::npos) break;
    start = end + 1;
  }
}

bool TIniFile::SectionExists(const std::string& section) const {
  TStringList sections;
  ReadSections(sections);
  for (int i = 0; i < sections.Count(); ++i)
    if (SameText(sections[i], section)) return true;
  return false;
}

// The profile API reads a file it cannot open as an empty one, which would
// pass for an empty inventory, or for defaults written back over a device.
std::string TIniFile::ReadBytes() const {
  std::string bytes;
  if (!TryWhileHeld([&] { return ReadWholeFile(FFileName, bytes); })) RaiseUnreadable();
  return bytes;
}

std::wstring TIniFile::ProfileName() const {
  if (FFileName.size() < MAX_PATH) return FFileName;
  std::vector<wchar_t> shortName(FFileName.size() + 1);
  const DWORD length = GetShortPathNameW(FFileName.c_str(), shortName.data(), static_cast<DWORD>(shortName.size()));
  return length == 0 || length >= shortName.size() ? FFileName : std::wstring(shortName.data(), length);
}

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
    throw EIniFileException("Cannot write a line break to " + FileName());
}

void TIniFile::RaiseUnreadable() const { throw EIniFileException("Unable to read " + FileName()); }

void TIniFile::RaiseUnwritten() const { throw EIniFileException("Unable to write to " + FileName()); }

// ---- replacing the file in one step

void TIniFile::Update(const std::function<void()>& changes) {
  if (FPending) {
    changes();
    return;
  }
  FPending = std::make_unique<TIniContent>(ReadBytes());
  try {
    changes();
    CommitUpdate();
  } catch (...) {
    FPending.reset();
    DeleteFileW(CopyName().c_str());
    throw;
  }
  FPending.reset();
}

// The system may report a write as done that the disk cut short, so only
// what the copy holds once flushed counts. A copy left by a program that
// ended here is simply written over by the next update.
void TIniFile::CommitUpdate() {
  const std::string meant = FPending->Text();
  std::string written;
  if (!TryWhileHeld([&] { return WriteCopy(CopyName(), meant); }) ||
      !TryWhileHeld([&] { return ReadWholeFile(CopyName(), written); }) || written != meant)
    RaiseUnwritten();
  if (!TryWhileHeld([&] { return RenameOver(FFileName, CopyName()); })) RaiseUnwritten();
}

bool TIniFile::WriteCopy(const std::wstring& copyName, const std::string& text) {
  return WriteWholeFile(copyName, text);
}
