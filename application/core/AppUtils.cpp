#include "application/core/AppUtils.h"

#include "platform/rtl/SysUtils.h"

TStringList SplitString(const std::string& text, const std::string& separator) {
  TStringList items;
  std::string rest = text;
  if (!separator.empty()) {
    for (size_t at = rest.find(separator); at != std::string::npos; at = rest.find(separator)) {
      if (at > 0) items.Add(rest.substr(0, at));
      rest.erase(0, at + separator.size());
    }
  }
  if (!rest.empty()) items.Add(rest);
  return items;
}

std::string TextBefore(const std::string& separator, const std::string& text) {
  const size_t at = text.find(separator);
  return at == std::string::npos ? std::string() : text.substr(0, at);
}

std::string TextAfter(const std::string& separator, const std::string& text) {
  const size_t at = text.find(separator);
  return at == std::string::npos ? std::string() : text.substr(at + separator.size());
}

bool TryStrToIP(const std::string& text, uint32_t& value) {
  std::string rest = text;
  uint32_t result = 0;
  for (int field = 0; field < 4; ++field) {
    const std::string fieldText = field < 3 ? TextBefore(".", rest) : rest;
    const int32_t octet = StrToIntDef(fieldText, -1);
    if (octet < 0 || octet > 255) return false;
    result |= static_cast<uint32_t>(octet) << (8 * field);
    rest = TextAfter(".", rest);
  }
  value = result;
  return true;
}

bool IsInteger(const std::string& text) {
  int32_t value = 0;
  return TryStrToInt(text, value);
}

int64_t BytesToInt64(const std::vector<uint8_t>& octets) {
  uint64_t sum = 0;
  for (size_t i = 0; i < octets.size() && i < 8; ++i) sum |= static_cast<uint64_t>(octets[i]) << (8 * i);
  return static_cast<int64_t>(sum);
}
