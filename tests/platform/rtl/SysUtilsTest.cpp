#include <gtest/gtest.h>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"

TEST(StrToInt, ReadsDecimalWithSignAndLeadingBlanks) {
  EXPECT_EQ(StrToInt("42"), 42);
  EXPECT_EQ(StrToInt("  -17"), -17);
  EXPECT_EQ(StrToInt("+5"), 5);
  EXPECT_EQ(StrToInt("2147483647"), 2147483647);
  EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
}

TEST(StrToInt, ReadsDollarPrefixedHexadecimalOverAllThirtyTwoBits) {
  EXPECT_EQ(StrToInt("$A2"), 162);
  EXPECT_EQ(StrToInt("$30"), 48);
  EXPECT_EQ(StrToInt("$ff"), 255);
  EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
}

TEST(StrToInt, RejectsWhatIsNotAWholeNumberWithTheLibraryText) {
  for (const char* text : {"", " ", "-", "$", "12a", "1 ", "2147483648", "-2147483649", "$100000000", "1.5", "0x10"}) {
    EXPECT_THROW(StrToInt(text), EConvertError) << text;
  }
  try {
    StrToInt("abc");
    FAIL();
  } catch (const EConvertError& error) {
    EXPECT_EQ(error.Message(), "'abc' is not a valid integer value");
  }
}

TEST(StrToIntDef, GivesTheDefaultOnlyWhenTheTextIsNotANumber) {
  EXPECT_EQ(StrToIntDef("x", -1), -1);
  EXPECT_EQ(StrToIntDef("", 7), 7);
  EXPECT_EQ(StrToIntDef("0", 7), 0);
  int32_t value = 99;
  EXPECT_FALSE(TryStrToInt("9x", value));
  EXPECT_EQ(value, 99);
}

TEST(TryStrToInt64, ReadsTheIntegerFormsOverSixtyFourBits) {
  struct TCase {
    const char* Text;
    int64_t Value;
  };
  const TCase cases[] = {
      {"5", 5},
      {"  -17", -17},
      {"+9223372036854775807", INT64_MAX},
      {"-9223372036854775808", INT64_MIN},
      {"$ff", 255},
      {"$7FFFFFFFFFFFFFFF", INT64_MAX},
      {"$FFFFFFFFFFFFFFFF", -1},
      {"-$10", -16},
      {"0000000000000000000000042", 42},
  };
  for (const TCase& c : cases) {
    int64_t value = 0;
    EXPECT_TRUE(TryStrToInt64(c.Text, value)) << c.Text;
    EXPECT_EQ(value, c.Value) << c.Text;
  }
}

TEST(TryStrToInt64, RejectsOverflowAndWhatIsNotAWholeNumberLeavingTheValue) {
  for (const char* text : {"", " ", "-", "$", "x", "12a", "1 ", "1.5", "0x10", "9223372036854775808",
                           "-9223372036854775809", "$10000000000000000", "18446744073709551616"}) {
    int64_t value = 99;
    EXPECT_FALSE(TryStrToInt64(text, value)) << text;
    EXPECT_EQ(value, 99) << text;
  }
}

TEST(IntToHex, IsUpperCaseAndPaddedToTheWidth) {
  EXPECT_EQ(IntToHex(0xA2, 2), "A2");
  EXPECT_EQ(IntToHex(5, 2), "05");
  EXPECT_EQ(IntToHex(0x1234, 2), "1234");
  EXPECT_EQ(IntToHex(0, 1), "0");
}

TEST(Trim, RemovesBlanksAndControlCharactersAtBothEndsOnly) {
  EXPECT_EQ(Trim("  a b \t\r\n"), "a b");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim("\xB9x"), "\xB9x");
}

TEST(SameText, IgnoresAsciiCaseOnly) {
  EXPECT_TRUE(SameText("Dev1", "DEV1"));
  EXPECT_FALSE(SameText("Dev1", "Dev2"));
  EXPECT_FALSE(SameText("Dev", "Dev1"));
  EXPECT_FALSE(SameText("\xE0", "\xC0"));
  EXPECT_FALSE(SameText("[@", "{`"));
  EXPECT_TRUE(SameText("", ""));
  EXPECT_EQ(UpperCase("localhost\xE0"), "LOCALHOST\xE0");
}
