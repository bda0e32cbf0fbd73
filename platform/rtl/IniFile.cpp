#include "platform/rtl/IniFile.h"

#include <windows.h>

#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"

namespace {

// The profile API truncates silently: grow the buffer until the result is
// shorter than the room it had (`slack` is what a full buffer reports as lost).
template <typename Reader>
std::string ReadProfileText(Reader read, DWORD slack) {
  std::vector<char> buffer(1024);
  for (;;) {
    const DWORD length = read(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length + slack < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 4);
  }
}

}  // namespace

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
  return ReadProfileText(
      [&](char* buffer, DWORD size) {
        return GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer, size,
                                        FFileName.c_str());
      },
      1);
}

int32_t TIniFile::ReadInteger(const std::string& section, const std::string& key, int32_t defaultValue) const {
  std::string text = ReadString(section, key, "");
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text = "$" + text.substr(2);
  return StrToIntDef(text, defaultValue);
}

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  CheckOneLine(section + key + value);
  CheckWritten(WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), FFileName.c_str()));
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int32_t value) {
  WriteString(section, key, IntToStr(value));
}

void TIniFile::ReadSections(TStringList& sections) const {
  const std::string names = ReadProfileText(
      [&](char* buffer, DWORD size) { return GetPrivateProfileSectionNamesA(buffer, size, FFileName.c_str()); }, 2);
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

void TIniFile::EraseSection(const std::string& section) {
  CheckWritten(WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, FFileName.c_str()));
}

// A line break would write a line of its own: another key, or another
// section that takes the place of one already in the file.
void TIniFile::CheckOneLine(const std::string& text) const {
  if (text.find_first_of("\r\n") != std::string::npos)
    throw EIniFileException("Cannot write a line break to " + FFileName);
}

void TIniFile::CheckWritten(bool written) const {
  if (!written) throw EIniFileException("Unable to write to " + FFileName);
}
