#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "controls/editors/base/cxTextDrawing.h"
#include "tests/controls/editors/FakeTextMeasurer.h"

namespace {

using Strings = std::vector<std::string>;

constexpr uint32_t kJustify = cxHAlignJustify;
constexpr uint32_t kDistribute = cxHAlignDistribute;
constexpr uint32_t kVCenter = cxVAlignCenter << 4;
constexpr uint32_t kVBottom = cxVAlignBottom << 4;
constexpr uint32_t kVSpread = cxVAlignSpread << 4;

class cxTextDrawingTest : public testing::Test {
 protected:
  void SetUp() override { cxTextDrawingInitialize(); }
  void TearDown() override { cxTextDrawingFinalize(); }

  TcxTextParams Params(uint32_t flags) {
    TcxTextParams params;
    InitTextParams(FMeasurer, flags, params);
    return params;
  }
  // Breaks the text in a rectangle of the given size at the origin. The
  // rows point into the fixture's copy of the text.
  TcxTextRows Break(const std::string& text, uint32_t flags, int width, int height = 1000, int maxLineCount = 0,
                    bool* complete = nullptr) {
    FText = text;
    int lineCount = -1;
    TcxTextRows rows;
    const bool result =
        MakeTextRows(FMeasurer, FText, {0, 0, width, height}, maxLineCount, lineCount, rows, Params(flags));
    EXPECT_EQ(lineCount, static_cast<int>(rows.size()));
    if (complete) *complete = result;
    return rows;
  }
  static Strings Texts(const TcxTextRows& rows) {
    Strings texts;
    for (const TcxTextRow& row : rows) texts.emplace_back(row.Text, static_cast<size_t>(row.TextLength));
    return texts;
  }

  TFakeTextMeasurer FMeasurer;
  std::string FText;
};

TEST_F(cxTextDrawingTest, RowsBreakAtBlanksCharactersAndLineBreaks) {
  const struct {
    const char* Name;
    std::string Text;
    uint32_t Flags;
    int Width;
    Strings Rows;
  } cases[] = {
      {"the blank stays on the first row", "ab cd", TF_WORDBREAK, 20, {"ab ", "cd"}},
      {"blanks at a row's start are skipped", "ab   cd", TF_WORDBREAK, 20, {"ab ", "cd"}},
      {"wide enough for all", "ab cd", TF_WORDBREAK, 50, {"ab cd"}},
      {"a long word overflows", "abcdef gh", TF_WORDBREAK, 30, {"abcdef ", "gh"}},
      {"a long word is cut", "abcdef gh", TF_WORDBREAK | TF_CHARBREAK, 30, {"abc", "def ", "gh"}},
      {"character breaking needs word breaking", "abcdef", TF_CHARBREAK, 30, {"abcdef"}},
      {"no wrapping without word breaking", "ab cd ef", 0, 20, {"ab cd ef"}},
      {"CR, LF and CRLF end rows", "ab\rcd\nef\r\ngh", 0, 1000, {"ab", "cd", "ef", "gh"}},
      {"an empty line between two breaks", "ab\n\ncd", 0, 1000, {"ab", "", "cd"}},
      {"LF then CR is two breaks", "ab\n\rcd", 0, 1000, {"ab", "", "cd"}},
      {"a final break adds no row", "ab\r\n", 0, 1000, {"ab"}},
      {"a break alone", "\r\n", 0, 1000, {""}},
      {"a tab breaks like a blank", "ab\tcd", TF_WORDBREAK, 20, {"ab\t", "cd"}},
      {"one tab after the blanks is skipped", "ab \tcd", TF_WORDBREAK, 20, {"ab ", "cd"}},
      {"single line keeps CR and LF", "ab\rcd\nef", TF_SINGLELINE, 1000, {"ab\rcd\nef"}},
      {"single line too wide stays one row", "abcdefgh", TF_SINGLELINE, 30, {"abcd"}},
      {"single line unmeasured", "abcdefgh\r\n", TF_SINGLELINE | TF_NO_MEASURE_SINGLELINE, 30, {"abcdefgh\r\n"}},
      {"justified rows break without the flag", "ab cd", kJustify, 30, {"ab", "cd"}},
      {"collapsed: a word per row", "ab cd", TF_WORDBREAK, 0, {"ab ", "cd"}},
      {"collapsed: a character per row", "abc", TF_WORDBREAK | TF_CHARBREAK, 0, {"a", "b", "c"}},
      {"negative width", "abc", TF_WORDBREAK | TF_CHARBREAK, -40, {"a", "b", "c"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Texts(Break(c.Text, c.Flags, c.Width)), c.Rows) << c.Name;
}

TEST_F(cxTextDrawingTest, RowsStopAtTheLastRowThatFitsOrTheLineLimit) {
  const struct {
    const char* Name;
    uint32_t Flags;
    int Height;
    int MaxLineCount;
    Strings Rows;
    bool Complete;
  } cases[] = {
      {"all rows", 0, 1000, 0, {"a", "b", "c"}, true},
      {"limit with text left", 0, 1000, 2, {"a", "b"}, false},
      {"limit just reached", 0, 1000, 3, {"a", "b", "c"}, true},
      {"the row that passes the bottom is the last", 0, 20, 0, {"a", "b"}, true},
      {"a row that ends at the bottom is not the last", 0, 32, 0, {"a", "b", "c"}, true},
      {"a collapsed height still gets a row", 0, 0, 0, {"a"}, true},
      {"looking one row ahead", TF_EARLY_LAST_ROW, 20, 0, {"a"}, true},
      {"looking ahead needs clipping", TF_EARLY_LAST_ROW | TF_NOCLIP, 20, 0, {"a", "b"}, true},
      {"bottom alignment ignores the height", kVBottom, 20, 0, {"a", "b", "c"}, true},
      {"bottom alignment stops at the limit", kVBottom, 20, 2, {"a", "b"}, false},
      {"single line never reports text left", TF_SINGLELINE, 1000, 1, {"a\nb\nc"}, true},
  };
  for (const auto& c : cases) {
    bool complete = !c.Complete;
    EXPECT_EQ(Texts(Break("a\nb\nc", c.Flags, 100, c.Height, c.MaxLineCount, &complete)), c.Rows) << c.Name;
    EXPECT_EQ(complete, c.Complete) << c.Name;
  }
}

TEST_F(cxTextDrawingTest, TheLastRowThatFitsBreaksForItsEllipsis) {
  const struct {
    const char* Name;
    std::string Text;
    uint32_t Flags;
    Strings Rows;
  } cases[] = {
      {"cut where it overflows", "abcdef\rgh", TF_END_ELLIPSIS, {"abcd"}},
      {"without ellipsis the row runs to the break", "abcdef\rgh", 0, {"abcdef"}},
      {"line breaks are ordinary characters", "ab\rcd", TF_END_ELLIPSIS, {"ab\rc"}},
      {"looking ahead truncates nothing", "abcdef\rgh", TF_END_ELLIPSIS | TF_EARLY_LAST_ROW, {"abcdef"}},
      {"justified rows take no ellipsis", "abcdef\rgh", TF_END_ELLIPSIS | kJustify, {"abcdef"}},
  };
  // 15 pixels leave room for no complete row: the first row is the last.
  for (const auto& c : cases) EXPECT_EQ(Texts(Break(c.Text, c.Flags, 30, 15)), c.Rows) << c.Name;
}

TEST_F(cxTextDrawingTest, RowsCountTheirBreaksForJustification) {
  const struct {
    const char* Name;
    uint32_t Flags;
    Strings Rows;
    std::vector<int> BreakCounts;
  } cases[] = {
      {"justify leaves paragraph ends unstretched", kJustify, {"ab cd", "ef gh", "ij kl"}, {1, 0, 0}},
      {"distribute stretches every row", kDistribute, {"ab cd", "ef gh", "ij kl"}, {1, 1, 1}},
      {"left alignment counts the trailing blank", TF_WORDBREAK, {"ab cd ", "ef gh", "ij kl"}, {2, 1, 1}},
  };
  for (const auto& c : cases) {
    const TcxTextRows rows = Break("ab cd ef gh\rij kl", c.Flags, 60);
    EXPECT_EQ(Texts(rows), c.Rows) << c.Name;
    std::vector<int> breakCounts;
    for (const TcxTextRow& row : rows) breakCounts.push_back(row.BreakCount);
    EXPECT_EQ(breakCounts, c.BreakCounts) << c.Name;
  }
}

TEST_F(cxTextDrawingTest, RowsKnowTheirPlaceAndSize) {
  const TcxTextRows rows = Break("ab\tc\nd", TF_EXPANDTABS, 1000);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].TextWidth, TFakeTextMeasurer::kTabWidth + TFakeTextMeasurer::kCharWidth);
  EXPECT_EQ(rows[0].TextHeight, TFakeTextMeasurer::kHeight);
  EXPECT_EQ(rows[1].StartOffset, 5);
  EXPECT_EQ(Break("ab\tc", 0, 1000)[0].TextWidth, 4 * TFakeTextMeasurer::kCharWidth);
}

TEST_F(cxTextDrawingTest, DoubleByteCharactersAreNeverSplit) {
  TFakeTextMeasurer doubleByte(true);
  TFakeTextMeasurer farEast(true, true);
  const struct {
    const char* Name;
    TcxTextMeasurer& Measurer;
    std::string Text;
    uint32_t Flags;
    int Width;
    Strings Rows;
  } cases[] = {
      {"cut between characters",
       doubleByte,
       "\x82\xa0\x82\xa1\x82\xa2",
       TF_WORDBREAK | TF_CHARBREAK,
       30,
       {"\x82\xa0", "\x82\xa1", "\x82\xa2"}},
      {"a Far-East locale always cuts",
       farEast,
       "\x82\xa0\x82\xa1\x82\xa2",
       TF_WORDBREAK,
       30,
       {"\x82\xa0", "\x82\xa1", "\x82\xa2"}},
      {"collapsed", doubleByte, "\x82\xa0\x82\xa1", TF_WORDBREAK | TF_CHARBREAK, 0, {"\x82\xa0", "\x82\xa1"}},
      {"a trailing lead byte stands alone", doubleByte, "a\x82", TF_WORDBREAK | TF_CHARBREAK, 10, {"a", "\x82"}},
      {"trail bytes that look like breaks", doubleByte, "\x82 \x82\n\x82\r", TF_WORDBREAK, 1000, {"\x82 \x82\n\x82\r"}},
      {"justified rows keep a trail byte blank", doubleByte, "\x82 \x82 ", kJustify, 1000, {"\x82 \x82 "}},
  };
  for (const auto& c : cases) {
    int lineCount = 0;
    TcxTextRows rows;
    TcxTextParams params;
    InitTextParams(c.Measurer, c.Flags, params);
    MakeTextRows(c.Measurer, c.Text, {0, 0, c.Width, 1000}, 0, lineCount, rows, params);
    EXPECT_EQ(Texts(rows), c.Rows) << c.Name;
  }
}

TEST_F(cxTextDrawingTest, ParamsFollowTheFlagsAndTheFont) {
  const TcxTextParams plain = Params(0);
  EXPECT_EQ(plain.TextHeight, TFakeTextMeasurer::kHeight);
  EXPECT_EQ(plain.ExternalLeading, 0);
  EXPECT_EQ(plain.LineHeight, TFakeTextMeasurer::kHeight);
  EXPECT_EQ(plain.EllipsisWidth, 0);
  EXPECT_EQ(plain.BreakChar, ' ');
  EXPECT_FALSE(plain.CharBreak);
  const TcxTextParams all =
      Params(kDistribute | kVSpread | TF_CLAMP_LEFT | TF_CLAMP_TOP | TF_WORDBREAK | TF_SINGLELINE | TF_EXPANDTABS |
             TF_END_ELLIPSIS | TF_EXTERNALLEADING | TF_EARLY_LAST_ROW | TF_NOCLIP | TF_RESERVED1 | TF_CHARBREAK |
             TF_NO_MEASURE_SINGLELINE | TF_RESERVED2);
  EXPECT_EQ(all.ExternalLeading, TFakeTextMeasurer::kExternalLeading);
  EXPECT_EQ(all.LineHeight, TFakeTextMeasurer::kHeight + TFakeTextMeasurer::kExternalLeading);
  EXPECT_EQ(all.EllipsisWidth, 3 * TFakeTextMeasurer::kCharWidth);
  EXPECT_EQ(all.HAlign, cxHAlignDistribute);
  EXPECT_EQ(all.VAlign, cxVAlignSpread);
  for (const bool flag :
       {all.WordBreak, all.SingleLine, all.ExpandTabs, all.EndEllipsis, all.ExternalLeadingFlag, all.EarlyLastRow,
        all.NoClip, all.Reserved1, all.ClampLeft, all.ClampTop, all.CharBreak, all.Reserved2, all.NoMeasureSingleLine})
    EXPECT_TRUE(flag);
  EXPECT_EQ(all.MaxCharWidth, 2 * TFakeTextMeasurer::kCharWidth);
}

// Three rows of 30 pixels, laid out in a rectangle 100 wide and 80 high at (10, 20).
TEST_F(cxTextDrawingTest, LayoutPlacesRowsByAlignment) {
  const struct {
    const char* Name;
    uint32_t Flags;
    int RowWidth;
    int RowCount;
    int Height;
    int X;
    std::vector<int> Tops;
  } cases[] = {
      {"left top", 0, 30, 3, 80, 10, {20, 36, 52}},
      {"centre", cxHAlignCenter, 30, 3, 80, 45, {20, 36, 52}},
      {"right", cxHAlignRight, 30, 3, 80, 80, {20, 36, 52}},
      {"justified rows start left", kJustify, 30, 3, 80, 10, {20, 36, 52}},
      {"centre of a wider row", cxHAlignCenter, 130, 1, 80, -5, {20}},
      {"right of a wider row", cxHAlignRight, 130, 1, 80, -20, {20}},
      {"clamped left", cxHAlignRight | TF_CLAMP_LEFT, 130, 1, 80, 10, {20}},
      {"middle", kVCenter, 30, 3, 80, 10, {36, 52, 68}},
      {"middle truncates toward zero", kVCenter, 30, 5, 79, 10, {20, 36, 52, 68, 84}},
      {"middle of too many rows", kVCenter, 30, 6, 80, 10, {12, 28, 44, 60, 76, 92}},
      {"clamped top", kVCenter | TF_CLAMP_TOP, 30, 6, 80, 10, {20, 36, 52, 68, 84, 100}},
      {"bottom", kVBottom, 30, 3, 80, 10, {52, 68, 84}},
      {"bottom keeps the external leading", kVBottom | TF_EXTERNALLEADING, 30, 2, 80, 10, {66, 84}},
      {"spread", kVSpread, 30, 3, 80, 10, {20, 52, 84}},
      {"spread shares the odd pixel", kVSpread, 30, 3, 81, 10, {20, 53, 85}},
      {"a fractional gap per row still spreads", kVSpread, 30, 3, 49, 10, {20, 37, 53}},
      {"spread without room", kVSpread, 30, 3, 20, 10, {20, 36, 52}},
      {"one spread row", kVSpread, 30, 1, 80, 10, {20}},
  };
  for (const auto& c : cases) {
    TcxTextRows rows(static_cast<size_t>(c.RowCount), TcxTextRow{nullptr, 3, c.RowWidth, 16, 0, 0, 0, 0});
    LayoutTextRows({10, 20, 110, 20 + c.Height}, c.RowCount, rows, Params(c.Flags));
    std::vector<int> tops;
    for (const TcxTextRow& row : rows) {
      EXPECT_EQ(row.TextOriginX, c.X) << c.Name;
      tops.push_back(row.TextOriginY);
    }
    EXPECT_EQ(tops, c.Tops) << c.Name;
  }
}

TEST_F(cxTextDrawingTest, MaxRowWidthLooksAtTheCountedRowsOnly) {
  const TcxTextRows rows{{nullptr, 1, 30, 16, 0, 0, 0, 0}, {nullptr, 1, 50, 16, 0, 0, 0, 0}};
  const struct {
    int Count;
    int Width;
  } cases[] = {{0, 0}, {1, 30}, {2, 50}, {5, 50}, {-1, 0}};
  for (const auto& c : cases) EXPECT_EQ(GetMaxRowWidth(rows, c.Count), c.Width) << c.Count;
  EXPECT_EQ(GetMaxRowWidth({}, 3), 0);
}

TEST_F(cxTextDrawingTest, EmptyTextMakesNoRows) {
  bool complete = false;
  EXPECT_TRUE(Break("", TF_WORDBREAK, 100, 100, 1, &complete).empty());
  EXPECT_TRUE(complete);
}

// Random texts of short words, blanks, tabs, line breaks and two-byte
// characters, broken at widths from 0 to 200 with random flags.
class cxTextDrawingPropertyTest : public cxTextDrawingTest {
 protected:
  static bool IsBreak(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; }

  std::string RandomText() {
    static const char* const kPieces[] = {"a",  "b",  "cd", "efg",  " ",        "  ",
                                          "\t", "\r", "\n", "\r\n", "\x82\xa0", "\x82 "};
    std::string text;
    for (int count = Pick(0, 40); count > 0; --count) text += kPieces[Pick(0, std::size(kPieces) - 1)];
    return text;
  }
  uint32_t RandomFlags() {
    static const uint32_t kOptional[] = {TF_CHARBREAK, TF_EXPANDTABS, TF_END_ELLIPSIS, kJustify, kDistribute};
    uint32_t flags = TF_WORDBREAK;
    for (const uint32_t flag : kOptional)
      if (Pick(0, 2) == 0) flags = (flags & ~TF_HALIGN) | flag;
    return flags;
  }
  int Pick(size_t low, size_t high) {
    return static_cast<int>(std::uniform_int_distribution<size_t>(low, high)(FRandom));
  }

  // The row without its trailing blanks and tabs fits, unless nothing could
  // be left out of it: one word, or one character. A blank that is the
  // second byte of a two-byte character is no blank.
  static void ExpectFits(TcxTextMeasurer& measurer, std::string_view row, bool expandTabs, int width) {
    std::vector<std::string_view> characters;
    for (int i = 0; i < static_cast<int>(row.size()); i += TextCharLength(measurer, row, i))
      characters.push_back(row.substr(i, TextCharLength(measurer, row, i)));
    const auto isBlank = [](std::string_view ch) { return ch == " " || ch == "\t"; };
    while (!characters.empty() && isBlank(characters.back())) characters.pop_back();
    const bool oneWord = std::none_of(characters.begin(), characters.end(), isBlank);
    if (oneWord || characters.size() == 1) return;
    const std::string_view kept = row.substr(0, characters.back().data() + characters.back().size() - row.data());
    EXPECT_LE(measurer.TextExtent(kept, expandTabs).Width, width) << "'" << row << "'";
  }

  std::mt19937 FRandom{20260722};
};

TEST_F(cxTextDrawingPropertyTest, RowsFollowEachOtherAndFitTheirWidth) {
  for (int round = 0; round < 3000; ++round) {
    TFakeTextMeasurer measurer(true, round % 5 == 0);
    const std::string text = RandomText();
    const uint32_t flags = RandomFlags();
    const int width = Pick(0, 200);
    SCOPED_TRACE(testing::Message() << "round " << round << " flags " << flags << " width " << width);
    TcxTextParams params;
    InitTextParams(measurer, flags, params);
    int lineCount = 0;
    TcxTextRows rows;
    MakeTextRows(measurer, text, {0, 0, width, 100000}, 0, lineCount, rows, params);
    std::vector<bool> starts(text.size() + 1, false);
    for (int i = 0; i < static_cast<int>(text.size()); i += TextCharLength(measurer, text, i)) starts[i] = true;
    starts[text.size()] = true;
    int end = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
      const TcxTextRow& row = rows[i];
      ASSERT_GE(row.StartOffset, end);
      for (int skipped = end; skipped < row.StartOffset; ++skipped) ASSERT_TRUE(IsBreak(text[skipped])) << skipped;
      end = row.StartOffset + row.TextLength;
      ASSERT_TRUE(starts[row.StartOffset] && starts[end]) << "a two-byte character split at row " << i;
      const bool ellipsisRow = params.EndEllipsis && i + 1 == rows.size();
      if (!ellipsisRow) ExpectFits(measurer, {row.Text, static_cast<size_t>(row.TextLength)}, params.ExpandTabs, width);
    }
    for (size_t skipped = end; skipped < text.size(); ++skipped) ASSERT_TRUE(IsBreak(text[skipped])) << skipped;
  }
}

}  // namespace
