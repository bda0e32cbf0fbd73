#pragma once
// The regional settings that input checking depends on: the date, time and
// decimal separators and the upper case of a character. Callers ask the
// current instance each time they need a value, so a changed setting (or a
// test's own locale) applies at once.
class TLocale {
 public:
  virtual ~TLocale() = default;

  virtual char DateSeparator() const = 0;
  virtual char TimeSeparator() const = 0;
  virtual char DecimalSeparator() const = 0;
  virtual char UpperCase(char ch) const = 0;
};

// "/", ":", "." and ASCII upper case: the settings where nothing else is known.
class TInvariantLocale : public TLocale {
 public:
  char DateSeparator() const override { return '/'; }
  char TimeSeparator() const override { return ':'; }
  char DecimalSeparator() const override { return '.'; }
  char UpperCase(char ch) const override;
};

// The instance in force: the one set last, else the system's (on Windows the
// user's regional settings, elsewhere the invariant one).
TLocale& CurrentLocale();
// The given instance, which the caller keeps alive, becomes current; nullptr
// returns to the system's.
void SetCurrentLocale(TLocale* locale);
