#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/editors/base/cxEditUtils.h"
#include "controls/foundation/graphics/cxEditPaintUtils.h"
#include "controls/foundation/graphics/dxThemeManager.h"
#include "controls/foundation/graphics/dxUxTheme.h"
#include "tests/controls/foundation/FakeCurrentTheme.h"

namespace {

constexpr TColor kPaper = clWhite;
constexpr TColor kInk = clRed;

// The button and the combo-box themes answer margins of their own; either
// can be made to fail.
struct TFakeButtonThemes {
  static inline TRect ButtonMargins{};
  static inline TRect ComboMargins{};
  static inline bool MarginsFail = false;

  static inline const HTHEME kButton = reinterpret_cast<HTHEME>(1);
  static inline const HTHEME kCombo = reinterpret_cast<HTHEME>(2);

  static HTHEME WINAPI OpenThemeData(HWND, LPCWSTR classList) {
    if (lstrcmpiW(classList, L"Button") == 0) return kButton;
    if (lstrcmpiW(classList, L"ComboBox") == 0) return kCombo;
    return reinterpret_cast<HTHEME>(3);
  }
  static HRESULT WINAPI GetThemeBackgroundContentRect(HTHEME theme, HDC, int, int, LPCRECT bounding, LPRECT content) {
    if (MarginsFail) return E_FAIL;
    const TRect& m = theme == kCombo ? ComboMargins : ButtonMargins;
    *content = {bounding->left + m.left, bounding->top + m.top, bounding->right - m.right, bounding->bottom - m.bottom};
    return S_OK;
  }
  // Only the hot state is partly transparent.
  static BOOL WINAPI IsThemeBackgroundPartiallyTransparent(HTHEME, int, int state) { return state == 2; }
};

// Visual styles are on with the fake themes; the brush cache runs.
class EditUtilsTest : public FakeCurrentThemeTest {
 protected:
  void SetUp() override {
    FakeCurrentThemeTest::SetUp();
    TFakeButtonThemes::ButtonMargins = {};
    TFakeButtonThemes::ComboMargins = {};
    TFakeButtonThemes::MarginsFail = false;
    TUxThemeBinding binding = UxThemeBinding();
    binding.Api.OpenThemeData = TFakeButtonThemes::OpenThemeData;
    binding.Api.GetThemeBackgroundContentRect = TFakeButtonThemes::GetThemeBackgroundContentRect;
    binding.Api.IsThemeBackgroundPartiallyTransparent = TFakeButtonThemes::IsThemeBackgroundPartiallyTransparent;
    SetUxThemeBinding(binding);
    cxEditPaintUtilsInitialize();
    FBitmap.SetSize(12, 12);
    ClearBitmap();
  }
  void TearDown() override {
    cxEditPaintUtilsFinalize();
    FakeCurrentThemeTest::TearDown();
  }
  static void SwitchVisualStylesOff() {
    SetUxThemeBinding({});
    dxThemeManagerFinalize();
    dxThemeManagerInitialize();
  }

  void ClearBitmap() {
    FBitmap.Canvas().Brush().SetColor(kPaper);
    FBitmap.Canvas().FillRect(Rect(0, 0, FBitmap.Width(), FBitmap.Height()));
  }
  COLORREF Pixel(int x, int y) { return GetPixel(FBitmap.DC(), x, y); }
  // Every pixel of the bitmap: ink where `inked` says, paper elsewhere.
  template <class F>
  void ExpectInkedWhere(F inked, const std::string& label) {
    for (int y = 0; y < FBitmap.Height(); ++y)
      for (int x = 0; x < FBitmap.Width(); ++x)
        ASSERT_EQ(Pixel(x, y), ColorToRGB(inked(x, y) ? kInk : kPaper)) << label << " at " << x << "," << y;
  }

  TBitmap FBitmap;
  TcxCanvas FCanvas{FBitmap.Canvas()};
};

bool Inside(const TRect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

TEST(EditTextFlagsTest, ConvertBothWaysAndLeftAndTopAreZero) {
  struct TCase {
    UINT DrawText;
    int TextOut;
  };
  const TCase cases[] = {
      {DT_CENTER | DT_WORDBREAK, cxEditTextCenter | cxEditTextWordBreak},
      {DT_RIGHT | DT_SINGLELINE, cxEditTextRight | cxEditTextSingleLine},
      {DT_EXTERNALLEADING | DT_NOCLIP, cxEditTextExternalLeading | cxEditTextNoClip},
      {DT_LEFT | DT_TOP, 0},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(DrawTextFlagsToTextOutFlags(c.DrawText), c.TextOut) << c.DrawText;
    EXPECT_EQ(TextOutFlagsToDrawTextFlags(c.TextOut), c.DrawText) << c.TextOut;
  }
  EXPECT_EQ(DrawTextFlagsToTextOutFlags(DT_CENTER | DT_WORDBREAK), 4 | 32);
  // Flags of one side that share a number with a flag of the other are not taken for it.
  EXPECT_EQ(DrawTextFlagsToTextOutFlags(DT_VCENTER | DT_BOTTOM | DT_EXPANDTABS), 0);
  EXPECT_EQ(TextOutFlagsToDrawTextFlags(cxEditTextLeft | cxEditTextTop), 0u);
}

TEST_F(EditUtilsTest, PainterClassFollowsTheKindUnlessNativeStyleHasAButtonTheme) {
  struct TCase {
    TcxLookAndFeelKind Kind;
    TcxLookAndFeelPainterClass Painter;
  };
  const TCase cases[] = {{lfFlat, cxFlatLookAndFeelPainter()},
                         {lfStandard, cxStandardLookAndFeelPainter()},
                         {lfUltraFlat, cxUltraFlatLookAndFeelPainter()},
                         {lfOffice11, cxOffice11LookAndFeelPainter()}};
  for (const TCase& c : cases) {
    EXPECT_EQ(GetEditPainterClass(false, c.Kind), c.Painter) << c.Kind;
    EXPECT_EQ(GetEditPainterClass(true, c.Kind), cxWinXPLookAndFeelPainter()) << c.Kind;
  }
  SwitchVisualStylesOff();
  for (const TCase& c : cases) EXPECT_EQ(GetEditPainterClass(true, c.Kind), c.Painter) << c.Kind;
}

TEST_F(EditUtilsTest, ButtonBorderLinesDrawEachChosenSideAndMoveItInward) {
  const TRect start{2, 3, 9, 10};
  struct TCase {
    TcxBorders Sides;
    TRect Moved;
  };
  const TCase cases[] = {
      {{}, start},
      {{bLeft}, {3, 3, 9, 10}},
      {{bRight}, {2, 3, 8, 10}},
      {{bTop}, {2, 4, 9, 10}},
      {{bBottom}, {2, 3, 9, 9}},
      {cxBordersAll, {3, 4, 8, 9}},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    const TCase& c = cases[i];
    ClearBitmap();
    TRect r = start;
    DrawEditButtonBorderLines(FCanvas, r, c.Sides, kInk);
    EXPECT_EQ(r.left, c.Moved.left);
    EXPECT_EQ(r.top, c.Moved.top);
    EXPECT_EQ(r.right, c.Moved.right);
    EXPECT_EQ(r.bottom, c.Moved.bottom);
    // What lies inside the start but outside the moved rectangle is the lines.
    ExpectInkedWhere([&](int x, int y) { return Inside(start, x, y) && !Inside(c.Moved, x, y); },
                     "case " + std::to_string(i));
  }
}

TEST_F(EditUtilsTest, LinesIncludeEveryEndPointFlatOrNot) {
  const std::vector<POINT> path{{1, 1}, {6, 1}, {6, 5}, {3, 5}};
  const auto onPath = [](int x, int y) {
    return (y == 1 && x >= 1 && x <= 6) || (x == 6 && y >= 1 && y <= 5) || (y == 5 && x >= 3 && x <= 6);
  };
  for (const bool flat : {false, true}) {
    ClearBitmap();
    DrawLines(FCanvas, path, flat, kInk);
    ExpectInkedWhere(onPath, flat ? "flat" : "pen");
  }
  ClearBitmap();
  const std::vector<POINT> single{{4, 7}};
  DrawLines(FCanvas, single, true, kInk);
  ExpectInkedWhere([](int x, int y) { return x == 4 && y == 7; }, "one point");
}

TEST_F(EditUtilsTest, LinesWithoutPointsDrawNothing) {
  for (const bool flat : {false, true}) {
    DrawLines(FCanvas, {}, flat, kInk);
    ExpectInkedWhere([](int, int) { return false; }, flat ? "flat" : "pen");
  }
}

TEST_F(EditUtilsTest, FrameFillsOuterOutsideInner) {
  const TRect outer{1, 2, 10, 11};
  struct TCase {
    const char* Label;
    TRect Outer;
    TRect Inner;
  };
  const TCase cases[] = {
      {"frame", outer, {3, 4, 7, 8}},
      {"inner empty", outer, {5, 5, 5, 9}},
      {"inner equal", outer, outer},
      {"outer empty", {4, 4, 4, 8}, {0, 0, 12, 12}},
      {"inner across the edge", outer, {6, 6, 14, 14}},
  };
  for (const TCase& c : cases) {
    ClearBitmap();
    FillRectFrameDC(FCanvas, c.Outer, c.Inner, kInk);
    const bool innerEmpty = c.Inner.right <= c.Inner.left || c.Inner.bottom <= c.Inner.top;
    const bool equal = EqualRect(&c.Outer, &c.Inner);
    ExpectInkedWhere(
        [&](int x, int y) { return !equal && Inside(c.Outer, x, y) && (innerEmpty || !Inside(c.Inner, x, y)); },
        c.Label);
  }
}

// A 4 x 4 glyph of blue with two pixels of the transparent colour, the
// bottom-left one of them (which makes it the transparent colour).
void MakeGlyph(TBitmap& glyph) {
  glyph.SetSize(4, 4);
  glyph.Canvas().Brush().SetColor(clBlue);
  glyph.Canvas().FillRect(Rect(0, 0, 4, 4));
  glyph.Canvas().SetPixels(0, 3, clLime);
  glyph.Canvas().SetPixels(2, 1, clLime);
}

TEST_F(EditUtilsTest, GlyphsShowWhatIsUnderTheirTransparentColour) {
  TBitmap glyph;
  MakeGlyph(glyph);
  ASSERT_EQ(glyph.TransparentColor(), clLime);
  constexpr TColor kUnder = clYellow;
  struct TCase {
    const char* Label;
    bool UseBitmap;
    bool Work;
    TColor Background;
    TColor Shown;
  };
  const TCase cases[] = {
      {"bitmap", true, false, clNone, kUnder},
      {"bitmap through the work bitmap", true, true, clNone, kUnder},
      {"image list over clNone", false, false, clNone, kUnder},
      {"image list over a colour", false, false, clFuchsia, clFuchsia},
      {"image list through the work bitmap over clNone", false, true, clNone, kUnder},
      {"image list through the work bitmap over a colour", false, true, clFuchsia, clFuchsia},
  };
  for (const TCase& c : cases) {
    ClearBitmap();
    FBitmap.Canvas().Brush().SetColor(kUnder);
    FBitmap.Canvas().FillRect(Rect(3, 3, 7, 7));
    TBitmap work;
    DrawGlyph(FCanvas, 3, 3, &glyph, nullptr, -1, c.UseBitmap, c.Background, c.Work ? &work : nullptr);
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 4; ++x) {
        const bool seeThrough = (x == 0 && y == 3) || (x == 2 && y == 1);
        EXPECT_EQ(Pixel(3 + x, 3 + y), ColorToRGB(seeThrough ? c.Shown : clBlue)) << c.Label << " " << x << "," << y;
      }
    EXPECT_EQ(Pixel(2, 3), ColorToRGB(kPaper)) << c.Label;
    EXPECT_EQ(Pixel(7, 6), ColorToRGB(kPaper)) << c.Label;
  }
}

TEST_F(EditUtilsTest, AnImageOfAListIsDrawnWhenThereIsNoGlyph) {
  TBitmap glyph;
  MakeGlyph(glyph);
  const TOwned<TImageList> images = CreateUnowned<TImageList>();
  images->SetWidth(4);
  images->SetHeight(4);
  images->AddMasked(glyph, clLime);
  DrawGlyph(FCanvas, 1, 1, nullptr, images.get(), 0, false, clNone, nullptr);
  EXPECT_EQ(Pixel(1, 1), ColorToRGB(clBlue));
  EXPECT_EQ(Pixel(1, 4), ColorToRGB(kPaper));
}

TEST_F(EditUtilsTest, ButtonWidthByKindGlyphAndWidth) {
  const int scrollBar = GetSystemMetrics(SM_CXVSCROLL);
  TBitmap wide;
  wide.SetSize(30, 8);
  TBitmap narrow;
  narrow.SetSize(5, 8);
  TBitmap empty;
  const std::string caption = "Browse for a file";
  const int textWidth = FCanvas.TextWidth(caption);
  ASSERT_GT(textWidth + 7, scrollBar);
  struct TCase {
    const char* Label;
    TcxEditButtonKind Kind;
    const TBitmap* Glyph;
    int Width;
    int Expected;
  };
  const TCase cases[] = {
      {"glyph without glyph", bkGlyph, nullptr, 0, scrollBar},
      {"glyph with an empty glyph", bkGlyph, &empty, 0, scrollBar},
      {"wide glyph", bkGlyph, &wide, 0, 30 + 4},
      {"narrow glyph", bkGlyph, &narrow, 0, scrollBar},
      {"text", bkText, nullptr, 0, 4 + textWidth + 3},
      {"ellipsis", bkEllipsis, &wide, 0, scrollBar},
      {"down", bkDown, nullptr, 0, scrollBar},
      {"width below the border", bkText, nullptr, 3, 4},
      {"width above the border", bkGlyph, &wide, 9, 9},
  };
  for (const TCase& c : cases) {
    TcxEditButtonInfo button;
    button.Kind = c.Kind;
    button.Glyph = c.Glyph;
    button.Caption = caption;
    button.Width = c.Width;
    EXPECT_EQ(CalculateEditButtonWidth(FCanvas, button), c.Expected) << c.Label;
  }
}

TEST_F(EditUtilsTest, NativeButtonWidthTakesTheMarginsOfItsTheme) {
  TFakeButtonThemes::ButtonMargins = {5, 1, 6, 1};
  TFakeButtonThemes::ComboMargins = {3, 1, 4, 1};
  TBitmap wide;
  wide.SetSize(30, 8);
  TcxEditButtonInfo button;
  button.Kind = bkGlyph;
  button.Glyph = &wide;
  button.NativeStyle = true;
  EXPECT_EQ(CalculateEditButtonWidth(FCanvas, button), 30 + 11);
  button.IsDropDown = true;
  EXPECT_EQ(CalculateEditButtonWidth(FCanvas, button), 30 + 7);
  button.Width = 3;
  EXPECT_EQ(CalculateEditButtonWidth(FCanvas, button), 7);
  SwitchVisualStylesOff();
  button.Width = 0;
  EXPECT_EQ(CalculateEditButtonWidth(FCanvas, button), 30 + 4);
}

TEST_F(EditUtilsTest, NativeMetricsFallBackToClassicWhenTheThemeCannotAnswer) {
  TFakeButtonThemes::ButtonMargins = {5, 3, 6, 4};
  TFakeButtonThemes::ComboMargins = {1, 0, 2, 0};
  const int classicOffsets[] = {0, 4, 2, 2, 2, 2, 2};
  for (int index = 0; index < 7; ++index) {
    EXPECT_EQ(GetEditButtonContentOffset(FCanvas, index, false), classicOffsets[index]) << index;
    EXPECT_EQ(GetEditButtonContentOffset(FCanvas, index, true), 3 + 4) << index;
  }
  EXPECT_EQ(GetEditButtonContentOffset(FCanvas, 7, false), 0);
  EXPECT_EQ(GetEditButtonBorderWidth(FCanvas, true, false), 11);
  EXPECT_EQ(GetEditButtonBorderWidth(FCanvas, true, true), 3);
  EXPECT_EQ(GetEditButtonBorderWidth(FCanvas, false, true), 4);

  TFakeButtonThemes::MarginsFail = true;
  for (int index = 0; index < 7; ++index)
    EXPECT_EQ(GetEditButtonContentOffset(FCanvas, index, true), classicOffsets[index]) << index;
  EXPECT_EQ(GetEditButtonBorderWidth(FCanvas, true, false), 4);
  EXPECT_EQ(GetEditButtonBorderWidth(FCanvas, true, true), 4);
}

TEST_F(EditUtilsTest, NativeInfoMapsTheStateWhileAThemeOpens) {
  struct TCase {
    TcxEditButtonState State;
    int NativeState;
  };
  const TCase cases[] = {{ebstDisabled, 4}, {ebstNormal, 1}, {ebstPressed, 3}, {ebstHot, 2}};
  for (const bool dropDown : {false, true})
    for (const TCase& c : cases) {
      TcxEditButtonInfo button;
      button.NativeStyle = true;
      button.IsDropDown = dropDown;
      button.State = c.State;
      CalculateEditButtonNativeInfo(button);
      EXPECT_EQ(button.NativePart, 1);
      EXPECT_EQ(button.NativeState, c.NativeState);
      EXPECT_EQ(button.BackgroundPartiallyTransparent, c.NativeState == 2);
    }
  TcxEditButtonInfo button;
  button.State = ebstPressed;
  button.NativePart = button.NativeState = 9;
  CalculateEditButtonNativeInfo(button);
  EXPECT_EQ(button.NativePart, 0);
  EXPECT_EQ(button.NativeState, 0);
  button.NativeStyle = true;
  SwitchVisualStylesOff();
  CalculateEditButtonNativeInfo(button);
  EXPECT_EQ(button.NativeState, 0);
}

}  // namespace
