#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"

namespace {

constexpr double kMillisecond = 1.0 / 86400000;

std::string Text(const TDateTimeParts& p) {
  char text[48];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d", p.Year, p.Month, p.Day, p.Hour, p.Minute,
                p.Second, p.MilliSecond);
  return text;
}

std::string Decoded(double value) {
  TDateTimeParts parts;
  if (!TryDecodeDateTime(TDateTime{value}, parts)) return "invalid";
  return Text(parts);
}

}  // namespace

TEST(DateTimeTest, EncodesDaysAcrossMonthAndLeapYearBoundaries) {
  const struct {
    TDateTimeParts parts;
    double expected;
  } cases[] = {
      {{1899, 12, 30}, 0},
      {{1899, 12, 31}, 1},
      {{1900, 1, 1}, 2},
      {{1900, 2, 28}, 60},
      {{1900, 3, 1}, 61},
      {{2000, 2, 29}, 36585},
      {{2000, 3, 1}, 36586},
      {{2024, 2, 29}, 45351},
      {{2100, 3, 1}, 73110},
      {{1600, 2, 29}, -109512},
      {{1899, 1, 1}, -363},
      {{1, 1, 1}, -693593},
      {{9999, 12, 31}, 2958465},
      {{1899, 12, 30, 12}, 0.5},
      // Before day 0 the time of day still counts forward, so it lies below the whole day.
      {{1899, 12, 29, 6}, -1.25},
      {{1800, 1, 1, 18}, -36522.75},
  };
  for (const auto& c : cases) {
    TDateTime result;
    ASSERT_TRUE(TryEncodeDateTime(c.parts, result)) << Text(c.parts);
    EXPECT_EQ(result.Value, c.expected) << Text(c.parts);
  }
}

TEST(DateTimeTest, RefusesPartsThatNameNoMoment) {
  const TDateTimeParts cases[] = {
      {1900, 2, 29},
      {2100, 2, 29},
      {2023, 2, 29},
      {2000, 2, 30},
      {2024, 4, 31},
      {2024, 0, 1},
      {2024, 13, 1},
      {2024, 1, 0},
      {0, 12, 31},
      {10000, 1, 1},
      {2024, 1, 1, 24},
      {2024, 1, 1, 0, 60},
      {2024, 1, 1, 0, 0, 60},
      {2024, 1, 1, 0, 0, 0, 1000},
      {2024, 1, 1, -1},
      {2024, 1, 1, 0, 0, 0, -1},
  };
  for (const TDateTimeParts& parts : cases) {
    TDateTime result{7};
    EXPECT_FALSE(TryEncodeDateTime(parts, result)) << Text(parts);
    EXPECT_EQ(result.Value, 7);
  }
}

TEST(DateTimeTest, EveryDayRoundTripsAtBothEndsOfTheDay) {
  const struct {
    int first, last;
  } ranges[] = {{-693593, -692800}, {-109900, -109100}, {-800, 800},
                {36200, 37000},     {73000, 73200},     {2957700, 2958465}};
  const TDateTimeParts times[] = {{0, 0, 0}, {0, 0, 0, 23, 59, 59, 999}, {0, 0, 0, 0, 0, 0, 1}};
  for (const auto& range : ranges) {
    for (int day = range.first; day <= range.last; ++day) {
      for (const TDateTimeParts& time : times) {
        TDateTimeParts date;
        ASSERT_TRUE(TryDecodeDateTime(TDateTime{static_cast<double>(day)}, date)) << day;
        const TDateTimeParts parts{date.Year,   date.Month,  date.Day,        time.Hour,
                                   time.Minute, time.Second, time.MilliSecond};
        TDateTime encoded;
        ASSERT_TRUE(TryEncodeDateTime(parts, encoded)) << Text(parts);
        EXPECT_EQ(std::trunc(encoded.Value), day) << Text(parts);
        EXPECT_EQ(Decoded(encoded.Value), Text(parts)) << day;
      }
    }
  }
}

TEST(DateTimeTest, DecodesToTheNearestMillisecond) {
  const struct {
    double value;
    const char* expected;
  } cases[] = {
      {0.5 + 0.4 * kMillisecond, "1899-12-30 12:00:00.000"},
      {0.5 + 0.6 * kMillisecond, "1899-12-30 12:00:00.001"},
      {-1.25, "1899-12-29 06:00:00.000"},
      {-0.5, "1899-12-30 12:00:00.000"},
      {-693593.5, "0001-01-01 12:00:00.000"},
      {2958465.999, "9999-12-31 23:58:33.600"},
      // Within half a millisecond of the next midnight: the next day.
      {1.9999999999, "1900-01-01 00:00:00.000"},
      {-1.9999999999, "1899-12-30 00:00:00.000"},
      {-0.9999999999, "1899-12-31 00:00:00.000"},
      {-2.0000000001, "1899-12-28 00:00:00.000"},
  };
  for (const auto& c : cases) EXPECT_EQ(Decoded(c.value), c.expected) << c.value;
}

TEST(DateTimeTest, RefusesToDecodeValuesOutsideTheYearsOneToNineThousandNineHundredNinetyNine) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (const double value : {-693594.0, -693594.5, 2958466.0, 2958465.9999999999, 1e300, -1e300, nan, inf, -inf})
    EXPECT_EQ(Decoded(value), "invalid") << value;
}

TEST(DateTimeTest, TextLeavesOutMidnightAndRefusesNonDates) {
  EXPECT_EQ(DateTimeToStr(TDateTime{45351}), "2024-02-29");
  EXPECT_EQ(DateTimeToStr(TDateTime{-1.25}), "1899-12-29 06:00:00");
  EXPECT_EQ(DateTimeToStr(TDateTime{45351 + 0.5 * kMillisecond + kMillisecond}), "2024-02-29 00:00:00");
  EXPECT_THROW(DateTimeToStr(TDateTime{std::numeric_limits<double>::quiet_NaN()}), EConvertError);
  EXPECT_THROW(DateTimeToStr(TDateTime{3e6}), EConvertError);
}

TEST(DateTimeTest, ReadsTheFormsItWrites) {
  const struct {
    const char* text;
    TDateTimeParts parts;
  } cases[] = {
      {"2024-02-29", {2024, 2, 29}},
      {"2024-2-9 7:05", {2024, 2, 9, 7, 5}},
      {"2024-02-29 23:59:59", {2024, 2, 29, 23, 59, 59}},
      {"2024-02-29 23:59:59.999", {2024, 2, 29, 23, 59, 59, 999}},
      {"1899-12-29 06:00", {1899, 12, 29, 6}},
      {"0001-01-01", {1, 1, 1}},
      {"12:30", {1899, 12, 30, 12, 30}},
      {"00:00:01.500", {1899, 12, 30, 0, 0, 1, 500}},
  };
  for (const auto& c : cases) {
    TDateTime read, encoded;
    ASSERT_TRUE(TryStrToDateTime(c.text, read)) << c.text;
    ASSERT_TRUE(TryEncodeDateTime(c.parts, encoded)) << c.text;
    EXPECT_EQ(read.Value, encoded.Value) << c.text;
  }
  for (const double value : {45351.0, -1.25, 45351.75, 0.5}) {
    TDateTime read;
    ASSERT_TRUE(TryStrToDateTime(DateTimeToStr(TDateTime{value}), read)) << value;
    EXPECT_EQ(read.Value, value);
  }
}

TEST(DateTimeTest, RefusesTextThatIsNoDate) {
  for (const char* text : {"", " ", "2023-02-29", "2024-02-29 ", " 2024-02-29", "2024-02-29T12:00", "24:00", "12:5",
                           "12:30:1", "12:30:15.25", "12:30:15.2500", "99999-01-01", "-2024-01-01", "24-01-01",
                           "2024-01-01 12:00 x", "2024/01/01", "12", "12:", "2024-001-01"}) {
    TDateTime result{7};
    EXPECT_FALSE(TryStrToDateTime(text, result)) << text;
    EXPECT_EQ(result.Value, 7) << text;
  }
}
