#include "platform/rtl/IniContent.h"

#include <algorithm>

#include "platform/rtl/SysUtils.h"

TIniContent TIniContent::Parse(const std::string& text) {
  TIniContent content;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = Trim(text.substr(start, end - start));
    start = end + 1;
    if (line.empty()) continue;
    const size_t close = line.find(']');
    if (line.front() == '[' && close != std::string::npos) {
      content.FSections.push_back({Trim(line.substr(1, close - 1)), {}});
      continue;
    }
    if (content.FSections.empty()) content.FSections.push_back({});
    content.FSections.back().Lines.push_back(ParseLine(line));
  }
  return content;
}

TIniContent::TLine TIniContent::ParseLine(const std::string& text) {
  const size_t equals = text.find('=');
  if (equals == std::string::npos) return {text, false, {}};
  return {Trim(text.substr(0, equals)), true, Trim(text.substr(equals + 1))};
}

void TIniContent::Write(const std::string& section, const std::string& key, const std::string& value) {
  auto found = Find(section);
  if (found == FSections.end()) found = FSections.insert(FSections.end(), {Trim(section), {}});
  std::vector<TLine>& lines = found->Lines;
  auto line = std::find_if(lines.begin(), lines.end(), [&](const TLine& each) { return SameText(each.Key, key); });
  if (line == lines.end()) line = lines.insert(lines.end(), {Trim(key), false, {}});
  line->HasValue = true;
  line->Value = Trim(value);
}

void TIniContent::Erase(const std::string& section) {
  const auto found = Find(section);
  if (found != FSections.end()) FSections.erase(found);
}

std::vector<TIniContent::TSection>::iterator TIniContent::Find(const std::string& section) {
  return std::find_if(FSections.begin(), FSections.end(),
                      [&](const TSection& each) { return SameText(each.Name, section); });
}
