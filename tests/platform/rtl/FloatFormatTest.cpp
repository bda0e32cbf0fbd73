#include <gtest/gtest.h>

#include "platform/rtl/FloatFormat.h"
#include "tests/support/TestLocale.h"

TEST(FloatFormatTest, PicturesPlaceTheDigitsSignAndSeparators) {
  struct TCase {
    const char* Format;
    double Value;
    const char* Text;
  };
  const TCase cases[] = {
      {"0.00", 3.14159, "3.14"},
      {"0.00", -2.5, "-2.50"},
      {"0.00", -0.001, "0.00"},
      {"#.##", 0.5, ".5"},
      {"#.##", 2, "2"},
      {"0.0#", 1.25, "1.25"},
      {"0.0#", 1.2, "1.2"},
      {"000", 7, "007"},
      {"0", 12345, "12345"},
      {"#,##0", 1234567, "1,234,567"},
      {",0.00", -1234.5, "-1,234.50"},
      {"#,##0", 999, "999"},
      {".00", 12.5, "12.50"},
      {"0 'kg'", 3, "3 kg"},
      {"\"#\"0", 4, "#4"},
      {"0;(0);'zero'", 5, "5"},
      {"0;(0);'zero'", -5, "(5)"},
      {"0;(0);'zero'", 0, "zero"},
      {"0.0;;'none'", -1.26, "-1.3"},
      {"0.0;;'none'", 0, "none"},
      {"$0.00", 1e6, "$1000000.00"},
  };
  for (const TCase& c : cases) EXPECT_EQ(FormatFloat(c.Format, c.Value), c.Text) << c.Format << " " << c.Value;
}

TEST(FloatFormatTest, TheSeparatorsAreTheLocales) {
  const TTestLocale locale('-', '.', ',');
  EXPECT_EQ(FormatFloat("0.00", 1.5), "1,50");
}
