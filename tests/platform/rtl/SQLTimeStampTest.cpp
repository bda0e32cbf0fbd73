#include <gtest/gtest.h>

#include <limits>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SQLTimeStamp.h"

TEST(SQLTimeStampTest, FieldsRoundTripThroughTheDayCount) {
  const struct {
    TSQLTimeStamp stamp;
    double value;
  } cases[] = {
      {{1899, 12, 30, 0, 0, 0, 0}, 0},
      {{1899, 12, 29, 6, 0, 0, 0}, -1.25},
      {{1900, 3, 1, 12, 0, 0, 0}, 61.5},
      {{1, 1, 1, 0, 0, 0, 0}, -693593},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SQLTimeStampToDateTime(c.stamp).Value, c.value);
    EXPECT_EQ(DateTimeToSQLTimeStamp(TDateTime{c.value}), c.stamp) << c.value;
  }
  for (const TSQLTimeStamp& stamp :
       {TSQLTimeStamp{2024, 2, 29, 13, 5, 59, 999}, TSQLTimeStamp{9999, 12, 31, 23, 59, 59, 999},
        TSQLTimeStamp{1, 1, 1, 23, 59, 59, 999}, TSQLTimeStamp{1899, 12, 29, 0, 0, 0, 1}})
    EXPECT_EQ(DateTimeToSQLTimeStamp(SQLTimeStampToDateTime(stamp)), stamp) << stamp.Year;
}

TEST(SQLTimeStampTest, AnEmptyRecordIsDayZeroButDayZeroIsAFullDate) {
  EXPECT_EQ(SQLTimeStampToDateTime(TSQLTimeStamp{}).Value, 0);
  EXPECT_EQ(DateTimeToSQLTimeStamp(TDateTime{}), (TSQLTimeStamp{1899, 12, 30, 0, 0, 0, 0}));
}

TEST(SQLTimeStampTest, FieldsThatNameNoMomentRaise) {
  const TSQLTimeStamp cases[] = {
      {2023, 2, 29, 0, 0, 0, 0},
      {2024, 13, 1, 0, 0, 0, 0},
      {-5, 1, 1, 0, 0, 0, 0},
      {0, 0, 0, 12, 0, 0, 0},
      {2024, 1, 1, 24, 0, 0, 0},
      {2024, 1, 1, 0, 0, 0, 1000},
      {2024, 1, 1, 0, 0, 0, 3000000000u},
      {2024, 65535, 1, 0, 0, 0, 0},
      {2024, 1, 1, 0, 65535, 0, 0},
  };
  for (const TSQLTimeStamp& stamp : cases) {
    try {
      SQLTimeStampToDateTime(stamp);
      ADD_FAILURE() << stamp.Year << "-" << stamp.Month << "-" << stamp.Day;
    } catch (const EConvertError& error) {
      EXPECT_EQ(error.Message(), "Invalid SQL time stamp");
    }
  }
}

TEST(SQLTimeStampTest, DayCountsOutsideTheCalendarRaise) {
  for (const double value :
       {-693594.0, 2958466.0, 1e300, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()})
    EXPECT_THROW(DateTimeToSQLTimeStamp(TDateTime{value}), EConvertError) << value;
}
