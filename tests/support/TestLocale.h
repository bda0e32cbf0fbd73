#pragma once
// A locale of the test's choosing, current while the object lives: separators
// that differ from the invariant ones, upper case for ASCII and for the
// accented Latin-1 letters (and lower case likewise), so that case folding beyond ASCII is exercised,
// and the invariant pictures and names.
#include <array>
#include <string>

#include "platform/rtl/Locale.h"

class TTestLocale : public TInvariantLocale {
 public:
  TTestLocale(char dateSeparator, char timeSeparator, char decimalSeparator)
      : FDate(dateSeparator), FTime(timeSeparator), FDecimal(decimalSeparator) {
    SetCurrentLocale(this);
  }
  ~TTestLocale() override { SetCurrentLocale(nullptr); }
  TTestLocale(const TTestLocale&) = delete;
  TTestLocale& operator=(const TTestLocale&) = delete;

  char DateSeparator() const override { return FDate; }
  char TimeSeparator() const override { return FTime; }
  char DecimalSeparator() const override { return FDecimal; }
  char UpperCase(char ch) const override {
    const auto code = static_cast<unsigned char>(ch);
    const bool lowerAscii = code >= 'a' && code <= 'z';
    const bool lowerLatin1 = code >= 0xE0 && code <= 0xFE && code != 0xF7;
    return lowerAscii || lowerLatin1 ? static_cast<char>(code - 0x20) : ch;
  }
  char LowerCase(char ch) const override {
    const auto code = static_cast<unsigned char>(ch);
    const bool upperAscii = code >= 'A' && code <= 'Z';
    const bool upperLatin1 = code >= 0xC0 && code <= 0xDE && code != 0xD7;
    return upperAscii || upperLatin1 ? static_cast<char>(code + 0x20) : ch;
  }
  void SetDateSeparator(char separator) { FDate = separator; }
  void SetTimeSeparator(char separator) { FTime = separator; }

 private:
  char FDate;
  char FTime;
  char FDecimal;
};

// A test locale whose pictures, names and currency settings the test sets:
// English names, day-month-year, 24 hours, "$" before the amount.
class TTestFormatLocale : public TTestLocale {
 public:
  TTestFormatLocale() : TTestLocale('/', ':', '.') {
    const TInvariantLocale invariant;
    for (int month = 1; month <= 12; ++month) {
      ShortMonths[month - 1] = invariant.ShortMonthName(month);
      LongMonths[month - 1] = invariant.LongMonthName(month);
    }
  }

  std::string ShortDateFormat() const override { return ShortDate; }
  std::string LongDateFormat() const override { return LongDate; }
  std::string ShortTimeFormat() const override { return ShortTime; }
  std::string LongTimeFormat() const override { return LongTime; }
  std::string TimeAMString() const override { return AM; }
  std::string TimePMString() const override { return PM; }
  std::string ShortMonthName(int month) const override { return ShortMonths[month - 1]; }
  std::string LongMonthName(int month) const override { return LongMonths[month - 1]; }
  std::string CurrencyString() const override { return Currency; }
  int CurrencyFormat() const override { return PositiveCurrency; }
  int NegCurrFormat() const override { return NegativeCurrency; }
  int CurrencyDecimals() const override { return Decimals; }
  int FirstDayOfWeek() const override { return FirstDay; }
  bool IsLeadByte(char ch) const override { return LeadByte != '\0' && ch == LeadByte; }

  std::string ShortDate = "d/M/yyyy";
  std::string LongDate = "dddd, d MMMM yyyy";
  std::string ShortTime = "hh:nn";
  std::string LongTime = "hh:nn:ss";
  std::string AM = "AM";
  std::string PM = "PM";
  std::array<std::string, 12> ShortMonths;
  std::array<std::string, 12> LongMonths;
  std::string Currency = "$";
  int PositiveCurrency = 0;
  int NegativeCurrency = 0;
  int Decimals = 2;
  int FirstDay = 0;
  // The first byte of the code page's two-byte characters; none by default.
  char LeadByte = '\0';
};
