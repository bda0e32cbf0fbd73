#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FMTBcd.h"

namespace {

const std::string kSixtyFourNines(64, '9');
const std::string kSixtyThreePlaces = "0." + std::string(62, '0') + "7";

TBcd Record(uint8_t precision, uint8_t signSpecialPlaces, std::initializer_list<uint8_t> fraction) {
  TBcd value;
  value.Precision = precision;
  value.SignSpecialPlaces = signSpecialPlaces;
  size_t i = 0;
  for (const uint8_t byte : fraction) value.Fraction[i++] = byte;
  return value;
}

}  // namespace

TEST(FMTBcdTest, TextComesBackInGeneralFormat) {
  const struct {
    std::string text, expected;
  } cases[] = {
      {"0", "0"},
      {"-0", "0"},
      {"-0.000", "0"},
      {"007.500", "7.5"},
      {"+.5", "0.5"},
      {"5.", "5"},
      {"-1.5e3", "-1500"},
      {"1.5E-3", "0.0015"},
      {"12e-5", "0.00012"},
      {"-12.5e+1", "-125"},
      {"0e9999", "0"},
      {kSixtyFourNines, kSixtyFourNines},
      {"-" + kSixtyFourNines, "-" + kSixtyFourNines},
      {kSixtyThreePlaces, kSixtyThreePlaces},
      // Places beyond the 63rd are cut off, not rounded, and a cut-off value has no sign.
      {"0." + std::string(63, '0') + "9", "0"},
      {"-1e-64", "0"},
      {"1." + std::string(63, '9') + "9", "1." + std::string(63, '9')},
      {"0." + std::string(70, '1'), "0." + std::string(63, '1')},
  };
  for (const auto& c : cases) EXPECT_EQ(BcdToStr(StrToBcd(c.text)), c.expected) << c.text;
}

TEST(FMTBcdTest, RefusesWhatIsNoDecimalOrExceedsSixtyFourDigits) {
  const std::string cases[] = {"",
                               "-",
                               ".",
                               "e5",
                               "1e",
                               "1e+",
                               "1.2.3",
                               "1,5",
                               " 1",
                               "1 ",
                               "0x10",
                               "--1",
                               "+-1",
                               "1e5.5",
                               "1e99999",
                               "1e-99999",
                               "1e64",
                               "nan",
                               "inf",
                               "1" + kSixtyFourNines,
                               kSixtyFourNines + "0.5",
                               "1e5e5"};
  for (const std::string& text : cases) {
    TBcd result = StrToBcd("42");
    EXPECT_FALSE(TryStrToBcd(text, result)) << text;
    EXPECT_EQ(BcdToStr(result), "42") << text;
  }
  try {
    StrToBcd("abc");
    FAIL();
  } catch (const EConvertError& error) {
    EXPECT_EQ(error.Message(), "'abc' is not a valid BCD value");
  }
}

TEST(FMTBcdTest, PacksTwoDigitsAByteWithSignAndPlaces) {
  const TBcd value = StrToBcd("-12.50");
  EXPECT_EQ(value.Precision, 3);
  EXPECT_EQ(value.SignSpecialPlaces, 0x81);
  EXPECT_EQ(value.Fraction[0], 0x12);
  EXPECT_EQ(value.Fraction[1], 0x50);
  const TBcd zero = StrToBcd("-0.0");
  EXPECT_EQ(zero.Precision, 1);
  EXPECT_EQ(zero.SignSpecialPlaces, 0);
  EXPECT_EQ(StrToBcd(kSixtyFourNines).Fraction[31], 0x99);
}

TEST(FMTBcdTest, StoredRecordsAreReadWithinTheirThirtyFourBytes) {
  const struct {
    TBcd value;
    std::string expected;
  } cases[] = {
      {Record(4, 2, {0x01, 0x50}), "1.5"},
      {Record(4, 0x80 | 4, {0x00, 0x25}), "-0.0025"},
      {Record(0, 0x80, {}), "0"},
      {Record(3, 0x80, {0x00, 0x00}), "0"},
      // Out-of-range precision, places and nibbles are clamped.
      {Record(200, 0, {0x12}), "12" + std::string(62, '0')},
      {Record(2, 63, {0x15}), "0.15"},
      {Record(2, 0, {0xFA}), "99"},
  };
  for (const auto& c : cases) EXPECT_EQ(BcdToStr(c.value), c.expected);
}

TEST(FMTBcdTest, DoublesPassThroughTheirShortestText) {
  const struct {
    double value;
    const char* expected;
  } cases[] = {
      {0.1, "0.1"},
      {-0.0, "0"},
      {0.1 + 0.2, "0.30000000000000004"},
      {1e20, "100000000000000000000"},
      {1e-5, "0.00001"},
      {-2.5e-3, "-0.0025"},
      {1e-70, "0"},
      {9.5e63, "9500000000000000000000000000000000000000000000000000000000000000"},
  };
  for (const auto& c : cases) EXPECT_EQ(BcdToStr(DoubleToBcd(c.value)), c.expected) << c.value;
  for (const double value : {1e64, std::numeric_limits<double>::max(), std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()})
    EXPECT_THROW(DoubleToBcd(value), EConvertError) << value;
  for (const double value : {0.1, -1e-5, 123456.789, 1e63, 0.30000000000000004})
    EXPECT_EQ(BcdToDouble(DoubleToBcd(value)), value);
  EXPECT_EQ(BcdToDouble(StrToBcd(kSixtyFourNines)), 1e64);
}

TEST(FMTBcdTest, CurrencyRoundsHalfAwayFromZeroAtTheFifthPlace) {
  const struct {
    const char* text;
    int64_t scaled;
  } cases[] = {
      {"0.00005", 1},
      {"-0.00005", -1},
      {"0.000049999", 0},
      {"2.00015", 20002},
      {"2.00025", 20003},
      {"-12.5", -125000},
      {"922337203685477.5807", std::numeric_limits<int64_t>::max()},
      {"922337203685477.58074", std::numeric_limits<int64_t>::max()},
      {"-922337203685477.5808", std::numeric_limits<int64_t>::min()},
  };
  for (const auto& c : cases) EXPECT_EQ(BcdToCurrency(StrToBcd(c.text)).Scaled, c.scaled) << c.text;
  const std::string outOfRange[] = {
      "922337203685477.5808", "922337203685477.58075", "-922337203685477.58085", "-922337203685477.5809", "1e20",
      kSixtyFourNines,        "-" + kSixtyFourNines};
  for (const std::string& text : outOfRange) EXPECT_THROW(BcdToCurrency(StrToBcd(text)), EConvertError) << text;
  for (const int64_t scaled : {std::numeric_limits<int64_t>::min(), int64_t{-1}, int64_t{0}, int64_t{125000},
                               std::numeric_limits<int64_t>::max()})
    EXPECT_EQ(BcdToCurrency(CurrencyToBcd(Currency{scaled})).Scaled, scaled);
}

TEST(FMTBcdTest, ComparesByValue) {
  const struct {
    const char *a, *b;
    int expected;
  } cases[] = {
      {"1.50", "1.5", 0},   {"-0", "0", 0},        {"-1", "0", -1},       {"0", "-1", 1},
      {"-2", "-1", -1},     {"10", "9", 1},        {"0.1", "0.09", 1},    {"-0.1", "-0.09", -1},
      {"100", "99.999", 1}, {"0.001", "0.01", -1}, {"-100", "-99.9", -1}, {"0.5", "0", 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(BcdCompare(StrToBcd(c.a), StrToBcd(c.b)), c.expected) << c.a << " against " << c.b;
  EXPECT_EQ(BcdCompare(Record(4, 2, {0x01, 0x50}), StrToBcd("1.5")), 0);
}
