#include "controls/foundation/base/cxVariants.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

#include "controls/foundation/base/cxClasses.h"
#include "platform/rtl/Extended.h"

static_assert(std::endian::native == std::endian::little, "the stream's values are stored as the machine holds them");

namespace {

enum TValueTag : uint8_t {
  vaNull = 0,
  vaList = 1,
  vaInt8 = 2,
  vaInt16 = 3,
  vaInt32 = 4,
  vaExtended = 5,
  vaString = 6,
  vaFalse = 8,
  vaTrue = 9,
  vaLString = 12,
  vaNil = 13,
  vaSingle = 15,
  vaCurrency = 16,
  vaDate = 17,
  vaWString = 18,
  vaInt64 = 19,
};

// A stream of nested lists costs a few bytes a level; without a bound a
// corrupt or hostile one would exhaust the stack.
constexpr int kMaxListNesting = 256;

[[noreturn]] void RaiseReadError() { throw EReadError("Stream read error"); }

template <typename T>
T ReadRaw(TStream& stream) {
  T value;
  stream.ReadBuffer(&value, sizeof value);
  return value;
}

template <typename T>
void WriteRaw(TStream& stream, T value) {
  stream.WriteBuffer(&value, sizeof value);
}

int64_t BytesLeft(TStream& stream) { return stream.Size() - stream.Position(); }

// A stored count or length: never negative, and never more items than the
// bytes left could hold, so no allocation outgrows the stream.
int64_t CheckedCount(TStream& stream, int64_t count, int64_t bytesPerItem) {
  if (count < 0 || count > BytesLeft(stream) / bytesPerItem) RaiseReadError();
  return count;
}

void WriteTag(TStream& stream, TValueTag tag) { WriteByte(stream, tag); }

void WriteIntegerValue(TStream& stream, int64_t value) {
  if (value >= INT8_MIN && value <= INT8_MAX) {
    WriteTag(stream, vaInt8);
    WriteRaw(stream, static_cast<int8_t>(value));
  } else if (value >= INT16_MIN && value <= INT16_MAX) {
    WriteTag(stream, vaInt16);
    WriteSmallInt(stream, static_cast<int16_t>(value));
  } else if (value >= INT32_MIN && value <= INT32_MAX) {
    WriteTag(stream, vaInt32);
    WriteInteger(stream, static_cast<int32_t>(value));
  } else {
    WriteTag(stream, vaInt64);
    WriteInt64(stream, value);
  }
}

void WriteStringValue(TStream& stream, const std::string& text) {
  if (text.size() > 255) {
    WriteTag(stream, vaLString);
    WriteAnsiString(stream, text);
  } else {
    WriteTag(stream, vaString);
    WriteByte(stream, static_cast<uint8_t>(text.size()));
    stream.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
  }
}

void WriteArray(TStream& stream, const Variant& array) {
  if (array.DimCount() != 1) throw EWriteError("Stream write error");
  const TVarArrayBound bounds = array.Bounds(1);
  WriteTag(stream, vaList);
  WriteIntegerValue(stream, static_cast<int64_t>(bounds.HighBound) - bounds.LowBound + 1);
  for (int i = bounds.LowBound; i <= bounds.HighBound; ++i) WriteVariant(stream, array.Item(i));
}

bool ReadIntegerValue(TStream& stream, TValueTag tag, int64_t& value) {
  switch (tag) {
    case vaInt8: value = ReadRaw<int8_t>(stream); return true;
    case vaInt16: value = ReadSmallInt(stream); return true;
    case vaInt32: value = ReadInteger(stream); return true;
    case vaInt64: value = ReadInt64(stream); return true;
    default: return false;
  }
}

std::string ReadChars(TStream& stream, int64_t length) {
  std::string text(static_cast<size_t>(CheckedCount(stream, length, 1)), '\0');
  stream.ReadBuffer(text.data(), length);
  return text;
}

Variant ReadVariantAt(TStream& stream, int depth);

Variant ReadList(TStream& stream, int depth) {
  if (depth >= kMaxListNesting) RaiseReadError();
  int64_t count = 0;
  if (!ReadIntegerValue(stream, static_cast<TValueTag>(ReadByte(stream)), count)) RaiseReadError();
  CheckedCount(stream, count, 1);  // every element takes at least its tag byte
  Variant list = Variant::Array({{0, static_cast<int>(count) - 1}}, varVariant);
  for (int i = 0; i < count; ++i) list.SetItem(i, ReadVariantAt(stream, depth + 1));
  return list;
}

Variant ReadVariantAt(TStream& stream, int depth) {
  const auto tag = static_cast<TValueTag>(ReadByte(stream));
  switch (tag) {
    case vaNull: return Null();
    case vaList: return ReadList(stream, depth);
    case vaInt8: return Variant(ReadRaw<int8_t>(stream));
    case vaInt16: return Variant(ReadSmallInt(stream));
    case vaInt32: return Variant(ReadInteger(stream));
    case vaExtended: return Variant(ReadExtended(stream));
    case vaString: return Variant(ReadChars(stream, ReadByte(stream)));
    case vaFalse: return Variant(false);
    case vaTrue: return Variant(true);
    case vaLString: return Variant(ReadAnsiString(stream));
    case vaNil: return Variant();
    case vaSingle: return Variant(ReadRaw<float>(stream));
    case vaCurrency: return Variant(ReadCurrency(stream));
    case vaDate: return Variant(TDateTime{ReadDouble(stream)});
    case vaWString: return Variant(ReadWideString(stream));
    case vaInt64: return Variant(ReadInt64(stream));
  }
  RaiseReadError();
}

int Sign(int64_t value) { return value < 0 ? -1 : value > 0 ? 1 : 0; }

int CompareScalars(const Variant& A, const Variant& B) {
  if (VarIsEmpty(A)) return VarIsEmpty(B) ? 0 : -1;
  if (VarIsEmpty(B)) return 1;
  try {
    if (A == B) return 0;
    if (VarIsNull(A)) return -1;
    if (VarIsNull(B)) return 1;
    return A < B ? -1 : 1;
  } catch (const EVariantError&) {
    return -1;
  }
}

}  // namespace

int VarArrayCompare(const Variant& A, const Variant& B) {
  const bool aIsArray = VarIsArray(A), bIsArray = VarIsArray(B);
  if (!aIsArray || !bIsArray) return aIsArray ? 1 : bIsArray ? -1 : CompareScalars(A, B);
  const TVarArrayBound a = A.Bounds(1), b = B.Bounds(1);
  const int lengthOrder = Sign(static_cast<int64_t>(a.HighBound) - b.HighBound);
  if (lengthOrder != 0) return lengthOrder;
  // Arrays from streams start at 0; others are compared where both have elements.
  for (int i = std::max({a.LowBound, b.LowBound, 0}); i <= a.HighBound; ++i) {
    const int order = VarCompare(A.Item(i), B.Item(i));
    if (order != 0) return order;
  }
  return 0;
}

int VarCompare(const Variant& A, const Variant& B) {
  if (!VarIsArray(A) && !VarIsArray(B)) return CompareScalars(A, B);
  try {
    return VarArrayCompare(A, B);
  } catch (const EVariantError&) {
    return -1;
  }
}

bool VarEquals(const Variant& A, const Variant& B) { return VarCompare(A, B) == 0; }

bool VarEqualsExact(const Variant& A, const Variant& B) {
  const bool eitherBoolean = VarType(A) == varBoolean || VarType(B) == varBoolean;
  if (VarIsNull(A) || VarIsNull(B) || !eitherBoolean) return VarEquals(A, B);
  try {
    return A.AsString() == B.AsString();
  } catch (const EVariantError&) {
    return false;
  }
}

bool IsDateVarType(TVarType type) { return type == varDate || type == varSQLTimeStamp; }
bool VarIsDate(const Variant& V) { return IsDateVarType(VarType(V)); }
bool VarIsNumericOrFMTBcd(const Variant& V) { return VarIsNumeric(V) || VarType(V) == varFMTBcd; }
bool VarIsNullOrEmptyStr(const Variant& V) { return VarIsNull(V) || (VarIsStr(V) && V.AsWideString().empty()); }

std::string cxBooleanText(bool value) { return cxGetResourceString(value ? scxVariantTrue : scxVariantFalse); }

Variant ReadVariant(TStream& Stream) { return ReadVariantAt(Stream, 0); }

void WriteVariant(TStream& Stream, const Variant& V) {
  if (VarIsArray(V)) return WriteArray(Stream, V);
  switch (VarType(V)) {
    case varEmpty: return WriteTag(Stream, vaNil);
    case varNull: return WriteTag(Stream, vaNull);
    case varSmallint:
    case varInteger:
    case varShortInt:
    case varByte:
    case varWord:
    case varLongWord:
    case varInt64: return WriteIntegerValue(Stream, V.AsInt64());
    case varSingle: WriteTag(Stream, vaSingle); return WriteRaw(Stream, static_cast<float>(V.AsDouble()));
    case varDouble: WriteTag(Stream, vaExtended); return WriteExtended(Stream, V.AsDouble());
    case varCurrency: WriteTag(Stream, vaCurrency); return WriteCurrency(Stream, V.AsCurrency());
    case varDate:
    case varSQLTimeStamp: WriteTag(Stream, vaDate); return WriteDouble(Stream, V.AsDateTime().Value);
    case varOleStr: WriteTag(Stream, vaWString); return WriteWideString(Stream, V.AsWideString());
    case varBoolean: return WriteTag(Stream, V.AsBoolean() ? vaTrue : vaFalse);
    default: return WriteStringValue(Stream, V.AsString());
  }
}

std::string ReadAnsiString(TStream& Stream) { return ReadChars(Stream, ReadInteger(Stream)); }

void WriteAnsiString(TStream& Stream, const std::string& S) {
  if (S.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max())) throw EWriteError("Stream write error");
  WriteInteger(Stream, static_cast<int32_t>(S.size()));
  Stream.WriteBuffer(S.data(), static_cast<int64_t>(S.size()));
}

std::u16string ReadWideString(TStream& Stream) {
  const int64_t count = CheckedCount(Stream, ReadInteger(Stream), 2);
  std::u16string text(static_cast<size_t>(count), u'\0');
  Stream.ReadBuffer(text.data(), count * 2);
  return text;
}

void WriteWideString(TStream& Stream, const std::u16string& S) {
  if (S.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max())) throw EWriteError("Stream write error");
  WriteInteger(Stream, static_cast<int32_t>(S.size()));
  Stream.WriteBuffer(S.data(), static_cast<int64_t>(S.size()) * 2);
}

uint8_t ReadByte(TStream& Stream) { return ReadRaw<uint8_t>(Stream); }
void WriteByte(TStream& Stream, uint8_t Value) { WriteRaw(Stream, Value); }
uint16_t ReadWord(TStream& Stream) { return ReadRaw<uint16_t>(Stream); }
void WriteWord(TStream& Stream, uint16_t Value) { WriteRaw(Stream, Value); }
int16_t ReadSmallInt(TStream& Stream) { return ReadRaw<int16_t>(Stream); }
void WriteSmallInt(TStream& Stream, int16_t Value) { WriteRaw(Stream, Value); }
int32_t ReadInteger(TStream& Stream) { return ReadRaw<int32_t>(Stream); }
void WriteInteger(TStream& Stream, int32_t Value) { WriteRaw(Stream, Value); }
int64_t ReadInt64(TStream& Stream) { return ReadRaw<int64_t>(Stream); }
void WriteInt64(TStream& Stream, int64_t Value) { WriteRaw(Stream, Value); }
double ReadDouble(TStream& Stream) { return ReadRaw<double>(Stream); }
void WriteDouble(TStream& Stream, double Value) { WriteRaw(Stream, Value); }
Currency ReadCurrency(TStream& Stream) { return Currency{ReadInt64(Stream)}; }
void WriteCurrency(TStream& Stream, Currency Value) { WriteInt64(Stream, Value.Scaled); }
double ReadExtended(TStream& Stream) { return ExtendedToDouble(ReadRaw<TExtended80>(Stream)); }
void WriteExtended(TStream& Stream, double Value) { WriteRaw(Stream, DoubleToExtended(Value)); }
