#pragma once
// The class library's date and time: days since 1899-12-30 as a double, the
// time of day as the fraction. Before that day the whole part counts back and
// the fraction still counts forward ("-1.25" is 1899-12-29 06:00).
#include <cstdint>
#include <string>

struct TDateTime {
  double Value = 0;

  friend bool operator==(TDateTime a, TDateTime b) = default;
};

struct TDateTimeParts {
  int Year = 0, Month = 0, Day = 0;
  int Hour = 0, Minute = 0, Second = 0, MilliSecond = 0;
};

// False for a date outside 0001-01-01 .. 9999-12-31 or a time outside a day.
bool TryEncodeDateTime(const TDateTimeParts& parts, TDateTime& result);
// To the nearest millisecond. False when the value lies outside the years
// 1..9999 or is not finite.
bool TryDecodeDateTime(TDateTime value, TDateTimeParts& parts);

// "yyyy-mm-dd hh:nn:ss", without the time at midnight. Regional formats are
// not ours to know at this level, so the text is the same on every machine.
// Raises EConvertError for a value that is no date.
std::string DateTimeToStr(TDateTime value);
// Reads the form DateTimeToStr writes, with optional ".zzz" milliseconds,
// "hh:nn" without seconds, or a time alone.
bool TryStrToDateTime(const std::string& text, TDateTime& result);
