#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/editors/engines/cxDateUtils.h"
#include "controls/editors/engines/cxFormatControllerScan.h"
#include "controls/editors/engines/cxRegExpr.h"
#include "tests/support/TestLocale.h"

namespace {

// The items one to a word: literals in apostrophes, separators as "/" and
// ":", the others as kind=data.
std::string ItemsText(const TcxDateTimeFormatInfo& info) {
  static const char* const kNames[] = {"", "year", "month", "day", "hour", "min", "sec", "msec", "suffix"};
  std::string text;
  for (const TcxDateTimeFormatItem& item : info.Items) {
    if (!text.empty()) text += ' ';
    if (item.Kind == dtikString)
      text += "'" + item.Data + "'";
    else if (item.Kind == dtikDateSeparator)
      text += "/";
    else if (item.Kind == dtikTimeSeparator)
      text += ":";
    else
      text += std::string(kNames[item.Kind]) + "=" + item.Data;
  }
  return text;
}

TcxDateTimeFormatInfo Scanned(const std::string& format) {
  TcxDateTimeFormatInfo info;
  EXPECT_TRUE(ScanDateTimeFormat(format, info)) << format;
  return info;
}

// True when the expression compiles and takes the whole text as complete.
bool Accepts(const std::string& expression, const std::string& text) {
  TcxRegExpr engine;
  TMemoryStream stream;
  stream.WriteBuffer(expression.data(), static_cast<int64_t>(expression.size()));
  try {
    engine.Compile(&stream);
  } catch (const EcxRegExprError&) {
    ADD_FAILURE() << "refused: " << expression;
    return false;
  }
  for (char ch : text)
    if (!engine.Next(ch)) return false;
  return engine.IsFinal();
}

// The info of a picture, empty when the scan fails (as for an era).
TcxDateTimeFormatInfo ScannedOrEmpty(const std::string& format) {
  TcxDateTimeFormatInfo info;
  ScanDateTimeFormat(format, info);
  return info;
}

std::string DateEditRegExpr(const std::string& shortDate) { return BuildDateEditRegExpr(ScannedOrEmpty(shortDate)); }

std::string DateTimeEditRegExpr(const std::string& shortDate, const std::string& longTime) {
  return BuildDateTimeEditRegExpr(ScannedOrEmpty(shortDate), ScannedOrEmpty(longTime));
}

class cxFormatControllerScanTest : public testing::Test {
 protected:
  TTestFormatLocale Locale;
};

struct TScanCase {
  const char* Format;
  const char* Items;
};

// With the test locale's pictures: d/M/yyyy, "dddd, d MMMM yyyy", hh:nn, hh:nn:ss.
const TScanCase kScanCases[] = {
    {"d/M/yyyy", "day=D / month=M / year=YYYY"},
    {"HH:mm", "hour=24HH : min=NN"},
    {"dd/mm/yyyy hh:mm", "day=DD / month=MM / year=YYYY ' ' hour=24HH : min=NN"},
    {"yy/mm/dd", "year=YY / month=MM / day=DD"},
    {"yyy/mm", "year=YYYY / month=MM"},
    {"nn:ss AM/PM", "min=NN : sec=SS ' '"},
    {"h:nn am/pm", "hour=12H : min=NN ' ' suffix=am/pm"},
    {"hh:nn a/p", "hour=12HH : min=NN ' ' suffix=a/p"},
    {"hh:nn ampm", "hour=12HH : min=NN ' ' suffix=AMPM"},
    {"", "day=D / month=M / year=YYYY ' ' hour=24HH : min=NN : sec=SS"},
    {"c", "day=D / month=M / year=YYYY ' ' hour=24HH : min=NN : sec=SS"},
    {"c am/pm", "day=D / month=M / year=YYYY ' ' hour=24HH : min=NN : sec=SS ' ' suffix=am/pm"},
    {"ddddd", "day=D / month=M / year=YYYY"},
    {"dddddd", "day=DDDD ',  ' month=MMMM ' ' year=YYYY"},
    {"t", "hour=24HH : min=NN"},
    {"tt", "hour=24HH : min=NN : sec=SS"},
    {"aaaa, d", "day=DDDD ', '"},
    {"aaa", "day=DDD"},
    {"a", "'a'"},
    {"'h' hh \"o'clock\"", "'h ' hour=24HH ' o'clock'"},
    {"'unclosed", "'unclosed'"},
    {"hhh:mmmmm:sss.zzzz", "hour=24HH : min=NN : sec=SS '.' msec=ZZZ"},
    {"MMMMM e yyyy", "month=MMMM ' ' year=YY ' '"},
    {"Dd", "day=D"},
    {"d-M-y ''", "day=D '-' month=M '-' year=YY ' '"},
};

TEST_F(cxFormatControllerScanTest, PicturesScanIntoItems) {
  for (const TScanCase& c : kScanCases) EXPECT_EQ(ItemsText(Scanned(c.Format)), c.Items) << c.Format;
}

TEST_F(cxFormatControllerScanTest, ATwoByteCharacterIsTextAndEndsTheHour) {
  Locale.LeadByte = '\x81';
  EXPECT_EQ(ItemsText(Scanned("hh\x81hmm")), "hour=24HH '\x81h' month=MM");
  EXPECT_EQ(ItemsText(Scanned("d\x81")), "day=D '\x81'");
}

TEST_F(cxFormatControllerScanTest, AnEraFailsTheScanAndEmptiesTheInfo) {
  for (const char* format : {"gg yyyy", "d/M/yyyy g", "c"}) {
    Locale.ShortDate = "gg d/M/yyyy";
    TcxDateTimeFormatInfo info = Scanned("d/M");
    EXPECT_FALSE(ScanDateTimeFormat(format, info)) << format;
    EXPECT_TRUE(info.Items.empty()) << format;
    EXPECT_EQ(info.DefinedItems, TcxDateTimeFormatInfo{}.DefinedItems) << format;
  }
}

TEST_F(cxFormatControllerScanTest, APictureExpandsIntoAnotherOnlyOnce) {
  Locale.ShortDate = "ddddd";
  Locale.LongTime = "yy tt";
  EXPECT_EQ(ItemsText(Scanned("ddddd")), "");
  EXPECT_EQ(ItemsText(Scanned("c")), "' ' year=YY ' '");
}

struct TMaskCase {
  const char* Format;
  TcxDateTimeEditMaskMode Mode;
  const char* Mask;
};

const TMaskCase kMaskCases[] = {
    {"d/M/yyyy", dtemmDate, "!99/99/9999;1; "},      {"dd-MMM-yy", dtemmDate, "!99\\-lll\\-99;1; "},
    {"hh:nn:ss", dtemmTime, "00:00:00;1;0"},         {"d/M/yyyy hh:nn:ss", dtemmDateTime, "!99/99/9999\\ 99:99:99;1; "},
    {"h:nn AMPM", dtemmTime, "00:00\\ cccc;1;0"},    {"h:nn AM/PM", dtemmTime, "00:00\\ cc;1;0"},
    {"h:nn a/p", dtemmTime, "00:00\\ c;1;0"},        {"hh:nn:ss.zzz", dtemmTime, "00:00:00\\.;1;0"},
    {"dddd d MMMM", dtemmDate, "!lll\\ \\ lll;1; "},
};

TEST_F(cxFormatControllerScanTest, EditMasksFollowTheItems) {
  Locale.AM = "a.m.";
  Locale.PM = "pm";
  for (const TMaskCase& c : kMaskCases) EXPECT_EQ(BuildDateTimeEditMask(Scanned(c.Format), c.Mode), c.Mask) << c.Format;
  EXPECT_EQ(BuildDateTimeEditMask(TcxDateTimeFormatInfo{}, dtemmDate), "");
}

struct TDisplayCase {
  const char* Format;
  const char* Display;
};

const TDisplayCase kDisplayCases[] = {
    {"d/M/yyyy", "dd/mm/yyyy"},     {"dddd, d MMMM yy", "ddd',  'mmm' 'yy"},  {"h:nn:ss AM/PM", "hh:nn:ss' 'am/pm"},
    {"hh:nn AMPM", "hh:nn' 'ampm"}, {"hh \"o'clock\"", "hh' o'\"'\"'clock'"},
};

TEST_F(cxFormatControllerScanTest, DisplayFormatsFollowTheItems) {
  for (const TDisplayCase& c : kDisplayCases) {
    const TcxDateTimeFormatInfo info = Scanned(c.Format);
    EXPECT_EQ(BuildDisplayFormat(info), c.Display) << c.Format;
    // The display format reads back into the same literals.
    std::vector<std::string> literals;
    std::vector<std::string> readBack;
    for (const auto& item : info.Items)
      if (item.Kind == dtikString) literals.push_back(item.Data);
    for (const auto& item : Scanned(BuildDisplayFormat(info)).Items)
      if (item.Kind == dtikString) readBack.push_back(item.Data);
    EXPECT_EQ(readBack, literals) << c.Format;
  }
}

struct TQuoteCase {
  const char* Text;
  const char* Expression;
};

const TQuoteCase kQuoteCases[] = {
    {"today", "'today'"}, {"o'clock", "'o'\\''clock'"}, {"'", "\\'"}, {"''a", "\\'\\''a'"}, {"", ""},
};

TEST_F(cxFormatControllerScanTest, QuotedWordsAreTakenAsWritten) {
  for (const TQuoteCase& c : kQuoteCases) {
    EXPECT_EQ(cxRegExprQuotedWord(c.Text), c.Expression) << c.Text;
    if (*c.Text) {
      EXPECT_TRUE(Accepts(c.Expression, c.Text)) << c.Text;
    }
  }
}

struct TTypingCase {
  const char* ShortDate;
  char DateSeparator;
  const char* Text;
  bool Accepted;
};

const TTypingCase kDateTypingCases[] = {
    {"d/M/yyyy", '/', "7/12/2026", true},
    {"d/M/yyyy", '/', "31/1/2026", true},
    {"d/M/yyyy", '/', "30/01/2026", true},
    {"d/M/yyyy", '/', "32/1/2026", false},
    {"d/M/yyyy", '/', "7/13/2026", false},
    {"d/M/yyyy", '/', "7/Dec/2026", true},
    {"d/M/yyyy", '/', "7/12/26", false},
    {"d/M/yy", '/', "7/12/26", true},
    {"d MMMM yyyy", '/', "7 December 2026", true},
    {"d MMMM yyyy", '/', "7 Dec 2026", false},
    {"d/M/yyyy", '/', "today", true},
    {"d/M/yyyy", '/', "today+3", true},
    {"d/M/yyyy", '/', "tomorrow-1234", true},
    {"d/M/yyyy", '/', "eom+12345", false},
    {"d/M/yyyy", '/', "now", false},
    {"d/M/yyyy", '.', "7.12.2026", true},
    {"d/M/yyyy", '.', "7/12/2026", false},
    {"d/M/yyyy", '-', "7-12-2026", true},
    {"d/M/yyyy", ' ', "7 12 2026", true},
    {"d/M/yyyy", '\'', "7'12'2026", true},
    // After "\" these would be a hex code, a digit class, a tab and a back-reference.
    {"d/M/yyyy", 'x', "7x12x2026", true},
    {"d/M/yyyy", 'd', "7d12d2026", true},
    {"d/M/yyyy", 'd', "7512d2026", false},
    {"d/M/yyyy", 't', "7t12t2026", true},
    {"d/M/yyyy", '1', "31112", false},
    {"d/M/yyyy", '1', "2111212026", true},
    {"d/M/yyyy", '\t', "7\t12\t2026", true},
    {"d/M/yyyy", '\n', "7\n12\n2026", true},
    {"d/M/yyyy", '\0', "7122026", true},
    {"dd\"'\"MM\"'\"yyyy", '/', "07'12'2026", true},
    {"d \"o'\" M yyyy", '/', "7 o' 12 2026", true},
    // An era cannot be typed: the smart words are all the editor takes.
    {"gg yyyy/M/d", '/', "today", true},
    {"gg yyyy/M/d", '/', "2026/1/1", false},
};

TEST_F(cxFormatControllerScanTest, TheDateExpressionTakesWhatTheUserMayType) {
  for (const TTypingCase& c : kDateTypingCases) {
    Locale.SetDateSeparator(c.DateSeparator);
    EXPECT_EQ(Accepts(DateEditRegExpr(c.ShortDate), c.Text), c.Accepted)
        << c.ShortDate << " '" << c.DateSeparator << "' " << c.Text;
  }
}

TEST_F(cxFormatControllerScanTest, MonthNamesAndDesignatorsWithApostrophesAreTakenAsWritten) {
  Locale.ShortMonths[3] = "Apr'";
  Locale.LongMonths[4] = "Ma'y";
  Locale.AM = "v'm";
  Locale.PM = "";
  EXPECT_TRUE(Accepts(DateEditRegExpr("d MMM yyyy"), "1 Apr' 2026"));
  EXPECT_FALSE(Accepts(DateEditRegExpr("d MMM yyyy"), "1 Apr 2026"));
  EXPECT_TRUE(Accepts(DateEditRegExpr("d MMMM yyyy"), "1 Ma'y 2026"));
  EXPECT_TRUE(Accepts(DateTimeEditRegExpr("d/M/yyyy", "h:nn AMPM"), "1/5/2026 9:05 v'm"));
  EXPECT_FALSE(Accepts(DateTimeEditRegExpr("d/M/yyyy", "h:nn AMPM"), "1/5/2026 9:05 PM"));
}

TEST_F(cxFormatControllerScanTest, MonthsWithoutNamesAreTypedByNumber) {
  Locale.ShortMonths.fill("");
  Locale.LongMonths[0] = "";
  EXPECT_TRUE(Accepts(DateEditRegExpr("d MMM yyyy"), "1 5 2026"));
  EXPECT_FALSE(Accepts(DateEditRegExpr("d MMM yyyy"), "1  2026"));
  EXPECT_TRUE(Accepts(DateEditRegExpr("d MMMM yyyy"), "1 February 2026"));
  EXPECT_FALSE(Accepts(DateEditRegExpr("d MMMM yyyy"), "1 January 2026"));
}

struct TDateTimeTypingCase {
  const char* LongTime;
  char TimeSeparator;
  const char* Text;
  bool Accepted;
};

const TDateTimeTypingCase kDateTimeTypingCases[] = {
    {"hh:nn:ss", ':', "7/12/2026 23:59:59", true},
    {"hh:nn:ss", ':', "7/12/2026 24:00:00", false},
    {"hh:nn:ss", ':', "7/12/2026 0:60:00", false},
    {"hh:nn:ss", ':', "7/12/2026 ", true},
    {"hh:nn:ss", ':', "7/12/2026", false},
    {"hh:nn:ss", ':', "now+1", true},
    {"hh:nn:ss", '.', "7/12/2026 23.59.59", true},
    {"hh:nn:ss", 'h', "7/12/2026 23h59h59", true},
    {"h:nn:ss AMPM", ':', "7/12/2026 1:05:09 PM", true},
    {"h:nn:ss AMPM", ':', "7/12/2026 1:05:09 ", true},
    {"h:nn:ss AMPM", ':', "7/12/2026 13:05:09 PM", false},
    {"h:nn:ss AM/PM", ':', "7/12/2026 12:00:00 AM", true},
    {"h:nn a/p", ':', "7/12/2026 12:00 P", true},
    {"h:nn a/p", ':', "7/12/2026 12:00 PM", false},
    {"hh 'h' nn", ':', "7/12/2026 09 h 30", true},
    // Nothing to type in the time: the date and the blank.
    {"zzz", ':', "7/12/2026 ", true},
    {"zzz", ':', "7/12/2026 1", false},
    {"ddddd", ':', "7/12/2026 ", true},
};

TEST_F(cxFormatControllerScanTest, TheDateTimeExpressionTakesAnOptionalTime) {
  for (const TDateTimeTypingCase& c : kDateTimeTypingCases) {
    Locale.SetTimeSeparator(c.TimeSeparator);
    EXPECT_EQ(Accepts(DateTimeEditRegExpr("d/M/yyyy", c.LongTime), c.Text), c.Accepted)
        << c.LongTime << " '" << c.TimeSeparator << "' " << c.Text;
  }
}

TEST_F(cxFormatControllerScanTest, TheSmartWordsFollowTheTableAndNowOnlyWhenAsked) {
  const auto words = cxSmartDateWords();
  EXPECT_EQ(words[0], "today");
  EXPECT_EQ(words[kSmartDateNowIndex], "now");
  std::string date = "\\d";
  BuildSmartDateRegExpr(date, false);
  std::string dateTime = "\\d";
  BuildSmartDateRegExpr(dateTime, true);
  for (const std::string& word : words) {
    EXPECT_EQ(Accepts(date, word + "-7"), word != "now") << word;
    EXPECT_TRUE(Accepts(dateTime, word)) << word;
  }
  EXPECT_TRUE(Accepts(date, "5"));
  EXPECT_FALSE(Accepts(date, "5+1"));
  EXPECT_FALSE(Accepts(date, "today+"));
}

struct TCurrencyCase {
  int Pattern;
  const char* Format;
};

const TCurrencyCase kPositiveCurrencyCases[] = {
    {0, "$,0.00"}, {1, ",0.00$"}, {2, "$ ,0.00"}, {3, ",0.00 $"}, {4, "$,0.00"}, {-1, "$,0.00"},
};

const TCurrencyCase kNegativeCurrencyCases[] = {
    {0, "($,0.00)"},  {1, "-$,0.00"},   {2, "$-,0.00"},    {3, "$,0.00-"},    {4, "(,0.00$)"},  {5, "-,0.00$"},
    {6, ",0.00-$"},   {7, ",0.00$-"},   {8, "-,0.00 $"},   {9, "-$ ,0.00"},   {10, ",0.00 $-"}, {11, "$ ,0.00-"},
    {12, "$ -,0.00"}, {13, ",0.00- $"}, {14, "($ ,0.00)"}, {15, "(,0.00 $)"}, {16, "($,0.00)"}, {-1, "($,0.00)"},
};

TEST_F(cxFormatControllerScanTest, CurrencyFormatsFollowEveryPatternAndTheFirstOutsideTheTable) {
  // The 64 pairs of the tables, and the first pattern for values outside them.
  for (const TCurrencyCase& positive : kPositiveCurrencyCases)
    for (const TCurrencyCase& negative : kNegativeCurrencyCases) {
      Locale.PositiveCurrency = positive.Pattern;
      Locale.NegativeCurrency = negative.Pattern;
      EXPECT_EQ(BuildCurrencyFormat(), std::string(positive.Format) + ";" + negative.Format)
          << positive.Pattern << " " << negative.Pattern;
    }
}

TEST_F(cxFormatControllerScanTest, TheCurrencySymbolKeepsItsSeparatorsAsText) {
  Locale.Currency = "s.F,";
  Locale.Decimals = 0;
  Locale.PositiveCurrency = 3;
  Locale.NegativeCurrency = 8;
  EXPECT_EQ(BuildCurrencyFormat(), ",0. s'.'F',';-,0. s'.'F','");
}

TEST_F(cxFormatControllerScanTest, SingleDaysAndMonthsAreDoubledForEditing) {
  const std::pair<const char*, const char*> cases[] = {
      {"d/M/yyyy", "dd/MM/yyyy"},
      {"dd/MM/yy", "dd/MM/yy"},
      {"ddd d.M", "ddd dd.MM"},
      {"M", "MM"},
      {"m/d", "m/dd"},
      {"MMM d", "MMM dd"},
      // Quoted text and two-byte characters keep their letters.
      {"d 'de' M", "dd 'de' MM"},
      {"d \"d\" M", "dd \"d\" MM"},
      {"M 'd", "MM 'd"},
      {"M\x83M d", "MM\x83M dd"},
      {"\x83"
       "dd",
       "\x83"
       "ddd"},
      {"d\x83", "dd\x83"},
  };
  Locale.LeadByte = '\x83';
  for (const auto& [format, doubled] : cases) EXPECT_EQ(BuildDateEditFormat(format), doubled) << format;
}

TEST_F(cxFormatControllerScanTest, TheWeekStartsOnTheRegionsFirstDayCountedFromSunday) {
  const std::pair<int, int> cases[] = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 0}};
  for (const auto& [firstDay, startOfWeek] : cases) EXPECT_EQ(StartOfWeekOf(firstDay), startOfWeek) << firstDay;
}

}  // namespace
