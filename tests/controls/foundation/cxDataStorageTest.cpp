#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "controls/foundation/base/cxDataStorage.h"
#include "platform/classes/Component.h"

namespace {

// One value of a type in an unaligned record buffer, freed as the storage would.
class TValueBuffer {
 public:
  explicit TValueBuffer(TcxValueTypeClass valueType)
      : FValueType(valueType), FBytes(static_cast<size_t>(valueType->GetDataSize()) + 1) {}
  ~TValueBuffer() { FValueType->FreeBuffer(Data()); }
  void* Data() { return FBytes.data() + 1; }

 private:
  TcxValueTypeClass FValueType;
  std::vector<uint8_t> FBytes;
};

const TcxValueTypeClass kAllTypes[] = {
    &TcxStringValueType::Class,   &TcxWideStringValueType::Class, &TcxSmallintValueType::Class,
    &TcxIntegerValueType::Class,  &TcxWordValueType::Class,       &TcxBooleanValueType::Class,
    &TcxFloatValueType::Class,    &TcxCurrencyValueType::Class,   &TcxDateTimeValueType::Class,
    &TcxLargeIntValueType::Class, &TcxFMTBcdValueType::Class,     &TcxSQLTimeStampValueType::Class,
    &TcxVariantValueType::Class,  &TcxObjectValueType::Class};

}  // namespace

TEST(cxDataStorageTest, CaptionsAndRegistrationOrder) {
  const char* captions[] = {"String",   "WideString", "Smallint", "Integer", "Word",         "Boolean", "Float",
                            "Currency", "DateTime",   "LargeInt", "FMTBcd",  "SQLTimeStamp", "Variant", "Object"};
  cxDataStorageInitialize();
  cxDataStorageInitialize();
  ASSERT_EQ(cxValueTypeClassList().Count(), 14);
  for (int i = 0; i < 14; ++i) {
    EXPECT_EQ(cxValueTypeClassList().Items(i), kAllTypes[i]);
    EXPECT_EQ(kAllTypes[i]->Caption(), captions[i]);
  }
  cxDataStorageFinalize();
  EXPECT_EQ(cxValueTypeClassList().Count(), 14) << "the second start is undone by the second end only";
  cxDataStorageFinalize();
  EXPECT_EQ(cxValueTypeClassList().Count(), 0);
}

TEST(cxDataStorageTest, RegisteringTwiceKeepsOneEntry) {
  TcxValueTypeClassList list;
  list.RegisterClass(&TcxFloatValueType::Class);
  list.RegisterClass(&TcxFloatValueType::Class);
  EXPECT_EQ(list.Count(), 1);
  list.UnregisterClass(&TcxFloatValueType::Class);
  EXPECT_EQ(list.Count(), 0);
}

TEST(cxDataStorageTest, EveryTypeRoundTripsThroughTheStream) {
  const struct {
    TcxValueTypeClass type;
    Variant value;
  } cases[] = {
      {&TcxStringValueType::Class, Variant("text")},
      {&TcxWideStringValueType::Class, Variant(u"\u0416\u4E2D")},  // outside every single-byte code page
      {&TcxSmallintValueType::Class, Variant(-32768)},
      {&TcxIntegerValueType::Class, Variant(INT32_MIN)},
      {&TcxWordValueType::Class, Variant(65535)},
      {&TcxBooleanValueType::Class, Variant(true)},
      {&TcxFloatValueType::Class, Variant(-1.0 / 3)},
      {&TcxCurrencyValueType::Class, Variant(Currency{-922337203685477580})},
      {&TcxDateTimeValueType::Class, Variant(TDateTime{45000.75})},
      {&TcxLargeIntValueType::Class, Variant(INT64_MIN)},
      {&TcxFMTBcdValueType::Class, Variant(StrToBcd("123456789012345678901234.5"))},
      {&TcxSQLTimeStampValueType::Class, Variant(TSQLTimeStamp{2024, 2, 29, 23, 59, 58, 0})},
      {&TcxVariantValueType::Class, VarArrayOf({Variant(1), Variant("a")})},
  };
  for (const auto& c : cases) {
    TValueBuffer source(c.type), target(c.type);
    c.type->SetValue(source.Data(), c.value);
    TMemoryStream stream;
    c.type->WriteValue(source.Data(), stream);
    const int64_t written = stream.Size();
    stream.WriteBuffer("tail", 4);
    stream.SetPosition(0);
    c.type->ReadValue(target.Data(), stream);
    EXPECT_EQ(stream.Position(), written) << c.type->Caption();
    EXPECT_EQ(c.type->CompareValues(source.Data(), target.Data()), 0) << c.type->Caption();
    Variant read;
    c.type->GetValue(target.Data(), read);
    EXPECT_EQ(VarCompare(read, c.value), 0) << c.type->Caption();
  }
}

// The stream form is what other programs' files hold, so it is checked
// octet by octet both ways: a fault shared by writing and reading would still
// round-trip.
TEST(cxDataStorageTest, EachFixedTypeAndStringIsStoredInItsOwnOctets) {
  const struct {
    TcxValueTypeClass type;
    Variant value;
    std::vector<uint8_t> octets;
  } cases[] = {
      {&TcxSmallintValueType::Class, Variant(-2), {0xFE, 0xFF}},
      {&TcxWordValueType::Class, Variant(0xABCD), {0xCD, 0xAB}},
      {&TcxIntegerValueType::Class, Variant(0x01020304), {0x04, 0x03, 0x02, 0x01}},
      {&TcxBooleanValueType::Class, Variant(true), {0x01}},
      {&TcxFloatValueType::Class, Variant(2.5), {0, 0, 0, 0, 0, 0, 0, 0xA0, 0x00, 0x40}},
      {&TcxCurrencyValueType::Class, Variant(-1.5), {0x68, 0xC5, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
      {&TcxDateTimeValueType::Class, Variant(TDateTime{45000.75}), {0, 0, 0, 0, 0x18, 0xF9, 0xE5, 0x40}},
      {&TcxLargeIntValueType::Class,
       Variant(int64_t{-0x10000000005}),
       {0xFB, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF}},
      {&TcxStringValueType::Class, Variant("ab"), {0x02, 0, 0, 0, 'a', 'b'}},
      {&TcxWideStringValueType::Class, Variant(u"\u0416a"), {0x02, 0, 0, 0, 0x16, 0x04, 'a', 0}},
  };
  for (const auto& c : cases) {
    TValueBuffer source(c.type), target(c.type);
    c.type->SetValue(source.Data(), c.value);
    TMemoryStream written;
    c.type->WriteValue(source.Data(), written);
    const uint8_t* bytes = written.Memory();
    EXPECT_EQ(std::vector<uint8_t>(bytes, bytes + written.Size()), c.octets) << c.type->Caption();

    TMemoryStream stored;
    stored.WriteBuffer(c.octets.data(), static_cast<int64_t>(c.octets.size()));
    stored.SetPosition(0);
    c.type->ReadValue(target.Data(), stored);
    Variant read;
    c.type->GetValue(target.Data(), read);
    EXPECT_EQ(VarCompare(read, c.value), 0) << c.type->Caption();
  }
}

TEST(cxDataStorageTest, FloatReadsTenBytesWithoutTouchingTheNextValue) {
  std::vector<uint8_t> record(8 + 4, 0xAB);
  TMemoryStream stream;
  WriteExtended(stream, 2.5);
  stream.SetPosition(0);
  TcxFloatValueType::Class.ReadValue(record.data(), stream);
  double value;
  std::memcpy(&value, record.data(), sizeof value);
  EXPECT_EQ(value, 2.5);
  EXPECT_EQ(record[8], 0xAB);
}

TEST(cxDataStorageTest, ComparisonsAtTheEdges) {
  const TcxValueType& integers = TcxIntegerValueType::Class;
  const int32_t minimum = INT32_MIN, one = 1;
  EXPECT_EQ(integers.Compare(&minimum, &one), -1);
  EXPECT_EQ(integers.Compare(&one, &minimum), 1);

  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(TcxFloatValueType::Class.Compare(&nan, &nan), 0);

  TValueBuffer none(&TcxStringValueType::Class), empty(&TcxStringValueType::Class);
  TcxStringValueType::Class.SetValue(empty.Data(), Variant(""));
  EXPECT_EQ(TcxStringValueType::Class.CompareValues(none.Data(), empty.Data()), -1);
  EXPECT_EQ(TcxStringValueType::Class.CompareValues(empty.Data(), none.Data()), 1);

  const TSQLTimeStamp early{2024, 1, 1, 0, 0, 0, 0}, late{2024, 1, 1, 0, 0, 0, 3000000000u};
  EXPECT_LT(TcxSQLTimeStampValueType::Class.Compare(&early, &late), 0);
}

TEST(cxDataStorageTest, ValuesConvertOrReportThatTheyCannot) {
  Variant text = Variant("42");
  EXPECT_TRUE(TcxSmallintValueType::Class.IsValueValid(text));
  EXPECT_EQ(VarType(text), varSmallint);
  Variant tooLarge = Variant(70000);
  EXPECT_FALSE(TcxSmallintValueType::Class.IsValueValid(tooLarge));
  Variant word = Variant("word");
  EXPECT_FALSE(TcxIntegerValueType::Class.IsValueValid(word));
  Variant null = Null();
  EXPECT_TRUE(TcxIntegerValueType::Class.IsValueValid(null));

  TValueBuffer buffer(&TcxIntegerValueType::Class);
  EXPECT_THROW(TcxIntegerValueType::Class.SetValue(buffer.Data(), Variant("word")), EVariantTypeCastError);
}

TEST(cxDataStorageTest, DisplayTexts) {
  const uint8_t yes = 1;
  EXPECT_EQ(TcxBooleanValueType::Class.GetDisplayText(&yes), "True");
  const double date = 2.5;
  EXPECT_EQ(TcxDateTimeValueType::Class.GetDisplayText(&date), "1900-01-01 12:00:00");
  TValueBuffer none(&TcxStringValueType::Class);
  EXPECT_EQ(TcxStringValueType::Class.GetDisplayText(none.Data()), "");

  TValueBuffer text(&TcxStringValueType::Class);
  TcxStringValueType::Class.SetDisplayText(text.Data(), "shown");
  TMemoryStream stream;
  TcxStringValueType::Class.WriteDisplayText(text.Data(), stream);
  stream.SetPosition(0);
  TValueBuffer read(&TcxStringValueType::Class);
  TcxStringValueType::Class.ReadDisplayText(read.Data(), stream);
  EXPECT_EQ(TcxStringValueType::Class.GetTextBufferText(read.Data()), "shown");
  TcxStringValueType::Class.FreeTextBuffer(text.Data());
  TcxStringValueType::Class.FreeTextBuffer(read.Data());
}

TEST(cxDataStorageTest, HolderTypesReadValuesFromTheirData) {
  const std::string text = "direct";
  Variant value;
  TcxStringValueType::Class.GetValueFromData(&text, value);
  EXPECT_EQ(value.AsString(), "direct");
  const int32_t number = 7;
  TcxIntegerValueType::Class.GetValueFromData(&number, value);
  EXPECT_EQ(value.AsInt64(), 7);
}

TEST(cxDataStorageTest, ObjectBuffersOwnTheirObject) {
  struct TTracked : TObject {
    explicit TTracked(bool& freed) : Freed(freed) {}
    ~TTracked() override { Freed = true; }
    bool& Freed;
  };
  bool freed = false;
  TValueBuffer buffer(&TcxObjectValueType::Class);
  const auto address = reinterpret_cast<intptr_t>(new TTracked(freed));
  TcxObjectValueType::Class.SetValue(buffer.Data(), Variant(static_cast<int64_t>(address)));
  TcxObjectValueType::Class.FreeBuffer(buffer.Data());
  EXPECT_TRUE(freed);
}
