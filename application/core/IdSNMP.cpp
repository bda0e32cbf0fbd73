#include "application/core/IdSNMP.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "platform/classes/ClassBuilder.h"
#include "platform/rtl/SysUtils.h"

namespace {

constexpr uint8_t kConstructedBit = 0x20;
constexpr uint8_t kLongLengthForm = 0x80;
constexpr size_t kMaxLengthOctets = 4;
constexpr uint8_t kMoreOctetsBit = 0x80;
constexpr int32_t kDefaultValueType = 0;

// A length that no remaining data can satisfy: what a malformed or unreadable
// length stands for, so that such an item reads like a truncated one.
constexpr uint64_t kBeyondData = std::numeric_limits<uint64_t>::max();

// ---------------------------------------------------------------- encoding

// Octets of a long-form length, without leading zero octets.
int LongLengthOctets(uint64_t length) {
  int octets = 1;
  while (octets < 8 && (length >> (8 * octets)) != 0) ++octets;
  return octets;
}

// Items are sized before they are written, so the message is written once,
// front to back, into a buffer of its final size.
size_t ItemSize(size_t contentSize) {
  const size_t lengthSize = contentSize < kLongLengthForm ? 1 : 1 + LongLengthOctets(contentSize);
  return 1 + lengthSize + contentSize;
}

// The writers below put octets at `out` and return the position after them.

char* WriteHeader(char* out, int32_t tag, uint64_t contentSize) {
  *out++ = static_cast<char>(tag);
  if (contentSize < kLongLengthForm) {
    *out++ = static_cast<char>(contentSize);
    return out;
  }
  const int octets = LongLengthOctets(contentSize);
  *out++ = static_cast<char>(kLongLengthForm + octets);
  for (int i = octets - 1; i >= 0; --i) *out++ = static_cast<char>(contentSize >> (8 * i));
  return out;
}

char* WriteItem(char* out, int32_t tag, std::string_view content) {
  out = WriteHeader(out, tag, content.size());
  return std::copy(content.begin(), content.end(), out);
}

constexpr size_t kOneOctetIntegerSize = 3;

char* WriteOneOctetInteger(char* out, int32_t value) {
  const char octet = static_cast<char>(value);
  return WriteItem(out, ASN1_INTEGER, std::string_view(&octet, 1));
}

constexpr size_t kMaxSubIdentifierOctets = 5;

// Base 128, most significant group first, every octet but the last flagged.
char* WriteSubIdentifier(char* out, uint32_t value) {
  if (value < kMoreOctetsBit) {
    *out++ = static_cast<char>(value);
    return out;
  }
  char groups[kMaxSubIdentifierOctets];
  int count = 0;
  do {
    groups[count++] = static_cast<char>(value & 0x7F);
    value >>= 7;
  } while (value != 0);
  while (count > 1) *out++ = static_cast<char>(groups[--count] | kMoreOctetsBit);
  *out++ = groups[0];
  return out;
}

// Calls `visit` with each sub-identifier of a dotted identifier: each
// "."-separated component as a number, the first two joined into one. A
// component that is not a number (an empty one included) counts as 0, and a
// missing second component too. Plain decimal components of up to nine
// digits, all of them in practice, are read as they are scanned; the others
// take the general conversion, which gives the same number for those.
template <class F>
void ForEachSubIdentifier(std::string_view dotted, F&& visit) {
  constexpr ptrdiff_t kSafeDigits = 9;
  const char* p = dotted.data();
  const char* const end = p + dotted.size();
  uint32_t first = 0;
  for (int index = 0;; ++index) {
    const char* const start = p;
    uint32_t component = 0;
    while (p != end && static_cast<unsigned char>(*p - '0') < 10) component = component * 10 + (*p++ - '0');
    if ((p != end && *p != '.') || p == start || p - start > kSafeDigits) {
      p = std::find(p, end, '.');
      component = static_cast<uint32_t>(StrToIntDef(std::string(start, p), 0));
    }
    if (index == 0)
      first = 40 * component;
    else
      visit(index == 1 ? first + component : component);
    if (p == end) {
      if (index == 0) visit(first);
      return;
    }
    ++p;
  }
}

char* WriteOid(char* out, std::string_view dotted) {
  ForEachSubIdentifier(dotted, [&out](uint32_t value) { out = WriteSubIdentifier(out, value); });
  return out;
}

// The most octets a dotted text can give: five for each component, and there
// is at most one component more than characters.
size_t OidOctetsBound(std::string_view dotted) { return kMaxSubIdentifierOctets * (dotted.size() + 1); }

void WriteOidOctets(std::string& octets, std::string_view dotted) {
  octets.resize(OidOctetsBound(dotted));
  octets.resize(static_cast<size_t>(WriteOid(octets.data(), dotted) - octets.data()));
}

// Big-endian without leading zero octets; 0 is the single octet 00.
std::string MinimalBigEndian(uint32_t value) {
  int shift = 24;
  while (shift > 0 && (value >> shift) == 0) shift -= 8;
  std::string octets;
  for (; shift >= 0; shift -= 8) octets += static_cast<char>(value >> shift);
  return octets;
}

std::string FourOctets(uint32_t value) {
  std::string octets;
  for (int shift = 24; shift >= 0; shift -= 8) octets += static_cast<char>(value >> shift);
  return octets;
}

std::string IntegerOctets(int32_t value) {
  const uint32_t bits = static_cast<uint32_t>(value);
  if (value < 0) return FourOctets(bits);
  std::string octets = MinimalBigEndian(bits);
  if (static_cast<uint8_t>(octets[0]) >= 0x80) octets.insert(octets.begin(), '\0');
  return octets;
}

// Counter, Gauge and TimeTicks: a negative value keeps its low 31 bits and
// marks the first octet.
std::string UnsignedOctets(int32_t value) {
  if (value >= 0) return MinimalBigEndian(static_cast<uint32_t>(value));
  std::string octets = MinimalBigEndian(static_cast<uint32_t>(value) & 0x7FFFFFFF);
  octets[0] = static_cast<char>(octets[0] | 0x80);
  return octets;
}

// The first three "."-separated fields and the rest, low 8 bits of each.
std::string IpAddressOctets(const std::string& dotted) {
  std::string octets;
  std::string_view rest = dotted;
  for (int field = 0; field < 3; ++field) {
    const size_t dot = rest.find('.');
    octets += static_cast<char>(StrToIntDef(std::string(rest.substr(0, dot)), 0));
    rest = dot == std::string_view::npos ? std::string_view() : rest.substr(dot + 1);
  }
  octets += static_cast<char>(StrToIntDef(std::string(rest), 0));
  return octets;
}

// The content octets of a value; `scratch` holds them unless they are the
// text itself.
std::string_view ValueOctets(const std::string& text, int32_t type, std::string& scratch) {
  scratch.clear();
  switch (type) {
    case ASN1_INTEGER: scratch = IntegerOctets(StrToIntDef(text, 0)); break;
    case ASN1_NULL: break;
    case ASN1_OBJECT_ID: WriteOidOctets(scratch, text); break;
    case ASN1_IPADDRESS: scratch = IpAddressOctets(text); break;
    case ASN1_COUNTER:
    case ASN1_GAUGE:
    case ASN1_TIMETICKS: scratch = UnsignedOctets(StrToIntDef(text, 0)); break;
    default: return text;
  }
  return scratch;
}

// ---------------------------------------------------------------- decoding

struct TBerItem {
  std::string Text;
  int32_t Type;
};

// Big-endian two's complement; longer content keeps its low 32 bits.
int32_t SignedValue(std::string_view content) {
  uint32_t value = !content.empty() && static_cast<uint8_t>(content[0]) >= 0x80 ? 0xFFFFFFFF : 0;
  for (const char octet : content) value = value << 8 | static_cast<uint8_t>(octet);
  return static_cast<int32_t>(value);
}

// Longer content keeps the low bits that fit the type.
template <typename TUnsigned>
std::string UnsignedText(std::string_view content) {
  TUnsigned value = 0;
  for (const char octet : content) value = static_cast<TUnsigned>(value << 8 | static_cast<uint8_t>(octet));
  return std::to_string(value);
}

char* WriteDecimal(char* out, uint32_t value) { return std::to_chars(out, out + 10, value).ptr; }

// Written into room for the longest text the content can give: a "." and ten
// digits per octet, and three more for the first octet's two components; on
// the stack for the identifiers of a usual message. A sub-identifier cut off
// by the item's end ends there.
std::string OidText(std::string_view content) {
  constexpr size_t kStackOctets = 64;
  char stack[11 * kStackOctets + 3];
  std::string heap;
  if (content.size() > kStackOctets) heap.resize(11 * content.size() + 3);
  char* const begin = heap.empty() ? stack : heap.data();
  char* out = begin;
  size_t i = 0;
  while (i < content.size()) {
    const bool firstSubIdentifier = i == 0;
    uint32_t value = 0;
    uint8_t octet = 0;
    do {
      octet = static_cast<uint8_t>(content[i++]);
      value = value << 7 | (octet & 0x7F);
    } while ((octet & kMoreOctetsBit) != 0 && i < content.size());
    if (firstSubIdentifier) {
      out = WriteDecimal(out, value / 40);
      *out++ = '.';
      out = WriteDecimal(out, value % 40);
    } else {
      *out++ = '.';
      out = WriteDecimal(out, value);
    }
  }
  return std::string(begin, out);
}

std::string IpAddressText(std::string_view content) {
  std::string text;
  for (size_t i = 0; i < content.size(); ++i) {
    if (i > 0) text += '.';
    text += IntToStr(static_cast<uint8_t>(content[i]));
  }
  return text;
}

std::string HeaderText(uint8_t tag) {
  static const char kDigits[] = "0123456789ABCDEF";
  return {'$', kDigits[tag >> 4], kDigits[tag & 0xF]};
}

std::string ContentText(uint8_t tag, std::string_view content) {
  switch (tag) {
    case ASN1_INTEGER: return IntToStr(SignedValue(content));
    case ASN1_COUNTER:
    case ASN1_GAUGE:
    case ASN1_TIMETICKS: return UnsignedText<uint32_t>(content);
    case ASN1_COUNTER64: return UnsignedText<uint64_t>(content);
    case ASN1_OCTET_STRING:
    case ASN1_OPAQUE: return std::string(content);
    case ASN1_OBJECT_ID: return OidText(content);
    case ASN1_IPADDRESS: return IpAddressText(content);
    default: return {};
  }
}

// Walks BER items in order without building a tree: a constructed item only
// moves the reader to its first inner item. Nothing is ever read outside the
// octets, and every read that returns anything but "no item" moves forward.
class TBerReader {
 public:
  TBerReader(const std::string& octets, size_t position) : FOctets(octets), FPosition(position) {}

  size_t Position() const { return FPosition; }

  uint64_t ReadLength() {
    if (FPosition >= FOctets.size()) return kBeyondData;
    const uint8_t form = NextOctet();
    if (form < kLongLengthForm) return form;
    const size_t count = form - kLongLengthForm;
    if (count > kMaxLengthOctets) return kBeyondData;
    if (count > Remaining()) {
      FPosition = FOctets.size();
      return kBeyondData;
    }
    uint64_t length = 0;
    for (size_t i = 0; i < count; ++i) length = length << 8 | NextOctet();
    return length;
  }

  TBerItem ReadItem() {
    const TRawItem item = ReadRawItem();
    return {Text(item), item.Type};
  }

  // Moves past an item, or into a constructed one, like ReadItem.
  void SkipItem() { ReadRawItem(); }

  // The number the item's text converts to; INTEGER and constructed items,
  // every header field of a sound message, are taken without the text.
  int32_t ReadNumber(int32_t defaultValue) {
    const TRawItem item = ReadRawItem();
    if (item.Kind == TRawItem::Primitive && item.Type == ASN1_INTEGER) return SignedValue(item.Content);
    if (item.Kind == TRawItem::Constructed) return item.Type;
    return StrToIntDef(Text(item), defaultValue);
  }

 private:
  struct TRawItem {
    enum { Missing, Cut, Constructed, Primitive } Kind;
    int32_t Type;
    std::string_view Content;
  };

  TRawItem ReadRawItem() {
    if (FPosition + 2 > FOctets.size()) return {TRawItem::Missing, ASN1_NULL, {}};
    const uint8_t tag = NextOctet();
    const uint64_t length = ReadLength();
    if (length > Remaining()) return {TRawItem::Cut, tag, {}};
    if (tag & kConstructedBit) return {TRawItem::Constructed, tag, {}};
    const std::string_view content(FOctets.data() + FPosition, length);
    FPosition += length;
    return {TRawItem::Primitive, tag, content};
  }

  static std::string Text(const TRawItem& item) {
    switch (item.Kind) {
      case TRawItem::Constructed: return HeaderText(static_cast<uint8_t>(item.Type));
      case TRawItem::Primitive: return ContentText(static_cast<uint8_t>(item.Type), item.Content);
      default: return std::string();
    }
  }

  size_t Remaining() const { return FPosition < FOctets.size() ? FOctets.size() - FPosition : 0; }
  uint8_t NextOctet() { return static_cast<uint8_t>(FOctets[FPosition++]); }

  const std::string& FOctets;
  size_t FPosition;
};

// The outer tag is not examined: reading starts at the outer length.
constexpr size_t kOuterLengthPosition = 1;

// The message length is compared with the 1-based position of the next item.
// A datagram that ends before the message length stops the list there.
void ReadBindings(TBerReader& reader, uint64_t messageLength, TSNMPInfo& info) {
  while (reader.Position() + 1 < messageLength) {
    const size_t bindingStart = reader.Position();
    reader.SkipItem();
    if (reader.Position() == bindingStart) break;
    TBerItem oid = reader.ReadItem();
    TBerItem value = reader.ReadItem();
    info.AddVarBind(std::move(oid.Text), std::move(value.Text), value.Type);
  }
}

// ---------------------------------------------------------------- whole messages

// Unlike the reader above, these take an item only when it is there whole, with
// a definite length; `rest` then moves past it.
bool TakeItem(std::string_view& rest, uint8_t& tag, std::string_view& content) {
  if (rest.size() < 2) return false;
  tag = static_cast<uint8_t>(rest[0]);
  size_t headerSize = 2;
  uint64_t length = static_cast<uint8_t>(rest[1]);
  if (length >= kLongLengthForm) {
    const size_t count = length - kLongLengthForm;
    if (count == 0 || count > kMaxLengthOctets || count > rest.size() - headerSize) return false;
    length = 0;
    for (size_t i = 0; i < count; ++i) length = length << 8 | static_cast<uint8_t>(rest[headerSize++]);
  }
  if (length > rest.size() - headerSize) return false;
  content = rest.substr(headerSize, length);
  rest.remove_prefix(headerSize + length);
  return true;
}

bool TakeItem(std::string_view& rest, int32_t expectedTag, std::string_view& content) {
  uint8_t tag = 0;
  return TakeItem(rest, tag, content) && tag == expectedTag;
}

// The header's version, request id, error status and error index are 32-bit
// integers: one written in more octets is no whole message, whatever its low
// bits say.
constexpr size_t kMaxHeaderIntegerOctets = 4;

bool TakeHeaderInteger(std::string_view& rest, int32_t& value) {
  std::string_view content;
  if (!TakeItem(rest, ASN1_INTEGER, content) || content.empty() || content.size() > kMaxHeaderIntegerOctets) {
    return false;
  }
  value = SignedValue(content);
  return true;
}

// An identifier whose last sub-identifier is cut short is none.
bool IsWholeOid(std::string_view octets) {
  return !octets.empty() && (static_cast<uint8_t>(octets.back()) & kMoreOctetsBit) == 0;
}

// The asked identifier's octets end with a whole sub-identifier, so an
// identifier that begins with them names the same object or one below it:
// .1.4.5 answers as .1.4.5 and .1.4.5.0, never as .1.4.51.
bool NamesOrIsBelow(std::string_view replied, std::string_view asked) {
  return IsWholeOid(replied) && replied.substr(0, asked.size()) == asked;
}

// A binding list that holds exactly one whole binding per asked identifier.
bool BindingsAnswer(std::string_view list, const TStringList& asked) {
  std::string askedOctets;
  for (int i = 0; i < asked.Count(); ++i) {
    std::string_view binding;
    std::string_view oid;
    std::string_view value;
    uint8_t valueTag = 0;
    if (!TakeItem(list, ASN1_SEQUENCE, binding) || !TakeItem(binding, ASN1_OBJECT_ID, oid) ||
        !TakeItem(binding, valueTag, value) || !binding.empty() || (valueTag & kConstructedBit) != 0) {
      return false;
    }
    WriteOidOctets(askedOctets, asked[i]);
    if (!NamesOrIsBelow(oid, askedOctets)) return false;
  }
  return list.empty();
}

// What the program can show of a value. A NULL, SNMPv2c's noSuchObject,
// noSuchInstance and endOfMibView (the device saying it has no value to
// give), or a tag this reader does not know reads as an empty text, which
// must not pass for a value read: a form filled from it would be written back.
bool IsShownValue(intptr_t tag) {
  switch (tag) {
    case ASN1_INTEGER:
    case ASN1_OCTET_STRING:
    case ASN1_OBJECT_ID:
    case ASN1_IPADDRESS:
    case ASN1_COUNTER:
    case ASN1_GAUGE:
    case ASN1_TIMETICKS:
    case ASN1_OPAQUE:
    case ASN1_COUNTER64: return true;
    default: return false;
  }
}

bool HoldsOnlyShownValues(const TStringList& values) {
  for (int i = 0; i < values.Count(); ++i) {
    if (!IsShownValue(values.Tags(i))) return false;
  }
  return true;
}

}  // namespace

// ---------------------------------------------------------------- TSNMPInfo

TSNMPInfo::TSNMPInfo(TIdSNMP& owner) : Owner(owner), Community(owner.Community()), Port(owner.Port()) {}

void TSNMPInfo::Clear() {
  Version = 0;
  Community = Owner.Community();
  Port = this == &Owner.Trap() ? Owner.TrapPort() : Owner.Port();
  Host = Owner.Host();
  PDUType = 0;
  RequestId = 0;
  ErrorStatus = 0;
  ErrorIndex = 0;
  Oids.Clear();
  Values.Clear();
}

void TSNMPInfo::SetCommunity(const std::string& community) {
  if (community == Community) return;
  Clear();
  Community = community;
}

void TSNMPInfo::PadValuesToOids() {
  while (Values.Count() < Oids.Count()) Values.Add(std::string(), kDefaultValueType);
}

void TSNMPInfo::AddVarBind(std::string oid, std::string value, int32_t valueType) {
  PadValuesToOids();
  const int index = Oids.Add(std::move(oid));
  if (Values.Count() > index) {
    Values.SetStrings(index, value);
    Values.SetTags(index, valueType);
  } else {
    Values.Add(std::move(value), valueType);
  }
}

void TSNMPInfo::EncodeOids() {
  FOidOctets.clear();
  FOidEnds.clear();
  for (int i = 0; i < Oids.Count(); ++i) {
    const size_t start = FOidOctets.size();
    FOidOctets.resize(start + OidOctetsBound(Oids[i]));
    FOidOctets.resize(static_cast<size_t>(WriteOid(FOidOctets.data() + start, Oids[i]) - FOidOctets.data()));
    FOidEnds.push_back(FOidOctets.size());
  }
}

std::string_view TSNMPInfo::EncodedOid(int index) const {
  const size_t start = index == 0 ? 0 : FOidEnds[index - 1];
  return {FOidOctets.data() + start, FOidEnds[index] - start};
}

int32_t TSNMPInfo::ValueType(int index) const {
  const intptr_t tag = Values.Tags(index);
  return tag == kDefaultValueType ? ASN1_OCTET_STRING : static_cast<int32_t>(tag);
}

// The sizes are taken first, so the message is written once, front to back,
// into a buffer of its final size.
std::string TSNMPInfo::EncodeMessage() {
  PadValuesToOids();
  EncodeOids();
  std::string scratch;
  size_t bindingsSize = 0;
  for (int i = 0; i < Oids.Count(); ++i) {
    const size_t valueSize = ValueOctets(Values[i], ValueType(i), scratch).size();
    bindingsSize += ItemSize(ItemSize(EncodedOid(i).size()) + ItemSize(valueSize));
  }
  const size_t pduSize = 3 * kOneOctetIntegerSize + ItemSize(bindingsSize);
  const size_t messageSize = kOneOctetIntegerSize + ItemSize(Community.size()) + ItemSize(pduSize);
  std::string octets(ItemSize(messageSize), '\0');
  char* out = WriteHeader(octets.data(), ASN1_SEQUENCE, messageSize);
  out = WriteOneOctetInteger(out, Version);
  out = WriteItem(out, ASN1_OCTET_STRING, Community);
  out = WriteHeader(out, PDUType, pduSize);
  out = WriteOneOctetInteger(out, RequestId);
  out = WriteOneOctetInteger(out, ErrorStatus);
  out = WriteOneOctetInteger(out, ErrorIndex);
  out = WriteHeader(out, ASN1_SEQUENCE, bindingsSize);
  for (int i = 0; i < Oids.Count(); ++i) {
    const std::string_view oid = EncodedOid(i);
    const std::string_view valueOctets = ValueOctets(Values[i], ValueType(i), scratch);
    out = WriteHeader(out, ASN1_SEQUENCE, ItemSize(oid.size()) + ItemSize(valueOctets.size()));
    out = WriteItem(out, ASN1_OBJECT_ID, oid);
    out = WriteItem(out, ValueType(i), valueOctets);
  }
  return octets;
}

void TSNMPInfo::DecodeMessage(const std::string& octets) {
  TBerReader reader(octets, kOuterLengthPosition);
  const uint64_t messageLength = reader.ReadLength();
  Version = reader.ReadNumber(0);
  Community = reader.ReadItem().Text;
  PDUType = reader.ReadNumber(0);
  RequestId = reader.ReadNumber(0);
  ErrorStatus = reader.ReadNumber(0);
  ErrorIndex = reader.ReadNumber(0);
  reader.SkipItem();
  ReadBindings(reader, messageLength, *this);
}

bool TSNMPInfo::IsAnsweredBy(const std::string& datagram) const {
  std::string_view rest = datagram;
  std::string_view message;
  std::string_view community;
  std::string_view pdu;
  std::string_view bindings;
  int32_t version = 0;
  int32_t requestId = 0;
  int32_t errorStatus = 0;
  int32_t errorIndex = 0;
  if (!TakeItem(rest, ASN1_SEQUENCE, message) || !rest.empty()) return false;
  if (!TakeHeaderInteger(message, version) || version != Version) return false;
  if (!TakeItem(message, ASN1_OCTET_STRING, community) || !TakeItem(message, PDU_GET_RESPONSE, pdu)) return false;
  if (!message.empty()) return false;
  // The request id is not matched: every request goes out with 0.
  if (!TakeHeaderInteger(pdu, requestId) || !TakeHeaderInteger(pdu, errorStatus) ||
      !TakeHeaderInteger(pdu, errorIndex)) {
    return false;
  }
  if (!TakeItem(pdu, ASN1_SEQUENCE, bindings) || !pdu.empty()) return false;
  // An agent may refuse without the bindings (tooBig does when they would not
  // fit); the refusal is still the answer, and ends the wait at once.
  const bool bindinglessRefusal = errorStatus != 0 && bindings.empty();
  return bindinglessRefusal || BindingsAnswer(bindings, Oids);
}

bool TSNMPInfo::DecodeTrap() {
  TBerReader reader(Buffer, kOuterLengthPosition);
  const uint64_t messageLength = reader.ReadLength();
  Version = reader.ReadNumber(0);
  Community = reader.ReadItem().Text;
  if (Version == 0) {
    PDUType = reader.ReadNumber(PDU_TRAP);
    Enterprise = reader.ReadItem().Text;
    Host = reader.ReadItem().Text;
    GenericTrap = reader.ReadNumber(0);
    SpecificTrap = reader.ReadNumber(0);
    TimeStamp = reader.ReadNumber(0);
  } else if (Version == 1) {
    PDUType = reader.ReadNumber(PDU_TRAP);
    for (int field = 0; field < 3; ++field) reader.ReadItem();
  }
  reader.ReadItem();
  ReadBindings(reader, messageLength, *this);
  return true;
}

// ---------------------------------------------------------------- TIdSNMP

TIdSNMP::TIdSNMP(TComponent* owner) : TIdUDPClient(owner) {
  SetPort(161);
  SetReceiveTimeout(5000);
  FQuery = std::make_unique<TSNMPInfo>(*this);
  FReply = std::make_unique<TSNMPInfo>(*this);
  FTrap = std::make_unique<TSNMPInfo>(*this);
  FQuery->Clear();
  FReply->Clear();
  FTrap->Clear();
}

TIdSNMP::~TIdSNMP() = default;

TClass TIdSNMP::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TIdSNMP>("TIdSNMP", TIdUDPClient::StaticClass())
                                          .String("Community", &TIdSNMP::Community, &TIdSNMP::SetCommunity)
                                          .Integer("TrapPort", &TIdSNMP::TrapPort, &TIdSNMP::SetTrapPort, 162)
                                          .Build();
  return &metaClass;
}

void TIdSNMP::SetCommunity(const std::string& community) {
  if (community == FCommunity) return;
  FCommunity = community;
  FQuery->SetCommunity(community);
  FReply->SetCommunity(community);
  FTrap->SetCommunity(community);
}

bool TIdSNMP::SendRequest() {
  TSNMPInfo& query = Query();
  TSNMPInfo& reply = Reply();
  reply.Clear();
  query.Buffer = query.EncodeMessage();
  // A reply that came after its request timed out is still queued on the
  // socket; it must not be taken for the answer to this request.
  DiscardPending();
  const std::string address = ResolveHost(query.Host);
  // Asked once, before the wait: the system's interface table is too dear to
  // ask again for each datagram a flood of strays brings.
  const bool answeredFromAnyAddress = IsBroadcastAddress(address);
  Send(address, static_cast<uint16_t>(query.Port), query.Buffer);
  // Only the device's own answer is the reply: junk, echoes, strays from
  // elsewhere and answers to other questions do not end the wait.
  const auto isTheAnswer = [&query, &address, answeredFromAnyAddress](const std::string& datagram,
                                                                      const TPeer& source) {
    return (answeredFromAnyAddress || source.IP == address) && query.IsAnsweredBy(datagram);
  };
  TPeer peer;
  reply.SetBuffer(ReceiveString(ReceiveTimeout(), peer, isTheAnswer));
  query.Host = peer.IP;
  query.Port = peer.Port;
  if (reply.Buffer.empty()) return false;
  reply.DecodeMessage(reply.Buffer);
  return reply.ErrorStatus == 0 && HoldsOnlyShownValues(reply.Values);
}
