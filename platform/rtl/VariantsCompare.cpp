// How two variants relate: the common type both sides are compared in.
#include <cmath>

#include "platform/rtl/Variants.h"

namespace {

template <typename T>
TVariantRelationship Relate(const T& a, const T& b) {
  if (a == b) return vrEqual;
  if (a < b) return vrLessThan;
  if (b < a) return vrGreaterThan;
  return vrNotEqual;  // unordered: a NaN
}

TVariantRelationship FromSign(int sign) { return sign < 0 ? vrLessThan : sign > 0 ? vrGreaterThan : vrEqual; }

bool IsOneOf(TVarType type, std::initializer_list<TVarType> types) {
  for (const TVarType candidate : types)
    if (candidate == type) return true;
  return false;
}

bool IsString(TVarType type) { return type == varString || type == varOleStr; }

// The common type of two non-null scalars, by the first rule that applies:
// strings meet as strings; a Boolean makes both sides Boolean; then BCD, date,
// float and currency draw the other side (a string included) to their type;
// integers meet as 64-bit integers unless a string is involved.
TVariantRelationship RelateScalars(const Variant& a, const Variant& b) {
  const TVarType ta = a.VType(), tb = b.VType();
  const auto either = [&](std::initializer_list<TVarType> types) { return IsOneOf(ta, types) || IsOneOf(tb, types); };
  const bool aText = IsString(ta) || ta == varEmpty, bText = IsString(tb) || tb == varEmpty;
  if (aText && bText) {
    if (either({varOleStr})) return Relate(a.AsWideString(), b.AsWideString());
    return Relate(a.AsString(), b.AsString());
  }
  if (either({varBoolean})) return Relate(a.AsBoolean(), b.AsBoolean());
  if (either({varFMTBcd})) return FromSign(BcdCompare(a.AsBcd(), b.AsBcd()));
  if (either({varDate, varSQLTimeStamp})) return Relate(a.AsDateTime().Value, b.AsDateTime().Value);
  if (either({varSingle, varDouble, varString, varOleStr})) return Relate(a.AsDouble(), b.AsDouble());
  if (either({varCurrency})) return Relate(a.AsCurrency().Scaled, b.AsCurrency().Scaled);
  return Relate(a.AsInt64(), b.AsInt64());
}

}  // namespace

TVariantRelationship VarCompareValue(const Variant& a, const Variant& b) {
  if (VarIsArray(a) || VarIsArray(b)) throw EVariantInvalidOpError("Variant arrays cannot be compared");
  if (VarIsNull(a) || VarIsNull(b))
    return VarIsNull(a) && VarIsNull(b) ? vrEqual : VarIsNull(a) ? vrLessThan : vrGreaterThan;
  return RelateScalars(a, b);
}

bool operator==(const Variant& a, const Variant& b) { return VarCompareValue(a, b) == vrEqual; }

bool operator<(const Variant& a, const Variant& b) { return VarCompareValue(a, b) == vrLessThan; }
