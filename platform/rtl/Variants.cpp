#include "platform/rtl/Variants.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "platform/rtl/SysUtils.h"
#include "platform/rtl/WideStrings.h"

namespace {

bool IsIntegerType(TVarType type) {
  switch (type) {
    case varSmallint:
    case varInteger:
    case varShortInt:
    case varByte:
    case varWord:
    case varLongWord:
    case varInt64: return true;
    default: return false;
  }
}

bool IsFloatType(TVarType type) { return type == varSingle || type == varDouble; }

bool IsPlainNumber(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789+-.eE") == std::string::npos;
}

bool TryTextToDouble(const std::string& text, double& result) {
  if (!IsPlainNumber(text)) return false;
  char* end = nullptr;
  result = std::strtod(text.c_str(), &end);
  return *end == '\0';
}

// Rounds to the nearest integer, ties to even; false when the result would
// not fit 64 bits.
bool TryRoundToInt64(double value, int64_t& result) {
  const double rounded = std::nearbyint(value);
  constexpr double kLimit = 9223372036854775808.0;
  if (!(rounded >= -kLimit && rounded < kLimit)) return false;
  result = static_cast<int64_t>(rounded);
  return true;
}

int64_t RoundCurrency(Currency value) {
  int64_t whole = value.Scaled / Currency::kScale;
  const int64_t rest = value.Scaled % Currency::kScale;
  const int64_t twice = 2 * (rest < 0 ? -rest : rest);
  if (twice > Currency::kScale || (twice == Currency::kScale && whole % 2 != 0)) whole += rest < 0 ? -1 : 1;
  return whole;
}

// General format with up to `digits` significant digits: "0.1", "1E20", "INF".
std::string FloatToText(double value, int digits) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
  std::string text = buffer;
  const size_t exponentAt = text.find('e');
  if (exponentAt == std::string::npos) return text;
  const bool negativeExponent = text[exponentAt + 1] == '-';
  const std::string exponent = std::to_string(std::atoi(text.c_str() + exponentAt + 2));
  return text.substr(0, exponentAt) + (negativeExponent ? "E-" : "E") + exponent;
}

}  // namespace

Variant::Variant(bool value) : FVType(varBoolean), FInteger(value ? 1 : 0) {}
Variant::Variant(int8_t value) : FVType(varShortInt), FInteger(value) {}
Variant::Variant(uint8_t value) : FVType(varByte), FInteger(value) {}
Variant::Variant(int16_t value) : FVType(varSmallint), FInteger(value) {}
Variant::Variant(uint16_t value) : FVType(varWord), FInteger(value) {}
Variant::Variant(int32_t value) : FVType(varInteger), FInteger(value) {}
Variant::Variant(uint32_t value) : FVType(varLongWord), FInteger(value) {}
Variant::Variant(int64_t value) : FVType(varInt64), FInteger(value) {}
Variant::Variant(float value) : FVType(varSingle), FFloat(value) {}
Variant::Variant(double value) : FVType(varDouble), FFloat(value) {}
Variant::Variant(Currency value) : FVType(varCurrency), FInteger(value.Scaled) {}
Variant::Variant(TDateTime value) : FVType(varDate), FFloat(value.Value) {}
Variant::Variant(const char* value) : FVType(varString), FString(value) {}
Variant::Variant(std::string value) : FVType(varString), FString(std::move(value)) {}
Variant::Variant(const char16_t* value) : FVType(varOleStr), FWideString(value) {}
Variant::Variant(std::u16string value) : FVType(varOleStr), FWideString(std::move(value)) {}
Variant::Variant(const TBcd& value) : FVType(varFMTBcd), FBcd(value) {}
Variant::Variant(const TSQLTimeStamp& value) : FVType(varSQLTimeStamp), FTimeStamp(value) {}

Variant Variant::Null() {
  Variant result;
  result.FVType = varNull;
  return result;
}

Variant Variant::Array(const std::vector<TVarArrayBound>& bounds, TVarType elementType) {
  if (bounds.empty()) throw EVariantInvalidOpError("An array needs at least one dimension");
  size_t count = 1;
  for (const TVarArrayBound& bound : bounds) {
    // In 64 bits: a low bound of INT_MIN has no predecessor in an int.
    const int64_t length = static_cast<int64_t>(bound.HighBound) - bound.LowBound + 1;
    if (length < 0) throw EVariantInvalidOpError("Invalid array bounds");
    count *= static_cast<size_t>(length);
  }
  Variant result;
  result.FVType = static_cast<TVarType>(varArray | elementType);
  result.FBounds = bounds;
  result.FItems.assign(count, elementType == varVariant ? Variant() : VarAsType(Variant(), elementType));
  return result;
}

TVarArrayBound Variant::Bounds(int dimension) const {
  if (dimension < 1 || dimension > DimCount()) throw EVariantInvalidOpError("Invalid array dimension");
  return FBounds[static_cast<size_t>(dimension - 1)];
}

size_t Variant::ItemOffset(int index) const {
  if (DimCount() != 1 || index < FBounds[0].LowBound || index > FBounds[0].HighBound)
    throw EVariantInvalidOpError("Variant array index out of bounds");
  return static_cast<size_t>(static_cast<int64_t>(index) - FBounds[0].LowBound);
}

const Variant& Variant::Item(int index) const { return FItems[ItemOffset(index)]; }

void Variant::SetItem(int index, Variant value) {
  const size_t offset = ItemOffset(index);
  const TVarType elementType = FVType & varTypeMask;
  FItems[offset] = elementType == varVariant ? std::move(value) : VarAsType(value, elementType);
}

std::string Variant::TypeName() const {
  return (FVType & varArray) ? "Array of " + VarTypeAsText(FVType & varTypeMask) : VarTypeAsText(FVType);
}

void Variant::RaiseCastError(TVarType target) const {
  throw EVariantTypeCastError("Cannot convert a variant of type " + TypeName() + " to type " + VarTypeAsText(target));
}

int64_t Variant::IntegerInRange(int64_t low, int64_t high) const {
  const int64_t value = AsInt64();
  if (value < low || value > high) throw EVariantOverflowError("Variant value out of range");
  return value;
}

int64_t Variant::AsInt64() const {
  int64_t result = 0;
  switch (FVType) {
    case varEmpty: return 0;
    case varBoolean: return FInteger != 0 ? -1 : 0;  // an OLE Boolean: True is all bits set
    case varCurrency: return RoundCurrency(Currency{FInteger});
    case varSingle:
    case varDouble:
    case varDate:
      if (!TryRoundToInt64(FFloat, result)) throw EVariantOverflowError("Variant value out of range");
      return result;
    case varSQLTimeStamp: return Variant(AsDateTime()).AsInt64();
    case varString:
    case varOleStr:
    case varFMTBcd: {
      const std::string text = Trim(AsString());
      double number = 0;
      if (TryStrToInt64(text, result)) return result;
      if (!TryTextToDouble(text, number)) RaiseCastError(varInt64);
      return Variant(number).AsInt64();
    }
    default:
      if (!IsIntegerType(FVType)) RaiseCastError(varInt64);
      return FInteger;
  }
}

double Variant::AsDouble() const {
  double result = 0;
  switch (FVType) {
    case varEmpty: return 0;
    case varBoolean: return FInteger != 0 ? -1 : 0;
    case varCurrency: return CurrencyToDouble(Currency{FInteger});
    case varSingle:
    case varDouble:
    case varDate: return FFloat;
    case varFMTBcd: return BcdToDouble(FBcd);
    case varSQLTimeStamp: return AsDateTime().Value;
    case varString:
    case varOleStr:
      if (!TryTextToDouble(Trim(AsString()), result)) RaiseCastError(varDouble);
      return result;
    default:
      if (!IsIntegerType(FVType)) RaiseCastError(varDouble);
      return static_cast<double>(FInteger);
  }
}

Currency Variant::AsCurrency() const {
  Currency result;
  switch (FVType) {
    case varCurrency: return Currency{FInteger};
    case varString:
    case varOleStr:
    case varFMTBcd: {
      TBcd bcd;
      if (!TryStrToBcd(Trim(AsString()), bcd)) RaiseCastError(varCurrency);
      try {
        return BcdToCurrency(bcd);
      } catch (const EConvertError&) {
        throw EVariantOverflowError("Variant value out of range");
      }
    }
    default:
      if (IsIntegerType(FVType) || FVType == varBoolean) {
        const int64_t value = AsInt64();
        if (value > INT64_MAX / Currency::kScale || value < INT64_MIN / Currency::kScale)
          throw EVariantOverflowError("Variant value out of range");
        return Currency{value * Currency::kScale};
      }
      if (!TryDoubleToCurrency(AsDouble(), result)) throw EVariantOverflowError("Variant value out of range");
      return result;
  }
}

bool Variant::AsBoolean() const {
  switch (FVType) {
    case varBoolean: return FInteger != 0;
    case varString:
    case varOleStr: {
      const std::string text = Trim(AsString());
      if (SameText(text, "True")) return true;
      if (SameText(text, "False")) return false;
      double number = 0;
      if (!TryTextToDouble(text, number)) RaiseCastError(varBoolean);
      return number != 0;
    }
    case varSQLTimeStamp: RaiseCastError(varBoolean);
    default: return AsDouble() != 0;
  }
}

TDateTime Variant::AsDateTime() const {
  switch (FVType) {
    case varDate: return TDateTime{FFloat};
    case varSQLTimeStamp: try { return SQLTimeStampToDateTime(FTimeStamp);
      } catch (const EConvertError&) {
        RaiseCastError(varDate);
      }
    case varString:
    case varOleStr: {
      const std::string text = Trim(AsString());
      TDateTime result;
      double number = 0;
      if (TryStrToDateTime(text, result)) return result;
      if (!TryTextToDouble(text, number)) RaiseCastError(varDate);
      return TDateTime{number};
    }
    default: return TDateTime{AsDouble()};
  }
}

std::string Variant::AsString() const {
  switch (FVType) {
    case varEmpty: return "";
    case varBoolean: return FInteger != 0 ? "True" : "False";
    case varSingle: return FloatToText(FFloat, 7);
    case varDouble: return FloatToText(FFloat, 15);
    case varCurrency: return CurrToStr(Currency{FInteger});
    case varString: return FString;
    case varOleStr: return WideToAnsi(FWideString);
    case varFMTBcd: return BcdToStr(FBcd);
    case varDate:
    case varSQLTimeStamp: try { return DateTimeToStr(AsDateTime());
      } catch (const EConvertError&) {
        RaiseCastError(varString);
      }
    default:
      if (!IsIntegerType(FVType)) RaiseCastError(varString);
      return IntToStr(FInteger);
  }
}

std::u16string Variant::AsWideString() const { return FVType == varOleStr ? FWideString : AnsiToWide(AsString()); }

TBcd Variant::AsBcd() const {
  TBcd result;
  switch (FVType) {
    case varFMTBcd: return FBcd;
    case varCurrency: return CurrencyToBcd(Currency{FInteger});
    case varSingle:
    case varDouble:
    case varDate:
      if (!std::isfinite(FFloat)) RaiseCastError(varFMTBcd);
      // Beyond 64 digits the number is too large, which callers catch as a
      // variant error like every other conversion that does not fit.
      try {
        return DoubleToBcd(FFloat);
      } catch (const EConvertError&) {
        throw EVariantOverflowError("Variant value out of range");
      }
    case varString:
    case varOleStr:
      if (!TryStrToBcd(Trim(AsString()), result)) RaiseCastError(varFMTBcd);
      return result;
    case varSQLTimeStamp: RaiseCastError(varFMTBcd);
    default: return StrToBcd(IntToStr(AsInt64()));
  }
}

TSQLTimeStamp Variant::AsSQLTimeStamp() const {
  if (FVType == varSQLTimeStamp) return FTimeStamp;
  try {
    return DateTimeToSQLTimeStamp(AsDateTime());
  } catch (const EConvertError&) {
    RaiseCastError(varSQLTimeStamp);
  }
}

Variant VarAsType(const Variant& value, TVarType type) {
  if (type == varVariant || type == value.VType()) return value;
  if ((value.VType() & varArray) || value.VType() == varNull) value.RaiseCastError(type);
  switch (type) {
    case varEmpty: return Variant();
    case varNull: return Null();
    case varSmallint: return Variant(static_cast<int16_t>(value.IntegerInRange(INT16_MIN, INT16_MAX)));
    case varInteger: return Variant(static_cast<int32_t>(value.IntegerInRange(INT32_MIN, INT32_MAX)));
    case varShortInt: return Variant(static_cast<int8_t>(value.IntegerInRange(INT8_MIN, INT8_MAX)));
    case varByte: return Variant(static_cast<uint8_t>(value.IntegerInRange(0, UINT8_MAX)));
    case varWord: return Variant(static_cast<uint16_t>(value.IntegerInRange(0, UINT16_MAX)));
    case varLongWord: return Variant(static_cast<uint32_t>(value.IntegerInRange(0, UINT32_MAX)));
    case varInt64: return Variant(value.AsInt64());
    case varSingle: {
      const double number = value.AsDouble();
      if (std::isfinite(number) && std::fabs(number) > std::numeric_limits<float>::max())
        throw EVariantOverflowError("Variant value out of range");
      return Variant(static_cast<float>(number));
    }
    case varDouble: return Variant(value.AsDouble());
    case varCurrency: return Variant(value.AsCurrency());
    case varDate: return Variant(value.AsDateTime());
    case varOleStr: return Variant(value.AsWideString());
    case varBoolean: return Variant(value.AsBoolean());
    case varString: return Variant(value.AsString());
    case varFMTBcd: return Variant(value.AsBcd());
    case varSQLTimeStamp: return Variant(value.AsSQLTimeStamp());
    default: value.RaiseCastError(type);
  }
}

Variant VarArrayOf(const std::vector<Variant>& items) {
  Variant result = Variant::Array({{0, static_cast<int>(items.size()) - 1}}, varVariant);
  for (size_t i = 0; i < items.size(); ++i) result.SetItem(static_cast<int>(i), items[i]);
  return result;
}

bool VarIsEmpty(const Variant& value) { return value.VType() == varEmpty; }
bool VarIsNull(const Variant& value) { return value.VType() == varNull; }
bool VarIsArray(const Variant& value) { return (value.VType() & varArray) != 0; }
bool VarIsStr(const Variant& value) { return value.VType() == varString || value.VType() == varOleStr; }
bool VarIsOrdinal(const Variant& value) { return IsIntegerType(value.VType()) || value.VType() == varBoolean; }
bool VarIsFloat(const Variant& value) { return IsFloatType(value.VType()) || value.VType() == varCurrency; }
bool VarIsNumeric(const Variant& value) { return VarIsOrdinal(value) || VarIsFloat(value); }

std::string VarTypeAsText(TVarType type) {
  switch (type) {
    case varEmpty: return "Empty";
    case varNull: return "Null";
    case varSmallint: return "Smallint";
    case varInteger: return "Integer";
    case varSingle: return "Single";
    case varDouble: return "Double";
    case varCurrency: return "Currency";
    case varDate: return "Date";
    case varOleStr: return "OleStr";
    case varBoolean: return "Boolean";
    case varVariant: return "Variant";
    case varShortInt: return "ShortInt";
    case varByte: return "Byte";
    case varWord: return "Word";
    case varLongWord: return "LongWord";
    case varInt64: return "Int64";
    case varString: return "String";
    case varSQLTimeStamp: return "SQLTimeStamp";
    case varFMTBcd: return "FMTBcd";
    default: return "Unknown";
  }
}
