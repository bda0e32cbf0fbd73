#include <gtest/gtest.h>

#include "platform/rtl/Locale.h"

namespace {

class TCommaLocale : public TInvariantLocale {
 public:
  char DecimalSeparator() const override { return ','; }
};

}  // namespace

TEST(LocaleTest, AChosenLocaleIsCurrentUntilTheSystemsIsRestored) {
  TCommaLocale comma;
  SetCurrentLocale(&comma);
  EXPECT_EQ(CurrentLocale().DecimalSeparator(), ',');
  SetCurrentLocale(nullptr);
  EXPECT_NE(&CurrentLocale(), static_cast<TLocale*>(&comma));
}

TEST(LocaleTest, TheInvariantLocaleUpperCasesAsciiLettersOnly) {
  const TInvariantLocale invariant;
  EXPECT_EQ(invariant.UpperCase('a'), 'A');
  EXPECT_EQ(invariant.UpperCase('z'), 'Z');
  EXPECT_EQ(invariant.UpperCase('A'), 'A');
  EXPECT_EQ(invariant.UpperCase('{'), '{');
  EXPECT_EQ(invariant.UpperCase('\xe0'), '\xe0');
}

#ifdef _WIN32
// Wine's default locale reads ANSI code page 1252, whose accented letters
// have upper cases of their own.
TEST(LocaleTest, TheRegionalLocaleUpperCasesByTheAnsiCodePage) {
  const TLocale& regional = CurrentLocale();
  EXPECT_EQ(regional.UpperCase('a'), 'A');
  EXPECT_EQ(regional.UpperCase('\xe0'), '\xc0');
  EXPECT_EQ(regional.UpperCase('\xf7'), '\xf7');
  EXPECT_NE(regional.DateSeparator(), '\0');
  EXPECT_NE(regional.TimeSeparator(), '\0');
  EXPECT_NE(regional.DecimalSeparator(), '\0');
}
#endif
