#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "controls/editors/base/cxTextDrawingGdi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GdiHandles.h"

namespace {

constexpr int kWidth = 240;
constexpr int kHeight = 120;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);
// Selected text is drawn in this colour.
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr char kSentence[] = "Lorem ipsum dolor sit amet, consectetur adipiscing elit";

// A white picture whose device context has the canvas's font selected.
class TPicture {
 public:
  TPicture() {
    FBitmap.SetSize(kWidth, kHeight);
    FBitmap.Canvas().Brush().SetColor(clWhite);
    FBitmap.Canvas().FillRect(Rect(0, 0, kWidth, kHeight));
    FDC = FBitmap.Canvas().RequiredFontHandle();
  }
  HDC DC() const { return FDC; }
  TBitmap& Bitmap() { return FBitmap; }
  COLORREF Pixel(int x, int y) const { return GetPixel(FDC, x, y); }
  // The smallest rectangle holding every pixel that is not white.
  std::optional<TRect> Ink() const {
    std::optional<TRect> ink;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) {
        if (Pixel(x, y) == kWhite) continue;
        if (!ink) ink = TRect{x, y, x + 1, y + 1};
        ink = TRect{std::min<LONG>(ink->left, x), std::min<LONG>(ink->top, y), std::max<LONG>(ink->right, x + 1),
                    std::max<LONG>(ink->bottom, y + 1)};
      }
    return ink;
  }
  int Count(COLORREF color) const {
    int count = 0;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) count += Pixel(x, y) == color;
    return count;
  }
  int TextWidth(const std::string& text) {
    SIZE size{};
    MeasureTextRun(FDC, text.data(), static_cast<int>(text.size()), size, false);
    return size.cx;
  }

 private:
  TBitmap FBitmap;
  HDC FDC = nullptr;
};

// Whether `pixel` blends `ink` (of pure channels) with white, as smoothed letters do.
bool SmoothedInk(COLORREF pixel, COLORREF ink) {
  const BYTE inkChannels[] = {GetRValue(ink), GetGValue(ink), GetBValue(ink)};
  const BYTE channels[] = {GetRValue(pixel), GetGValue(pixel), GetBValue(pixel)};
  std::optional<BYTE> dark;
  for (int i = 0; i < 3; ++i) {
    if (inkChannels[i] == 255 && channels[i] != 255) return false;
    if (inkChannels[i] != 0) continue;
    if (dark && *dark != channels[i]) return false;
    dark = channels[i];
  }
  return true;
}

bool Inside(const TRect& inner, const TRect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

class cxTextDrawingGdiTest : public testing::Test {
 protected:
  void SetUp() override {
    cxTextDrawingInitialize();
    FPicture.emplace();
  }
  void TearDown() override { cxTextDrawingFinalize(); }

  TPicture& Picture() { return *FPicture; }

  TcxTextParams Params(uint32_t flags) {
    TcxTextParams params;
    InitTextParams(Picture().DC(), flags, params);
    return params;
  }
  void Draw(const std::string& text, const TRect& rect, uint32_t flags, int selectionStart = 0, int selectionLength = 0,
            TColor selectionBackground = clRed, bool forceEllipsis = false) {
    const TcxTextParams params = Params(flags);
    int lineCount = 0;
    TcxTextRows rows;
    MakeTextRows(Picture().DC(), text, rect, 0, lineCount, rows, params);
    LayoutTextRows(rect, lineCount, rows, params);
    DrawTextRows(Picture().DC(), rect, params, forceEllipsis, clBlue, selectionBackground, selectionStart,
                 selectionLength, lineCount, rows);
  }

  // Each case draws on a fresh one.
  std::optional<TPicture> FPicture;
};

TEST_F(cxTextDrawingGdiTest, TextLandsWhereTheAlignmentPutsIt) {
  const TRect rect{40, 20, 200, 100};
  const std::string text = "Hello";
  const int width = Picture().TextWidth(text);
  const int height = Params(0).TextHeight;
  const struct {
    const char* Name;
    uint32_t Flags;
    int Left;
    int Top;
  } cases[] = {
      {"left top", 0, 40, 20},
      {"centre", cxHAlignCenter, 40 + (160 - width) / 2, 20},
      {"right", cxHAlignRight, 200 - width, 20},
      {"middle", cxVAlignCenter << 4, 40, 20 + (80 - height) / 2},
      {"bottom right", cxHAlignRight | cxVAlignBottom << 4, 200 - width, 100 - height},
  };
  for (const auto& c : cases) {
    FPicture.emplace();
    Draw(text, rect, c.Flags);
    const std::optional<TRect> ink = Picture().Ink();
    ASSERT_TRUE(ink) << c.Name;
    EXPECT_TRUE(Inside(*ink, {c.Left, c.Top, c.Left + width, c.Top + height})) << c.Name;
    EXPECT_GE(ink->left, c.Left) << c.Name;
    EXPECT_LE(ink->left, c.Left + 3) << c.Name;
  }
}

TEST_F(cxTextDrawingGdiTest, RowsThatDoNotFitAreClippedToTheRectangle) {
  const TRect rect{40, 20, 120, 40};
  const struct {
    const char* Name;
    uint32_t Flags;
  } cases[] = {
      {"a single line wider than the rectangle", TF_SINGLELINE},
      {"a long word that overflows its row", TF_WORDBREAK},
      {"a row passing the bottom", TF_WORDBREAK | TF_CHARBREAK},
      {"rows above the top", TF_WORDBREAK | cxVAlignBottom << 4},
      {"centred wider than the rectangle", TF_SINGLELINE | cxHAlignCenter},
  };
  for (const auto& c : cases) {
    FPicture.emplace();
    Draw("Incomprehensibilities abound", rect, c.Flags);
    const std::optional<TRect> ink = Picture().Ink();
    ASSERT_TRUE(ink) << c.Name;
    EXPECT_TRUE(Inside(*ink, rect)) << c.Name;
    FPicture.emplace();
    Draw("Incomprehensibilities abound", rect, c.Flags | TF_NOCLIP);
    EXPECT_FALSE(Inside(*Picture().Ink(), rect)) << c.Name << " without clipping";
  }
}

TEST_F(cxTextDrawingGdiTest, TheClipRegionIsAsBeforeAfterDrawing) {
  const struct {
    const char* Name;
    std::optional<TRect> Clip;
    int SelectionLength;
  } cases[] = {
      {"no region", std::nullopt, 0},
      {"no region, with a selection", std::nullopt, 5},
      {"a region", TRect{0, 0, 100, 100}, 0},
      {"a region, with a selection", TRect{0, 0, 100, 100}, 5},
  };
  for (const auto& c : cases) {
    FPicture.emplace();
    const HDC dc = Picture().DC();
    if (c.Clip) IntersectClipRect(dc, c.Clip->left, c.Clip->top, c.Clip->right, c.Clip->bottom);
    const TGdiObject<HRGN> before(CreateRectRgn(0, 0, 0, 0));
    const int hadRegion = GetClipRgn(dc, before.Get());
    Draw(kSentence, {10, 10, 60, 30}, TF_WORDBREAK, 2, c.SelectionLength);
    const TGdiObject<HRGN> after(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetClipRgn(dc, after.Get()), hadRegion) << c.Name;
    if (hadRegion == 1) {
      EXPECT_TRUE(EqualRgn(before.Get(), after.Get())) << c.Name;
    }
    SelectClipRgn(dc, nullptr);
  }
}

TEST_F(cxTextDrawingGdiTest, TheContextsSettingsAreAsBeforeAfterDrawing) {
  const HDC dc = Picture().DC();
  SetBkMode(dc, OPAQUE);
  SetTextColor(dc, RGB(1, 2, 3));
  const int width = Picture().TextWidth("a b c");
  Draw("aa bb cc dd ee ff gg hh", {10, 10, 100, 100}, cxHAlignDistribute, 0, 8);
  EXPECT_EQ(GetBkMode(dc), OPAQUE);
  EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
  EXPECT_EQ(Picture().TextWidth("a b c"), width);
}

TEST_F(cxTextDrawingGdiTest, JustifiedRowsReachTheRightEdge) {
  const TRect rect{10, 10, 130, 110};
  const struct {
    const char* Name;
    uint32_t Flags;
    bool Reaches;
  } cases[] = {
      {"left", TF_WORDBREAK, false},
      {"justify", cxHAlignJustify, true},
      {"distribute", cxHAlignDistribute, true},
  };
  for (const auto& c : cases) {
    FPicture.emplace();
    const std::string text = "aa bb cc dd ee ff gg hh ii jj kk";
    const TcxTextParams params = Params(c.Flags);
    Draw(text, rect, c.Flags);
    // The ink of the first row only.
    int right = 0;
    for (int y = rect.top; y < rect.top + params.LineHeight; ++y)
      for (int x = rect.left; x < rect.right; ++x)
        if (Picture().Pixel(x, y) != kWhite) right = std::max(right, x + 1);
    EXPECT_EQ(right >= rect.right - 3, c.Reaches) << c.Name << " " << right;
  }
}

TEST_F(cxTextDrawingGdiTest, TheSelectionIsFilledInItsOwnColours) {
  const std::string text = "abcdefgh";
  const int left = 10 + Picture().TextWidth("ab");
  const int right = 10 + Picture().TextWidth("abcde");
  const int lineHeight = Params(0).LineHeight;
  Draw(text, {10, 10, 200, 100}, 0, 2, 3);
  int red = 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      if (Picture().Pixel(x, y) != kRed) continue;
      ++red;
      EXPECT_TRUE(x >= left && x < right && y >= 10 && y < 10 + lineHeight) << x << "," << y;
    }
  EXPECT_GT(red, (right - left) * lineHeight / 2);
  // The selected letters are blue on red: the fill is not solid.
  EXPECT_LT(red, (right - left) * lineHeight);
  FPicture.emplace();
  Draw(text, {10, 10, 200, 100}, 0, 2, 3, clNone);
  EXPECT_EQ(Picture().Count(kRed), 0);
  EXPECT_TRUE(Picture().Ink());
}

// The picture drawn directly: each piece of text at its place.
struct TPiece {
  std::string Text;
  int X;
  int Row;
};

TEST_F(cxTextDrawingGdiTest, ATruncatedLastRowEndsInAnEllipsis) {
  const TRect rect{10, 10, 100, 100};
  const int available = 90 - Picture().TextWidth("...");
  std::string fits = "Incomprehensibilities";
  while (Picture().TextWidth(fits) > available) fits.pop_back();
  const int lineHeight = Params(0).LineHeight;
  const struct {
    const char* Name;
    std::string Text;
    uint32_t Flags;
    bool Force;
    int Height;
    std::vector<TPiece> Pieces;
  } cases[] = {
      {"too wide", "Incomprehensibilities", 0, false, 90, {{fits, 10, 0}, {"...", 10 + Picture().TextWidth(fits), 0}}},
      {"fits", "Short", 0, false, 90, {{"Short", 10, 0}}},
      {"forced", "Short", 0, true, 90, {{"Short", 10, 0}, {"...", 10 + Picture().TextWidth("Short"), 0}}},
      // Looking one row ahead makes the empty second row the last.
      {"an empty last row, forced",
       "Short\n\nMore",
       TF_EARLY_LAST_ROW,
       true,
       3 * lineHeight - 1,
       {{"Short", 10, 0}, {"...", 10, 1}}},
  };
  for (const auto& c : cases) {
    FPicture.emplace();
    Draw(c.Text, {rect.left, rect.top, rect.right, rect.top + c.Height}, TF_END_ELLIPSIS | c.Flags, 0, 0, clRed,
         c.Force);
    TPicture expected;
    SetBkMode(expected.DC(), TRANSPARENT);
    for (const TPiece& piece : c.Pieces)
      TextOutA(expected.DC(), piece.X, rect.top + piece.Row * lineHeight, piece.Text.data(),
               static_cast<int>(piece.Text.size()));
    EXPECT_EQ(Picture().Bitmap().GetPixels(), expected.Bitmap().GetPixels()) << c.Name;
  }
}

TEST_F(cxTextDrawingGdiTest, AnEllipsisFollowsASelectionOnlyWhereTheRowIsCut) {
  const TRect rect{10, 10, 100, 100};
  const int lineHeight = Params(0).LineHeight;
  std::string fits = "Incomprehensibilities";
  while (Picture().TextWidth(fits) > 90 - Picture().TextWidth("...")) fits.pop_back();
  const struct {
    const char* Name;
    std::string Text;
    int SelectionStart;
    int SelectionLength;
    // The first row as it shows, and the colour of an ellipsis after it.
    std::string Shown;
    std::optional<COLORREF> Ellipsis;
  } cases[] = {
      {"a row that fits, selected to its end", "Short", 0, 5, "Short", std::nullopt},
      {"the selection ends a row that is not the last", "Short\nMore", 2, 3, "Short", std::nullopt},
      {"a cut row selected to its end", "Incomprehensibilities", 3, 18, fits, kBlue},
      {"a cut row selected before its end", "Incomprehensibilities", 0, 2, fits, kBlack},
  };
  for (const auto& c : cases) {
    FPicture.emplace();
    Draw(c.Text, rect, TF_END_ELLIPSIS, c.SelectionStart, c.SelectionLength);
    int ink = 0;
    int foreign = 0;
    for (int y = rect.top; y < rect.top + lineHeight; ++y)
      for (int x = rect.left + Picture().TextWidth(c.Shown); x < kWidth; ++x) {
        const COLORREF pixel = Picture().Pixel(x, y);
        if (pixel == kWhite) continue;
        ++ink;
        if (!c.Ellipsis || !SmoothedInk(pixel, *c.Ellipsis)) ++foreign;
      }
    EXPECT_EQ(ink > 0, c.Ellipsis.has_value()) << c.Name;
    EXPECT_EQ(foreign, 0) << c.Name;
  }
}

// A run of `units` copies of "ab<tab>" and then `tail`: each copy ends on the
// next tab stop, so the run is as wide as `units` stops and the tail.
std::string TabbedRun(int units, const std::string& tail) {
  std::string run;
  for (int unit = 0; unit < units; ++unit) run += "ab\t";
  return run + tail;
}

SIZE SystemTabbedExtent(HDC dc, const std::string& text) {
  const DWORD extent = GetTabbedTextExtentA(dc, text.data(), static_cast<int>(text.size()), 0, nullptr);
  return {LOWORD(extent), HIWORD(extent)};
}

TEST_F(cxTextDrawingGdiTest, RunsWithTabsAreMeasuredWholeAtAnyLength) {
  const HDC dc = Picture().DC();
  const SIZE stop = SystemTabbedExtent(dc, "ab\t");
  const int tail = Picture().TextWidth("x");
  const struct {
    const char* Name;
    std::string Text;
    int Width;
  } cases[] = {
      {"no tab", "abc", SystemTabbedExtent(dc, "abc").cx},
      {"a leading tab", "\tx", SystemTabbedExtent(dc, "\tx").cx},
      {"two tabs", "a\t\tbc", SystemTabbedExtent(dc, "a\t\tbc").cx},
      {"a piece wider than a stop", "abcdefghijklmnop\tx", SystemTabbedExtent(dc, "abcdefghijklmnop\tx").cx},
      {"4,096 characters", TabbedRun(1365, "x"), 1365 * stop.cx + tail},
      {"4,097 characters", TabbedRun(1365, "xx"), 1365 * stop.cx + 2 * tail},
      {"9,001 characters, wider than 65,535 pixels", TabbedRun(3000, "x"), 3000 * stop.cx + tail},
      {"4,096 tabs", std::string(4096, '\t'), 4096 * SystemTabbedExtent(dc, "\t").cx},
  };
  for (const auto& c : cases) {
    SIZE size{};
    MeasureTextRun(dc, c.Text.data(), static_cast<int>(c.Text.size()), size, true);
    EXPECT_EQ(size.cx, c.Width) << c.Name;
    EXPECT_EQ(size.cy, stop.cy) << c.Name;
  }
}

// A mark after a row of tabs lands where the stops put it: past the left
// edge by all the stops before it, or, right-aligned, ending at the right
// edge, which only a whole measure of the row gets right.
TEST_F(cxTextDrawingGdiTest, ALongRowOfTabsIsDrawnWholeWithItsTabsExpanded) {
  const int stop = SystemTabbedExtent(Picture().DC(), "\t").cx;
  const int mark = Picture().TextWidth("W");
  constexpr int kMarkLeft = 100;
  const struct {
    const char* Name;
    int Tabs;
    uint8_t HAlign;
  } cases[] = {
      {"short, left", 100, cxHAlignLeft},
      {"short, right", 100, cxHAlignRight},
      {"past 4,096 characters and 65,535 pixels, left", 5000, cxHAlignLeft},
      {"past 4,096 characters and 65,535 pixels, right", 5000, cxHAlignRight},
  };
  for (const auto& c : cases) {
    FPicture.emplace();
    const TRect rect{kMarkLeft - c.Tabs * stop, 10, kMarkLeft + mark, 40};
    Draw(std::string(static_cast<size_t>(c.Tabs), '\t') + "W", rect,
         TF_SINGLELINE | TF_NO_MEASURE_SINGLELINE | TF_EXPANDTABS | c.HAlign);
    const std::optional<TRect> ink = Picture().Ink();
    ASSERT_TRUE(ink) << c.Name;
    EXPECT_GE(ink->left, kMarkLeft) << c.Name;
    EXPECT_LE(ink->left, kMarkLeft + 2) << c.Name;
    EXPECT_LE(ink->right, kMarkLeft + mark) << c.Name;
  }
}

TEST_F(cxTextDrawingGdiTest, TheCanvasVariantsUseTheCanvasFont) {
  TBitmap bitmap;
  bitmap.SetSize(10, 10);
  bitmap.Canvas().Font().SetHeight(-30);
  TcxCanvas canvas(bitmap.Canvas());
  TcxTextParams params;
  InitTextParams(canvas, 0, params);
  EXPECT_EQ(params.TextHeight, canvas.TextHeight("Qq"));
  EXPECT_GT(params.TextHeight, Params(0).TextHeight);
  int lineCount = 0;
  TcxTextRows rows;
  MakeTextRows(canvas, "ab", Rect(0, 0, 100, 100), 0, lineCount, rows, params);
  ASSERT_EQ(lineCount, 1);
  EXPECT_EQ(rows[0].TextWidth, canvas.TextWidth("ab"));
}

}  // namespace
