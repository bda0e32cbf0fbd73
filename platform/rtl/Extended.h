#pragma once
// The 80-bit extended float of stored streams, converted to and from double by
// bit arithmetic: compilers disagree about what `long double` is (it is a
// double with some, 128 bits with others), so it is never used.
#include <array>
#include <cstdint>

// Ten bytes, little-endian: a 64-bit significand with an explicit integer bit,
// then 15 bits of exponent (bias 16383) and the sign bit.
using TExtended80 = std::array<uint8_t, 10>;

// Exact: every double has an extended form.
TExtended80 DoubleToExtended(double value);
// Rounds to nearest, ties to even; beyond the double's range gives an
// infinity, below it zero. Forms the FPU rejects as invalid (an integer bit
// missing from a non-zero exponent) give a NaN, as loading them would.
double ExtendedToDouble(const TExtended80& value);
