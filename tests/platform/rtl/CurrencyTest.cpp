#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/rtl/Currency.h"

namespace {

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

}  // namespace

TEST(CurrencyTest, DoublesRoundToTheNearestTenThousandthWithTiesToEven) {
  const struct {
    double value;
    int64_t scaled;
  } cases[] = {
      {1.23456, 12346},
      {-1.23456, -12346},
      // Each of these scales to an exact half.
      {0.00025, 2},
      {0.00035, 4},
      {-0.00025, -2},
      {0.00005, 0},
      {2.00015, 20002},
      {0.12345, 1234},
      {-0.0, 0},
      {562949953421312.0, 5629499534213120000},
      {-922337203685477.5808, kMin},
  };
  for (const auto& c : cases) {
    Currency result{99};
    ASSERT_TRUE(TryDoubleToCurrency(c.value, result)) << c.value;
    EXPECT_EQ(result.Scaled, c.scaled) << c.value;
  }
}

TEST(CurrencyTest, DoublesOutsideTheRangeAreRefusedAndLeaveTheResult) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  // 922337203685477.5807 has no double of its own: the nearest one scales to 2^63.
  for (const double value : {922337203685477.5807, 1e15, -1e15, 1e300, -1e300, nan, inf, -inf}) {
    Currency result{99};
    EXPECT_FALSE(TryDoubleToCurrency(value, result)) << value;
    EXPECT_EQ(result.Scaled, 99);
  }
}

TEST(CurrencyTest, TextHasNoTrailingZerosAndSurvivesTheLimits) {
  const struct {
    int64_t scaled;
    const char* text;
  } cases[] = {
      {0, "0"},
      {1, "0.0001"},
      {-1, "-0.0001"},
      {-5000, "-0.5"},
      {10000, "1"},
      {12340, "1.234"},
      {-125000, "-12.5"},
      {1000000010000, "100000001"},
      {kMax, "922337203685477.5807"},
      {kMin, "-922337203685477.5808"},
  };
  for (const auto& c : cases) EXPECT_EQ(CurrToStr(Currency{c.scaled}), c.text) << c.scaled;
}
