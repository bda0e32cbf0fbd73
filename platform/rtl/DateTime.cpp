#include "platform/rtl/DateTime.h"

#include <cmath>
#include <cstdio>

#include "platform/rtl/Exceptions.h"

namespace {

constexpr int64_t kMillisecondsPerDay = 86400000;

// Days from 1970-01-01 in the proleptic Gregorian calendar (H. Hinnant's
// civil-days algorithm).
int64_t DaysFromCivil(int64_t year, unsigned month, unsigned day) {
  year -= month <= 2;
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
  const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + static_cast<int64_t>(dayOfEra) - 719468;
}

void CivilFromDays(int64_t days, int& year, int& month, int& day) {
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const unsigned dayOfEra = static_cast<unsigned>(days - era * 146097);
  const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const unsigned monthIndex = (5 * dayOfYear + 2) / 153;
  day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  year = static_cast<int>(static_cast<int64_t>(yearOfEra) + era * 400 + (month <= 2));
}

const int64_t kEpochDays = DaysFromCivil(1899, 12, 30);

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

bool IsValidTime(int hour, int minute, int second, int milliSecond) {
  return hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60 && milliSecond >= 0 &&
         milliSecond < 1000;
}

// Reads an unsigned decimal of minDigits..maxDigits digits at `position`.
bool ReadNumber(const std::string& text, size_t& position, size_t minDigits, size_t maxDigits, int& value) {
  size_t count = 0;
  value = 0;
  while (position < text.size() && count < maxDigits && text[position] >= '0' && text[position] <= '9') {
    value = value * 10 + (text[position++] - '0');
    ++count;
  }
  return count >= minDigits;
}

bool ReadChar(const std::string& text, size_t& position, char c) {
  if (position >= text.size() || text[position] != c) return false;
  ++position;
  return true;
}

bool ReadDate(const std::string& text, size_t& position, TDateTimeParts& parts) {
  return ReadNumber(text, position, 4, 4, parts.Year) && ReadChar(text, position, '-') &&
         ReadNumber(text, position, 1, 2, parts.Month) && ReadChar(text, position, '-') &&
         ReadNumber(text, position, 1, 2, parts.Day);
}

bool ReadTime(const std::string& text, size_t& position, TDateTimeParts& parts) {
  if (!ReadNumber(text, position, 1, 2, parts.Hour) || !ReadChar(text, position, ':') ||
      !ReadNumber(text, position, 2, 2, parts.Minute))
    return false;
  if (ReadChar(text, position, ':') && !ReadNumber(text, position, 2, 2, parts.Second)) return false;
  if (ReadChar(text, position, '.') && !ReadNumber(text, position, 3, 3, parts.MilliSecond)) return false;
  return true;
}

}  // namespace

bool TryEncodeDateTime(const TDateTimeParts& parts, TDateTime& result) {
  if (!IsValidDate(parts.Year, parts.Month, parts.Day) ||
      !IsValidTime(parts.Hour, parts.Minute, parts.Second, parts.MilliSecond))
    return false;
  const double days = static_cast<double>(DaysFromCivil(parts.Year, parts.Month, parts.Day) - kEpochDays);
  const int64_t milliseconds = ((parts.Hour * 60 + parts.Minute) * 60 + parts.Second) * 1000 + parts.MilliSecond;
  const double time = static_cast<double>(milliseconds) / kMillisecondsPerDay;
  result.Value = days < 0 ? days - time : days + time;
  return true;
}

bool TryDecodeDateTime(TDateTime value, TDateTimeParts& parts) {
  constexpr double kFirstDay = -693593;      // 0001-01-01
  constexpr double kDayAfterLast = 2958466;  // 10000-01-01
  if (!(value.Value > kFirstDay - 1 && value.Value < kDayAfterLast)) return false;
  const double wholeDays = std::trunc(value.Value);
  int64_t days = static_cast<int64_t>(wholeDays);
  int64_t milliseconds = std::llround(std::fabs(value.Value - wholeDays) * kMillisecondsPerDay);
  // The fraction counts forward on either side of day 0, so a time that
  // rounds up to midnight is the start of the following day.
  if (milliseconds == kMillisecondsPerDay) {
    milliseconds = 0;
    ++days;
  }
  CivilFromDays(days + kEpochDays, parts.Year, parts.Month, parts.Day);
  parts.MilliSecond = static_cast<int>(milliseconds % 1000);
  parts.Second = static_cast<int>(milliseconds / 1000 % 60);
  parts.Minute = static_cast<int>(milliseconds / 60000 % 60);
  parts.Hour = static_cast<int>(milliseconds / 3600000);
  return parts.Year >= 1 && parts.Year <= 9999;
}

std::string DateTimeToStr(TDateTime value) {
  TDateTimeParts parts;
  if (!TryDecodeDateTime(value, parts)) throw EConvertError("Invalid date");
  char text[32];
  if (parts.Hour == 0 && parts.Minute == 0 && parts.Second == 0 && parts.MilliSecond == 0)
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", parts.Year, parts.Month, parts.Day);
  else
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", parts.Year, parts.Month, parts.Day, parts.Hour,
                  parts.Minute, parts.Second);
  return text;
}

bool TryStrToDateTime(const std::string& text, TDateTime& result) {
  TDateTimeParts parts;
  size_t position = 0;
  if (text.find('-') != std::string::npos) {
    if (!ReadDate(text, position, parts)) return false;
    if (ReadChar(text, position, ' ') && !ReadTime(text, position, parts)) return false;
  } else {
    // A time alone belongs to day 0.
    parts.Year = 1899;
    parts.Month = 12;
    parts.Day = 30;
    if (!ReadTime(text, position, parts)) return false;
  }
  return position == text.size() && TryEncodeDateTime(parts, result);
}
