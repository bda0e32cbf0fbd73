#include "tools/agent/Ber.h"

#include <limits>

#include "platform/rtl/SysUtils.h"

namespace {

// Lengths above this many octets of length cannot describe a datagram.
constexpr size_t kMaxLengthOctets = 4;

class TBerReader {
 public:
  TBerReader(const std::string& octets, size_t begin, size_t end) : FOctets(octets), FPos(begin), FEnd(end) {}

  bool AtEnd() const { return FPos == FEnd; }

  TBerNode ReadItem() {
    TBerNode node;
    node.Tag = ReadTag();
    const size_t length = ReadLength();
    if (length > FEnd - FPos) throw EBerError("item of " + IntToStr(length) + " octets runs past its container");
    const size_t contentEnd = FPos + length;
    if (node.Constructed()) {
      TBerReader inner(FOctets, FPos, contentEnd);
      while (!inner.AtEnd()) node.Children.push_back(inner.ReadItem());
    } else {
      node.Content = FOctets.substr(FPos, length);
    }
    FPos = contentEnd;
    return node;
  }

 private:
  uint8_t ReadOctet(const char* what) {
    if (FPos == FEnd) throw EBerError(std::string("truncated ") + what);
    return static_cast<uint8_t>(FOctets[FPos++]);
  }

  uint8_t ReadTag() {
    const uint8_t tag = ReadOctet("tag");
    if ((tag & 0x1F) == 0x1F) throw EBerError("multi-octet tags are not used by SNMP");
    return tag;
  }

  // Long forms with leading zero octets are accepted: common SNMP stacks
  // write every sequence length in two octets.
  size_t ReadLength() {
    const uint8_t first = ReadOctet("length");
    if (first < 0x80) return first;
    if (first == 0x80) throw EBerError("indefinite length");
    const size_t count = first & 0x7F;
    if (count > kMaxLengthOctets) throw EBerError("length of " + IntToStr(count) + " octets");
    size_t length = 0;
    for (size_t i = 0; i < count; ++i) length = (length << 8) | ReadOctet("length");
    return length;
  }

  const std::string& FOctets;
  size_t FPos;
  size_t FEnd;
};

std::string EncodeSubidentifier(uint32_t value) {
  std::string groups(1, static_cast<char>(value & 0x7F));
  for (value >>= 7; value != 0; value >>= 7) groups.insert(groups.begin(), static_cast<char>(0x80 | (value & 0x7F)));
  return groups;
}

uint32_t ParseArc(const std::string& text) {
  if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos) {
    throw EBerError("'" + text + "' is not an identifier component");
  }
  const uint64_t value = std::stoull(text);
  if (value > std::numeric_limits<uint32_t>::max()) throw EBerError("identifier component " + text + " too large");
  return static_cast<uint32_t>(value);
}

std::vector<std::string> SplitAtDots(const std::string& text) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t dot = text.find('.'); dot != std::string::npos; dot = text.find('.', start)) {
    parts.push_back(text.substr(start, dot - start));
    start = dot + 1;
  }
  parts.push_back(text.substr(start));
  return parts;
}

}  // namespace

TBerNode BerParse(const std::string& octets) {
  TBerReader reader(octets, 0, octets.size());
  TBerNode node = reader.ReadItem();
  if (!reader.AtEnd()) throw EBerError("octets after the end of the message");
  return node;
}

std::string BerLength(size_t length) {
  if (length < 0x80) return std::string(1, static_cast<char>(length));
  std::string octets;
  for (; length != 0; length >>= 8) octets.insert(octets.begin(), static_cast<char>(length & 0xFF));
  return static_cast<char>(0x80 | octets.size()) + octets;
}

std::string BerItem(uint8_t tag, const std::string& content) {
  return static_cast<char>(tag) + BerLength(content.size()) + content;
}

std::string BerEncode(const TBerNode& node) {
  if (!node.Constructed()) return BerItem(node.Tag, node.Content);
  std::string content;
  for (const TBerNode& child : node.Children) content += BerEncode(child);
  return BerItem(node.Tag, content);
}

std::string BerIntegerContent(int32_t value) {
  std::string octets;
  for (int shift = 24; shift >= 0; shift -= 8) octets += static_cast<char>((value >> shift) & 0xFF);
  // Drop leading octets that only repeat the sign of the next one.
  while (octets.size() > 1) {
    const uint8_t first = static_cast<uint8_t>(octets[0]);
    const bool signBitOfNext = (static_cast<uint8_t>(octets[1]) & 0x80) != 0;
    if (!((first == 0x00 && !signBitOfNext) || (first == 0xFF && signBitOfNext))) break;
    octets.erase(0, 1);
  }
  return octets;
}

// Leading octets that only repeat the sign are taken as they come: the
// program sends negative numbers in four octets, and real agents accept that.
int32_t BerIntegerValue(const std::string& content) {
  if (content.empty()) throw EBerError("empty INTEGER");
  size_t first = 0;
  while (content.size() - first > 1) {
    const uint8_t lead = static_cast<uint8_t>(content[first]);
    const bool signBitOfNext = (static_cast<uint8_t>(content[first + 1]) & 0x80) != 0;
    if (!((lead == 0x00 && !signBitOfNext) || (lead == 0xFF && signBitOfNext))) break;
    ++first;
  }
  if (content.size() - first > 4) throw EBerError("INTEGER wider than 32 bits");
  uint32_t bits = (static_cast<uint8_t>(content[first]) & 0x80) ? 0xFFFFFFFFu : 0u;
  for (size_t i = first; i < content.size(); ++i) bits = (bits << 8) | static_cast<uint8_t>(content[i]);
  return static_cast<int32_t>(bits);
}

std::string BerUnsignedContent(uint32_t value) {
  std::string octets;
  for (; value != 0; value >>= 8) octets.insert(octets.begin(), static_cast<char>(value & 0xFF));
  if (octets.empty() || (static_cast<uint8_t>(octets[0]) & 0x80)) octets.insert(octets.begin(), '\0');
  return octets;
}

std::string BerOidContent(const std::string& dotted) {
  const std::vector<std::string> parts = SplitAtDots(dotted);
  if (parts.size() < 2) throw EBerError("identifier '" + dotted + "' has fewer than two components");
  const uint32_t first = ParseArc(parts[0]);
  const uint32_t second = ParseArc(parts[1]);
  if (first > 2 || (first < 2 && second >= 40) || second > std::numeric_limits<uint32_t>::max() - 80) {
    throw EBerError("identifier '" + dotted + "' has an impossible start");
  }
  std::string content = EncodeSubidentifier(first * 40 + second);
  for (size_t i = 2; i < parts.size(); ++i) content += EncodeSubidentifier(ParseArc(parts[i]));
  return content;
}

std::string BerOidText(const std::string& content) {
  if (content.empty()) throw EBerError("empty OBJECT IDENTIFIER");
  if (static_cast<uint8_t>(content.back()) & 0x80) throw EBerError("OBJECT IDENTIFIER ends inside a component");
  std::string text;
  uint64_t value = 0;
  bool startOfComponent = true;
  for (char c : content) {
    const uint8_t octet = static_cast<uint8_t>(c);
    if (startOfComponent && octet == 0x80) throw EBerError("OBJECT IDENTIFIER component with a leading zero group");
    value = (value << 7) | (octet & 0x7F);
    if (value > std::numeric_limits<uint32_t>::max()) throw EBerError("OBJECT IDENTIFIER component too large");
    startOfComponent = (octet & 0x80) == 0;
    if (!startOfComponent) continue;
    if (text.empty()) {
      const uint64_t first = value < 80 ? value / 40 : 2;
      text = IntToStr(static_cast<int64_t>(first)) + "." + IntToStr(static_cast<int64_t>(value - first * 40));
    } else {
      text += "." + IntToStr(static_cast<int64_t>(value));
    }
    value = 0;
  }
  return text;
}

std::string BerIpAddressContent(const std::string& dotted) {
  const std::vector<std::string> parts = SplitAtDots(dotted);
  if (parts.size() != 4) throw EConvertError("'" + dotted + "' is not an IPv4 address");
  std::string content;
  for (const std::string& part : parts) {
    int32_t value = 0;
    if (part.empty() || part.size() > 3 || part.find_first_not_of("0123456789") != std::string::npos ||
        !TryStrToInt(part, value) || value > 255) {
      throw EConvertError("'" + dotted + "' is not an IPv4 address");
    }
    content += static_cast<char>(value);
  }
  return content;
}
