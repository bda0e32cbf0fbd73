#pragma once
// The database layer's time stamp: separate fields instead of a day count, so
// it keeps what a server sent even where TDateTime would round.
#include <cstdint>

#include "platform/rtl/DateTime.h"

struct TSQLTimeStamp {
  int16_t Year = 0;
  uint16_t Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
  uint32_t Fractions = 0;  // milliseconds

  friend bool operator==(const TSQLTimeStamp& a, const TSQLTimeStamp& b) = default;
};
static_assert(sizeof(TSQLTimeStamp) == 16);

// Raises EConvertError "Invalid SQL time stamp" for fields that name no
// moment; all fields zero are day 0.
TDateTime SQLTimeStampToDateTime(const TSQLTimeStamp& value);
// Raises EConvertError "Invalid date" for a value outside the years 1..9999.
TSQLTimeStamp DateTimeToSQLTimeStamp(TDateTime value);
