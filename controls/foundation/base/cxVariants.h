#pragma once
// The control library's variant rules (ordering, equality as the editors see
// it, type tests) and its tagged binary stream of values. The stream's layout
// is a stored format: a tag byte, then the value little-endian.
#include <cstdint>
#include <string>

#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Variants.h"
#include "resources/strings/cxVariants.strings"

// -1, 0 or 1. Unassigned lies below everything, Null below every other value;
// arrays order by their upper bound, then element by element.
// Not a strict weak order: a comparison the variants refuse (a text against a
// number) gives -1 both ways, and a NaN gives 1 both ways. Never use it for
// std::sort or ordered containers.
int VarCompare(const Variant& A, const Variant& B);
// As VarCompare for arrays; raises for arrays of more than one dimension.
int VarArrayCompare(const Variant& A, const Variant& B);
bool VarEquals(const Variant& A, const Variant& B);
// As VarEquals, except that a Boolean meets the other side as text, so True
// equals "True" but not 1.
bool VarEqualsExact(const Variant& A, const Variant& B);

bool IsDateVarType(TVarType type);
bool VarIsDate(const Variant& V);
bool VarIsNumericOrFMTBcd(const Variant& V);
bool VarIsNullOrEmptyStr(const Variant& V);

// The operator's words for a Boolean value.
std::string cxBooleanText(bool value);

// Reads a tagged value. Raises EReadError "Stream read error" for an unknown
// tag, a negative count, a count or length beyond the bytes left in the
// stream, or arrays nested deeper than 256.
Variant ReadVariant(TStream& Stream);
// Raises EWriteError "Stream write error" for an array of more than one
// dimension.
void WriteVariant(TStream& Stream, const Variant& V);

// Untagged values. A length or count beyond the bytes left raises EReadError.
std::string ReadAnsiString(TStream& Stream);
void WriteAnsiString(TStream& Stream, const std::string& S);
std::u16string ReadWideString(TStream& Stream);
void WriteWideString(TStream& Stream, const std::u16string& S);
uint8_t ReadByte(TStream& Stream);
void WriteByte(TStream& Stream, uint8_t Value);
uint16_t ReadWord(TStream& Stream);
void WriteWord(TStream& Stream, uint16_t Value);
int16_t ReadSmallInt(TStream& Stream);
void WriteSmallInt(TStream& Stream, int16_t Value);
int32_t ReadInteger(TStream& Stream);
void WriteInteger(TStream& Stream, int32_t Value);
int64_t ReadInt64(TStream& Stream);
void WriteInt64(TStream& Stream, int64_t Value);
double ReadDouble(TStream& Stream);
void WriteDouble(TStream& Stream, double Value);
Currency ReadCurrency(TStream& Stream);
void WriteCurrency(TStream& Stream, Currency Value);
// The 10-byte extended form, converted from and to double.
double ReadExtended(TStream& Stream);
void WriteExtended(TStream& Stream, double Value);
