#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

#include "platform/rtl/Extended.h"

namespace {

TExtended80 Make(bool negative, uint16_t exponent, uint64_t significand) {
  TExtended80 bytes{};
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<uint8_t>(significand >> (8 * i));
  bytes[8] = static_cast<uint8_t>(exponent);
  bytes[9] = static_cast<uint8_t>((exponent >> 8) | (negative ? 0x80 : 0));
  return bytes;
}

uint64_t Bits(double value) { return std::bit_cast<uint64_t>(value); }

constexpr uint64_t kOne = 1ull << 63;
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kSmallestSubnormal = std::numeric_limits<double>::denorm_min();
constexpr double kSmallestNormal = std::numeric_limits<double>::min();
constexpr double kLargest = std::numeric_limits<double>::max();

}  // namespace

TEST(ExtendedTest, StoresOneAsTheTenBytesOfTheStreamFormat) {
  const TExtended80 expected = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F};
  EXPECT_EQ(DoubleToExtended(1.0), expected);
}

TEST(ExtendedTest, WidensEveryKindOfDoubleExactly) {
  const struct {
    double value;
    TExtended80 expected;
  } cases[] = {
      {0.0, Make(false, 0, 0)},
      {-0.0, Make(true, 0, 0)},
      {-2.0, Make(true, 0x4000, kOne)},
      {kInf, Make(false, 0x7FFF, kOne)},
      {-kInf, Make(true, 0x7FFF, kOne)},
      {kLargest, Make(false, 0x43FE, 0xFFFFFFFFFFFFF800)},
      {kSmallestNormal, Make(false, 0x3C01, kOne)},
      // Subnormal doubles become normal extended values.
      {kSmallestSubnormal, Make(false, 0x3BCD, kOne)},
      {kSmallestNormal - kSmallestSubnormal, Make(false, 0x3C00, 0xFFFFFFFFFFFFF000)},
      {-3 * kSmallestSubnormal, Make(true, 0x3BCE, 0xC000000000000000)},
      {std::bit_cast<double>(0x7FF8000000000123ull), Make(false, 0x7FFF, 0xC000000000091800)},
  };
  for (const auto& c : cases) EXPECT_EQ(DoubleToExtended(c.value), c.expected) << c.value;
}

TEST(ExtendedTest, NarrowingRoundsToNearestWithTiesToEven) {
  const struct {
    const char* what;
    TExtended80 value;
    double expected;
  } cases[] = {
      {"below half", Make(false, 0x3FFF, 0x80000000000003FF), 1.0},
      {"tie to even below", Make(false, 0x3FFF, 0x8000000000000400), 1.0},
      {"tie to even above", Make(false, 0x3FFF, 0x8000000000000C00), 1.0 + 0x1p-51},
      {"above half", Make(false, 0x3FFF, 0x8000000000000401), 1.0 + 0x1p-52},
      {"carry into the exponent", Make(false, 0x3FFF, 0xFFFFFFFFFFFFFC00), 2.0},
      {"negative tie", Make(true, 0x3FFF, 0x8000000000000C00), -(1.0 + 0x1p-51)},
      {"just below overflow", Make(false, 0x43FE, 0xFFFFFFFFFFFFFBFF), kLargest},
      {"rounds up past the largest", Make(false, 0x43FE, 0xFFFFFFFFFFFFFC00), kInf},
      {"beyond the range", Make(false, 0x43FF, kOne), kInf},
      {"far beyond the range", Make(true, 0x7FFE, kOne), -kInf},
      {"largest subnormal rounds to the smallest normal", Make(false, 0x3C00, 0xFFFFFFFFFFFFF800), kSmallestNormal},
      {"subnormal kept", Make(false, 0x3C00, 0xFFFFFFFFFFFFF000), kSmallestNormal - kSmallestSubnormal},
      {"one and a half units tie to two", Make(false, 0x3BCD, 0xC000000000000000), 2 * kSmallestSubnormal},
      {"half a unit ties to zero", Make(false, 0x3BCC, kOne), 0.0},
      {"just above half a unit", Make(false, 0x3BCC, kOne + 1), kSmallestSubnormal},
      {"three quarters of a unit", Make(false, 0x3BCC, 0xC000000000000000), kSmallestSubnormal},
      {"below half a unit", Make(false, 0x3BCB, 0xFFFFFFFFFFFFFFFF), 0.0},
      {"smallest normal extended", Make(false, 1, kOne), 0.0},
      {"extended subnormal", Make(false, 0, 0x0000000000000001), 0.0},
      {"negative underflow keeps its sign", Make(true, 0x3BCC, kOne), -0.0},
      {"negative extended subnormal", Make(true, 0, 5), -0.0},
  };
  for (const auto& c : cases) EXPECT_EQ(Bits(ExtendedToDouble(c.value)), Bits(c.expected)) << c.what;
}

TEST(ExtendedTest, NaNsStayNaNsAndInvalidFormsBecomeTheDefaultNaN) {
  const struct {
    const char* what;
    TExtended80 value;
    uint64_t expected;
  } cases[] = {
      {"quiet NaN", Make(false, 0x7FFF, 0xC000000000000000), 0x7FF8000000000000},
      {"signalling NaN is quieted", Make(true, 0x7FFF, 0x8000000000000800), 0xFFF8000000000001},
      // Its payload lies below the double's fraction; it must not read as infinity.
      {"NaN with a low payload only", Make(false, 0x7FFF, kOne | 1), 0x7FF8000000000000},
      {"pseudo-infinity", Make(false, 0x7FFF, 0), 0xFFF8000000000000},
      {"pseudo-NaN", Make(false, 0x7FFF, 0x4000000000000000), 0xFFF8000000000000},
      {"unnormal", Make(false, 0x3FFF, 0x4000000000000000), 0xFFF8000000000000},
  };
  for (const auto& c : cases) EXPECT_EQ(Bits(ExtendedToDouble(c.value)), c.expected) << c.what;
}
