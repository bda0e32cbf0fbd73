#include "platform/rtl/Locale.h"

#include <array>
#include <string_view>

#include "platform/rtl/SysUtils.h"

TLocale& SystemLocale();

namespace {

TLocale* chosenLocale = nullptr;

constexpr std::array<const char*, 12> kLongMonthNames = {"January",   "February", "March",    "April",
                                                         "May",       "June",     "July",     "August",
                                                         "September", "October",  "November", "December"};

bool IsAsciiLetter(char ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'); }

bool IsMeaningfulLetter(char ch, bool timePicture) {
  return std::string_view(timePicture ? "hHmst" : "dMyg").find(ch) != std::string_view::npos;
}

// The letter as the library writes it.
char LibraryLetter(char ch) {
  if (ch == 'H') return 'h';
  if (ch == 'm') return 'n';
  return ch;
}

// Reads the apostrophe-quoted text that starts at `position` (on the opening
// apostrophe) into `literal`; answers the position of the closing one, or the
// end. Two apostrophes in a row stand for one, inside or outside the quotes.
size_t ReadQuotedPictureText(const std::string& picture, size_t position, std::string& literal) {
  ++position;
  if (position < picture.size() && picture[position] == '\'') {
    literal += '\'';
    return position;
  }
  for (; position < picture.size(); ++position) {
    if (picture[position] != '\'') {
      literal += picture[position];
    } else if (position + 1 < picture.size() && picture[position + 1] == '\'') {
      literal += '\'';
      ++position;
    } else {
      break;
    }
  }
  return position;
}

size_t RunEnd(const std::string& text, size_t position) {
  const char ch = text[position];
  while (position < text.size() && text[position] == ch) ++position;
  return position;
}

}  // namespace

char TInvariantLocale::UpperCase(char ch) const {
  return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
}

char TInvariantLocale::LowerCase(char ch) const {
  return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

std::string TInvariantLocale::ShortMonthName(int month) const { return LongMonthName(month).substr(0, 3); }

std::string TInvariantLocale::LongMonthName(int month) const {
  return month >= 1 && month <= 12 ? kLongMonthNames[month - 1] : "";
}

TLocale& CurrentLocale() { return chosenLocale ? *chosenLocale : SystemLocale(); }

void SetCurrentLocale(TLocale* locale) { chosenLocale = locale; }

namespace {

// The length in octets of the character at `position`; a lead byte at the
// very end stands alone.
size_t CharacterLength(const std::string& text, size_t position) {
  return CurrentLocale().IsLeadByte(text[position]) && position + 1 < text.size() ? 2 : 1;
}

std::string CaseText(const std::string& text, char (TLocale::*caseOf)(char) const) {
  const TLocale& locale = CurrentLocale();
  std::string result = text;
  for (size_t i = 0; i < result.size(); i += CharacterLength(result, i))
    if (CharacterLength(result, i) == 1) result[i] = (locale.*caseOf)(result[i]);
  return result;
}

}  // namespace

std::string AnsiUpperCase(const std::string& text) { return CaseText(text, &TLocale::UpperCase); }

std::string AnsiLowerCase(const std::string& text) { return CaseText(text, &TLocale::LowerCase); }

int AnsiCompareText(const std::string& a, const std::string& b) { return AnsiUpperCase(a).compare(AnsiUpperCase(b)); }

int CharacterCount(const std::string& text) {
  int count = 0;
  for (size_t i = 0; i < text.size(); i += CharacterLength(text, i)) ++count;
  return count;
}

std::string LeftCharacters(const std::string& text, int count) {
  size_t end = 0;
  for (int taken = 0; taken < count && end < text.size(); ++taken) end += CharacterLength(text, end);
  return text.substr(0, end);
}

std::string QuotedFormatLiteral(const std::string& text) { return QuotedRuns(text, "\"'\""); }

std::string SystemPictureToFormat(const std::string& picture, bool timePicture) {
  std::string result;
  std::string literal;
  const auto flushLiteral = [&] {
    result += QuotedFormatLiteral(literal);
    literal.clear();
  };
  for (size_t i = 0; i < picture.size(); ++i) {
    const char ch = picture[i];
    if (CurrentLocale().IsLeadByte(ch) && i + 1 < picture.size()) {
      flushLiteral();
      result += picture.substr(i++, 2);
    } else if (ch == '\'') {
      i = ReadQuotedPictureText(picture, i, literal);
    } else if (timePicture && ch == 't') {
      flushLiteral();
      result += "AMPM";
      i = RunEnd(picture, i) - 1;
    } else if (IsMeaningfulLetter(ch, timePicture)) {
      flushLiteral();
      result += LibraryLetter(ch);
    } else if (IsAsciiLetter(ch) || ch == '"') {
      literal += ch;
    } else {
      flushLiteral();
      result += ch;
    }
  }
  flushLiteral();
  return result;
}

#ifndef _WIN32
TLocale& SystemLocale() {
  static TInvariantLocale invariant;
  return invariant;
}
#endif
