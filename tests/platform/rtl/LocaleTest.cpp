#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/rtl/Locale.h"
#include "tests/support/TestLocale.h"

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

TEST(LocaleTest, TheRegionalLocaleReadsPicturesNamesAndCurrencySettings) {
  const TLocale& regional = CurrentLocale();
  for (const std::string& picture : {regional.ShortTimeFormat(), regional.LongTimeFormat()}) {
    EXPECT_FALSE(picture.empty());
    EXPECT_EQ(picture.find_first_of("tHm"), std::string::npos) << picture;
  }
  EXPECT_FALSE(regional.ShortDateFormat().empty());
  EXPECT_FALSE(regional.LongDateFormat().empty());
  for (int month = 1; month <= 12; ++month) {
    EXPECT_FALSE(regional.ShortMonthName(month).empty()) << month;
    EXPECT_GE(regional.LongMonthName(month).size(), regional.ShortMonthName(month).size()) << month;
  }
  EXPECT_EQ(regional.LongMonthName(13), "");
  EXPECT_FALSE(regional.CurrencyString().empty());
  EXPECT_GE(regional.CurrencyFormat(), 0);
  EXPECT_LE(regional.CurrencyFormat(), 3);
  EXPECT_GE(regional.NegCurrFormat(), 0);
  EXPECT_LE(regional.NegCurrFormat(), 15);
  EXPECT_GE(regional.FirstDayOfWeek(), 0);
  EXPECT_LE(regional.FirstDayOfWeek(), 6);
}
#endif

namespace {

struct TPictureCase {
  const char* Picture;
  bool Time;
  const char* Format;
};

const TPictureCase kPictureCases[] = {
    {"M/d/yyyy", false, "M/d/yyyy"},
    {"dddd, MMMM d, yyyy", false, "dddd, MMMM d, yyyy"},
    {"dd.MM.yy", false, "dd.MM.yy"},
    {"d 'de' MMMM 'de' yyyy", false, "d 'de' MMMM 'de' yyyy"},
    {"gg yyyy/M/d", false, "gg yyyy/M/d"},
    {"yyyy h", false, "yyyy 'h'"},
    {"d a M", false, "d 'a' M"},
    {"d\"M", false, "d'\"'M"},
    {"d''M", false, "d\"'\"M"},
    {"h:mm:ss tt", true, "h:nn:ss AMPM"},
    {"tt h:mm", true, "AMPM h:nn"},
    {"H:mm t", true, "h:nn AMPM"},
    {"HH:mm", true, "hh:nn"},
    {"mm:ss", true, "nn:ss"},
    {"H 'h' mm", true, "h 'h' nn"},
    {"h 'o''clock'", true, "h 'o'\"'\"'clock'"},
    {"'unclosed", true, "'unclosed'"},
    {"hh:mm d", true, "hh:nn 'd'"},
};

TEST(LocaleTest, SystemPicturesTurnIntoTheLibrarysSyntax) {
  for (const TPictureCase& c : kPictureCases)
    EXPECT_EQ(SystemPictureToFormat(c.Picture, c.Time), c.Format) << c.Picture;
}

TEST(LocaleTest, ATwoByteCharacterOfAPictureStaysWhole) {
  TTestFormatLocale locale;
  locale.LeadByte = '\x81';
  EXPECT_EQ(SystemPictureToFormat("h\x81m mm", true), "h\x81m nn");
  EXPECT_EQ(SystemPictureToFormat("d\x81", false), "d\x81");
}

TEST(LocaleTest, LiteralTextIsQuotedWithItsApostrophesInQuotes) {
  const std::pair<const char*, const char*> cases[] = {
      {"", ""}, {"ab", "'ab'"}, {"'", "\"'\""}, {"a'b", "'a'\"'\"'b'"}, {"\"", "'\"'"}};
  for (const auto& [text, quoted] : cases) EXPECT_EQ(QuotedFormatLiteral(text), quoted) << text;
}

}  // namespace

// A double-byte character's trail byte may be a letter's code: it keeps its
// case, and no cut splits the character.
TEST(LocaleTest, WholeTextsAreCasedAndCutByCharacters) {
  TTestFormatLocale locale;
  locale.LeadByte = '\x81';
  const std::string wide =
      "\x81"
      "a";
  struct TCase {
    std::string Text;
    std::string Upper;
    std::string Lower;
    int Characters;
    int Cut;
    std::string Left;
  };
  const TCase cases[] = {
      {"Abc\xe0", "ABC\xc0", "abc\xe0", 4, 2, "Ab"},
      {"x" + wide + "y", "X" + wide + "Y", "x" + wide + "y", 3, 2, "x" + wide},
      {"x" + wide, "X" + wide, "x" + wide, 2, 1, "x"},
      {wide + wide, wide + wide, wide + wide, 2, 1, wide},
      {"ab\x81", "AB\x81", "ab\x81", 3, 5, "ab\x81"},
      {"", "", "", 0, 3, ""},
      {"abc", "ABC", "abc", 3, 0, ""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Text);
    EXPECT_EQ(AnsiUpperCase(c.Text), c.Upper);
    EXPECT_EQ(AnsiLowerCase(c.Upper), c.Lower);
    EXPECT_EQ(CharacterCount(c.Text), c.Characters);
    EXPECT_EQ(LeftCharacters(c.Text, c.Cut), c.Left);
  }
  EXPECT_EQ(AnsiCompareText("apple", "APPLE"), 0);
  EXPECT_LT(AnsiCompareText("Apple", "apricot"), 0);
  EXPECT_GT(AnsiCompareText("b", "A"), 0);
}

#ifdef _WIN32
TEST(LocaleTest, TheRegionalLocaleLowerCasesByTheAnsiCodePage) {
  const TLocale& regional = CurrentLocale();
  EXPECT_EQ(regional.LowerCase('A'), 'a');
  EXPECT_EQ(regional.LowerCase('\xc0'), '\xe0');
  EXPECT_EQ(regional.LowerCase('\xd7'), '\xd7');
  EXPECT_EQ(regional.LowerCase('1'), '1');
}
#endif
