#pragma once
// Text and number conversions of the class library. Texts are byte strings:
// nothing here transcodes, and letters are compared and cased in ASCII only.
#include <cstdint>
#include <string>

// Strict conversion: optional blanks, an optional sign, then decimal digits or
// "$" and hexadecimal digits. Raises EConvertError "'x' is not a valid integer value".
int32_t StrToInt(const std::string& text);
// Lenient conversion: the default when the strict one would raise.
int32_t StrToIntDef(const std::string& text, int32_t defaultValue);
bool TryStrToInt(const std::string& text, int32_t& value);
// The same forms over 64 bits ("$FFFFFFFFFFFFFFFF" is -1); `value` is left
// alone when the text is not such a number.
bool TryStrToInt64(const std::string& text, int64_t& value);

std::string IntToStr(int64_t value);
// Upper-case hexadecimal, at least `digits` wide, padded with "0".
std::string IntToHex(uint64_t value, int digits);

// Removes blanks and control characters at both ends.
std::string Trim(const std::string& text);
std::string UpperCase(const std::string& text);
// The runs of `text` without apostrophes, each between apostrophes, with
// `apostrophe` standing for every apostrophe of the text between them.
std::string QuotedRuns(const std::string& text, const std::string& apostrophe);
bool SameText(const std::string& a, const std::string& b);
