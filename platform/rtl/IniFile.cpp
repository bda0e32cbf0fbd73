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

class TFileHandle {
 public:
  TFileHandle(const std::wstring& name, DWORD access, DWORD sharing, DWORD disposition,
              DWORD attributes = FILE_ATTRIBUTE_NORMAL)
      : FHandle(CreateFileW(name.c_str(), access, sharing, nullptr, disposition, attributes, nullptr)) {}
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

// What the operator set on the file and a save keeps. Read-only is not among
// them: a read-only file is not saved over at all.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// A backup, a virus scanner or an editor saving its own copy holds a file
// for a moment; a save or a read waits that long for it before it fails.
constexpr ULONGLONG kHeldForMs = 2000;
constexpr DWORD kHeldPauseMs = 50;

// The errors of a file another program holds; ReplaceFileW may report a
// replaced file in use as one it is unable to remove.
bool IsHeldByAnother(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_UNABLE_TO_REMOVE_REPLACED;
}

bool IsMissing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

// Tries `attempt` again while it fails only because another program holds
// the file, or, where `waitForMissing` says so, because the file is away for
// a moment; any other failure (read-only, a missing folder) is final at once.
// On failure the last error is the attempt's.
template <typename Attempt>
bool TryWhileHeld(Attempt attempt, bool waitForMissing = false) {
  const ULONGLONG deadline = GetTickCount64() + kHeldForMs;
  while (!attempt()) {
    const DWORD error = GetLastError();
    const bool passing = IsHeldByAnother(error) || (waitForMissing && IsMissing(error));
    if (!passing || GetTickCount64() >= deadline) {
      SetLastError(error);
      return false;
    }
    Sleep(kHeldPauseMs);
  }
  return true;
}

bool Exists(const std::wstring& name) { return GetFileAttributesW(name.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool IsReadOnly(const std::wstring& name) {
  const DWORD attributes = GetFileAttributesW(name.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

bool MoveTo(HANDLE file, uint64_t offset) {
  LARGE_INTEGER position;
  position.QuadPart = static_cast<LONGLONG>(offset);
  return SetFilePointerEx(file, position, nullptr, FILE_BEGIN);
}

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

// The whole file; false, with the system's error, when it is missing or cannot be read.
bool ReadWholeFile(const std::wstring& name, std::string& bytes) {
  bytes.clear();
  const TFileHandle file(name, GENERIC_READ, kShareAll, OPEN_EXISTING);
  return file.IsOpen() && ReadAll(file.Handle(), bytes);
}

bool WriteWholeFile(const std::wstring& name, const std::string& bytes, DWORD attributes) {
  const TFileHandle file(name, GENERIC_WRITE, 0, CREATE_ALWAYS, attributes);
  return file.IsOpen() && WriteAll(file.Handle(), bytes) && FlushFileBuffers(file.Handle());
}

std::wstring FullPath(const std::wstring& name) {
  std::vector<wchar_t> path(name.size() + MAX_PATH);
  const DWORD length = GetFullPathNameW(name.c_str(), static_cast<DWORD>(path.size()), path.data(), nullptr);
  return length == 0 || length >= path.size() ? name : std::wstring(path.data(), length);
}

std::wstring WithoutLongPathPrefix(const std::wstring& path) {
  if (path.starts_with(L"\\\\?\\UNC\\")) return L"\\\\" + path.substr(8);
  if (path.starts_with(L"\\\\?\\")) return path.substr(4);
  return path;
}

bool SamePath(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

// The file a save goes into: the file itself, or the file a link names, so
// that the link stays a link and the file it names takes the changes. The
// system reads the path from the open file; Wine shows a Unix symbolic link
// as a plain file, which opens as the file it names.
std::wstring SavedFileName(const std::wstring& name) {
  const TFileHandle file(name, 0, kShareAll, OPEN_EXISTING);
  if (!file.IsOpen()) return name;
  std::vector<wchar_t> path(MAX_PATH);
  DWORD length = 0;
  while ((length = GetFinalPathNameByHandleW(file.Handle(), path.data(), static_cast<DWORD>(path.size()),
                                             FILE_NAME_NORMALIZED | VOLUME_NAME_DOS)) >= path.size())
    path.resize(length + 1);
  if (length == 0) return name;
  const std::wstring finalName = WithoutLongPathPrefix(std::wstring(path.data(), length));
  return SamePath(finalName, FullPath(name)) ? name : finalName;
}

// A symbolic link whose target is missing (a share that is not mounted):
// Windows shows the link itself; Wine shows no file at all, yet refuses to
// make a new one under the link's name. On a free name the file made to ask
// goes again as it is closed.
bool IsLinkWithoutTarget(const std::wstring& name) {
  const DWORD attributes = GetFileAttributesW(name.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return false;
    const TFileHandle file(name, 0, kShareAll, OPEN_EXISTING);
    return !file.IsOpen() && IsMissing(GetLastError());
  }
  const TFileHandle probe(name, GENERIC_WRITE | DELETE, 0, CREATE_NEW, FILE_FLAG_DELETE_ON_CLOSE);
  return !probe.IsOpen() && GetLastError() == ERROR_FILE_EXISTS;
}

// A file with a second name (a hard link) is one file under both: a swap
// would leave the other name on the old list.
bool HasOtherNames(const std::wstring& name) {
  const TFileHandle file(name, 0, kShareAll, OPEN_EXISTING);
  BY_HANDLE_FILE_INFORMATION information;
  return file.IsOpen() && GetFileInformationByHandle(file.Handle(), &information) && information.nNumberOfLinks > 1;
}

// A file this user may not write (another user's, or one whose security
// denies writing) could still be swapped away in a folder this user may write.
bool ThisUserMayNotWrite(const std::wstring& name) {
  const TFileHandle file(name, GENERIC_WRITE, kShareAll, OPEN_EXISTING);
  return !file.IsOpen() && GetLastError() == ERROR_ACCESS_DENIED;
}

// The owner and permissions of a file; Wine gives them from the Unix owner and mode.
std::vector<BYTE> OwnerAndPermissions(const std::wstring& name) {
  const SECURITY_INFORMATION parts = OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;
  DWORD size = 0;
  GetFileSecurityW(name.c_str(), parts, nullptr, 0, &size);
  std::vector<BYTE> descriptor(size);
  if (size == 0 || !GetFileSecurityW(name.c_str(), parts, descriptor.data(), size, &size)) return {};
  return descriptor;
}

// Wine's ReplaceFileW moves the old file away before it moves the copy in,
// which leaves a moment without the file; its rename keeps all that Wine
// keeps of a file but the attributes, which the copy is made with.
bool ReplaceFileIsOneStep() {
  static const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
  return !wine;
}

// Wine refuses a rename over a file that any other handle holds, and says
// "access denied": the file is not read-only (that is refused before), so
// here that means it is held.
bool RenameOver(const std::wstring& replaced, const std::wstring& copy) {
  if (MoveFileExW(copy.c_str(), replaced.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
  if (GetLastError() == ERROR_ACCESS_DENIED) SetLastError(ERROR_SHARING_VIOLATION);
  return false;
}

// Where the swap is a rename, the file takes the copy's owner and
// permissions (this user's, and a new file's mode under Wine); ReplaceFileW
// keeps the replaced file's on Windows.
bool SwapWouldChangeOwnerOrMode(const std::wstring& savedName, const std::wstring& copyName) {
  if (ReplaceFileIsOneStep()) return false;
  const std::vector<BYTE> kept = OwnerAndPermissions(savedName);
  return !kept.empty() && kept != OwnerAndPermissions(copyName);
}

// Unlike a rename, ReplaceFileW keeps the replaced file's attributes and
// security on Windows.
bool ReplaceFileWith(const std::wstring& replaced, const std::wstring& copy, bool replacing) {
  if (!replacing || !ReplaceFileIsOneStep()) return RenameOver(replaced, copy);
  return ReplaceFileW(replaced.c_str(), copy.c_str(), nullptr, 0, nullptr, nullptr);
}

// The copy could not be made only because the folder takes no new file:
// not because a copy left there is read-only or a folder, say.
bool FolderTakesNoNewFile(DWORD error, const std::wstring& copyName) {
  return error == ERROR_ACCESS_DENIED && !Exists(copyName);
}

// A list a save could not put in place is kept as <file>.kept-<n>: a save
// writes only the file and its copy, so nothing writes over it, in this run
// or a later one.
constexpr wchar_t kKeptSuffix[] = L".kept-";

bool IsKeptName(const std::wstring& savedName, const std::wstring& name) {
  return name.starts_with(savedName + kKeptSuffix);
}

std::wstring KeptName(const std::wstring& savedName, int number) {
  return savedName + kKeptSuffix + std::to_wstring(number);
}

std::wstring FreeKeptName(const std::wstring& savedName) {
  int number = 1;
  while (Exists(KeptName(savedName, number))) ++number;
  return KeptName(savedName, number);
}

// Neither call writes over a file already there.
std::wstring MoveToKeptName(const std::wstring& savedName, const std::wstring& name) {
  if (name.empty()) return name;
  const std::wstring keptName = FreeKeptName(savedName);
  return MoveFileExW(name.c_str(), keptName.c_str(), MOVEFILE_WRITE_THROUGH) ? keptName : name;
}

bool WriteNewFile(const std::wstring& name, const std::string& bytes) {
  std::string written;
  bool whole = false;
  {
    const TFileHandle file(name, GENERIC_READ | GENERIC_WRITE, 0, CREATE_NEW);
    if (!file.IsOpen()) return false;
    whole = WriteAll(file.Handle(), bytes) && FlushFileBuffers(file.Handle()) && MoveTo(file.Handle(), 0) &&
            ReadAll(file.Handle(), written) && written == bytes;
  }
  if (!whole) DeleteFileW(name.c_str());
  return whole;
}

// The name of the file that holds the new list once the box has named it:
// the copy renamed, or, where it cannot be (another program holds it, or it
// is gone), the list written anew; the copy itself only where neither can be
// done, and "" where there is no copy either.
std::wstring KeepNewList(const std::wstring& savedName, const std::wstring& newListAt, const std::string& text) {
  if (IsKeptName(savedName, newListAt) && Exists(newListAt)) return newListAt;
  const std::wstring renamed = MoveToKeptName(savedName, newListAt);
  if (renamed != newListAt) return renamed;
  const std::wstring keptName = FreeKeptName(savedName);
  if (WriteNewFile(keptName, text)) {
    DeleteFileW(newListAt.c_str());
    return keptName;
  }
  return Exists(newListAt) ? newListAt : std::wstring();
}

}  // namespace

TIniFile::TIniFile(const std::string& fileName) : FFileName(ToWide(fileName)) {}

std::string TIniFile::FileName() const { return ToAnsi(FFileName); }

// ---- reading

TIniContent TIniFile::ReadContent() const { return TIniContent(ReadBytes()); }

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
  return ReadContent().ReadString(section, key, defaultValue);
}

int32_t TIniFile::ReadInteger(const std::string& section, const std::string& key, int32_t defaultValue) const {
  return ReadContent().ReadInteger(section, key, defaultValue);
}

void TIniFile::ReadSections(TStringList& sections) const { ReadContent().ReadSections(sections); }

bool TIniFile::SectionExists(const std::string& section) const { return ReadContent().SectionExists(section); }

// A file that cannot be read must not pass for an empty inventory, nor give
// defaults that a save would write back over a device; nor must a file that
// was there and is away for a moment, which a save would write over with
// the one device it changes.
std::string TIniFile::ReadBytes() const {
  std::string bytes;
  if (TryWhileHeld([&] { return ReadWholeFile(FFileName, bytes); }, FFound)) {
    FFound = true;
    return bytes;
  }
  if (FFound || !IsMissing(GetLastError())) RaiseUnreadable();
  return bytes;
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

void TIniFile::RaiseUnwritten(const std::wstring& fileName) {
  throw EIniFileException("Unable to write to " + ToAnsi(fileName));
}

void TIniFile::RaiseKeptInCopy(const std::wstring& fileName, const std::wstring& copyName) {
  throw EIniFileException("Unable to write to " + ToAnsi(fileName) + "; the list is kept in " + ToAnsi(copyName));
}

// ---- replacing the file in one step

void TIniFile::Update(const std::function<void()>& changes) {
  if (FPending) {
    changes();
    return;
  }
  FReadBytes = ReadBytes();
  FPending = std::make_unique<TIniContent>(FReadBytes);
  try {
    changes();
    CommitUpdate();
  } catch (...) {
    FPending.reset();
    throw;
  }
  FPending.reset();
  FFound = true;
}

// A copy left by a program that ended here is simply written over by the
// next update. Windows refuses to replace a read-only file or to write over a
// read-only copy; Wine lets root do both, the first leaving the file
// writable, the second passing the copy's read-only on to the file. Both are
// refused here, at once.
void TIniFile::CommitUpdate() {
  const std::string text = FPending->Bytes();
  if (IsLinkWithoutTarget(FFileName)) MakeLinkTarget();
  const std::wstring savedName = SavedFileName(FFileName);
  const std::wstring copyName = savedName + L".tmp";
  for (const std::wstring& name : {savedName, copyName})
    if (IsReadOnly(name)) RaiseUnwritten(name);
  const DWORD attributes = GetFileAttributesW(savedName.c_str());
  const bool replacing = attributes != INVALID_FILE_ATTRIBUTES;
  if (replacing && ThisUserMayNotWrite(savedName)) RaiseUnwritten(savedName);
  if (!TryWhileHeld([&] { return WriteCopy(copyName, text, replacing ? attributes & kKeptAttributes : 0); })) {
    const bool inPlace = replacing && FolderTakesNoNewFile(GetLastError(), copyName);
    DeleteFileW(copyName.c_str());
    if (!inPlace) RaiseUnwritten(copyName);
    WriteWhereItIs(savedName, L"", text, [&] { return WriteInPlace(savedName, text); });
    return;
  }
  // The copy is read back as the system gives it to the next reader: a write
  // the system reported whole but cut short, or left out, shows here. It
  // comes from the system's cache, so it does not show what the disk itself
  // holds; FlushFileBuffers is what asks the disk to hold it.
  std::string written;
  if (!TryWhileHeld([&] { return ReadWholeFile(copyName, written); }) || written != text) {
    DeleteFileW(copyName.c_str());
    RaiseUnwritten(copyName);
  }
  PutCopyInPlace(savedName, copyName, text, replacing);
}

// A link is never replaced by a plain file: the file it names is made
// through it, where that file's folder is there.
void TIniFile::MakeLinkTarget() const {
  const TFileHandle target(FFileName, GENERIC_WRITE, kShareAll, OPEN_ALWAYS);
  if (!target.IsOpen()) RaiseUnwritten(FFileName);
}

// A file with a second name, or one whose owner or mode a swap would change,
// is written where it is, as is a file another program holds open while it
// lets others write it.
void TIniFile::PutCopyInPlace(const std::wstring& savedName, const std::wstring& copyName, const std::string& text,
                              bool replacing) {
  if (replacing && (HasOtherNames(savedName) || SwapWouldChangeOwnerOrMode(savedName, copyName))) {
    WriteWhereItIs(savedName, copyName, text, [&] { return WriteInPlace(savedName, text); });
    return;
  }
  std::unique_ptr<TFileHandle> besideTheHolder;
  const bool placed = TryWhileHeld([&] {
    if (ReplaceWithCopy(savedName, copyName, replacing)) return true;
    const DWORD error = GetLastError();
    if (replacing && IsHeldByAnother(error)) {
      besideTheHolder =
          std::make_unique<TFileHandle>(savedName, GENERIC_READ | GENERIC_WRITE, kShareAll, OPEN_EXISTING);
      if (besideTheHolder->IsOpen()) return true;
    }
    SetLastError(error);
    return false;
  });
  if (!placed) {
    SettleFailedSave(savedName, copyName, text);
  } else if (besideTheHolder && besideTheHolder->IsOpen()) {
    WriteWhereItIs(savedName, copyName, text, [&] {
      const bool written = WriteOver(besideTheHolder->Handle(), text);
      besideTheHolder.reset();
      return written;
    });
  }
}

// While the file is written where it is, the copy waits under a name no save
// writes over: a program ended half-way leaves the new list whole there.
void TIniFile::WriteWhereItIs(const std::wstring& savedName, const std::wstring& copyName, const std::string& text,
                              const std::function<bool()>& write) {
  const std::wstring newListAt = MoveToKeptName(savedName, copyName);
  if (write()) {
    DeleteFileW(newListAt.c_str());
    return;
  }
  SettleFailedSave(savedName, newListAt, text);
}

// After a failed write a whole list is where the box says. The file may hold
// the new list after all (ReplaceFileW can report failure for a swap it
// made, and the file may then be away for a moment, taken by a program that
// reads it: where the new list is no longer beside the file, the file is
// waited for), or the old one, as it was or put back: the copy then goes.
// Where ReplaceFileW took the file out of its name, the copy takes its
// place. Otherwise the new list is kept under a name no later save writes.
void TIniFile::SettleFailedSave(const std::wstring& savedName, const std::wstring& newListAt, const std::string& text) {
  const bool newListBeside = Exists(newListAt);
  std::string onDisk;
  const bool read = TryWhileHeld([&] { return ReadWholeFile(savedName, onDisk); }, !newListBeside);
  const bool missing = !read && IsMissing(GetLastError());
  if (read && (onDisk == text || onDisk == FReadBytes)) {
    DeleteFileW(newListAt.c_str());
    if (onDisk == text) return;
    RaiseUnwritten(savedName);
  }
  if (missing && newListBeside &&
      TryWhileHeld([&] { return MoveFileExW(newListAt.c_str(), savedName.c_str(), MOVEFILE_WRITE_THROUGH); }))
    return;
  const std::wstring keptName = KeepNewList(savedName, newListAt, text);
  if (keptName.empty()) RaiseUnwritten(savedName);
  RaiseKeptInCopy(savedName, keptName);
}

bool TIniFile::WriteCopy(const std::wstring& copyName, const std::string& text, uint32_t attributes) {
  return WriteWholeFile(copyName, text, attributes);
}

bool TIniFile::ReplaceWithCopy(const std::wstring& replacedName, const std::wstring& copyName, bool replacing) {
  return ReplaceFileWith(replacedName, copyName, replacing);
}

// ---- deleting

// The file is moved out of its name first and deleted there: a program that
// holds it while it lets others delete it keeps it until it lets go, but no
// longer under the name, which a later start would read the old list from.
// A program that opens the moved file alone for a moment (a virus scanner, an
// indexer) is waited for. A file this object has read or saved and that is
// away for a moment is waited for, as a read waits. A link stays, and the
// file it names goes.
void TIniFile::Delete() {
  const std::wstring fileName = SavedFileName(FFileName);
  const std::wstring awayName =
      fileName + L".deleted-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount64());
  if (TryWhileHeld([&] { return MoveFileExW(fileName.c_str(), awayName.c_str(), MOVEFILE_WRITE_THROUGH); }, FFound)) {
    if (!TryWhileHeld([&] { return DeleteMovedFile(awayName); })) PutBackUndeleted(fileName, awayName);
  } else if (!IsMissing(GetLastError())) {
    RaiseUndeleted();
  }
  // Wine reports a move in a folder that takes no change as done while the file stays.
  if (Exists(fileName)) RaiseUndeleted();
  FFound = false;
}

bool TIniFile::DeleteMovedFile(const std::wstring& movedName) { return DeleteFileW(movedName.c_str()); }

// A file that cannot be deleted where it was moved (a read-only file, which a
// save refuses too) goes back to its name, so nothing left beside it holds
// the list; where even that is refused, the box names the file that does.
void TIniFile::PutBackUndeleted(const std::wstring& fileName, const std::wstring& movedName) const {
  if (TryWhileHeld([&] { return MoveFileExW(movedName.c_str(), fileName.c_str(), MOVEFILE_WRITE_THROUGH); }))
    RaiseUndeleted();
  throw EIniFileException("Unable to delete " + FileName() + "; the list is kept in " + ToAnsi(movedName));
}

void TIniFile::RaiseUndeleted() const { throw EIniFileException("Unable to delete " + FileName()); }

// ---- writing the file where it is

// A folder that takes no new file, in a setup that lets the file alone be
// written, leaves no way to replace the file in one step: it is written where
// it is, and a program ended meanwhile leaves it part old, part new.
bool TIniFile::WriteInPlace(const std::wstring& fileName, const std::string& text) {
  std::unique_ptr<TFileHandle> file;
  const bool opened = TryWhileHeld([&] {
    file = std::make_unique<TFileHandle>(fileName, GENERIC_READ | GENERIC_WRITE, 0, OPEN_EXISTING);
    return file->IsOpen();
  });
  return opened && WriteOver(file->Handle(), text);
}

// A write in place that fails puts the old list back, its bytes and its
// length, so the file holds a whole list wherever the system lets it.
bool TIniFile::WriteOver(void* file, const std::string& text) {
  if (Overwrite(file, text)) return true;
  const DWORD error = GetLastError();
  Overwrite(file, FReadBytes);
  SetLastError(error);
  return false;
}

bool TIniFile::Overwrite(void* file, const std::string& text) {
  LARGE_INTEGER oldLength;
  std::string written;
  return GetFileSizeEx(file, &oldLength) && MakeRoom(file, static_cast<uint64_t>(oldLength.QuadPart), text) &&
         WriteAt(file, 0, text) && MoveTo(file, text.size()) && SetEndOfFile(file) && FlushFileBuffers(file) &&
         MoveTo(file, 0) && ReadAll(file, written) && written == text;
}

// A longer end alone (SetEndOfFile) takes no room on every file system (on
// Linux it leaves a hole), written bytes do: the part of the text past the
// old end is written first, so a full disk fails before an old byte changes.
bool TIniFile::MakeRoom(void* file, uint64_t oldLength, const std::string& text) {
  return text.size() <= oldLength || WriteAt(file, oldLength, text.substr(oldLength));
}

bool TIniFile::WriteAt(void* file, uint64_t offset, const std::string& bytes) {
  return MoveTo(file, offset) && WriteAll(file, bytes);
}
