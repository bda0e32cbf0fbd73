#pragma once
// The class library's fixed-point money type: a 64-bit integer counting
// ten-thousandths, so sums of amounts are exact.
#include <cstdint>
#include <string>

struct Currency {
  static constexpr int64_t kScale = 10000;
  int64_t Scaled = 0;

  friend bool operator==(Currency a, Currency b) = default;
  friend auto operator<=>(Currency a, Currency b) = default;
};

// Rounds to the nearest ten-thousandth, ties to even. False for NaN and for
// values outside the 64-bit range.
bool TryDoubleToCurrency(double value, Currency& result);
double CurrencyToDouble(Currency value);
// Plain decimal text without trailing zeros: "-12.5", "3".
std::string CurrToStr(Currency value);
