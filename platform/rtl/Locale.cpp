#include "platform/rtl/Locale.h"

TLocale& SystemLocale();

namespace {

TLocale* chosenLocale = nullptr;

}  // namespace

char TInvariantLocale::UpperCase(char ch) const {
  return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
}

TLocale& CurrentLocale() { return chosenLocale ? *chosenLocale : SystemLocale(); }

void SetCurrentLocale(TLocale* locale) { chosenLocale = locale; }

#ifndef _WIN32
TLocale& SystemLocale() {
  static TInvariantLocale invariant;
  return invariant;
}
#endif
