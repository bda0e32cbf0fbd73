#include "platform/rtl/SQLTimeStamp.h"

#include "platform/rtl/Exceptions.h"

TDateTime SQLTimeStampToDateTime(const TSQLTimeStamp& value) {
  // An empty record, as a fresh buffer holds it, is day 0 rather than an error.
  if (value == TSQLTimeStamp{}) return TDateTime{};
  const TDateTimeParts parts{
      value.Year, value.Month, value.Day, value.Hour, value.Minute, value.Second, static_cast<int>(value.Fractions)};
  TDateTime result;
  if (value.Fractions > 999 || !TryEncodeDateTime(parts, result)) throw EConvertError("Invalid SQL time stamp");
  return result;
}

TSQLTimeStamp DateTimeToSQLTimeStamp(TDateTime value) {
  TDateTimeParts parts;
  if (!TryDecodeDateTime(value, parts)) throw EConvertError("Invalid date");
  return TSQLTimeStamp{static_cast<int16_t>(parts.Year),        static_cast<uint16_t>(parts.Month),
                       static_cast<uint16_t>(parts.Day),        static_cast<uint16_t>(parts.Hour),
                       static_cast<uint16_t>(parts.Minute),     static_cast<uint16_t>(parts.Second),
                       static_cast<uint32_t>(parts.MilliSecond)};
}
