#include "platform/rtl/Extended.h"

#include <bit>

namespace {

constexpr int kDoubleBias = 1023;
constexpr int kExtendedBias = 16383;
constexpr uint16_t kExtendedMaxExponent = 0x7FFF;
constexpr uint64_t kIntegerBit = 1ull << 63;
constexpr uint64_t kDoubleFractionMask = (1ull << 52) - 1;
constexpr uint64_t kDoubleQuietBit = 1ull << 51;
constexpr uint64_t kDoubleSignBit = 1ull << 63;
constexpr uint64_t kDoubleInfinity = 0x7FFull << 52;
// What the FPU answers for an invalid operand: the negative quiet NaN.
constexpr uint64_t kDefaultNaN = 0xFFF8000000000000ull;

TExtended80 Pack(bool negative, uint16_t exponent, uint64_t significand) {
  TExtended80 bytes{};
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<uint8_t>(significand >> (8 * i));
  const uint16_t signAndExponent = static_cast<uint16_t>((negative ? 0x8000 : 0) | exponent);
  bytes[8] = static_cast<uint8_t>(signAndExponent);
  bytes[9] = static_cast<uint8_t>(signAndExponent >> 8);
  return bytes;
}

// Shifts right by 1..64 places, rounding to nearest with ties to even.
uint64_t ShiftRightRounded(uint64_t value, int places) {
  const uint64_t kept = places >= 64 ? 0 : value >> places;
  const uint64_t rest = places >= 64 ? value : value & ((1ull << places) - 1);
  const uint64_t half = 1ull << (places - 1);
  const bool roundUp = rest > half || (rest == half && (kept & 1));
  return kept + (roundUp ? 1 : 0);
}

double FromBits(bool negative, uint64_t magnitudeBits) {
  return std::bit_cast<double>((negative ? kDoubleSignBit : 0) | magnitudeBits);
}

}  // namespace

TExtended80 DoubleToExtended(double value) {
  const uint64_t bits = std::bit_cast<uint64_t>(value);
  const bool negative = (bits & kDoubleSignBit) != 0;
  const int exponent = static_cast<int>((bits >> 52) & 0x7FF);
  const uint64_t fraction = bits & kDoubleFractionMask;
  if (exponent == 0x7FF) return Pack(negative, kExtendedMaxExponent, kIntegerBit | (fraction << 11));
  if (exponent != 0)
    return Pack(negative, static_cast<uint16_t>(exponent - kDoubleBias + kExtendedBias),
                kIntegerBit | (fraction << 11));
  if (fraction == 0) return Pack(negative, 0, 0);
  // A subnormal double is a normal extended: move its top bit to the integer bit.
  const int top = 63 - std::countl_zero(fraction);
  return Pack(negative, static_cast<uint16_t>(top - 1074 + kExtendedBias), fraction << (63 - top));
}

double ExtendedToDouble(const TExtended80& value) {
  uint64_t significand = 0;
  for (int i = 7; i >= 0; --i) significand = (significand << 8) | value[i];
  const uint16_t signAndExponent = static_cast<uint16_t>(value[8] | (value[9] << 8));
  const bool negative = (signAndExponent & 0x8000) != 0;
  const int exponent = signAndExponent & kExtendedMaxExponent;

  if (exponent == 0) return FromBits(negative, 0);  // extended subnormals lie far below the double's range
  if ((significand & kIntegerBit) == 0) return std::bit_cast<double>(kDefaultNaN);
  if (exponent == kExtendedMaxExponent) {
    const uint64_t fraction = (significand >> 11) & kDoubleFractionMask;
    if ((significand << 1) == 0) return FromBits(negative, kDoubleInfinity);
    return FromBits(negative, kDoubleInfinity | kDoubleQuietBit | fraction);
  }

  int unbiased = exponent - kExtendedBias;
  if (unbiased >= -(kDoubleBias - 1)) {
    uint64_t rounded = ShiftRightRounded(significand, 11);
    if (rounded >> 53) {
      rounded >>= 1;
      ++unbiased;
    }
    if (unbiased > kDoubleBias) return FromBits(negative, kDoubleInfinity);
    return FromBits(negative, (static_cast<uint64_t>(unbiased + kDoubleBias) << 52) | (rounded & kDoubleFractionMask));
  }
  // Subnormal result: the significand counts units of 2^-1074. A carry into
  // bit 52 yields the smallest normal, which the same bits encode.
  const int places = -1011 - unbiased;
  if (places > 64) return FromBits(negative, 0);
  return FromBits(negative, ShiftRightRounded(significand, places));
}
