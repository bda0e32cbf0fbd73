#pragma once
// The regional settings that input checking and formatting depend on: the
// separators, the date and time pictures, the month names, the day and night
// designators, the currency settings and the upper and lower case of a
// character.
// Callers ask the current instance each time they need a value, so a changed
// setting (or a test's own locale) applies at once.
//
// Date and time pictures are in the library's syntax: "d" to "dddd" day,
// "M" to "MMMM" month, "yy" or "yyyy" year, "h"/"hh" hour, "n"/"nn" minute
// ("m" right after an hour is a minute too), "s"/"ss" second, "z" to "zzz"
// millisecond, "AMPM" the regional designators, "AM/PM" and "A/P" fixed
// ones, "/" and ":" the regional separators, "g" the era, text in
// apostrophes or quotes literal.
#include <string>

class TLocale {
 public:
  virtual ~TLocale() = default;

  virtual char DateSeparator() const = 0;
  virtual char TimeSeparator() const = 0;
  virtual char DecimalSeparator() const = 0;
  // Between groups of three digits; character 0 where the region groups none.
  virtual char ThousandSeparator() const = 0;
  virtual char UpperCase(char ch) const = 0;
  virtual char LowerCase(char ch) const = 0;
  // True for the first byte of a two-byte character of the code page.
  virtual bool IsLeadByte(char ch) const = 0;

  virtual std::string ShortDateFormat() const = 0;
  virtual std::string LongDateFormat() const = 0;
  virtual std::string ShortTimeFormat() const = 0;
  virtual std::string LongTimeFormat() const = 0;
  virtual std::string TimeAMString() const = 0;
  virtual std::string TimePMString() const = 0;
  // Month 1 (January) to 12.
  virtual std::string ShortMonthName(int month) const = 0;
  virtual std::string LongMonthName(int month) const = 0;

  virtual std::string CurrencyString() const = 0;
  // Where the symbol goes in a positive amount: 0 before, 1 after, 2 before
  // with a blank, 3 after with a blank.
  virtual int CurrencyFormat() const = 0;
  // The order of sign, symbol and number in a negative amount: 0 to 15 in
  // the order of the system's negative-currency patterns.
  virtual int NegCurrFormat() const = 0;
  virtual int CurrencyDecimals() const = 0;
  // The first day of the week: 0 Monday to 6 Sunday.
  virtual int FirstDayOfWeek() const = 0;
};

// English names, "/", ":", "." and ASCII case: the settings where
// nothing else is known.
class TInvariantLocale : public TLocale {
 public:
  char DateSeparator() const override { return '/'; }
  char TimeSeparator() const override { return ':'; }
  char DecimalSeparator() const override { return '.'; }
  char ThousandSeparator() const override { return ','; }
  char UpperCase(char ch) const override;
  char LowerCase(char ch) const override;
  bool IsLeadByte(char) const override { return false; }

  std::string ShortDateFormat() const override { return "MM/dd/yyyy"; }
  std::string LongDateFormat() const override { return "dddd, dd MMMM yyyy"; }
  std::string ShortTimeFormat() const override { return "hh:nn"; }
  std::string LongTimeFormat() const override { return "hh:nn:ss"; }
  std::string TimeAMString() const override { return "AM"; }
  std::string TimePMString() const override { return "PM"; }
  std::string ShortMonthName(int month) const override;
  std::string LongMonthName(int month) const override;

  std::string CurrencyString() const override { return "$"; }
  int CurrencyFormat() const override { return 0; }
  int NegCurrFormat() const override { return 0; }
  int CurrencyDecimals() const override { return 2; }
  int FirstDayOfWeek() const override { return 6; }
};

// The instance in force: the one set last, else the system's (on Windows the
// user's regional settings, elsewhere the invariant one).
TLocale& CurrentLocale();
// The given instance, which the caller keeps alive, becomes current; nullptr
// returns to the system's.
void SetCurrentLocale(TLocale* locale);

// Whole texts in the current locale's case. A double-byte character stays
// as it is: its trail byte is no letter of its own.
std::string AnsiUpperCase(const std::string& text);
std::string AnsiLowerCase(const std::string& text);
// Negative, zero or positive as `a` sorts before, with or after `b`, their
// letters compared in the current locale's upper case.
int AnsiCompareText(const std::string& a, const std::string& b);
// How many characters `text` holds, a double-byte character counting once.
int CharacterCount(const std::string& text);
// The first `count` characters of `text`: a double-byte character is kept
// whole or left out, never cut in half.
std::string LeftCharacters(const std::string& text, int count);

// A date or time picture of the system's regional settings in the library's
// syntax. In a date picture the system's letters "d" (day), "M" (month), "y"
// (year) and "g" (era) have a meaning, in a time picture "h" (12-hour) and
// "H" (24-hour hour), "m" (minute), "s" (second) and "t" (designator); any
// other character, and text in apostrophes ("''" for one), is shown as it is.
// The rules:
// - "t" and "tt" become "AMPM" (the regional designators; the library has
//   no one-letter designator of the region's own);
// - "H" becomes "h": the library tells 12 from 24 hours by a designator;
// - "m" becomes "n", so a picture that starts with the minutes does not read
//   as a month;
// - "d", "M", "y", "g", "h", "s", "/" and ":" stay as they are ("/" and ":"
//   are the regional separators in both);
// - every other letter, a quote, and the text in apostrophes become literal
//   text: in apostrophes, an apostrophe alone in quotes, since the library's
//   letters ("a", "c", "e", "n", "z"...) would otherwise take a meaning;
// - other characters stay as they are; a two-byte character stays whole.
std::string SystemPictureToFormat(const std::string& picture, bool timePicture);

// Text that a library picture shows as it is: the runs without apostrophes in
// apostrophes, each apostrophe in quotes.
std::string QuotedFormatLiteral(const std::string& text);
