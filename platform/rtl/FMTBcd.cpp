#include "platform/rtl/FMTBcd.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/rtl/Exceptions.h"

namespace {

// A decimal as sign, integer digits and fraction digits, without leading
// zeros in the integer part or trailing zeros in the fraction.
struct TDecimal {
  bool Negative = false;
  std::string Whole;
  std::string Fraction;
};

void Normalize(TDecimal& value) {
  const size_t firstSignificant = value.Whole.find_first_not_of('0');
  value.Whole.erase(0, firstSignificant == std::string::npos ? value.Whole.size() : firstSignificant);
  const size_t lastSignificant = value.Fraction.find_last_not_of('0');
  value.Fraction.erase(lastSignificant == std::string::npos ? 0 : lastSignificant + 1);
  if (value.Whole.empty() && value.Fraction.empty()) value.Negative = false;
}

bool IsDigits(const std::string& text) { return text.find_first_not_of("0123456789") == std::string::npos; }

// Moves the point by `exponent` places.
void Shift(TDecimal& value, long exponent) {
  if (exponent > 0) {
    const size_t moved = std::min(value.Fraction.size(), static_cast<size_t>(exponent));
    value.Whole += value.Fraction.substr(0, moved) + std::string(static_cast<size_t>(exponent) - moved, '0');
    value.Fraction.erase(0, moved);
  } else if (exponent < 0) {
    const size_t moved = std::min(value.Whole.size(), static_cast<size_t>(-exponent));
    value.Fraction = std::string(static_cast<size_t>(-exponent) - moved, '0') +
                     value.Whole.substr(value.Whole.size() - moved) + value.Fraction;
    value.Whole.erase(value.Whole.size() - moved);
  }
}

bool TryParse(const std::string& text, TDecimal& result) {
  size_t position = 0;
  if (position < text.size() && (text[position] == '-' || text[position] == '+'))
    result.Negative = text[position++] == '-';
  const size_t exponentAt = text.find_first_of("eE", position);
  const std::string mantissa = text.substr(position, exponentAt - position);
  const size_t point = mantissa.find('.');
  result.Whole = mantissa.substr(0, point);
  result.Fraction = point == std::string::npos ? "" : mantissa.substr(point + 1);
  if (!IsDigits(result.Whole) || !IsDigits(result.Fraction) || result.Whole.size() + result.Fraction.size() == 0)
    return false;
  if (exponentAt != std::string::npos) {
    const std::string exponentText = text.substr(exponentAt + 1);
    const size_t signLength = !exponentText.empty() && (exponentText[0] == '-' || exponentText[0] == '+') ? 1 : 0;
    // Beyond four exponent digits no value could fit 64 digits anyway.
    if (exponentText.size() == signLength || exponentText.size() > signLength + 4 ||
        !IsDigits(exponentText.substr(signLength)))
      return false;
    Shift(result, std::strtol(exponentText.c_str(), nullptr, 10));
  }
  Normalize(result);
  if (result.Fraction.size() > TBcd::kMaxPlaces) result.Fraction.resize(TBcd::kMaxPlaces);
  Normalize(result);
  return result.Whole.size() + result.Fraction.size() <= TBcd::kMaxDigits;
}

TBcd Pack(const TDecimal& value) {
  std::string digits = value.Whole + value.Fraction;
  if (digits.empty()) digits = "0";
  TBcd result;
  result.Precision = static_cast<uint8_t>(digits.size());
  result.SignSpecialPlaces = static_cast<uint8_t>((value.Negative ? 0x80 : 0) | value.Fraction.size());
  for (size_t i = 0; i < digits.size(); ++i) {
    const int nibble = digits[i] - '0';
    result.Fraction[i / 2] |= static_cast<uint8_t>(i % 2 == 0 ? nibble << 4 : nibble);
  }
  return result;
}

// A stored value may carry any precision and places (leading and trailing
// zeros); out-of-range fields are clamped rather than read past the record.
TDecimal Unpack(const TBcd& value) {
  const size_t precision = std::min<size_t>(value.Precision, TBcd::kMaxDigits);
  const size_t places = std::min<size_t>(value.SignSpecialPlaces & 0x3F, precision);
  std::string digits;
  for (size_t i = 0; i < precision; ++i) {
    const int nibble = i % 2 == 0 ? value.Fraction[i / 2] >> 4 : value.Fraction[i / 2] & 0xF;
    digits += static_cast<char>('0' + std::min(nibble, 9));
  }
  TDecimal result{(value.SignSpecialPlaces & 0x80) != 0, digits.substr(0, precision - places),
                  digits.substr(precision - places)};
  Normalize(result);
  return result;
}

int CompareMagnitudes(const TDecimal& a, const TDecimal& b) {
  if (a.Whole.size() != b.Whole.size()) return a.Whole.size() < b.Whole.size() ? -1 : 1;
  const int whole = a.Whole.compare(b.Whole);
  if (whole != 0) return whole < 0 ? -1 : 1;
  const int fraction = a.Fraction.compare(b.Fraction);
  return fraction < 0 ? -1 : fraction > 0 ? 1 : 0;
}

std::string ShortestText(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.15g", value);
  if (std::strtod(text, nullptr) != value) std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

}  // namespace

bool TryStrToBcd(const std::string& text, TBcd& result) {
  TDecimal value;
  if (!TryParse(text, value)) return false;
  result = Pack(value);
  return true;
}

TBcd StrToBcd(const std::string& text) {
  TBcd result;
  if (!TryStrToBcd(text, result)) throw EConvertError("'" + text + "' is not a valid BCD value");
  return result;
}

std::string BcdToStr(const TBcd& value) {
  const TDecimal decimal = Unpack(value);
  std::string text = (decimal.Negative ? "-" : "") + (decimal.Whole.empty() ? "0" : decimal.Whole);
  return decimal.Fraction.empty() ? text : text + "." + decimal.Fraction;
}

TBcd DoubleToBcd(double value) {
  if (!std::isfinite(value)) throw EConvertError("'" + ShortestText(value) + "' is not a valid BCD value");
  return StrToBcd(ShortestText(value));
}

double BcdToDouble(const TBcd& value) { return std::strtod(BcdToStr(value).c_str(), nullptr); }

TBcd CurrencyToBcd(Currency value) { return StrToBcd(CurrToStr(value)); }

Currency BcdToCurrency(const TBcd& value) {
  TDecimal decimal = Unpack(value);
  // Ten-thousandths, rounded half away from zero at the fifth place.
  const bool roundUp = decimal.Fraction.size() > 4 && decimal.Fraction[4] >= '5';
  decimal.Fraction.resize(4, '0');
  const std::string digits = decimal.Whole + decimal.Fraction;
  constexpr uint64_t kLimit = 9223372036854775807ull;
  uint64_t magnitude = 0;
  for (const char digit : digits) {
    if (magnitude > (kLimit + 1 - static_cast<uint64_t>(digit - '0')) / 10) throw EConvertError("BCD overflow");
    magnitude = magnitude * 10 + static_cast<uint64_t>(digit - '0');
  }
  if (roundUp) ++magnitude;
  if (magnitude > kLimit + (decimal.Negative ? 1 : 0)) throw EConvertError("BCD overflow");
  return Currency{static_cast<int64_t>(decimal.Negative ? 0 - magnitude : magnitude)};
}

int BcdCompare(const TBcd& a, const TBcd& b) {
  const TDecimal left = Unpack(a);
  const TDecimal right = Unpack(b);
  if (left.Negative != right.Negative) return left.Negative ? -1 : 1;
  const int magnitude = CompareMagnitudes(left, right);
  return left.Negative ? -magnitude : magnitude;
}
