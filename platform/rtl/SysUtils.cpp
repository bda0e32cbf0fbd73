#include "platform/rtl/SysUtils.h"

#include <algorithm>

#include "platform/rtl/Exceptions.h"

namespace {

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Optional blanks, an optional sign, then decimal digits or "$" and
// hexadecimal digits. A decimal magnitude may reach `decimalMax` (one more
// when negative); a hexadecimal one `hexMax`, so that it may use every bit.
bool ParseMagnitude(const std::string& text, uint64_t decimalMax, uint64_t hexMax, bool& negative,
                    uint64_t& magnitude) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  const bool hex = i < text.size() && text[i] == '$';
  if (hex) ++i;
  if (i == text.size()) return false;
  const uint64_t base = hex ? 16 : 10;
  const uint64_t limit = hex ? hexMax : (negative ? decimalMax + 1 : decimalMax);
  magnitude = 0;
  for (; i < text.size(); ++i) {
    const int digit = HexDigitValue(text[i]);
    if (digit < 0 || static_cast<uint64_t>(digit) >= base) return false;
    if (magnitude > (limit - static_cast<uint64_t>(digit)) / base) return false;
    magnitude = magnitude * base + static_cast<uint64_t>(digit);
  }
  return true;
}

// Decimal values must fit a signed 32-bit integer; hexadecimal ones may use all
// 32 bits ("$FFFFFFFF" is -1), as the class library allows.
bool ParseInteger(const std::string& text, int32_t& result) {
  bool negative = false;
  uint64_t magnitude = 0;
  if (!ParseMagnitude(text, INT32_MAX, UINT32_MAX, negative, magnitude)) return false;
  const uint32_t bits = static_cast<uint32_t>(magnitude);
  result = static_cast<int32_t>(negative ? 0u - bits : bits);
  return true;
}

bool IsTrimmed(unsigned char c) { return c <= ' '; }

}  // namespace

bool TryStrToInt(const std::string& text, int32_t& value) {
  int32_t parsed = 0;
  if (!ParseInteger(text, parsed)) return false;
  value = parsed;
  return true;
}

int32_t StrToInt(const std::string& text) {
  int32_t value = 0;
  if (!ParseInteger(text, value)) throw EConvertError("'" + text + "' is not a valid integer value");
  return value;
}

bool TryStrToInt64(const std::string& text, int64_t& value) {
  bool negative = false;
  uint64_t magnitude = 0;
  if (!ParseMagnitude(text, INT64_MAX, UINT64_MAX, negative, magnitude)) return false;
  value = static_cast<int64_t>(negative ? 0 - magnitude : magnitude);
  return true;
}

int32_t StrToIntDef(const std::string& text, int32_t defaultValue) {
  int32_t value = 0;
  return ParseInteger(text, value) ? value : defaultValue;
}

std::string IntToStr(int64_t value) { return std::to_string(value); }

std::string IntToHex(uint64_t value, int digits) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text;
  do {
    text.insert(text.begin(), kDigits[value & 0xF]);
    value >>= 4;
  } while (value != 0);
  if (static_cast<int>(text.size()) < digits) text.insert(0, digits - text.size(), '0');
  return text;
}

std::string Trim(const std::string& text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && IsTrimmed(text[first])) ++first;
  while (last > first && IsTrimmed(text[last - 1])) --last;
  return text.substr(first, last - first);
}

std::string UpperCase(const std::string& text) {
  std::string upper = text;
  std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : static_cast<char>(c);
  });
  return upper;
}

// Compared in place: the form reader asks this of every property name it
// meets against every name of the class, and copies would cost start-up time.
bool SameText(const std::string& a, const std::string& b) {
  auto upper = [](unsigned char c) { return (c >= 'a' && c <= 'z') ? c - 32 : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&upper](char x, char y) {
           return upper(static_cast<unsigned char>(x)) == upper(static_cast<unsigned char>(y));
         });
}

std::string QuotedRuns(const std::string& text, const std::string& apostrophe) {
  std::string result;
  bool open = false;
  for (const char ch : text) {
    if (ch == '\'') {
      if (open) result += '\'';
      open = false;
      result += apostrophe;
      continue;
    }
    if (!open) result += '\'';
    open = true;
    result += ch;
  }
  if (open) result += '\'';
  return result;
}
