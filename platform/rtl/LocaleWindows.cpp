// The user's regional settings, read at each question so that a change in
// the control panel applies without a restart.
#include <windows.h>

#include "platform/rtl/Locale.h"

TLocale& SystemLocale();

namespace {

// The first character of a setting; a setting that is empty or cannot be
// read gives the character 0, which matches nothing typed.
char FirstCharOfSetting(LCTYPE setting) {
  char text[8] = {};
  return GetLocaleInfoA(LOCALE_USER_DEFAULT, setting, text, sizeof text) > 0 ? text[0] : '\0';
}

class TRegionalLocale : public TLocale {
 public:
  char DateSeparator() const override { return FirstCharOfSetting(LOCALE_SDATE); }
  char TimeSeparator() const override { return FirstCharOfSetting(LOCALE_STIME); }
  char DecimalSeparator() const override { return FirstCharOfSetting(LOCALE_SDECIMAL); }
  char UpperCase(char ch) const override {
    CharUpperBuffA(&ch, 1);
    return ch;
  }
};

}  // namespace

TLocale& SystemLocale() {
  static TRegionalLocale regional;
  return regional;
}
