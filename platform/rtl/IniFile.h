#pragma once
// TIniFile: an INI file on disk. Every read takes the whole file in one open
// and answers from its text model (TIniContent), which reads a file as any
// other Windows program reads it through the profile API, in the encoding
// the file was saved in; so a program that takes the file for a moment
// between two opens cannot make a read come back as its default.
//
// The profile API rewrites the whole file in place for every key it writes,
// so a program ended meanwhile, or a full disk (which the API reports as
// success), leaves the file cut short. Here each change, or each set of
// changes in one Update, is written to a copy beside the file, and the copy
// replaces the file in one step only once it reads back as meant.
//
// The file is named in UTF-16 and reached through the wide calls only, so it
// may lie in any folder the system allows: one named in letters the ANSI
// code page lacks, or one past MAX_PATH.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "platform/rtl/IniContent.h"
#include "platform/rtl/StringList.h"

class TIniFile {
 public:
  // A full path: a bare name would depend on the current folder.
  explicit TIniFile(std::wstring fileName) : FFileName(std::move(fileName)) {}
  // A name in the ANSI code page.
  explicit TIniFile(const std::string& fileName);
  virtual ~TIniFile() = default;
  TIniFile(const TIniFile&) = delete;
  TIniFile& operator=(const TIniFile&) = delete;

  const std::wstring& WideFileName() const { return FFileName; }
  // The name in the ANSI code page, as messages give it ("?" for a letter it lacks).
  std::string FileName() const;

  // Reads raise EIniFileException when the file exists but cannot be read
  // (another program holds it for longer than a moment, say); a file missing
  // from the start holds nothing, but once it has been read it is only away
  // (a disk that drops out, a program that deletes it to rename its own copy
  // in), and is waited for as a held file is. Each answers from one read of
  // the whole file, and sees the changes of an Update once it has ended.
  // The file as one read finds it, for several reads that must agree.
  TIniContent ReadContent() const;
  std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) const;
  // A missing or non-numeric value gives the default; "0x" and "$" mean hexadecimal.
  int32_t ReadInteger(const std::string& section, const std::string& key, int32_t defaultValue) const;
  // Section names in file order, replacing the list's contents.
  void ReadSections(TStringList& sections) const;
  bool SectionExists(const std::string& section) const;

  // Raise EIniFileException, naming the file that failed, when the file
  // cannot be read or written (it is read-only, say), or when a name or value
  // holds a line break; the file then stays as it was.
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int32_t value);
  void EraseSection(const std::string& section);

  // The writes `changes` makes replace the file in one step at its end; when
  // one of them fails, or the result does not read back whole, none does.
  // The file keeps its attributes (hidden, system) and, where the system
  // keeps them, its security; a link keeps pointing to the file it names,
  // which takes the changes, and a link whose file is missing has that file
  // made through it. Where a swap would lose what the file is, the file is
  // written in place instead: a file with a second name, one whose owner or
  // mode the swap would change, one another program holds open while it
  // lets others write it, or one in a folder that takes no new file. It is
  // made long enough first, so that a full disk changes nothing, but it is
  // not written in one step: the copy waits meanwhile as <file>.kept-<n>, and
  // a write that fails puts the old bytes back. A file this user may not
  // write is refused. After any failure the file holds the old list whole,
  // or the new list is kept as <file>.kept-<n>, a name no save writes, which
  // the exception names.
  void Update(const std::function<void()>& changes);

  // Deletes the file; done once its name is gone, though a program that
  // holds it may keep it a while under another name. Raises EIniFileException
  // when the file stays (read-only, say), and leaves nothing else beside it
  // but where the exception says the list is kept.
  void Delete();

 protected:
  // Writes the copy the file is replaced with, with the given attributes;
  // false, with the system's error as the last error, when it could not.
  virtual bool WriteCopy(const std::wstring& copyName, const std::string& text, uint32_t attributes);
  // Puts the copy in the place of the file; false, with the system's error,
  // when it could not, leaving the two names as ReplaceFileW documents for
  // that error (the file gone, the copy under its own name, among them).
  virtual bool ReplaceWithCopy(const std::wstring& replacedName, const std::wstring& copyName, bool replacing);
  // Writes `bytes` at `offset` of a file open for writing (a HANDLE) when the
  // file is written in place; false, with the system's error, when it could not.
  virtual bool WriteAt(void* file, uint64_t offset, const std::string& bytes);
  // Deletes the file Delete moved out of its name; false, with the system's
  // error, when it could not.
  virtual bool DeleteMovedFile(const std::wstring& movedName);

 private:
  // The file's bytes, read in one open; empty for a file missing from the start.
  std::string ReadBytes() const;
  void CommitUpdate();
  void MakeLinkTarget() const;
  void PutCopyInPlace(const std::wstring& savedName, const std::wstring& copyName, const std::string& text,
                      bool replacing);
  void WriteWhereItIs(const std::wstring& savedName, const std::wstring& copyName, const std::string& text,
                      const std::function<bool()>& write);
  void SettleFailedSave(const std::wstring& savedName, const std::wstring& newListAt, const std::string& text);
  bool WriteInPlace(const std::wstring& fileName, const std::string& text);
  bool WriteOver(void* file, const std::string& text);
  bool Overwrite(void* file, const std::string& text);
  bool MakeRoom(void* file, uint64_t oldLength, const std::string& text);
  void CheckOneLine(const std::string& text) const;
  [[noreturn]] void RaiseUnreadable() const;
  [[noreturn]] void PutBackUndeleted(const std::wstring& fileName, const std::wstring& movedName) const;
  [[noreturn]] void RaiseUndeleted() const;
  [[noreturn]] static void RaiseUnwritten(const std::wstring& fileName);
  [[noreturn]] static void RaiseKeptInCopy(const std::wstring& fileName, const std::wstring& copyName);

  std::wstring FFileName;
  // A read found the file (or a save made it): from then on a missing file is away, not empty.
  mutable bool FFound = false;
  // The file's bytes as the running Update read them.
  std::string FReadBytes;
  // The file's content with the changes so far, while an Update runs.
  std::unique_ptr<TIniContent> FPending;
};
