#include "platform/rtl/FloatFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "platform/rtl/Locale.h"

namespace {

bool IsDigitPlaceholder(char ch) { return ch == '0' || ch == '#'; }

bool IsQuote(char ch) { return ch == '\'' || ch == '"'; }

// Splits at the semicolons outside quoted text.
std::vector<std::string> Sections(const std::string& format) {
  std::vector<std::string> sections(1);
  char quote = 0;
  for (const char ch : format) {
    if (quote == 0 && ch == ';') {
      sections.emplace_back();
      continue;
    }
    if (IsQuote(ch)) quote = quote == ch ? 0 : (quote == 0 ? ch : quote);
    sections.back() += ch;
  }
  return sections;
}

// What a section asks of the number: how many integer placeholders it has
// and how many of them always show, the least and most decimals, grouping.
struct TPicture {
  int IntegerPlaces = 0;
  int MinIntegerDigits = 0;
  int MinDecimals = 0;
  int MaxDecimals = 0;
  bool Grouped = false;
};

TPicture ReadPicture(const std::string& section) {
  TPicture picture;
  bool afterPoint = false;
  bool zeroSeen = false;
  char quote = 0;
  for (const char ch : section) {
    if (quote != 0 || IsQuote(ch)) {
      quote = quote == ch ? 0 : (quote == 0 ? ch : quote);
      continue;
    }
    if (ch == '.') {
      afterPoint = true;
    } else if (ch == ',' && !afterPoint) {
      picture.Grouped = true;
    } else if (IsDigitPlaceholder(ch) && afterPoint) {
      ++picture.MaxDecimals;
      if (ch == '0') picture.MinDecimals = picture.MaxDecimals;
    } else if (IsDigitPlaceholder(ch)) {
      ++picture.IntegerPlaces;
      zeroSeen = zeroSeen || ch == '0';
      if (zeroSeen) ++picture.MinIntegerDigits;
    }
  }
  return picture;
}

// The digits of |value| rounded to the picture's decimals: the integer
// digits padded to the digits always shown, the decimals without the
// trailing zeros the picture lets go.
void Digits(double value, const TPicture& picture, std::string& integer, std::string& decimals) {
  const double magnitude = std::fabs(value);
  std::string text(static_cast<size_t>(std::snprintf(nullptr, 0, "%.*f", picture.MaxDecimals, magnitude)), '\0');
  std::snprintf(text.data(), text.size() + 1, "%.*f", picture.MaxDecimals, magnitude);
  const size_t point = text.find('.');
  integer = text.substr(0, point);
  decimals = point == std::string::npos ? std::string() : text.substr(point + 1);
  if (integer == "0") integer.clear();
  if (static_cast<int>(integer.size()) < picture.MinIntegerDigits)
    integer.insert(0, static_cast<size_t>(picture.MinIntegerDigits) - integer.size(), '0');
  while (static_cast<int>(decimals.size()) > picture.MinDecimals && decimals.back() == '0') decimals.pop_back();
}

bool AllZero(const std::string& digits) { return digits.find_first_not_of('0') == std::string::npos; }

// Walks the section, putting the digits where its placeholders stand.
std::string Render(const std::string& section, const TPicture& picture, const std::string& integer,
                   const std::string& decimals) {
  const TLocale& locale = CurrentLocale();
  const char thousand = locale.ThousandSeparator();
  std::string result;
  const int extra = static_cast<int>(integer.size()) - picture.IntegerPlaces;
  int integerPlace = 0;
  size_t decimalIndex = 0;
  bool afterPoint = false;
  char quote = 0;
  const auto putIntegerDigit = [&](size_t index) {
    result += integer[index];
    const size_t fromRight = integer.size() - 1 - index;
    if (picture.Grouped && thousand != '\0' && fromRight > 0 && fromRight % 3 == 0) result += thousand;
  };
  for (const char ch : section) {
    if (quote != 0 || IsQuote(ch)) {
      if (quote == 0 || quote == ch)
        quote = quote == 0 ? ch : 0;
      else
        result += ch;
      continue;
    }
    if (ch == '.' && !afterPoint) {
      afterPoint = true;
      // A picture without integer places still shows the integer digits.
      if (picture.IntegerPlaces == 0) result += integer;
      if (!decimals.empty()) result += locale.DecimalSeparator();
    } else if (IsDigitPlaceholder(ch) && afterPoint) {
      if (decimalIndex < decimals.size()) result += decimals[decimalIndex++];
    } else if (IsDigitPlaceholder(ch)) {
      const int first = integerPlace == 0 ? 0 : integerPlace + extra;
      const int last = integerPlace + extra;
      for (int index = std::max(first, 0); index <= last; ++index) putIntegerDigit(static_cast<size_t>(index));
      ++integerPlace;
    } else if (ch != ',') {
      result += ch;
    }
  }
  return result;
}

}  // namespace

std::string FormatFloat(const std::string& format, double value) {
  const std::vector<std::string> sections = Sections(format);
  const auto usable = [&](size_t index) { return index < sections.size() && !sections[index].empty(); };
  size_t chosen = 0;
  if (value < 0 && usable(1)) chosen = 1;
  if (value == 0 && usable(2)) chosen = 2;
  const TPicture picture = ReadPicture(sections[chosen]);
  std::string integer;
  std::string decimals;
  Digits(value, picture, integer, decimals);
  std::string text = Render(sections[chosen], picture, integer, decimals);
  if (value < 0 && chosen == 0 && !(AllZero(integer) && AllZero(decimals))) text.insert(0, 1, '-');
  return text;
}
