// Reads arbitrary values as check states in every format, then writes states
// taken from the same bytes and reads them back. Reading must give exactly
// one state per item, all unchecked when it fails; writing and reading the
// text forms must give back every state when the captions are distinct.
//
// Input: a byte whose low two bits pick the format and next two bits the kind
// of value (text, Null, a double or a 64-bit integer of the first eight
// bytes after the header), an item count byte, then the bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "controls/editors/check/cxCheckBoxStates.h"

namespace {

constexpr size_t kHeaderSize = 2;
constexpr int kMostItems = 80;

void Require(bool condition) {
  if (!condition) std::abort();
}

class TFuzzItems : public IcxCheckItems {
 public:
  explicit TFuzzItems(std::vector<std::string> captions) : FCaptions(std::move(captions)) {}
  std::string GetCaption(int index) const override {
    Require(index >= 0 && index < GetCount());
    return FCaptions[static_cast<size_t>(index)];
  }
  int GetCount() const override { return static_cast<int>(FCaptions.size()); }

 private:
  std::vector<std::string> FCaptions;
};

// Short captions that repeat, so that caption runs often find their items.
std::vector<std::string> LetterCaptions(int count) {
  std::vector<std::string> captions;
  for (int i = 0; i < count; ++i) captions.push_back(std::string(1 + i / 26, static_cast<char>('a' + i % 26)));
  return captions;
}

// Captions of any bytes that stay distinct, whatever the case: each ends in
// "#" and its index, the only digits after the last non-digit.
std::vector<std::string> DistinctCaptions(int count, const std::string& bytes) {
  std::vector<std::string> captions;
  for (int i = 0; i < count; ++i) {
    const std::string prefix = bytes.empty() ? std::string() : bytes.substr(i % bytes.size(), i % 7);
    captions.push_back(prefix + "#" + std::to_string(i));
  }
  return captions;
}

template <typename T>
T FirstBytesAs(const std::string& bytes) {
  T value{};
  std::memcpy(&value, bytes.data(), std::min(sizeof value, bytes.size()));
  return value;
}

Variant ValueOf(uint8_t kind, const std::string& bytes) {
  switch (kind) {
    case 0: return bytes;
    case 1: return Null();
    case 2: return FirstBytesAs<double>(bytes);
    default: return FirstBytesAs<int64_t>(bytes);
  }
}

void CheckDecoding(const Variant& value, const TFuzzItems& items, TcxCheckStatesValueFormat format) {
  TcxCheckStates states(3, cbsGrayed);
  const bool decoded = CalculateCheckStates(value, items, format, states);
  Require(states.size() == static_cast<size_t>(items.GetCount()));
  for (const TcxCheckBoxState state : states) Require(decoded ? state <= cbsGrayed : state == cbsUnchecked);
}

void CheckRoundTrip(const TFuzzItems& items, const std::string& bytes, TcxCheckStatesValueFormat format) {
  TcxCheckStates states(static_cast<size_t>(items.GetCount()));
  for (size_t i = 0; i < states.size(); ++i)
    states[i] =
        bytes.empty() ? cbsUnchecked : static_cast<TcxCheckBoxState>(static_cast<uint8_t>(bytes[i % bytes.size()]) % 3);
  TcxCheckStates decoded;
  Require(CalculateCheckStates(CalculateCheckStatesValue(states, items, format), items, format, decoded));
  if (format != cvfInteger) {
    Require(decoded == states);
    return;
  }
  for (size_t i = 0; i < states.size(); ++i)
    Require(decoded[i] == (i < 64 && states[i] == cbsChecked ? cbsChecked : cbsUnchecked));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < kHeaderSize) return 0;
  const auto format = static_cast<TcxCheckStatesValueFormat>(data[0] & 3);
  const uint8_t kind = (data[0] >> 2) & 3;
  const int count = data[1] % (kMostItems + 1);
  const std::string bytes(reinterpret_cast<const char*>(data + kHeaderSize), size - kHeaderSize);
  CheckDecoding(ValueOf(kind, bytes), TFuzzItems(LetterCaptions(count)), format);
  CheckRoundTrip(TFuzzItems(DistinctCaptions(count, bytes)), bytes, format);
  return 0;
}
