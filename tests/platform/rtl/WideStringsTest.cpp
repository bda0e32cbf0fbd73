#include <gtest/gtest.h>

#include <string>

#include "platform/rtl/WideStrings.h"

// Both builds convert through code page 1252: the native build by its own
// table, the Windows build through the code page Wine reports.

TEST(WideStringsTest, EveryAnsiByteRoundTrips) {
  std::string all;
  for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
  const std::u16string wide = AnsiToWide(all);
  ASSERT_EQ(wide.size(), 256u);
  EXPECT_EQ(WideToAnsi(wide), all);
}

TEST(WideStringsTest, TheUpperHalfMapsToItsUnicodeCharacters) {
  const struct {
    char ansi;
    char16_t wide;
  } cases[] = {
      {'\x80', u'\u20AC'}, {'\x8C', u'\u0152'}, {'\x9F', u'\u0178'}, {'\x99', u'\u2122'},
      {'\xA0', u'\u00A0'}, {'\xE9', u'\u00E9'}, {'\xFF', u'\u00FF'}, {'A', u'A'},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AnsiToWide(std::string(1, c.ansi)), std::u16string(1, c.wide)) << int(c.wide);
    EXPECT_EQ(WideToAnsi(std::u16string(1, c.wide)), std::string(1, c.ansi)) << int(c.wide);
  }
}

TEST(WideStringsTest, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  const struct {
    std::u16string wide;
    std::string ansi;
  } cases[] = {
      {u"\u0416x", "?x"},
      // No look-alikes: an A with a macron is no A, a full-width solidus no path separator.
      {u"\u0100", "?"},
      {u"\u2260", "?"},
      {u"..\uFF0F", "..?"},
      {u"a\uFFFDb", "a?b"},
      {u"\U0001F600", "??"},
      {std::u16string(1, char16_t{0xD800}) + u"x", "?x"},
      {u"x" + std::u16string(1, char16_t{0xDC00}), "x?"},
  };
  for (const auto& c : cases) EXPECT_EQ(WideToAnsi(c.wide), c.ansi);
}

TEST(WideStringsTest, KeepsEmbeddedZerosAndTheEmptyString) {
  EXPECT_EQ(AnsiToWide(std::string("a\0b", 3)), std::u16string(u"a\0b", 3));
  EXPECT_EQ(WideToAnsi(std::u16string(u"a\0b", 3)), std::string("a\0b", 3));
  EXPECT_EQ(AnsiToWide(""), u"");
  EXPECT_EQ(WideToAnsi(u""), "");
}
