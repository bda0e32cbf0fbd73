#include "platform/rtl/IniContent.h"

#include "platform/rtl/SysUtils.h"

namespace {

const char kLineEnd[] = "\r\n";

std::string LineEnd(const std::string& line) {
  const size_t end = line.find_last_not_of(kLineEnd);
  return end == std::string::npos ? line : line.substr(end + 1);
}

// A header is "[name]", with blanks allowed around it and around the name.
bool IsHeader(const std::string& line, std::string* name = nullptr) {
  const std::string text = Trim(line);
  const size_t close = text.find(']');
  if (text.empty() || text.front() != '[' || close == std::string::npos) return false;
  if (name) *name = Trim(text.substr(1, close - 1));
  return true;
}

// Empty for a line without "=", such as a comment.
std::string KeyOf(const std::string& line) {
  const size_t equals = line.find('=');
  return equals == std::string::npos ? std::string() : Trim(line.substr(0, equals));
}

}  // namespace

TIniContent::TIniContent(const std::string& text) {
  for (size_t start = 0; start < text.size();) {
    const size_t end = text.find('\n', start);
    const size_t next = end == std::string::npos ? text.size() : end + 1;
    FLines.push_back(text.substr(start, next - start));
    start = next;
  }
}

std::string TIniContent::Text() const {
  std::string text;
  for (const std::string& line : FLines) text += line;
  return text;
}

void TIniContent::Write(const std::string& section, const std::string& key, const std::string& value) {
  std::pair<size_t, size_t> lines = Find(section);
  if (lines.first == lines.second) {
    Insert(FLines.size(), "[" + section + "]");
    lines = {FLines.size() - 1, FLines.size()};
  }
  const size_t found = FindKey(lines, key);
  if (found == lines.second) {
    Insert(EndOfLines(lines), key + "=" + value);
  } else {
    std::string& line = FLines[found];
    line = KeyOf(line) + "=" + value + LineEnd(line);
  }
}

void TIniContent::Erase(const std::string& section) {
  const std::pair<size_t, size_t> lines = Find(section);
  FLines.erase(FLines.begin() + static_cast<std::ptrdiff_t>(lines.first),
               FLines.begin() + static_cast<std::ptrdiff_t>(lines.second));
}

std::pair<size_t, size_t> TIniContent::Find(const std::string& section) const {
  std::string name;
  size_t header = 0;
  while (header < FLines.size() && !(IsHeader(FLines[header], &name) && SameText(name, section))) ++header;
  if (header == FLines.size()) return {header, header};
  size_t end = header + 1;
  while (end < FLines.size() && !IsHeader(FLines[end])) ++end;
  return {header, end};
}

size_t TIniContent::FindKey(std::pair<size_t, size_t> section, const std::string& key) const {
  for (size_t line = section.first + 1; line < section.second; ++line)
    if (SameText(KeyOf(FLines[line]), key)) return line;
  return section.second;
}

size_t TIniContent::EndOfLines(std::pair<size_t, size_t> section) const {
  size_t end = section.second;
  while (end > section.first + 1 && Trim(FLines[end - 1]).empty()) --end;
  return end;
}

// The line before the new one gets a line end if it is the file's last and has none.
void TIniContent::Insert(size_t at, const std::string& line) {
  if (at > 0 && LineEnd(FLines[at - 1]).empty()) FLines[at - 1] += kLineEnd;
  FLines.insert(FLines.begin() + static_cast<std::ptrdiff_t>(at), line + kLineEnd);
}
