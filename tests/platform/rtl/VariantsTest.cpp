#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "platform/rtl/Variants.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

std::string Describe(const Variant& value) {
  try {
    return VarTypeAsText(VarType(value)) + " " + value.AsString();
  } catch (const EVariantError&) {
    return VarTypeAsText(VarType(value));
  }
}

}  // namespace

TEST(VariantsTest, ConversionsGiveTheTypeAskedForAndItsValue) {
  const struct {
    Variant value;
    TVarType type;
    std::string expected;
  } cases[] = {
      // Rounding to an integer goes to the even neighbour on a tie.
      {Variant(2.5), varInteger, "2"},
      {Variant(3.5), varInteger, "4"},
      {Variant(-2.5), varSmallint, "-2"},
      {Variant(Currency{25000}), varInteger, "2"},
      {Variant(Currency{-25001}), varInteger, "-3"},
      {Variant(" 2.5 "), varInteger, "2"},
      {Variant("$FF"), varByte, "255"},
      {Variant("9223372036854775807"), varInt64, "9223372036854775807"},
      {Variant("-9223372036854775808"), varInt64, "-9223372036854775808"},
      {Variant(StrToBcd("-12.5")), varInteger, "-12"},
      {Variant(uint32_t{4294967295u}), varInt64, "4294967295"},
      // An OLE Boolean's True is all bits set.
      {Variant(true), varInteger, "-1"},
      {Variant(true), varCurrency, "-1"},
      {Variant(" true "), varBoolean, "True"},
      {Variant("0"), varBoolean, "False"},
      {Variant("0.5"), varBoolean, "True"},
      {Unassigned(), varInteger, "0"},
      {Unassigned(), varFMTBcd, "0"},
      {Variant(1e20), varString, "1E20"},
      {Variant(0.1f), varString, "0.1"},
      {Variant(-kInf), varSingle, "-INF"},
      {Variant(1.2345678), varSingle, "1.234568"},
      {Variant(0.00005), varCurrency, "0"},
      {Variant(0.00015), varCurrency, "0.0001"},
      {Variant("0.00005"), varCurrency, "0.0001"},
      {Variant("-922337203685477.5808"), varCurrency, "-922337203685477.5808"},
      {Variant(int64_t{922337203685477}), varCurrency, "922337203685477"},
      {Variant(Currency{-1}), varFMTBcd, "-0.0001"},
      {Variant(0.1 + 0.2), varFMTBcd, "0.30000000000000004"},
      {Variant(StrToBcd("123456789012345678901234567890")), varString, "123456789012345678901234567890"},
      {Variant(TDateTime{-1.25}), varString, "1899-12-29 06:00:00"},
      {Variant("2024-02-29 12:00"), varDate, "2024-02-29 12:00:00"},
      {Variant("45351.5"), varDate, "2024-02-29 12:00:00"},
      {Variant(TSQLTimeStamp{2024, 2, 29, 12, 0, 0, 0}), varDouble, "45351.5"},
      {Variant(45351.5), varSQLTimeStamp, "2024-02-29 12:00:00"},
      {Variant(TSQLTimeStamp{}), varString, "1899-12-30"},
      {Variant(u"\u00E9\u0416"), varString, "\xE9?"},
      {Variant("\x80"), varOleStr, "\x80"},
  };
  for (const auto& c : cases) {
    const Variant converted = VarAsType(c.value, c.type);
    EXPECT_EQ(VarType(converted), c.type) << Describe(c.value);
    EXPECT_EQ(converted.AsString(), c.expected) << Describe(c.value) << " to " << VarTypeAsText(c.type);
  }
  EXPECT_EQ(VarAsType(Variant("\x80"), varOleStr).AsWideString(), u"\u20AC");
}

TEST(VariantsTest, ValuesThatDoNotFitRaiseOverflow) {
  const struct {
    Variant value;
    TVarType type;
  } cases[] = {
      {Variant(70000), varSmallint},
      {Variant(128), varShortInt},
      {Variant(-1), varByte},
      {Variant(256), varByte},
      {Variant(true), varByte},
      {Variant(-1), varLongWord},
      {Variant(int64_t{1} << 32), varLongWord},
      {Variant(int64_t{1} << 31), varInteger},
      {Variant(255.5), varByte},
      {Variant(1e300), varInteger},
      {Variant(9223372036854775808.0), varInt64},
      {Variant(kNaN), varInt64},
      {Variant("9223372036854775808"), varInt64},
      {Variant("1e19"), varInt64},
      {Variant(1e300), varSingle},
      {Variant(-1e39), varSingle},
      {Variant(int64_t{922337203685478}), varCurrency},
      {Variant(std::numeric_limits<int64_t>::min()), varCurrency},
      {Variant(kNaN), varCurrency},
      {Variant("922337203685477.5808"), varCurrency},
      {Variant(Currency{std::numeric_limits<int64_t>::max()}), varInteger},
      {Variant(1e100), varFMTBcd},
      {Variant(-1e64), varFMTBcd},
  };
  for (const auto& c : cases)
    EXPECT_THROW(VarAsType(c.value, c.type), EVariantOverflowError)
        << Describe(c.value) << " to " << VarTypeAsText(c.type);
}

TEST(VariantsTest, ValuesWithoutAFormInTheTypeRaiseTypeCastErrors) {
  const struct {
    Variant value;
    TVarType type;
  } cases[] = {
      {Null(), varInteger},
      {Null(), varEmpty},
      {Variant("abc"), varInteger},
      {Variant(""), varDouble},
      {Variant("1.5x"), varDouble},
      {Variant("yes"), varBoolean},
      {Variant("abc"), varDate},
      {Variant("1,5"), varFMTBcd},
      {Variant("2023-02-29"), varDate},
      {Variant(TSQLTimeStamp{2023, 2, 29, 0, 0, 0, 0}), varString},
      {Variant(TSQLTimeStamp{2023, 2, 29, 0, 0, 0, 0}), varDouble},
      {Variant(TSQLTimeStamp{2024, 1, 1, 0, 0, 0, 0}), varBoolean},
      {Variant(TSQLTimeStamp{2024, 1, 1, 0, 0, 0, 0}), varFMTBcd},
      {Variant(TDateTime{kNaN}), varString},
      {Variant(TDateTime{3e6}), varSQLTimeStamp},
      {Variant(kInf), varFMTBcd},
      {Variant(kNaN), varFMTBcd},
      {Variant(1), 0x0099},
      {VarArrayOf({Variant(1)}), varInteger},
  };
  for (const auto& c : cases)
    EXPECT_THROW(VarAsType(c.value, c.type), EVariantTypeCastError)
        << Describe(c.value) << " to " << VarTypeAsText(c.type);
  try {
    VarAsType(VarArrayOf({}), varInteger);
    FAIL();
  } catch (const EVariantTypeCastError& error) {
    EXPECT_EQ(error.Message(), "Cannot convert a variant of type Array of Variant to type Integer");
  }
}

TEST(VariantsTest, ArraysHaveOneDimensionOfElementsOfTheirType) {
  Variant numbers = Variant::Array({{-2, 1}}, varInteger);
  EXPECT_EQ(VarType(numbers), varArray | varInteger);
  EXPECT_EQ(numbers.Bounds(1).LowBound, -2);
  EXPECT_EQ(numbers.Bounds(1).HighBound, 1);
  EXPECT_EQ(VarType(numbers.Item(-2)), varInteger);
  EXPECT_EQ(numbers.Item(-2).AsInt64(), 0);
  numbers.SetItem(1, Variant("7"));
  EXPECT_EQ(VarType(numbers.Item(1)), varInteger);
  EXPECT_EQ(numbers.Item(1).AsInt64(), 7);
  EXPECT_THROW(numbers.SetItem(0, Variant(int64_t{1} << 40)), EVariantOverflowError);
  EXPECT_THROW(numbers.SetItem(0, Variant("x")), EVariantTypeCastError);
  EXPECT_EQ(numbers.Item(0).AsInt64(), 0);
  for (const int index : {-3, 2, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
    EXPECT_THROW(numbers.Item(index), EVariantInvalidOpError) << index;
    EXPECT_THROW(numbers.SetItem(index, Variant(1)), EVariantInvalidOpError) << index;
  }
  for (const int dimension : {0, 2}) EXPECT_THROW(numbers.Bounds(dimension), EVariantInvalidOpError);

  Variant mixed = VarArrayOf({Variant(1), Variant("a"), Null()});
  EXPECT_EQ(VarType(mixed), varArray | varVariant);
  EXPECT_EQ(VarType(mixed.Item(1)), varString);
  EXPECT_TRUE(VarIsNull(mixed.Item(2)));
  mixed.SetItem(0, Variant(2.5));
  EXPECT_EQ(VarType(mixed.Item(0)), varDouble);
  EXPECT_TRUE(VarIsEmpty(Variant::Array({{0, 0}}, varVariant).Item(0)));
  EXPECT_EQ(VarType(Variant::Array({{0, 0}}, varString).Item(0)), varString);
}

TEST(VariantsTest, ArrayBoundsAtTheEdgesOfTheIntegerRange) {
  constexpr int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
  Variant low = Variant::Array({{kMin, kMin + 1}}, varInteger);
  low.SetItem(kMin + 1, Variant(5));
  EXPECT_EQ(low.Item(kMin + 1).AsInt64(), 5);
  EXPECT_THROW(low.Item(kMin + 2), EVariantInvalidOpError);
  Variant high = Variant::Array({{kMax - 1, kMax}}, varInteger);
  high.SetItem(kMax, Variant(6));
  EXPECT_EQ(high.Item(kMax).AsInt64(), 6);
  EXPECT_THROW(high.Item(kMax - 2), EVariantInvalidOpError);
  const Variant empty = Variant::Array({{5, 4}}, varInteger);
  EXPECT_THROW(empty.Item(5), EVariantInvalidOpError);
  EXPECT_THROW(Variant::Array({{5, 3}}, varInteger), EVariantInvalidOpError);
  EXPECT_THROW(Variant::Array({}, varInteger), EVariantInvalidOpError);
}

TEST(VariantsTest, OnlyOneDimensionalArraysAreIndexed) {
  Variant matrix = Variant::Array({{0, 1}, {0, 2}}, varInteger);
  EXPECT_EQ(matrix.DimCount(), 2);
  EXPECT_EQ(matrix.Bounds(2).HighBound, 2);
  EXPECT_THROW(matrix.Item(0), EVariantInvalidOpError);
  EXPECT_THROW(matrix.SetItem(0, Variant(1)), EVariantInvalidOpError);
  Variant scalar(5);
  EXPECT_THROW(scalar.Item(0), EVariantInvalidOpError);
  EXPECT_THROW(scalar.SetItem(0, Variant(1)), EVariantInvalidOpError);
  EXPECT_THROW(scalar.Bounds(1), EVariantInvalidOpError);
}

TEST(VariantsTest, ValuesRelateInTheirCommonType) {
  const struct {
    Variant a, b;
    TVariantRelationship expected;
  } cases[] = {
      {Null(), Null(), vrEqual},
      {Null(), Unassigned(), vrLessThan},
      {Variant(-1e300), Null(), vrGreaterThan},
      {Unassigned(), Unassigned(), vrEqual},
      {Unassigned(), Variant(""), vrEqual},
      {Unassigned(), Variant(0), vrEqual},
      {Unassigned(), Variant(-1), vrGreaterThan},
      {Unassigned(), Variant(false), vrEqual},
      {Unassigned(), Variant(Currency{1}), vrLessThan},
      {Unassigned(), Variant(StrToBcd("-0.1")), vrGreaterThan},
      // Two strings compare as text, a string and a number as numbers.
      {Variant("10"), Variant("9"), vrLessThan},
      {Variant("10"), Variant(9), vrGreaterThan},
      {Variant("a"), Variant("B"), vrGreaterThan},
      {Variant("\xE9"), Variant(u"\u00E9"), vrEqual},
      {Variant(u"\u0416"), Variant(u"\u0417"), vrLessThan},
      {Variant(true), Variant("True"), vrEqual},
      {Variant(true), Variant(2), vrEqual},
      {Variant(false), Variant(true), vrLessThan},
      {Variant(StrToBcd("0.1")), Variant(0.1), vrEqual},
      {Variant(StrToBcd("1.50")), Variant("1.5"), vrEqual},
      {Variant(StrToBcd(std::string(40, '9'))), Variant(StrToBcd("1" + std::string(40, '0'))), vrLessThan},
      {Variant(TDateTime{2}), Variant(TSQLTimeStamp{1900, 1, 1, 0, 0, 0, 0}), vrEqual},
      {Variant(TDateTime{2}), Variant("1900-01-01 00:00:01"), vrLessThan},
      {Variant(Currency{10000}), Variant(1), vrEqual},
      {Variant(Currency{-1}), Variant(0.0), vrLessThan},
      {Variant(int64_t{1} << 62), Variant((int64_t{1} << 62) + 1), vrLessThan},
      {Variant(uint32_t{4294967295u}), Variant(-1), vrGreaterThan},
      {Variant(kNaN), Variant(kNaN), vrNotEqual},
      {Variant(kNaN), Variant(1), vrNotEqual},
  };
  for (const auto& c : cases)
    EXPECT_EQ(VarCompareValue(c.a, c.b), c.expected) << Describe(c.a) << " against " << Describe(c.b);
  EXPECT_TRUE(Variant(1) == Variant(1.0));
  EXPECT_TRUE(Variant("a") < Variant("b"));
  EXPECT_FALSE(Variant(kNaN) < Variant(1));
}

TEST(VariantsTest, ComparisonsWithoutACommonTypeRaiseVariantErrors) {
  EXPECT_THROW(VarCompareValue(Variant("abc"), Variant(1)), EVariantTypeCastError);
  EXPECT_THROW(VarCompareValue(Variant(1.0), Variant("abc")), EVariantTypeCastError);
  EXPECT_THROW(VarCompareValue(Variant(TSQLTimeStamp{2023, 2, 29, 0, 0, 0, 0}), Variant(1)), EVariantTypeCastError);
  EXPECT_THROW(VarCompareValue(VarArrayOf({}), VarArrayOf({})), EVariantInvalidOpError);
  EXPECT_THROW(VarCompareValue(Null(), VarArrayOf({})), EVariantInvalidOpError);
  // A double too large for the packed decimal cannot meet one.
  EXPECT_THROW(VarCompareValue(Variant(1e100), Variant(StrToBcd("1"))), EVariantOverflowError);
}
