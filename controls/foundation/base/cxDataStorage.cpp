#include "controls/foundation/base/cxDataStorage.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/classes/Component.h"

namespace {

// Buffers are raw record memory without alignment: every access copies.
template <typename T>
T Load(const void* buffer) {
  T value;
  std::memcpy(&value, buffer, sizeof value);
  return value;
}

template <typename T>
void Store(void* buffer, const T& value) {
  std::memcpy(buffer, &value, sizeof value);
}

// A holder is owned by the buffer that points to it; these three are the only
// places it is made and released.
template <typename T>
T& EnsureHolder(void* buffer) {
  T* holder = Load<T*>(buffer);
  if (holder == nullptr) {
    holder = std::make_unique<T>().release();
    Store(buffer, holder);
  }
  return *holder;
}

template <typename T>
void FreeHolder(void* buffer) {
  std::unique_ptr<T> holder(Load<T*>(buffer));
  Store<T*>(buffer, nullptr);
}

template <typename T>
const T* Holder(const void* preparedBuffer) {
  return static_cast<const T*>(preparedBuffer);
}

template <typename T>
int Order(const T& a, const T& b) {
  return a < b ? -1 : b < a ? 1 : 0;
}

// Holders compare with "no value" first.
template <typename T>
int CompareHolders(const T* a, const T* b) {
  if (a == nullptr || b == nullptr) return a == b ? 0 : a == nullptr ? -1 : 1;
  return Order(*a, *b);
}

int gInitCount = 0;
constinit std::unique_ptr<TcxValueTypeClassList> gClassList;

}  // namespace

constinit const TcxValueType TcxValueType::Class{};
constinit const TcxStringValueType TcxStringValueType::Class{};
constinit const TcxWideStringValueType TcxWideStringValueType::Class{};
constinit const TcxSmallintValueType TcxSmallintValueType::Class{};
constinit const TcxIntegerValueType TcxIntegerValueType::Class{};
constinit const TcxWordValueType TcxWordValueType::Class{};
constinit const TcxBooleanValueType TcxBooleanValueType::Class{};
constinit const TcxFloatValueType TcxFloatValueType::Class{};
constinit const TcxCurrencyValueType TcxCurrencyValueType::Class{};
constinit const TcxDateTimeValueType TcxDateTimeValueType::Class{};
constinit const TcxLargeIntValueType TcxLargeIntValueType::Class{};
constinit const TcxFMTBcdValueType TcxFMTBcdValueType::Class{};
constinit const TcxSQLTimeStampValueType TcxSQLTimeStampValueType::Class{};
constinit const TcxVariantValueType TcxVariantValueType::Class{};
constinit const TcxObjectValueType TcxObjectValueType::Class{};

// The base

int TcxValueType::CompareValues(const void* Buffer1, const void* Buffer2) const {
  return Compare(PrepareValueBuffer(Buffer1), PrepareValueBuffer(Buffer2));
}

void TcxValueType::FreeBuffer(void*) const {}

void TcxValueType::FreeTextBuffer(void* TextBuffer) const { FreeHolder<std::string>(TextBuffer); }

void TcxValueType::GetValue(const void*, Variant& Value) const { Value = Null(); }

std::string TcxValueType::GetDisplayText(const void* Buffer) const {
  Variant value;
  GetValue(Buffer, value);
  return VarIsNull(value) ? "" : value.AsString();
}

std::string TcxValueType::GetTextBufferText(const void* TextBuffer) const {
  const auto* holder = Load<const std::string*>(TextBuffer);
  return holder != nullptr ? *holder : "";
}

void TcxValueType::ReadValue(void* Buffer, TStream& Stream) const { SetValue(Buffer, ReadVariant(Stream)); }

void TcxValueType::ReadDisplayText(void* TextBuffer, TStream& Stream) const {
  SetDisplayText(TextBuffer, ReadAnsiString(Stream));
}

void TcxValueType::SetValue(void*, const Variant&) const {}

void TcxValueType::SetDisplayText(void* TextBuffer, const std::string& Text) const {
  EnsureHolder<std::string>(TextBuffer) = Text;
}

void TcxValueType::WriteValue(const void* Buffer, TStream& Stream) const {
  Variant value;
  GetValue(Buffer, value);
  WriteVariant(Stream, value);
}

void TcxValueType::WriteDisplayText(const void* TextBuffer, TStream& Stream) const {
  WriteAnsiString(Stream, GetTextBufferText(TextBuffer));
}

std::string TcxValueType::Caption() const {
  std::string name = ClassName();
  if (name.starts_with("Tcx")) name.erase(0, 3);
  const size_t suffix = name.find("ValueType");
  if (suffix != std::string::npos) name.erase(suffix, 9);
  return name;
}

int TcxValueType::Compare(const void* P1, const void* P2) const {
  Variant value1, value2;
  GetValue(P1, value1);
  GetValue(P2, value2);
  return VarCompare(value1, value2);
}

void TcxValueType::GetValueFromData(const void* Data, Variant& Value) const { GetValue(Data, Value); }

bool TcxValueType::IsValueValid(Variant& Value) const {
  if (VarIsNull(Value) || GetVarType() == varVariant) return true;
  try {
    Value = VarAsType(Value, GetVarType());
    return true;
  } catch (const EVariantError&) {
    return false;
  }
}

// String

int TcxStringValueType::Compare(const void* P1, const void* P2) const {
  return CompareHolders(Holder<std::string>(P1), Holder<std::string>(P2));
}

void TcxStringValueType::FreeBuffer(void* Buffer) const { FreeHolder<std::string>(Buffer); }

void TcxStringValueType::GetValue(const void* Buffer, Variant& Value) const {
  const auto* holder = Load<const std::string*>(Buffer);
  Value = holder != nullptr ? Variant(*holder) : Null();
}

void TcxStringValueType::GetValueFromData(const void* Data, Variant& Value) const { GetValue(&Data, Value); }

const void* TcxStringValueType::PrepareValueBuffer(const void* Buffer) const { return Load<const void*>(Buffer); }

void TcxStringValueType::ReadValue(void* Buffer, TStream& Stream) const {
  SetValue(Buffer, Variant(ReadAnsiString(Stream)));
}

void TcxStringValueType::SetValue(void* Buffer, const Variant& Value) const {
  std::string text = Value.AsString();
  EnsureHolder<std::string>(Buffer) = std::move(text);
}

void TcxStringValueType::WriteValue(const void* Buffer, TStream& Stream) const {
  const auto* holder = Load<const std::string*>(Buffer);
  WriteAnsiString(Stream, holder != nullptr ? *holder : "");
}

// WideString

int TcxWideStringValueType::Compare(const void* P1, const void* P2) const {
  return CompareHolders(Holder<std::u16string>(P1), Holder<std::u16string>(P2));
}

void TcxWideStringValueType::FreeBuffer(void* Buffer) const { FreeHolder<std::u16string>(Buffer); }

void TcxWideStringValueType::GetValue(const void* Buffer, Variant& Value) const {
  const auto* holder = Load<const std::u16string*>(Buffer);
  Value = holder != nullptr ? Variant(*holder) : Null();
}

void TcxWideStringValueType::ReadValue(void* Buffer, TStream& Stream) const {
  SetValue(Buffer, Variant(ReadWideString(Stream)));
}

void TcxWideStringValueType::SetValue(void* Buffer, const Variant& Value) const {
  std::u16string text = Value.AsWideString();
  EnsureHolder<std::u16string>(Buffer) = std::move(text);
}

// The stored form is UTF-16 already: going through the code page would turn
// every character it lacks into "?".
void TcxWideStringValueType::WriteValue(const void* Buffer, TStream& Stream) const {
  const auto* holder = Load<const std::u16string*>(Buffer);
  WriteWideString(Stream, holder != nullptr ? *holder : u"");
}

// Smallint

int TcxSmallintValueType::Compare(const void* P1, const void* P2) const {
  return Load<int16_t>(P1) - Load<int16_t>(P2);
}

void TcxSmallintValueType::GetValue(const void* Buffer, Variant& Value) const { Value = Load<int16_t>(Buffer); }

void TcxSmallintValueType::ReadValue(void* Buffer, TStream& Stream) const {
  SetValue(Buffer, Variant(ReadSmallInt(Stream)));
}

void TcxSmallintValueType::SetValue(void* Buffer, const Variant& Value) const {
  Store(Buffer, static_cast<int16_t>(VarAsType(Value, varSmallint).AsInt64()));
}

void TcxSmallintValueType::WriteValue(const void* Buffer, TStream& Stream) const {
  Variant value;
  GetValue(Buffer, value);
  WriteSmallInt(Stream, static_cast<int16_t>(VarAsType(value, varSmallint).AsInt64()));
}

// Integer

int TcxIntegerValueType::Compare(const void* P1, const void* P2) const {
  return Order(Load<int32_t>(P1), Load<int32_t>(P2));  // a difference would overflow
}

void TcxIntegerValueType::GetValue(const void* Buffer, Variant& Value) const { Value = Load<int32_t>(Buffer); }

void TcxIntegerValueType::ReadValue(void* Buffer, TStream& Stream) const {
  SetValue(Buffer, Variant(ReadInteger(Stream)));
}

void TcxIntegerValueType::SetValue(void* Buffer, const Variant& Value) const {
  Store(Buffer, static_cast<int32_t>(VarAsType(Value, varInteger).AsInt64()));
}

void TcxIntegerValueType::WriteValue(const void* Buffer, TStream& Stream) const {
  Variant value;
  GetValue(Buffer, value);
  WriteInteger(Stream, static_cast<int32_t>(VarAsType(value, varInteger).AsInt64()));
}

// Word

int TcxWordValueType::Compare(const void* P1, const void* P2) const { return Load<uint16_t>(P1) - Load<uint16_t>(P2); }

void TcxWordValueType::GetValue(const void* Buffer, Variant& Value) const { Value = Load<uint16_t>(Buffer); }

void TcxWordValueType::ReadValue(void* Buffer, TStream& Stream) const { SetValue(Buffer, Variant(ReadWord(Stream))); }

void TcxWordValueType::SetValue(void* Buffer, const Variant& Value) const {
  Store(Buffer, static_cast<uint16_t>(VarAsType(Value, varWord).AsInt64()));
}

void TcxWordValueType::WriteValue(const void* Buffer, TStream& Stream) const {
  Variant value;
  GetValue(Buffer, value);
  WriteWord(Stream, static_cast<uint16_t>(VarAsType(value, varWord).AsInt64()));
}

// Boolean

int TcxBooleanValueType::Compare(const void* P1, const void* P2) const { return Load<uint8_t>(P1) - Load<uint8_t>(P2); }

std::string TcxBooleanValueType::GetDisplayText(const void* Buffer) const {
  return cxBooleanText(Load<uint8_t>(Buffer) != 0);
}

void TcxBooleanValueType::GetValue(const void* Buffer, Variant& Value) const { Value = Load<uint8_t>(Buffer) != 0; }

void TcxBooleanValueType::ReadValue(void* Buffer, TStream& Stream) const {
  SetValue(Buffer, Variant(ReadByte(Stream) != 0));
}

void TcxBooleanValueType::SetValue(void* Buffer, const Variant& Value) const {
  Store<uint8_t>(Buffer, Value.AsBoolean() ? 1 : 0);
}

void TcxBooleanValueType::WriteValue(const void* Buffer, TStream& Stream) const {
  Variant value;
  GetValue(Buffer, value);
  WriteByte(Stream, value.AsBoolean() ? 1 : 0);
}

// Float

int TcxFloatValueType::Compare(const void* P1, const void* P2) const {
  return Order(Load<double>(P1), Load<double>(P2));
}

void TcxFloatValueType::GetValue(const void* Buffer, Variant& Value) const { Value = Load<double>(Buffer); }

// The stored form is 10 bytes wide and the buffer 8: read into a temporary.
void TcxFloatValueType::ReadValue(void* Buffer, TStream& Stream) const { Store(Buffer, ReadExtended(Stream)); }

void TcxFloatValueType::SetValue(void* Buffer, const Variant& Value) const { Store(Buffer, Value.AsDouble()); }

void TcxFloatValueType::WriteValue(const void* Buffer, TStream& Stream) const {
  Variant value;
  GetValue(Buffer, value);
  WriteExtended(Stream, value.AsDouble());
}

// Currency

int TcxCurrencyValueType::Compare(const void* P1, const void* P2) const {
  return Order(Load<int64_t>(P1), Load<int64_t>(P2));
}

void TcxCurrencyValueType::GetValue(const void* Buffer, Variant& Value) const {
  Value = Currency{Load<int64_t>(Buffer)};
}

void TcxCurrencyValueType::ReadValue(void* Buffer, TStream& Stream) const {
  SetValue(Buffer, Variant(ReadCurrency(Stream)));
}

void TcxCurrencyValueType::SetValue(void* Buffer, const Variant& Value) const {
  Store(Buffer, Value.AsCurrency().Scaled);
}

void TcxCurrencyValueType::WriteValue(const void* Buffer, TStream& Stream) const {
  Variant value;
  GetValue(Buffer, value);
  WriteCurrency(Stream, value.AsCurrency());
}

// DateTime

int TcxDateTimeValueType::Compare(const void* P1, const void* P2) const {
  return Order(Load<double>(P1), Load<double>(P2));
}

std::string TcxDateTimeValueType::GetDisplayText(const void* Buffer) const {
  return Variant(TDateTime{Load<double>(Buffer)}).AsString();
}

void TcxDateTimeValueType::GetValue(const void* Buffer, Variant& Value) const {
  Value = TDateTime{Load<double>(Buffer)};
}

void TcxDateTimeValueType::ReadValue(void* Buffer, TStream& Stream) const {
  SetValue(Buffer, Variant(TDateTime{ReadDouble(Stream)}));
}

void TcxDateTimeValueType::SetValue(void* Buffer, const Variant& Value) const {
  Store(Buffer, Value.AsDateTime().Value);
}

void TcxDateTimeValueType::WriteValue(const void* Buffer, TStream& Stream) const {
  Variant value;
  GetValue(Buffer, value);
  WriteDouble(Stream, value.AsDateTime().Value);
}

// LargeInt

int TcxLargeIntValueType::Compare(const void* P1, const void* P2) const {
  return Order(Load<int64_t>(P1), Load<int64_t>(P2));
}

void TcxLargeIntValueType::GetValue(const void* Buffer, Variant& Value) const { Value = Load<int64_t>(Buffer); }

void TcxLargeIntValueType::ReadValue(void* Buffer, TStream& Stream) const {
  SetValue(Buffer, Variant(ReadInt64(Stream)));
}

void TcxLargeIntValueType::SetValue(void* Buffer, const Variant& Value) const { Store(Buffer, Value.AsInt64()); }

void TcxLargeIntValueType::WriteValue(const void* Buffer, TStream& Stream) const {
  WriteInt64(Stream, Load<int64_t>(Buffer));
}

// FMTBcd

int TcxFMTBcdValueType::Compare(const void* P1, const void* P2) const {
  return BcdCompare(Load<TBcd>(P1), Load<TBcd>(P2));
}

std::string TcxFMTBcdValueType::GetDisplayText(const void* Buffer) const { return BcdToStr(Load<TBcd>(Buffer)); }

void TcxFMTBcdValueType::GetValue(const void* Buffer, Variant& Value) const { Value = Load<TBcd>(Buffer); }

void TcxFMTBcdValueType::SetValue(void* Buffer, const Variant& Value) const { Store(Buffer, Value.AsBcd()); }

// SQLTimeStamp

int TcxSQLTimeStampValueType::Compare(const void* P1, const void* P2) const {
  const auto a = Load<TSQLTimeStamp>(P1), b = Load<TSQLTimeStamp>(P2);
  for (const int difference :
       {a.Year - b.Year, a.Month - b.Month, a.Day - b.Day, a.Hour - b.Hour, a.Minute - b.Minute, a.Second - b.Second})
    if (difference != 0) return difference;
  return Order(a.Fractions, b.Fractions);  // unsigned 32 bits: a difference could change sign
}

void TcxSQLTimeStampValueType::GetValue(const void* Buffer, Variant& Value) const {
  Value = Load<TSQLTimeStamp>(Buffer);
}

void TcxSQLTimeStampValueType::SetValue(void* Buffer, const Variant& Value) const {
  Store(Buffer, Value.AsSQLTimeStamp());
}

// Variant

int TcxVariantValueType::Compare(const void* P1, const void* P2) const {
  const auto* a = Holder<Variant>(P1);
  const auto* b = Holder<Variant>(P2);
  if (a == nullptr || b == nullptr) return a == b ? 0 : a == nullptr ? -1 : 1;
  return VarCompare(*a, *b);
}

void TcxVariantValueType::FreeBuffer(void* Buffer) const { FreeHolder<Variant>(Buffer); }

void TcxVariantValueType::GetValue(const void* Buffer, Variant& Value) const {
  const auto* holder = Load<const Variant*>(Buffer);
  Value = holder != nullptr ? *holder : Null();
}

void TcxVariantValueType::GetValueFromData(const void* Data, Variant& Value) const { GetValue(&Data, Value); }

const void* TcxVariantValueType::PrepareValueBuffer(const void* Buffer) const { return Load<const void*>(Buffer); }

void TcxVariantValueType::SetValue(void* Buffer, const Variant& Value) const { EnsureHolder<Variant>(Buffer) = Value; }

// Object

int TcxObjectValueType::Compare(const void* P1, const void* P2) const {
  return Order(Load<uintptr_t>(P1), Load<uintptr_t>(P2));
}

void TcxObjectValueType::FreeBuffer(void* Buffer) const {
  std::unique_ptr<TObject> object(Load<TObject*>(Buffer));
  Store<TObject*>(Buffer, nullptr);
}

void TcxObjectValueType::GetValue(const void* Buffer, Variant& Value) const {
  Value = static_cast<int64_t>(Load<intptr_t>(Buffer));
}

void TcxObjectValueType::SetValue(void* Buffer, const Variant& Value) const {
  Store(Buffer, static_cast<intptr_t>(Value.AsInt64()));
}

// Registration

void TcxValueTypeClassList::RegisterClass(TcxValueTypeClass ValueTypeClass) {
  if (std::find(FItems.begin(), FItems.end(), ValueTypeClass) == FItems.end()) FItems.push_back(ValueTypeClass);
}

void TcxValueTypeClassList::UnregisterClass(TcxValueTypeClass ValueTypeClass) { std::erase(FItems, ValueTypeClass); }

TcxValueTypeClassList& cxValueTypeClassList() {
  if (!gClassList) gClassList = std::make_unique<TcxValueTypeClassList>();
  return *gClassList;
}

namespace {

constexpr TcxValueTypeClass kRegistrationOrder[] = {
    &TcxStringValueType::Class,   &TcxWideStringValueType::Class, &TcxSmallintValueType::Class,
    &TcxIntegerValueType::Class,  &TcxWordValueType::Class,       &TcxBooleanValueType::Class,
    &TcxFloatValueType::Class,    &TcxCurrencyValueType::Class,   &TcxDateTimeValueType::Class,
    &TcxLargeIntValueType::Class, &TcxFMTBcdValueType::Class,     &TcxSQLTimeStampValueType::Class,
    &TcxVariantValueType::Class,  &TcxObjectValueType::Class};

}  // namespace

void cxDataStorageInitialize() {
  if (gInitCount++ > 0) return;
  for (const TcxValueTypeClass valueType : kRegistrationOrder) cxValueTypeClassList().RegisterClass(valueType);
}

void cxDataStorageFinalize() {
  if (gInitCount == 0 || --gInitCount > 0) return;
  for (auto it = std::rbegin(kRegistrationOrder); it != std::rend(kRegistrationOrder); ++it)
    cxValueTypeClassList().UnregisterClass(*it);
  gClassList.reset();
}
