#pragma once
// The database layer's packed decimal: up to 64 digits, exact where a double
// would round (amounts, identifiers wider than 53 bits).
#include <cstdint>
#include <string>

#include "platform/rtl/Currency.h"

struct TBcd {
  static constexpr int kMaxDigits = 64;
  static constexpr int kMaxPlaces = 63;
  uint8_t Precision = 1;          // digits in Fraction
  uint8_t SignSpecialPlaces = 0;  // bit 7 the sign, bits 0..5 the digits after the point
  uint8_t Fraction[32] = {};      // two digits a byte, the first in the high nibble
};
static_assert(sizeof(TBcd) == 34);

// Decimal text with an optional sign, point and exponent ("-1.5e3"). Digits
// beyond 63 places after the point are cut off. Raises EConvertError
// "'x' is not a valid BCD value" for other text or more than 64 digits.
TBcd StrToBcd(const std::string& text);
bool TryStrToBcd(const std::string& text, TBcd& result);
// General format: no exponent, no leading or trailing zeros ("-0.25", "120").
std::string BcdToStr(const TBcd& value);
// Through the shortest text that reads back as the same double (15 digits,
// or 17 where 15 would not). Raises EConvertError for NaN and infinities.
TBcd DoubleToBcd(double value);
double BcdToDouble(const TBcd& value);
TBcd CurrencyToBcd(Currency value);
// Raises EConvertError when the value lies outside the currency's range.
Currency BcdToCurrency(const TBcd& value);
// -1, 0 or 1 by value: 1.50 equals 1.5.
int BcdCompare(const TBcd& a, const TBcd& b);
