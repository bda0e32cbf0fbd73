#pragma once
// The agent's own BER: a strict tree parse that refuses anything a careful
// device would refuse, and the encoders of the items SNMP uses. It is kept
// apart from the program's lenient reader on purpose, so the two check each other.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/rtl/Exceptions.h"

// Input that is not well-formed BER, with the reason.
class EBerError : public Exception {
 public:
  using Exception::Exception;
};

namespace BerTag {
constexpr uint8_t Integer = 0x02;
constexpr uint8_t OctetString = 0x04;
constexpr uint8_t Null = 0x05;
constexpr uint8_t ObjectId = 0x06;
constexpr uint8_t Sequence = 0x30;
constexpr uint8_t IpAddress = 0x40;
constexpr uint8_t TimeTicks = 0x43;
constexpr uint8_t NoSuchObject = 0x80;
}  // namespace BerTag

// One item: a primitive one keeps its content octets, a constructed one
// (tag bit 0x20) the items inside it.
struct TBerNode {
  uint8_t Tag = 0;
  std::string Content;
  std::vector<TBerNode> Children;

  bool Constructed() const { return (Tag & 0x20) != 0; }
};

// Exactly one item filling all of `octets`, parsed down to its leaves: definite
// lengths only, every inner item inside its parent, nothing after the item.
TBerNode BerParse(const std::string& octets);
// Minimal definite lengths throughout.
std::string BerEncode(const TBerNode& node);
std::string BerLength(size_t length);
// Tag, length and the content as given, whatever it holds.
std::string BerItem(uint8_t tag, const std::string& content);

// Content octets of the value types, and their readers: strict, but for
// INTEGERs with redundant sign octets, which real agents take.
std::string BerIntegerContent(int32_t value);
int32_t BerIntegerValue(const std::string& content);
std::string BerUnsignedContent(uint32_t value);
std::string BerOidContent(const std::string& dotted);
std::string BerOidText(const std::string& content);
std::string BerIpAddressContent(const std::string& dotted);
