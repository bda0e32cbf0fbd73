#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/foundation/graphics/cxGraphics.h"
#include "controls/foundation/graphics/dxOffice11.h"
#include "controls/foundation/graphics/dxThemeManager.h"
#include "controls/foundation/graphics/dxUxTheme.h"
#include "platform/graphics/Msimg32.h"
#include "tests/controls/foundation/FakeCurrentTheme.h"

namespace {

COLORREF PixelAt(const TBitmap& bitmap, int x, int y) { return GetPixel(bitmap.DC(), x, y); }

TEST(Office11SchemeTest, TheColourNameDecidesForLunaOrAnyStyleOfWindows6) {
  const struct {
    const wchar_t* File;
    const wchar_t* Color;
    DWORD Major;
    TOffice11Scheme Expected;
  } cases[] = {{L"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles", L"NormalColor", 5, schBlue},
               {L"luna.msstyles", L"HomeStead", 5, schOlive},
               {L"LUNA.MSSTYLES", L"Metallic", 5, schSilver},
               {L"C:\\Themes\\Royale.msstyles", L"NormalColor", 5, schSystem},
               {L"C:\\Themes\\aero.msstyles", L"NormalColor", 6, schBlue},
               {L"light.msstyles", L"Blue", 6, schSystem},
               {L"Luna.msstyles", L"", 5, schSystem}};
  for (const auto& c : cases)
    EXPECT_EQ(Office11SchemeOfTheme(c.File, c.Color, c.Major), c.Expected) << c.File << " " << c.Color;
}

using FakeThemeTest = FakeCurrentThemeTest;

TEST_F(FakeThemeTest, TheSchemeFollowsTheCurrentStyleAndAFailingQueryGivesSystemColours) {
  const struct {
    const wchar_t* File;
    const wchar_t* Color;
    TOffice11Scheme Expected;
  } cases[] = {{L"Luna.msstyles", L"NormalColor", schBlue},
               {L"Luna.msstyles", L"HomeStead", schOlive},
               {L"Luna.msstyles", L"Metallic", schSilver},
               {L"", L"Metallic", schSystem}};
  for (const auto& c : cases) {
    TFakeCurrentTheme::File = c.File;
    TFakeCurrentTheme::Color = c.Color;
    EXPECT_EQ(GetOffice11Scheme(), c.Expected) << c.File << " " << c.Color;
  }
  TFakeCurrentTheme::File = L"Luna.msstyles";
  InitOffice11Colors();
  EXPECT_EQ(Office11Scheme(), schSilver);
  EXPECT_TRUE(IsOffice11TableColors());
  EXPECT_EQ(Office11Colors().SchemeColors[0], static_cast<TColor>(0x00FAF4F3));
  EXPECT_EQ(Office11Colors().SchemePercent, 40);
}

TEST(Office11ColorsTest, TableSchemesTakeTheirRowAndTheirDerivedColours) {
  const TOffice11SystemColors system = CurrentOffice11SystemColors();
  const TOffice11Colors blue = ComputeOffice11Colors(schBlue, true, system);
  EXPECT_EQ(blue.SchemeColors[0], static_cast<TColor>(0x00FEECDD));
  EXPECT_EQ(blue.SchemeColors[48], static_cast<TColor>(0x00FFFFFF));
  EXPECT_EQ(blue.LightColor, clWhite);
  EXPECT_EQ(blue.DarkMixColors[0], static_cast<TColor>(0x00B96D3E));
  EXPECT_EQ(blue.ExpandButtonColors[1], static_cast<TColor>(0x00933803));
  const TOffice11Colors olive = ComputeOffice11Colors(schOlive, true, system);
  EXPECT_EQ(olive.SchemeColors[47], static_cast<TColor>(0x00447A63));
}

TEST(Office11ColorsTest, SystemSchemeMixesTheSystemColoursAndAWhiteFaceGivesTheHighlight) {
  const TOffice11SystemColors grey{RGB(200, 200, 200), RGB(255, 255, 255), RGB(128, 128, 128), RGB(0, 0, 128),
                                   RGB(255, 255, 254), RGB(1, 1, 1),       RGB(99, 99, 99),    RGB(250, 250, 250)};
  const TOffice11Colors colors = ComputeOffice11Colors(schSystem, false, grey);
  EXPECT_EQ(colors.SchemeColors[2], static_cast<TColor>(RGB(200, 200, 200)));
  EXPECT_EQ(colors.SchemeColors[0], static_cast<TColor>(RGB(243, 243, 243)));
  EXPECT_EQ(colors.SchemeColors[21], static_cast<TColor>(RGB(0, 0, 128)));
  EXPECT_EQ(colors.SchemeColors[38], static_cast<TColor>(RGB(227, 227, 227)));
  EXPECT_EQ(colors.SchemeColors[39], static_cast<TColor>(RGB(201, 201, 201)));
  EXPECT_EQ(colors.SchemeColors[48], static_cast<TColor>(RGB(255, 255, 254)));
  EXPECT_EQ(colors.LightColor, static_cast<TColor>(RGB(250, 250, 250)));
  EXPECT_EQ(colors.SchemePercent, 75);

  TOffice11SystemColors whiteFace = grey;
  whiteFace.Face = RGB(255, 255, 255);
  const TOffice11Colors white = ComputeOffice11Colors(schSystem, false, whiteFace);
  EXPECT_EQ(white.SchemeColors[6], static_cast<TColor>(RGB(0, 0, 128)));
  EXPECT_EQ(white.SchemeColors[28], static_cast<TColor>(RGB(0, 0, 128)));
}

TEST(Office11ColorsTest, MixesWeighTheFirstColourByThePercentage) {
  EXPECT_EQ(MixColors(clWhite, clBlack, 100), clWhite);
  EXPECT_EQ(MixColors(clWhite, clBlack, 0), clBlack);
  EXPECT_EQ(MixColorsRGB(RGB(200, 0, 100), RGB(0, 200, 100), 25), RGB(50, 150, 100));
  EXPECT_EQ(MixColorsRGB(RGB(255, 255, 255), RGB(255, 255, 255), 50), RGB(255, 255, 255));
}

TEST(Office11GlyphTest, RedLevelsSpreadBetweenTheColoursAndOneLevelTakesTheSecond) {
  const RGBQUAD background{255, 0, 255, 0};
  const RGBQUAD black{0, 0, 0, 0};
  const auto grey = [](BYTE level) { return RGBQUAD{level, level, level, 0}; };
  const auto rgb = [](const RGBQUAD& p) { return RGB(p.rgbRed, p.rgbGreen, p.rgbBlue); };

  std::vector<RGBQUAD> levels = {background, grey(50), grey(150), grey(100), black};
  RecolorSubMenuExpandGlyph(levels, clRed, clBlue);
  EXPECT_EQ(rgb(levels[0]), RGB(255, 0, 255));
  EXPECT_EQ(rgb(levels[1]), ColorToRGB(clBlue));
  EXPECT_EQ(rgb(levels[2]), ColorToRGB(clRed));
  EXPECT_EQ(rgb(levels[3]), RGB(128, 0, 128));
  EXPECT_EQ(rgb(levels[4]), RGB(0, 0, 0));

  // One level: no range to divide by, every glyph pixel takes the second colour.
  std::vector<RGBQUAD> flat = {background, grey(120), grey(120)};
  RecolorSubMenuExpandGlyph(flat, RGB(10, 200, 30), RGB(250, 5, 60));
  EXPECT_EQ(rgb(flat[1]), RGB(250, 5, 60));
  EXPECT_EQ(rgb(flat[2]), RGB(250, 5, 60));

  // Equal colours: the second becomes black, or white against black.
  std::vector<RGBQUAD> same = {background, grey(40), grey(240)};
  RecolorSubMenuExpandGlyph(same, clBlack, clBlack);
  EXPECT_EQ(rgb(same[1]), RGB(255, 255, 255));
  EXPECT_EQ(rgb(same[2]), RGB(0, 0, 0));
}

// Gradients drawn into a picture of that size.
class GradientTest : public testing::Test {
 protected:
  void TearDown() override { Msimg32Api() = FSaved; }
  void WithoutGradientFill() { Msimg32Api().GradientFill = nullptr; }
  TBitmap& Draw(int width, int height, TColor color1, TColor color2, bool horizontal) {
    FBitmap.SetSize(width, height);
    FillGradientRect(FBitmap.DC(), {0, 0, width, height}, color1, color2, horizontal);
    return FBitmap;
  }

  TMsimg32Api FSaved = Msimg32Api();
  TBitmap FBitmap;
};

TEST_F(GradientTest, BandsStepEvenlyFromTheFirstColourToTheSecond) {
  WithoutGradientFill();
  Draw(4, 2, clRed, clBlue, true);
  const COLORREF expected[] = {RGB(255, 0, 0), RGB(170, 0, 85), RGB(85, 0, 170), RGB(0, 0, 255)};
  for (int x = 0; x < 4; ++x) {
    EXPECT_EQ(PixelAt(FBitmap, x, 0), expected[x]) << x;
    EXPECT_EQ(PixelAt(FBitmap, x, 1), expected[x]) << x;
  }

  // More pixels than bands: 256 bands of two rows each, ending on the second colour.
  Draw(3, 512, clBlack, clWhite, false);
  EXPECT_EQ(PixelAt(FBitmap, 0, 0), RGB(0, 0, 0));
  EXPECT_EQ(PixelAt(FBitmap, 2, 1), RGB(0, 0, 0));
  EXPECT_EQ(PixelAt(FBitmap, 0, 2), RGB(1, 1, 1));
  EXPECT_EQ(PixelAt(FBitmap, 1, 511), RGB(255, 255, 255));
}

TEST_F(GradientTest, AOnePixelStripTakesTheFirstColourAndEqualColoursFillOnce) {
  WithoutGradientFill();
  Draw(1, 3, clRed, clBlue, true);
  for (int y = 0; y < 3; ++y) EXPECT_EQ(PixelAt(FBitmap, 0, y), RGB(255, 0, 0));
  Draw(5, 5, clLime, clLime, false);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(PixelAt(FBitmap, i, 4 - i), RGB(0, 255, 0));
  FBitmap.SetSize(2, 2);
  FillGradientRect(FBitmap.DC(), {1, 0, 1, 2}, clRed, clBlue, true);
  EXPECT_EQ(PixelAt(FBitmap, 1, 0), RGB(0, 0, 0));
}

TEST_F(GradientTest, TheSystemGradientStartsOnTheFirstColourAndEndsNearTheSecond) {
  dxOffice11Initialize();
  ASSERT_NE(Msimg32Api().GradientFill, nullptr);
  Draw(64, 2, clRed, clBlue, true);
  EXPECT_EQ(PixelAt(FBitmap, 0, 1), RGB(255, 0, 0));
  const COLORREF last = PixelAt(FBitmap, 63, 1);
  EXPECT_LE(GetRValue(last), 8);
  EXPECT_GE(GetBValue(last), 247);
  dxOffice11Finalize();
  EXPECT_EQ(Msimg32Api().GradientFill, nullptr);
}

TEST(Office11GripTest, DotsAreCentredAlongTheGripPixelForPixel) {
  InitOffice11Colors();
  const COLORREF shadow = ColorToRGB(Office11Colors().SchemeColors[12]);
  const COLORREF light = ColorToRGB(Office11Colors().SchemeColors[13]);
  ASSERT_NE(shadow, light);
  TBitmap bitmap;
  bitmap.SetSize(4, 10);
  DrawGripDots(bitmap.DC(), {0, 0, 4, 10}, true);
  const char* expected[] = {"....", "SS..", "SSL.", ".LL.", "....", "SS..", "SSL.", ".LL.", "....", "...."};
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 4; ++x) {
      const char c = expected[y][x];
      const COLORREF want = c == 'S' ? shadow : c == 'L' ? light : RGB(0, 0, 0);
      EXPECT_EQ(PixelAt(bitmap, x, y), want) << x << "," << y;
    }
}

TEST(Office11GripTest, TheSizeGripIsATriangleOfSixDots) {
  InitOffice11Colors();
  const COLORREF shadow = ColorToRGB(Office11Colors().SchemeColors[12]);
  TBitmap bitmap;
  bitmap.SetSize(12, 12);
  DrawSizeGripDots(bitmap.DC(), {0, 0, 12, 12});
  int shadowDots = 0;
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x)
      // The top-left pixel of each shadow square.
      shadowDots += PixelAt(bitmap, x, y) == shadow && PixelAt(bitmap, x + 1, y + 1) == shadow &&
                    (x == 0 || PixelAt(bitmap, x - 1, y) != shadow) && (y == 0 || PixelAt(bitmap, x, y - 1) != shadow);
  EXPECT_EQ(shadowDots, 6);
  EXPECT_EQ(PixelAt(bitmap, 8, 9), shadow);
  EXPECT_EQ(PixelAt(bitmap, 0, 9), shadow);
  EXPECT_EQ(PixelAt(bitmap, 8, 1), shadow);
  EXPECT_EQ(PixelAt(bitmap, 0, 1), RGB(0, 0, 0));
}

TEST(Office11ReferenceTest, BrushesAndGlyphsLiveWhileReferenced) {
  EXPECT_EQ(Office11Brush(12), nullptr);
  AddOffice11ColorsRef();
  AddOffice11ColorsRef();
  EXPECT_NE(Office11Brush(12), nullptr);
  EXPECT_EQ(Office11Brush(16), nullptr);
  EXPECT_NE(Office11DarkMixBrush(), nullptr);
  ASSERT_NE(Office11SubMenuExpandBitmap(), nullptr);
  EXPECT_FALSE(Office11ExpandButtonBitmap(true)->Empty());
  EXPECT_FALSE(Office11ExpandButtonBitmap(false)->Empty());
  RefreshOffice11Colors();
  EXPECT_NE(Office11Brush(29), nullptr);
  ReleaseOffice11ColorsRef();
  EXPECT_NE(Office11Brush(12), nullptr);
  ReleaseOffice11ColorsRef();
  EXPECT_EQ(Office11Brush(12), nullptr);
  EXPECT_EQ(Office11SubMenuExpandBitmap(), nullptr);
  ReleaseOffice11ColorsRef();
}

}  // namespace
