// The user's regional settings, read at each question so that a change in
// the control panel applies without a restart.
#include <windows.h>

#include <cstdlib>

#include "platform/rtl/Locale.h"

TLocale& SystemLocale();

namespace {

// A setting as text; empty when it cannot be read.
std::string Setting(LCTYPE setting) {
  char text[256] = {};
  return GetLocaleInfoA(LOCALE_USER_DEFAULT, setting, text, sizeof text) > 0 ? text : "";
}

// The first character of a setting; a setting that is empty or cannot be
// read gives the character 0, which matches nothing typed.
char FirstCharOfSetting(LCTYPE setting) {
  const std::string text = Setting(setting);
  return text.empty() ? '\0' : text[0];
}

int NumberSetting(LCTYPE setting) { return std::atoi(Setting(setting).c_str()); }

class TRegionalLocale : public TLocale {
 public:
  char DateSeparator() const override { return FirstCharOfSetting(LOCALE_SDATE); }
  char TimeSeparator() const override { return FirstCharOfSetting(LOCALE_STIME); }
  char DecimalSeparator() const override { return FirstCharOfSetting(LOCALE_SDECIMAL); }
  char ThousandSeparator() const override { return FirstCharOfSetting(LOCALE_STHOUSAND); }
  char UpperCase(char ch) const override {
    CharUpperBuffA(&ch, 1);
    return ch;
  }
  char LowerCase(char ch) const override {
    CharLowerBuffA(&ch, 1);
    return ch;
  }
  bool IsLeadByte(char ch) const override { return IsDBCSLeadByte(static_cast<BYTE>(ch)); }

  std::string ShortDateFormat() const override { return SystemPictureToFormat(Setting(LOCALE_SSHORTDATE), false); }
  std::string LongDateFormat() const override { return SystemPictureToFormat(Setting(LOCALE_SLONGDATE), false); }
  // Systems before the short time picture have the long one only.
  std::string ShortTimeFormat() const override {
    const std::string picture = Setting(LOCALE_SSHORTTIME);
    return SystemPictureToFormat(picture.empty() ? Setting(LOCALE_STIMEFORMAT) : picture, true);
  }
  std::string LongTimeFormat() const override { return SystemPictureToFormat(Setting(LOCALE_STIMEFORMAT), true); }
  std::string TimeAMString() const override { return Setting(LOCALE_S1159); }
  std::string TimePMString() const override { return Setting(LOCALE_S2359); }
  std::string ShortMonthName(int month) const override {
    return month >= 1 && month <= 12 ? Setting(LOCALE_SABBREVMONTHNAME1 + month - 1) : "";
  }
  std::string LongMonthName(int month) const override {
    return month >= 1 && month <= 12 ? Setting(LOCALE_SMONTHNAME1 + month - 1) : "";
  }

  std::string CurrencyString() const override { return Setting(LOCALE_SCURRENCY); }
  int CurrencyFormat() const override { return NumberSetting(LOCALE_ICURRENCY); }
  int NegCurrFormat() const override { return NumberSetting(LOCALE_INEGCURR); }
  int CurrencyDecimals() const override { return NumberSetting(LOCALE_ICURRDIGITS); }
  int FirstDayOfWeek() const override { return NumberSetting(LOCALE_IFIRSTDAYOFWEEK); }
};

}  // namespace

TLocale& SystemLocale() {
  static TRegionalLocale regional;
  return regional;
}
