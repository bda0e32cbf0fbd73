#include "controls/editors/check/cxCheckBoxStates.h"

#include <algorithm>

#include "platform/rtl/SysUtils.h"

namespace {

constexpr int kMaskBits = 64;

int ItemCount(const IcxCheckItems& items) { return std::max(items.GetCount(), 0); }

// The grayed part alone, or the grayed part, ";" and the checked part.
std::string JoinMarkedParts(const std::string& grayed, const std::string& checked) {
  return checked.empty() ? grayed : grayed + ";" + checked;
}

std::string& PartOf(TcxCheckBoxState state, std::string& grayed, std::string& checked) {
  return state == cbsGrayed ? grayed : checked;
}

std::string EncodeCaptions(const TcxCheckStates& states, const IcxCheckItems& items) {
  std::string grayed;
  std::string checked;
  const int count = std::min(static_cast<int>(states.size()), ItemCount(items));
  for (int i = 0; i < count; ++i) {
    if (states[i] == cbsUnchecked) continue;
    const std::string caption = items.GetCaption(i);
    PartOf(states[i], grayed, checked) += std::to_string(caption.size()) + ":" + caption;
  }
  return JoinMarkedParts(grayed, checked);
}

std::string EncodeIndices(const TcxCheckStates& states) {
  std::string grayed;
  std::string checked;
  for (size_t i = 0; i < states.size(); ++i) {
    if (states[i] == cbsUnchecked) continue;
    std::string& part = PartOf(states[i], grayed, checked);
    if (!part.empty()) part += ",";
    part += std::to_string(i);
  }
  return JoinMarkedParts(grayed, checked);
}

int64_t EncodeMask(const TcxCheckStates& states) {
  uint64_t mask = 0;
  const size_t count = std::min(states.size(), static_cast<size_t>(kMaskBits));
  for (size_t i = 0; i < count; ++i)
    if (states[i] == cbsChecked) mask |= uint64_t{1} << i;
  return static_cast<int64_t>(mask);
}

std::string EncodeStatesString(const TcxCheckStates& states) {
  std::string text;
  for (const TcxCheckBoxState state : states) text += static_cast<char>('0' + state);
  return text;
}

// Reads the captions and indices forms: numbers of decimal digits alone
// that fit an Integer, single marks and counted characters.
class TStatesTextReader {
 public:
  explicit TStatesTextReader(const std::string& text) : FText(text) {}

  bool AtEnd() const { return FPosition >= FText.size(); }

  bool Skip(char mark) {
    if (AtEnd() || FText[FPosition] != mark) return false;
    ++FPosition;
    return true;
  }

  bool ReadNumber(int& number) {
    constexpr int64_t kLargest = 2147483647;
    int64_t value = 0;
    const size_t start = FPosition;
    for (; !AtEnd() && IsDigit(FText[FPosition]); ++FPosition) {
      value = value * 10 + (FText[FPosition] - '0');
      if (value > kLargest) return false;
    }
    number = static_cast<int>(value);
    return FPosition > start;
  }

  bool ReadCharacters(int length, std::string& text) {
    if (static_cast<size_t>(length) > FText.size() - FPosition) return false;
    text = FText.substr(FPosition, static_cast<size_t>(length));
    FPosition += static_cast<size_t>(length);
    return true;
  }

 private:
  static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

  const std::string& FText;
  size_t FPosition = 0;
};

// What comes before the one ";" is grayed, what follows it checked.
class TMarkedPartReader : public TStatesTextReader {
 public:
  using TStatesTextReader::TStatesTextReader;

  TcxCheckBoxState PassPartMark() {
    if (FState == cbsGrayed && Skip(';')) FState = cbsChecked;
    return FState;
  }

 private:
  TcxCheckBoxState FState = cbsGrayed;
};

struct TCaptionRun {
  std::string Caption;
  TcxCheckBoxState State;
};

bool ReadCaptionRuns(const std::string& text, std::vector<TCaptionRun>& runs) {
  TMarkedPartReader reader(text);
  while (!reader.AtEnd()) {
    const TcxCheckBoxState state = reader.PassPartMark();
    int length = 0;
    std::string caption;
    if (!reader.ReadNumber(length) || !reader.Skip(':') || !reader.ReadCharacters(length, caption)) return false;
    runs.push_back({caption, state});
  }
  return true;
}

// Each item takes the first run left with its caption, whatever the case;
// a run no item takes means the value belongs to other items.
bool DecodeCaptions(const std::string& text, const IcxCheckItems& items, TcxCheckStates& states) {
  std::vector<TCaptionRun> runs;
  if (!ReadCaptionRuns(text, runs)) return false;
  for (size_t i = 0; i < states.size() && !runs.empty(); ++i) {
    const std::string caption = items.GetCaption(static_cast<int>(i));
    const auto run =
        std::find_if(runs.begin(), runs.end(), [&](const TCaptionRun& r) { return SameText(r.Caption, caption); });
    if (run == runs.end()) continue;
    states[i] = run->State;
    runs.erase(run);
  }
  return runs.empty();
}

bool DecodeIndices(const std::string& text, TcxCheckStates& states) {
  TMarkedPartReader reader(text);
  while (!reader.AtEnd()) {
    const TcxCheckBoxState state = reader.PassPartMark();
    int index = 0;
    if (!reader.ReadNumber(index) || static_cast<size_t>(index) >= states.size()) return false;
    states[static_cast<size_t>(index)] = state;
    reader.Skip(',');
  }
  return true;
}

bool IsNumberOfAnyKind(const Variant& value) {
  return VarIsNumeric(value) || value.VType() == varDate || value.VType() == varFMTBcd;
}

bool ReadMask(const Variant& value, uint64_t& mask) {
  int64_t number = 0;
  if (VarIsStr(value)) {
    if (!TryStrToInt64(value.AsString(), number)) return false;
  } else if (IsNumberOfAnyKind(value)) {
    try {
      number = value.AsInt64();
    } catch (const Exception&) {
      return false;
    }
  } else if (!VarIsNull(value)) {
    return false;
  }
  mask = static_cast<uint64_t>(number);
  return true;
}

bool DecodeMask(const Variant& value, TcxCheckStates& states) {
  uint64_t mask = 0;
  if (!ReadMask(value, mask)) return false;
  const size_t count = std::min(states.size(), static_cast<size_t>(kMaskBits));
  for (size_t i = 0; i < count; ++i, mask >>= 1)
    if (mask & 1) states[i] = cbsChecked;
  return true;
}

bool DecodeStatesString(const std::string& text, TcxCheckStates& states) {
  const size_t count = std::min(text.size(), states.size());
  for (size_t i = 0; i < count; ++i) {
    if (text[i] < '0' || text[i] > '2') return false;
    states[i] = static_cast<TcxCheckBoxState>(text[i] - '0');
  }
  return true;
}

bool IsTextOrNull(const Variant& value) { return VarIsStr(value) || VarIsNull(value); }

bool Decode(const Variant& value, const IcxCheckItems& items, TcxCheckStatesValueFormat format,
            TcxCheckStates& states) {
  if (format == cvfInteger) return DecodeMask(value, states);
  if (!IsTextOrNull(value)) return false;
  const std::string text = VarIsNull(value) ? std::string() : value.AsString();
  switch (format) {
    case cvfCaptions: return DecodeCaptions(text, items, states);
    case cvfIndices: return DecodeIndices(text, states);
    case cvfStatesString: return DecodeStatesString(text, states);
    default: return false;
  }
}

}  // namespace

Variant CalculateCheckStatesValue(const TcxCheckStates& states, const IcxCheckItems& items,
                                  TcxCheckStatesValueFormat format) {
  switch (format) {
    case cvfCaptions: return EncodeCaptions(states, items);
    case cvfIndices: return EncodeIndices(states);
    case cvfInteger: return EncodeMask(states);
    case cvfStatesString: return EncodeStatesString(states);
  }
  return Null();
}

bool CalculateCheckStates(const Variant& value, const IcxCheckItems& items, TcxCheckStatesValueFormat format,
                          TcxCheckStates& states) {
  states.assign(static_cast<size_t>(ItemCount(items)), cbsUnchecked);
  if (Decode(value, items, format, states)) return true;
  states.assign(states.size(), cbsUnchecked);
  return false;
}
