#pragma once
// TIniFile: an INI file read and written through the Windows profile API, so
// the file behaves exactly as any other Windows program sees it (section and
// key names compared without regard to case, new sections appended at the end).
//
// The profile API rewrites the whole file in place for every key it writes, so
// a program ended meanwhile, or a full disk (which the API reports as success),
// leaves the file cut short. Here the writes go to a copy beside the file, and
// the copy replaces the file in one step, only once it reads back whole.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/rtl/IniContent.h"
#include "platform/rtl/StringList.h"

class TIniFile {
 public:
  // The profile API needs a full path; a bare name would land in the Windows folder.
  explicit TIniFile(const std::string& fileName) : FFileName(fileName), FWorkingName(fileName) {}
  virtual ~TIniFile() = default;
  TIniFile(const TIniFile&) = delete;
  TIniFile& operator=(const TIniFile&) = delete;

  const std::string& FileName() const { return FFileName; }

  // Reads raise EIniFileException when the file exists but cannot be read
  // (another program holds it, say); a missing file holds nothing.
  std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) const;
  // A missing or non-numeric value gives the default; "0x" and "$" mean hexadecimal.
  int32_t ReadInteger(const std::string& section, const std::string& key, int32_t defaultValue) const;
  // Section names in file order, replacing the list's contents.
  void ReadSections(TStringList& sections) const;
  bool SectionExists(const std::string& section) const;

  // Raise EIniFileException when the file cannot be written, or when a name
  // or value holds a line break; the file then stays as it was. Outside
  // Update each of them replaces the file on its own.
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int32_t value);
  void EraseSection(const std::string& section);

  // Every write `changes` makes replaces the file in one step at its end, or,
  // when one of them fails or the result does not read back whole, none does.
  void Update(const std::function<void()>& changes);

 protected:
  // One write of the profile API to the copy; a failure raises.
  virtual void WriteProfileEntry(const char* section, const char* key, const char* value);
  const std::string& WorkingName() const { return FWorkingName; }

 private:
  void BeginUpdate();
  void CommitUpdate();
  void CancelUpdate();
  std::string CopyName() const { return FFileName + ".tmp"; }
  void CheckReadable() const;
  void CheckOneLine(const std::string& text) const;
  [[noreturn]] void RaiseUnwritten() const;

  std::string FFileName;
  // The copy while an update runs, the file itself otherwise.
  std::string FWorkingName;
  bool FUpdating = false;
  // What the copy must hold when the update ends.
  TIniContent FMeant;
};
