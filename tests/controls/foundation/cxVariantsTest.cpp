#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <string>

#include "controls/foundation/base/cxVariants.h"

namespace {

std::string Bytes(const TMemoryStream& stream) {
  return std::string(reinterpret_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
}

std::string Written(const Variant& value) {
  TMemoryStream stream;
  WriteVariant(stream, value);
  return Bytes(stream);
}

Variant ReadBack(const std::string& bytes) {
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  stream.SetPosition(0);
  return ReadVariant(stream);
}

}  // namespace

TEST(cxVariantsTest, IntegersAndStringsTakeTheSmallestTag) {
  const struct {
    Variant value;
    std::string bytes;
  } cases[] = {
      {Variant(127), std::string("\x02\x7F", 2)},
      {Variant(128), std::string("\x03\x80\x00", 3)},
      {Variant(-129), std::string("\x03\x7F\xFF", 3)},
      {Variant(int64_t{2147483648}), std::string("\x13\x00\x00\x00\x80\x00\x00\x00\x00", 9)},
      {Variant(uint32_t{40000}), std::string("\x04\x40\x9C\x00\x00", 5)},
      {VarArrayOf({}), std::string("\x01\x02\x00", 3)},
      {Unassigned(), "\x0D"},
      {Null(), std::string("\x00", 1)},
      {Variant(true), "\x09"},
      {Variant(false), "\x08"},
  };
  for (const auto& c : cases) EXPECT_EQ(Written(c.value), c.bytes) << c.value.AsString();
  EXPECT_EQ(Written(Variant(std::string(255, 'x'))), "\x06\xFF" + std::string(255, 'x'));
  EXPECT_EQ(Written(Variant(std::string(256, 'x'))), std::string("\x0C\x00\x01\x00\x00", 5) + std::string(256, 'x'));
}

TEST(cxVariantsTest, ValuesReadBackAsTheirStreamTypes) {
  const struct {
    Variant value;
    TVarType readType;
  } cases[] = {
      {Variant(int16_t{5}), varShortInt},
      {Variant(int64_t{1} << 40), varInt64},
      {Variant(1.5), varDouble},
      {Variant(1.5f), varSingle},
      {Variant(Currency{-12345}), varCurrency},
      {Variant(TDateTime{45000.25}), varDate},
      {Variant(u"\u0416x"), varOleStr},
      {Variant("abc"), varString},
      {Variant(StrToBcd("-12.50")), varString},
      {Variant(TSQLTimeStamp{2024, 2, 29, 13, 5, 0, 0}), varDate},
  };
  for (const auto& c : cases) {
    const Variant read = ReadBack(Written(c.value));
    EXPECT_EQ(VarType(read), c.readType) << c.value.AsString();
    EXPECT_TRUE(VarEquals(read, c.value)) << c.value.AsString();
  }
}

TEST(cxVariantsTest, DoublesRoundTripBitForBitThroughExtended) {
  const double cases[] = {0.0,
                          -0.0,
                          1.0 / 3,
                          -1e300,
                          5e-324,
                          2.2250738585072009e-308,
                          std::numeric_limits<double>::max(),
                          std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity(),
                          std::numeric_limits<double>::quiet_NaN()};
  for (const double value : cases) {
    const Variant read = ReadBack(Written(Variant(value)));
    ASSERT_EQ(VarType(read), varDouble);
    EXPECT_EQ(std::bit_cast<uint64_t>(read.AsDouble()), std::bit_cast<uint64_t>(value)) << value;
  }
}

TEST(cxVariantsTest, ExtendedValuesBeyondADoubleRoundOrSaturate) {
  const struct {
    std::string bytes;  // significand, then sign and exponent
    double expected;
  } cases[] = {
      // 1 + 2^-53 exactly halfway: ties to even, down to 1.
      {std::string("\x00\x04\x00\x00\x00\x00\x00\x80\xFF\x3F", 10), 1.0},
      // 1 + 2^-53 + 2^-63: above halfway, up.
      {std::string("\x01\x04\x00\x00\x00\x00\x00\x80\xFF\x3F", 10), 1.0000000000000002},
      {std::string("\x00\x00\x00\x00\x00\x00\x00\x80\xFF\x7F", 10), std::numeric_limits<double>::infinity()},
      {std::string("\x00\x00\x00\x00\x00\x00\x00\x80\x00\x50", 10), std::numeric_limits<double>::infinity()},
      {std::string("\x00\x00\x00\x00\x00\x00\x00\x80\x00\x20", 10), 0.0},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadBack("\x05" + c.bytes).AsDouble(), c.expected);
  // No integer bit under a non-zero exponent: the FPU calls it invalid.
  EXPECT_TRUE(std::isnan(ReadBack(std::string("\x05\x00\x00\x00\x00\x00\x00\x00\x40\xFF\x3F", 11)).AsDouble()));
}

TEST(cxVariantsTest, ListsNestAndReadBackAsVariantArrays) {
  const Variant list = VarArrayOf({Variant(1), VarArrayOf({Variant("a"), Null()}), Unassigned()});
  const Variant read = ReadBack(Written(list));
  ASSERT_TRUE(VarIsArray(read));
  EXPECT_EQ(read.Bounds(1).HighBound, 2);
  EXPECT_EQ(VarCompare(read, list), 0);
  EXPECT_EQ(read.Item(1).Item(0).AsString(), "a");
}

TEST(cxVariantsTest, CorruptStreamsRaiseReadErrorsWithoutLargeAllocations) {
  const std::string cases[] = {
      "\x07",                                      // unreadable tag
      "\x14",                                      // beyond the last tag
      std::string("\x01\x04\xFF\xFF\xFF\x7F", 6),  // 2^31-1 elements in no bytes
      std::string("\x01\x02\xFF", 3),              // negative count
      std::string("\x01\x06\x01\x00", 4),          // count that is no integer
      std::string("\x0C\xFF\xFF\xFF\x7F"
                  "abc",
                  8),                          // long string beyond the stream
      std::string("\x0C\x00\x00\x00\x80", 5),  // negative length
      std::string("\x12\x00\x00\x00\x40", 5),  // wide count whose bytes overflow 32 bits
      std::string("\x12\x02\x00\x00\x00"
                  "abc",
                  8),  // wide string one byte short
      std::string("\x06\x05"
                  "ab",
                  4),                  // short string beyond the stream
      std::string("\x05\x00\x00", 3),  // extended cut short
      "",
  };
  for (const std::string& bytes : cases) EXPECT_THROW(ReadBack(bytes), EReadError) << testing::PrintToString(bytes);
}

TEST(cxVariantsTest, NestingIsCappedAt256Lists) {
  std::string nested;
  for (int i = 0; i < 256; ++i) nested += std::string("\x01\x02\x01", 3);
  EXPECT_NO_THROW(ReadBack(nested + "\x0D"));
  EXPECT_THROW(ReadBack(std::string("\x01\x02\x01", 3) + nested + "\x0D"), EReadError);
}

TEST(cxVariantsTest, MultiDimensionalArraysCannotBeWritten) {
  const Variant matrix = Variant::Array({{0, 1}, {0, 1}}, varInteger);
  EXPECT_THROW(Written(matrix), EWriteError);
}

TEST(cxVariantsTest, VarCompareOrdersUnassignedAndNullFirst) {
  const struct {
    Variant a, b;
    int expected;
  } cases[] = {
      {Unassigned(), Null(), -1},
      {Null(), Unassigned(), 1},
      {Unassigned(), Unassigned(), 0},
      {Null(), Null(), 0},
      {Null(), Variant(5), -1},
      {Variant(5), Null(), 1},
      {Variant(5), Variant(5.0), 0},
      {Variant(2), Variant("10"), -1},
      {Variant("abc"), Variant("abd"), -1},
      {Variant(u"b"), Variant("a"), 1},
      {Variant(int64_t{1} << 62), Variant((int64_t{1} << 62) + 1), -1},
      {Variant(StrToBcd("1.50")), Variant(1.5), 0},
      {Variant(Currency{10000}), Variant(1), 0},
      {Variant(TDateTime{2}), Variant(TSQLTimeStamp{1900, 1, 1, 0, 0, 0, 0}), 0},
      {VarArrayOf({Variant(1)}), VarArrayOf({Variant(1), Variant(2)}), -1},
      {VarArrayOf({Variant(1), Variant(3)}), VarArrayOf({Variant(1), Variant(2)}), 1},
      {VarArrayOf({}), Variant(0), 1},
      {Variant(0), VarArrayOf({}), -1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(VarCompare(c.a, c.b), c.expected) << c.a.AsString() << " against " << c.b.AsString();
}

TEST(cxVariantsTest, VarCompareIsNoOrderForRefusedAndUnorderedPairs) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(VarCompare(Variant("abc"), Variant(1)), -1);
  EXPECT_EQ(VarCompare(Variant(1), Variant("abc")), -1);
  EXPECT_EQ(VarCompare(Variant(nan), Variant(1.0)), 1);
  EXPECT_EQ(VarCompare(Variant(1.0), Variant(nan)), 1);
  EXPECT_EQ(VarCompare(Variant(1e100), Variant(StrToBcd("1"))), -1);
}

TEST(cxVariantsTest, VarEqualsExactComparesBooleansAsText) {
  EXPECT_TRUE(VarEqualsExact(Variant(true), Variant("True")));
  EXPECT_FALSE(VarEqualsExact(Variant(true), Variant(1)));
  EXPECT_TRUE(VarEquals(Variant(true), Variant(1)));
  EXPECT_FALSE(VarEqualsExact(Variant(true), Null()));
  EXPECT_TRUE(VarEqualsExact(Variant(2), Variant(2.0)));
}

TEST(cxVariantsTest, TypeTests) {
  EXPECT_TRUE(VarIsDate(Variant(TDateTime{1})));
  EXPECT_TRUE(VarIsDate(Variant(TSQLTimeStamp{})));
  EXPECT_FALSE(VarIsDate(Variant(1.0)));
  EXPECT_TRUE(VarIsNumericOrFMTBcd(Variant(StrToBcd("1"))));
  EXPECT_TRUE(VarIsNumericOrFMTBcd(Variant(Currency{})));
  EXPECT_FALSE(VarIsNumericOrFMTBcd(Variant("1")));
  EXPECT_TRUE(VarIsNullOrEmptyStr(Null()));
  EXPECT_TRUE(VarIsNullOrEmptyStr(Variant(u"")));
  EXPECT_FALSE(VarIsNullOrEmptyStr(Unassigned()));
  EXPECT_FALSE(VarIsNullOrEmptyStr(Variant(" ")));
}
