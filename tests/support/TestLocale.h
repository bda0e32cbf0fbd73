#pragma once
// A locale of the test's choosing, current while the object lives: separators
// that differ from the invariant ones, and upper case for ASCII and for the
// accented Latin-1 letters, so that case folding beyond ASCII is exercised.
#include "platform/rtl/Locale.h"

class TTestLocale : public TLocale {
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
  void SetDateSeparator(char separator) { FDate = separator; }

 private:
  char FDate;
  char FTime;
  char FDecimal;
};
