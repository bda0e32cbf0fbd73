#pragma once
// TIniFile: an INI file read and written through the Windows profile API, so
// the file behaves exactly as any other Windows program sees it (section and
// key names compared without regard to case, new sections appended at the end).
#include <cstdint>
#include <string>

#include "platform/rtl/StringList.h"

class TIniFile {
 public:
  // The profile API needs a full path; a bare name would land in the Windows folder.
  explicit TIniFile(const std::string& fileName) : FFileName(fileName) {}

  const std::string& FileName() const { return FFileName; }

  std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) const;
  // A missing or non-numeric value gives the default; "0x" and "$" mean hexadecimal.
  int32_t ReadInteger(const std::string& section, const std::string& key, int32_t defaultValue) const;
  // Raise EIniFileException when the file cannot be written, or when a name
  // or value holds a line break.
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int32_t value);

  // Section names in file order, replacing the list's contents.
  void ReadSections(TStringList& sections) const;
  bool SectionExists(const std::string& section) const;
  void EraseSection(const std::string& section);

 private:
  void CheckOneLine(const std::string& text) const;
  void CheckWritten(bool written) const;

  std::string FFileName;
};
