#include "platform/rtl/IniContent.h"

#include <algorithm>

#include "platform/rtl/SysUtils.h"
#include "platform/rtl/WideStrings.h"

namespace {

const std::u16string kNewLineEnd = u"\r\n";

bool IsLineBreak(char16_t unit) { return unit == u'\r' || unit == u'\n'; }

// ^Z counts as a blank: old DOS editors end a file with it.
bool IsBlank(char16_t unit) { return (unit >= 0x09 && unit <= 0x0D) || unit == 0x1A || unit == u' '; }

std::u16string Trimmed(const std::u16string& text) {
  const auto first = std::find_if_not(text.begin(), text.end(), IsBlank);
  const auto last = std::find_if_not(text.rbegin(), std::make_reverse_iterator(first), IsBlank).base();
  return std::u16string(first, last);
}

char16_t AsciiUpper(char16_t unit) { return unit >= u'a' && unit <= u'z' ? unit - (u'a' - u'A') : unit; }

bool SameName(const std::u16string& a, const std::u16string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char16_t x, char16_t y) { return AsciiUpper(x) == AsciiUpper(y); });
}

// "[name]", with anything after the last "]"; the name without its blanks.
bool IsHeader(const std::u16string& text, std::u16string* name = nullptr) {
  const auto first = std::find_if_not(text.begin(), text.end(), IsBlank);
  if (first == text.end() || *first != u'[') return false;
  const std::u16string line = Trimmed(text);
  const size_t close = line.rfind(u']');
  if (line.empty() || line.front() != u'[' || close == std::u16string::npos || close == 0) return false;
  if (name) *name = Trimmed(line.substr(1, close - 1));
  return true;
}

struct TKeyLine {
  std::u16string Name;
  std::u16string Value;
  bool HasValue;
};

TKeyLine KeyLineOf(const std::u16string& text) {
  const std::u16string line = Trimmed(text);
  const size_t equals = line.find(u'=');
  if (equals == std::u16string::npos) return {line, {}, false};
  return {Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1)), true};
}

bool IsKeyLine(const std::u16string& text) { return !Trimmed(text).empty() && !IsHeader(text); }

// 'value' and "value" read as value; a lone quote, or quotes that differ, stay.
std::u16string Unquoted(const std::u16string& value) {
  const bool quoted =
      value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front();
  return quoted ? value.substr(1, value.size() - 2) : value;
}

// Calls `line(begin, textEnd, next)` for each line of the units: its text
// runs from begin to textEnd, its line end from textEnd to next.
template <typename Units, typename LineVisitor>
void ForEachLine(const Units& units, LineVisitor line) {
  for (size_t begin = 0; begin < units.size();) {
    size_t textEnd = begin;
    while (textEnd < units.size() && !IsLineBreak(static_cast<char16_t>(units[textEnd]))) ++textEnd;
    size_t next = textEnd;
    while (next < units.size() && IsLineBreak(static_cast<char16_t>(units[next]))) ++next;
    line(begin, textEnd, next);
    begin = next;
  }
}

}  // namespace

TIniContent::TIniContent(const std::string& bytes) : FEncoding(DetectTextEncoding(bytes)) { Split(bytes); }

// Lines are cut where the file's own units hold a CR or LF, so each line
// keeps its bytes exactly; no code page has CR or LF inside a character.
void TIniContent::Split(const std::string& bytes) {
  const std::string body = bytes.substr(TextEncodingMark(FEncoding).size());
  if (IsUtf16(FEncoding)) {
    const std::u16string units = DecodeText(body, FEncoding);
    ForEachLine(units, [&](size_t begin, size_t textEnd, size_t next) {
      FLines.push_back({units.substr(begin, textEnd - begin), units.substr(textEnd, next - textEnd),
                        EncodeText(units.substr(begin, next - begin), FEncoding)});
    });
    return;
  }
  ForEachLine(body, [&](size_t begin, size_t textEnd, size_t next) {
    FLines.push_back({DecodeText(body.substr(begin, textEnd - begin), FEncoding),
                      DecodeText(body.substr(textEnd, next - textEnd), FEncoding), body.substr(begin, next - begin)});
  });
}

std::string TIniContent::Bytes() const {
  std::string bytes = TextEncodingMark(FEncoding);
  for (const TLine& line : FLines) bytes += line.Changed ? EncodeText(line.Text + line.End, FEncoding) : line.Bytes;
  return bytes;
}

// ---- reading

std::string TIniContent::ReadString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue) const {
  const TSpan lines = FindSection(Trimmed(AnsiToWide(section)));
  const size_t found = FindKey(lines, Trimmed(AnsiToWide(key)));
  if (found == lines.End) return defaultValue;
  const TKeyLine keyLine = KeyLineOf(FLines[found].Text);
  return keyLine.HasValue ? WideToAnsiBestFit(Unquoted(keyLine.Value)) : defaultValue;
}

int32_t TIniContent::ReadInteger(const std::string& section, const std::string& key, int32_t defaultValue) const {
  std::string text = ReadString(section, key, "");
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text = "$" + text.substr(2);
  return StrToIntDef(text, defaultValue);
}

void TIniContent::ReadSections(TStringList& sections) const {
  sections.Clear();
  for (const TSpan& span : Spans())
    if (span.HasHeader && !span.Name.empty()) sections.Add(WideToAnsiBestFit(span.Name));
}

bool TIniContent::SectionExists(const std::string& section) const {
  const std::u16string name = AnsiToWide(section);
  const std::vector<TSpan> spans = Spans();
  return !name.empty() &&
         std::any_of(spans.begin(), spans.end(), [&](const TSpan& span) { return SameName(span.Name, name); });
}

std::vector<TIniContent::TSpan> TIniContent::Spans() const {
  std::vector<TSpan> spans{{0, 0, false, {}}};
  std::u16string name;
  for (size_t line = 0; line < FLines.size(); ++line) {
    if (IsHeader(FLines[line].Text, &name)) {
      spans.back().End = line;
      spans.push_back({line, line, true, name});
    }
  }
  spans.back().End = FLines.size();
  return spans;
}

TIniContent::TSpan TIniContent::FindSection(const std::u16string& name) const {
  for (const TSpan& span : Spans())
    if (SameName(span.Name, name)) return span;
  return {FLines.size(), FLines.size(), false, name};
}

size_t TIniContent::FindKey(const TSpan& section, const std::u16string& key) const {
  for (size_t line = section.Begin + (section.HasHeader ? 1 : 0); line < section.End; ++line)
    if (IsKeyLine(FLines[line].Text) && SameName(KeyLineOf(FLines[line].Text).Name, key)) return line;
  return section.End;
}

// ---- changing

void TIniContent::Write(const std::string& section, const std::string& key, const std::string& value) {
  const std::u16string sectionName = Trimmed(AnsiToWide(section));
  const std::u16string keyName = Trimmed(AnsiToWide(key));
  TSpan lines = FindSection(sectionName);
  if (lines.Begin == FLines.size()) {
    Insert(FLines.size(), u"[" + sectionName + u"]");
    lines = {FLines.size() - 1, FLines.size(), true, sectionName};
  }
  const size_t found = FindKey(lines, keyName);
  if (found == lines.End) {
    Insert(EndOfLines(lines), keyName + u"=" + AnsiToWide(value));
    return;
  }
  TLine& line = FLines[found];
  line.Text = KeyLineOf(line.Text).Name + u"=" + AnsiToWide(value);
  line.Changed = true;
}

void TIniContent::Erase(const std::string& section) {
  const std::u16string name = AnsiToWide(section);
  for (const TSpan& span : Spans()) {
    if (span.HasHeader && SameName(span.Name, name)) {
      FLines.erase(FLines.begin() + static_cast<std::ptrdiff_t>(span.Begin),
                   FLines.begin() + static_cast<std::ptrdiff_t>(span.End));
      return;
    }
  }
}

size_t TIniContent::EndOfLines(const TSpan& section) const {
  size_t end = section.End;
  const size_t first = section.Begin + (section.HasHeader ? 1 : 0);
  while (end > first && Trimmed(FLines[end - 1].Text).empty()) --end;
  return end;
}

// The line before the new one gets a line end if it is the file's last and has none.
void TIniContent::Insert(size_t at, const std::u16string& text) {
  if (at > 0 && FLines[at - 1].End.empty()) {
    FLines[at - 1].End = kNewLineEnd;
    FLines[at - 1].Changed = true;
  }
  FLines.insert(FLines.begin() + static_cast<std::ptrdiff_t>(at), TLine{text, kNewLineEnd, {}, true});
}
