#include "platform/rtl/Currency.h"

#include <cmath>

bool TryDoubleToCurrency(double value, Currency& result) {
  const double scaled = std::nearbyint(value * Currency::kScale);
  // 2^63 is exactly representable; anything at or above it does not fit.
  constexpr double kLimit = 9223372036854775808.0;
  if (!(scaled >= -kLimit && scaled < kLimit)) return false;
  result.Scaled = static_cast<int64_t>(scaled);
  return true;
}

double CurrencyToDouble(Currency value) {
  // Whole and fraction apart, so large amounts keep their fraction exact.
  return static_cast<double>(value.Scaled / Currency::kScale) +
         static_cast<double>(value.Scaled % Currency::kScale) / Currency::kScale;
}

std::string CurrToStr(Currency value) {
  const bool negative = value.Scaled < 0;
  // The magnitude as unsigned: the most negative amount has no positive twin.
  const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(value.Scaled) : static_cast<uint64_t>(value.Scaled);
  std::string text = (negative ? "-" : "") + std::to_string(magnitude / Currency::kScale);
  const unsigned fraction = static_cast<unsigned>(magnitude % Currency::kScale);
  if (fraction == 0) return text;
  std::string digits = std::to_string(fraction + Currency::kScale).substr(1);
  while (digits.back() == '0') digits.pop_back();
  return text + "." + digits;
}
