#pragma once
// The class library's Variant: one value of any of the types below, or an
// array of them. Conversions raise EVariantTypeCastError when a value has no
// form in the type asked for, EVariantOverflowError when it does not fit.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/rtl/Currency.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FMTBcd.h"
#include "platform/rtl/SQLTimeStamp.h"

using TVarType = uint16_t;

constexpr TVarType varEmpty = 0x0000;
constexpr TVarType varNull = 0x0001;
constexpr TVarType varSmallint = 0x0002;
constexpr TVarType varInteger = 0x0003;
constexpr TVarType varSingle = 0x0004;
constexpr TVarType varDouble = 0x0005;
constexpr TVarType varCurrency = 0x0006;
constexpr TVarType varDate = 0x0007;
constexpr TVarType varOleStr = 0x0008;
constexpr TVarType varBoolean = 0x000B;
constexpr TVarType varVariant = 0x000C;  // only as the element type of an array
constexpr TVarType varShortInt = 0x0010;
constexpr TVarType varByte = 0x0011;
constexpr TVarType varWord = 0x0012;
constexpr TVarType varLongWord = 0x0013;
constexpr TVarType varInt64 = 0x0014;
constexpr TVarType varString = 0x0100;
// The database layer's two types, kept apart from the built-in numbers.
constexpr TVarType varSQLTimeStamp = 0x0110;
constexpr TVarType varFMTBcd = 0x0111;
constexpr TVarType varTypeMask = 0x0FFF;
constexpr TVarType varArray = 0x2000;

class EVariantError : public Exception {
 public:
  using Exception::Exception;
};

class EVariantTypeCastError : public EVariantError {
 public:
  using EVariantError::EVariantError;
};

class EVariantOverflowError : public EVariantError {
 public:
  using EVariantError::EVariantError;
};

// An operation the value's type does not have (ordering arrays, indexing a
// scalar, an index outside the bounds).
class EVariantInvalidOpError : public EVariantError {
 public:
  using EVariantError::EVariantError;
};

struct TVarArrayBound {
  int LowBound = 0;
  int HighBound = -1;
};

class Variant {
 public:
  Variant() = default;
  Variant(bool value);
  Variant(int8_t value);
  Variant(uint8_t value);
  Variant(int16_t value);
  Variant(uint16_t value);
  Variant(int32_t value);
  Variant(uint32_t value);
  Variant(int64_t value);
  Variant(float value);
  Variant(double value);
  Variant(Currency value);
  Variant(TDateTime value);
  Variant(const char* value);
  Variant(std::string value);
  Variant(const char16_t* value);
  Variant(std::u16string value);
  Variant(const TBcd& value);
  Variant(const TSQLTimeStamp& value);

  static Variant Null();
  // An array of `bounds.size()` dimensions whose elements are empty values
  // of `elementType`.
  static Variant Array(const std::vector<TVarArrayBound>& bounds, TVarType elementType);

  TVarType VType() const { return FVType; }

  int64_t AsInt64() const;
  double AsDouble() const;
  Currency AsCurrency() const;
  bool AsBoolean() const;
  TDateTime AsDateTime() const;
  std::string AsString() const;
  std::u16string AsWideString() const;
  TBcd AsBcd() const;
  TSQLTimeStamp AsSQLTimeStamp() const;

  int DimCount() const { return static_cast<int>(FBounds.size()); }
  // Bounds of dimension 1..DimCount.
  TVarArrayBound Bounds(int dimension) const;
  // Elements of a one-dimensional array, by index within its bounds.
  const Variant& Item(int index) const;
  void SetItem(int index, Variant value);

 private:
  size_t ItemOffset(int index) const;
  std::string TypeName() const;
  [[noreturn]] void RaiseCastError(TVarType target) const;
  int64_t IntegerInRange(int64_t low, int64_t high) const;

  TVarType FVType = varEmpty;
  int64_t FInteger = 0;  // the integer types, Boolean (0 or 1), Currency (scaled)
  double FFloat = 0;     // Single, Double, Date
  std::string FString;
  std::u16string FWideString;
  TBcd FBcd;
  TSQLTimeStamp FTimeStamp;
  std::vector<TVarArrayBound> FBounds;
  std::vector<Variant> FItems;

  friend Variant VarAsType(const Variant& value, TVarType type);
};

inline Variant Unassigned() { return Variant(); }
inline Variant Null() { return Variant::Null(); }
Variant VarArrayOf(const std::vector<Variant>& items);

inline TVarType VarType(const Variant& value) { return value.VType(); }
bool VarIsEmpty(const Variant& value);
bool VarIsNull(const Variant& value);
bool VarIsArray(const Variant& value);
bool VarIsStr(const Variant& value);
bool VarIsOrdinal(const Variant& value);
bool VarIsFloat(const Variant& value);
bool VarIsNumeric(const Variant& value);
// The value converted to `type` (a scalar type of the list above).
Variant VarAsType(const Variant& value, TVarType type);
// The name of a type as messages show it ("Integer", "String").
std::string VarTypeAsText(TVarType type);

enum TVariantRelationship { vrEqual, vrLessThan, vrGreaterThan, vrNotEqual };

// How two values relate. Null equals Null and lies below every other value;
// Unassigned takes the other side's type as its zero, "" or False; a string
// meets a number or a date in the other side's type; strings compare by
// character codes. Unordered doubles (a NaN) are vrNotEqual. Raises
// EVariantTypeCastError for values without a common type and
// EVariantInvalidOpError for arrays.
TVariantRelationship VarCompareValue(const Variant& a, const Variant& b);
bool operator==(const Variant& a, const Variant& b);
bool operator<(const Variant& a, const Variant& b);
