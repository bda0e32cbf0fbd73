#include "platform/rtl/WideStrings.h"

#ifdef _WIN32
#include <windows.h>

std::u16string AnsiToWide(const std::string& text) {
  if (text.empty()) return {};
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::u16string result(static_cast<size_t>(length), u'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), reinterpret_cast<wchar_t*>(result.data()),
                      length);
  return result;
}

// Without WC_NO_BEST_FIT_CHARS Windows swaps a missing character for a
// look-alike ("\u0100" for "A", a full-width solidus for "/"), which changes
// what the text says; a question mark shows that something was lost.
namespace {

std::string WideToAnsi(const std::u16string& text, DWORD flags) {
  if (text.empty()) return {};
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int size = static_cast<int>(text.size());
  const int length = WideCharToMultiByte(CP_ACP, flags, wide, size, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, flags, wide, size, result.data(), length, nullptr, nullptr);
  return result;
}

}  // namespace

std::string WideToAnsi(const std::u16string& text) { return WideToAnsi(text, WC_NO_BEST_FIT_CHARS); }

std::string WideToAnsiBestFit(const std::u16string& text) { return WideToAnsi(text, 0); }
#else
namespace {

// Code page 1252 differs from ISO 8859-1 only in 0x80..0x9F; its five
// unassigned places there map to the same control characters.
constexpr char16_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t ToWide(unsigned char c) { return c >= 0x80 && c < 0xA0 ? kCp1252High[c - 0x80] : char16_t{c}; }

char ToAnsi(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (int i = 0; i < 32; ++i)
    if (kCp1252High[i] == c) return static_cast<char>(0x80 + i);
  return '?';
}

}  // namespace

std::u16string AnsiToWide(const std::string& text) {
  std::u16string result;
  for (const char c : text) result += ToWide(static_cast<unsigned char>(c));
  return result;
}

std::string WideToAnsi(const std::u16string& text) {
  std::string result;
  for (const char16_t c : text) result += ToAnsi(c);
  return result;
}

// The native build has no look-alike table.
std::string WideToAnsiBestFit(const std::u16string& text) { return WideToAnsi(text); }
#endif
