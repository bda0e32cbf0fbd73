#include "platform/rtl/TextEncoding.h"

#include "platform/rtl/WideStrings.h"

namespace {

const char kUtf8Mark[] = "\xEF\xBB\xBF";
const char kUtf16LeMark[] = "\xFF\xFE";
const char kUtf16BeMark[] = "\xFE\xFF";
constexpr char16_t kReplacement = 0xFFFD;

bool StartsWith(const std::string& bytes, const std::string& mark) { return bytes.compare(0, mark.size(), mark) == 0; }

void AppendCodePoint(std::u16string& text, char32_t code) {
  if (code < 0x10000) {
    text += static_cast<char16_t>(code);
    return;
  }
  code -= 0x10000;
  text += static_cast<char16_t>(0xD800 + (code >> 10));
  text += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
}

// The length of the sequence a lead byte opens, and the smallest code point
// it may carry (a longer form than needed is no valid UTF-8); 0 for no lead.
int SequenceLength(unsigned char lead, char32_t& smallest) {
  if (lead < 0x80) return smallest = 0, 1;
  if (lead >= 0xC2 && lead < 0xE0) return smallest = 0x80, 2;
  if (lead >= 0xE0 && lead < 0xF0) return smallest = 0x800, 3;
  if (lead >= 0xF0 && lead < 0xF5) return smallest = 0x10000, 4;
  return 0;
}

// The code point of the sequence at `at`, which `length` then covers; a byte
// that opens no valid sequence is one replacement character.
char32_t DecodeUtf8Sequence(const std::string& bytes, size_t at, size_t& length) {
  char32_t smallest = 0;
  const int expected = SequenceLength(static_cast<unsigned char>(bytes[at]), smallest);
  length = 1;
  if (expected == 1) return static_cast<unsigned char>(bytes[at]);
  if (expected == 0 || at + expected > bytes.size()) return kReplacement;
  char32_t code = static_cast<unsigned char>(bytes[at]) & (0x7F >> expected);
  for (int i = 1; i < expected; ++i) {
    const auto next = static_cast<unsigned char>(bytes[at + i]);
    if ((next & 0xC0) != 0x80) return kReplacement;
    code = (code << 6) | (next & 0x3F);
  }
  if ((code < smallest || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000))) return kReplacement;
  length = static_cast<size_t>(expected);
  return code;
}

std::u16string DecodeUtf8(const std::string& bytes) {
  std::u16string text;
  for (size_t at = 0, length = 0; at < bytes.size(); at += length)
    AppendCodePoint(text, DecodeUtf8Sequence(bytes, at, length));
  return text;
}

void AppendUtf8(std::string& bytes, char32_t code) {
  if (code < 0x80) {
    bytes += static_cast<char>(code);
    return;
  }
  const int length = code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
  bytes += static_cast<char>((0xF00 >> length) | (code >> (6 * (length - 1))));
  for (int i = length - 2; i >= 0; --i) bytes += static_cast<char>(0x80 | ((code >> (6 * i)) & 0x3F));
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit < 0xDC00; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit < 0xE000; }

std::string EncodeUtf8(const std::u16string& text) {
  std::string bytes;
  for (size_t at = 0; at < text.size(); ++at) {
    char32_t code = text[at];
    if (IsHighSurrogate(text[at]) && at + 1 < text.size() && IsLowSurrogate(text[at + 1]))
      code = 0x10000 + ((code - 0xD800) << 10) + (text[++at] - 0xDC00);
    else if (IsHighSurrogate(text[at]) || IsLowSurrogate(text[at]))
      code = kReplacement;
    AppendUtf8(bytes, code);
  }
  return bytes;
}

// The byte of a unit that comes first: the low one in LE, the high one in BE.
int FirstByteShift(TTextEncoding encoding) { return encoding == TTextEncoding::Utf16Be ? 8 : 0; }

std::u16string DecodeUtf16(const std::string& bytes, TTextEncoding encoding) {
  const int first = FirstByteShift(encoding);
  std::u16string text(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < text.size(); ++i)
    text[i] = static_cast<char16_t>((static_cast<unsigned char>(bytes[2 * i]) << first) |
                                    (static_cast<unsigned char>(bytes[2 * i + 1]) << (8 - first)));
  return text;
}

std::string EncodeUtf16(const std::u16string& text, TTextEncoding encoding) {
  const int first = FirstByteShift(encoding);
  std::string bytes;
  bytes.reserve(text.size() * 2);
  for (const char16_t unit : text) {
    bytes += static_cast<char>((unit >> first) & 0xFF);
    bytes += static_cast<char>((unit >> (8 - first)) & 0xFF);
  }
  return bytes;
}

}  // namespace

bool IsUtf16(TTextEncoding encoding) {
  return encoding == TTextEncoding::Utf16Le || encoding == TTextEncoding::Utf16Be;
}

TTextEncoding DetectTextEncoding(const std::string& bytes) {
  if (StartsWith(bytes, kUtf8Mark)) return TTextEncoding::Utf8;
  if (StartsWith(bytes, kUtf16LeMark)) return TTextEncoding::Utf16Le;
  if (StartsWith(bytes, kUtf16BeMark)) return TTextEncoding::Utf16Be;
  return TTextEncoding::Ansi;
}

std::string TextEncodingMark(TTextEncoding encoding) {
  switch (encoding) {
    case TTextEncoding::Utf8: return kUtf8Mark;
    case TTextEncoding::Utf16Le: return kUtf16LeMark;
    case TTextEncoding::Utf16Be: return kUtf16BeMark;
    case TTextEncoding::Ansi: break;
  }
  return {};
}

std::u16string DecodeText(const std::string& bytes, TTextEncoding encoding) {
  switch (encoding) {
    case TTextEncoding::Utf8: return DecodeUtf8(bytes);
    case TTextEncoding::Utf16Le:
    case TTextEncoding::Utf16Be: return DecodeUtf16(bytes, encoding);
    case TTextEncoding::Ansi: break;
  }
  return AnsiToWide(bytes);
}

std::string EncodeText(const std::u16string& text, TTextEncoding encoding) {
  switch (encoding) {
    case TTextEncoding::Utf8: return EncodeUtf8(text);
    case TTextEncoding::Utf16Le:
    case TTextEncoding::Utf16Be: return EncodeUtf16(text, encoding);
    case TTextEncoding::Ansi: break;
  }
  return WideToAnsi(text);
}
