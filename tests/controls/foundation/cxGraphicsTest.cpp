#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/foundation/graphics/cxGraphics.h"
#include "platform/controls/core/CustomControl.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

COLORREF PixelAt(const TBitmap& bitmap, int x, int y) { return GetPixel(bitmap.DC(), x, y); }

// A white picture with a canvas wrapper on it.
class CanvasTest : public testing::Test {
 protected:
  void SetUp() override {
    FBitmap.SetSize(20, 20);
    FillAll(clWhite);
  }
  void FillAll(TColor color) {
    FBitmap.Canvas().Brush().SetColor(color);
    FBitmap.Canvas().FillRect(Rect(0, 0, 20, 20));
  }
  // How many pixels of the picture have the colour.
  int Count(COLORREF color) const {
    int count = 0;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x) count += PixelAt(FBitmap, x, y) == color;
    return count;
  }

  TBitmap FBitmap;
  TcxCanvas FCanvas{FBitmap.Canvas()};
};

TEST(cxRegionTest, CombineCopiesAddsSubtractsAndIntersects) {
  const TcxRegion other(5, 0, 15, 10);
  const struct {
    TcxRegionOperation Operation;
    TRect Expected;
  } cases[] = {
      {roSet, {5, 0, 15, 10}}, {roAdd, {0, 0, 15, 10}}, {roSubtract, {0, 0, 5, 10}}, {roIntersect, {5, 0, 10, 10}}};
  // A canvas's clip region is combined by the same operations.
  TBitmap bitmap;
  bitmap.SetSize(20, 20);
  TcxCanvas canvas(bitmap.Canvas());
  for (const auto& c : cases) {
    const TcxRegion expected(c.Expected);
    TcxRegion region(0, 0, 10, 10);
    region.Combine(other, c.Operation);
    EXPECT_TRUE(EqualRgn(region.Handle(), expected.Handle())) << c.Operation;

    TcxRegion clip(0, 0, 10, 10);
    canvas.SetClipRegion(clip, roSet);
    TcxRegion operand(5, 0, 15, 10);
    canvas.SetClipRegion(operand, c.Operation);
    EXPECT_TRUE(EqualRgn(canvas.GetClipRegion()->Handle(), expected.Handle())) << c.Operation;
  }
  TcxRegion region(0, 0, 10, 10);
  region.Combine(TcxRegion(0, 0, 10, 10), roSubtract);
  EXPECT_TRUE(region.IsEmpty());
  EXPECT_TRUE(TcxRegion().IsEmpty());
}

TEST_F(CanvasTest, EdgesTakeTheirPairOfSystemColours) {
  const struct {
    bool Sunken, Outer;
    TColor LeftTop, RightBottom;
  } cases[] = {{false, true, cl3DLight, cl3DDkShadow},
               {false, false, clBtnHighlight, clBtnShadow},
               {true, true, clBtnShadow, clBtnHighlight},
               {true, false, cl3DDkShadow, cl3DLight}};
  for (const auto& c : cases) {
    FillAll(clWhite);
    FCanvas.DrawEdge(Rect(2, 2, 12, 12), c.Sunken, c.Outer);
    EXPECT_EQ(PixelAt(FBitmap, 2, 6), ColorToRGB(c.LeftTop)) << c.Sunken << c.Outer;
    EXPECT_EQ(PixelAt(FBitmap, 6, 2), ColorToRGB(c.LeftTop)) << c.Sunken << c.Outer;
    EXPECT_EQ(PixelAt(FBitmap, 11, 6), ColorToRGB(c.RightBottom)) << c.Sunken << c.Outer;
    EXPECT_EQ(PixelAt(FBitmap, 6, 11), ColorToRGB(c.RightBottom)) << c.Sunken << c.Outer;
    EXPECT_EQ(PixelAt(FBitmap, 6, 6), kWhite);
  }
}

TEST_F(CanvasTest, AFrameWiderThanItsRectangleFillsItAndStaysInside) {
  FCanvas.FrameRect(Rect(4, 4, 10, 8), clRed, 10);
  EXPECT_EQ(Count(kRed), 6 * 4);
  EXPECT_EQ(PixelAt(FBitmap, 9, 7), kRed);
  EXPECT_EQ(PixelAt(FBitmap, 10, 7), kWhite);

  FillAll(clWhite);
  FCanvas.FrameRect(Rect(4, 4, 10, 10), clBlue, 2, {bLeft, bBottom});
  EXPECT_EQ(Count(kBlue), 2 * 6 + 4 * 2);
  EXPECT_EQ(PixelAt(FBitmap, 9, 4), kWhite);
}

TEST_F(CanvasTest, NoneDrawsNothingAndDefaultKeepsTheBrush) {
  FCanvas.SetBrushColor(clBlue);
  FCanvas.FillRectWithColor(Rect(0, 0, 20, 20), clNone);
  EXPECT_EQ(Count(kWhite), 400);
  FCanvas.FillRectWithColor(Rect(0, 0, 5, 5), clDefault);
  EXPECT_EQ(Count(kBlue), 25);
  FCanvas.FillRect(Rect(5, 5, 5, 10));
  EXPECT_EQ(Count(kBlue), 25);
}

TEST_F(CanvasTest, AColourFillsThoughTheBrushWasClearOrAPatternOfThatColour) {
  FCanvas.SetBrushColor(clBlue);
  FCanvas.Brush().SetStyle(bsClear);
  FCanvas.FillRectWithColor(Rect(0, 0, 5, 5), clBlue);
  EXPECT_EQ(Count(kBlue), 25);
  TBitmap pattern;
  pattern.SetSize(8, 8);
  FCanvas.Brush().SetPatternBitmap(pattern.Handle());
  FCanvas.FillRectWithColor(Rect(0, 0, 20, 20), clBlue);
  EXPECT_EQ(Count(kBlue), 400);
}

TEST_F(CanvasTest, ATiledFillLeftOfAndAboveTheOriginCoversEveryPixel) {
  // A 3 x 3 tile, red but for a blue top-left corner.
  TBitmap tile;
  tile.SetSize(3, 3);
  tile.Canvas().Brush().SetColor(clRed);
  tile.Canvas().FillRect(Rect(0, 0, 3, 3));
  tile.Canvas().SetPixels(0, 0, clBlue);

  FCanvas.SetWindowOrg({-5, -5});
  FCanvas.FillRect(Rect(-5, -5, 15, 15), &tile);
  FCanvas.SetWindowOrg({0, 0});
  EXPECT_EQ(Count(kWhite), 0);
  // Tiles are anchored at logical (0, 0), which lies at pixel (5, 5): tile
  // corners at 2, 5, 8...
  EXPECT_EQ(PixelAt(FBitmap, 2, 2), kBlue);
  EXPECT_EQ(PixelAt(FBitmap, 5, 5), kBlue);
  EXPECT_EQ(PixelAt(FBitmap, 3, 3), kRed);
  EXPECT_EQ(Count(kBlue), 6 * 6);
}

TEST_F(CanvasTest, AnExcludedRectangleIsProtectedFromLaterDrawing) {
  FCanvas.SetBrushColor(clBlue);
  FCanvas.FillRect(Rect(2, 2, 6, 6), nullptr, true);
  FillAll(clRed);
  EXPECT_EQ(Count(kBlue), 16);
  EXPECT_EQ(Count(kRed), 400 - 16);
}

TEST_F(CanvasTest, RestoreStateBringsBackTheObjectsAndTheClipRegion) {
  FCanvas.SetBrushColor(clRed);
  FCanvas.Font().SetSize(20);
  FCanvas.SaveState();
  FCanvas.SetBrushColor(clBlue);
  FCanvas.Font().SetSize(9);
  FCanvas.IntersectClipRect(Rect(0, 0, 2, 2));
  FCanvas.FillRect(Rect(0, 0, 20, 20));
  EXPECT_EQ(Count(kBlue), 4);
  FCanvas.RestoreState();
  EXPECT_EQ(FCanvas.Brush().Color(), clRed);
  EXPECT_EQ(FCanvas.Font().Size(), 20);
  FCanvas.FillRect(Rect(0, 0, 20, 20));
  EXPECT_EQ(Count(kRed), 400);
  FCanvas.RestoreState();
  FCanvas.RestoreDC();
}

TEST_F(CanvasTest, ClipRegionsReadAndSetInLogicalCoordinates) {
  std::unique_ptr<TcxRegion> unclipped = FCanvas.GetClipRegion();
  const TcxRegion whole(0, 0, 30000, 30000);
  EXPECT_TRUE(EqualRgn(unclipped->Handle(), whole.Handle()));

  FCanvas.SetWindowOrg({10, 10});
  TcxRegion clip(10, 10, 15, 15);
  FCanvas.SetClipRegion(clip, roSet);
  TcxRegion hole(12, 12, 13, 13);
  FCanvas.SetClipRegion(hole, roSubtract);
  FCanvas.SetBrushColor(clRed);
  FCanvas.FillRect(Rect(0, 0, 40, 40));
  TcxRegion expected(10, 10, 15, 15);
  expected.Combine(TcxRegion(12, 12, 13, 13), roSubtract);
  EXPECT_TRUE(EqualRgn(FCanvas.GetClipRegion()->Handle(), expected.Handle()));
  FCanvas.SetWindowOrg({0, 0});
  EXPECT_EQ(Count(kRed), 24);
  EXPECT_EQ(PixelAt(FBitmap, 2, 2), kWhite);
  EXPECT_EQ(PixelAt(FBitmap, 2, 3), kRed);
}

TEST(cxGraphicsTest, TextFlagsBecomeDrawTextFlags) {
  const struct {
    int Flags;
    UINT Expected;
  } cases[] = {{0, DT_NOPREFIX},
               {cxAlignLeft | cxAlignTop, DT_NOPREFIX},
               {cxAlignRight | cxAlignBottom, DT_NOPREFIX | DT_RIGHT | DT_BOTTOM},
               {cxAlignHCenter | cxAlignVCenter | cxSingleLine, DT_NOPREFIX | DT_CENTER | DT_VCENTER | DT_SINGLELINE},
               {cxShowPrefix | cxExpandTabs, DT_EXPANDTABS},
               {cxWordBreak, DT_NOPREFIX | DT_WORDBREAK | DT_EDITCONTROL},
               {cxWordBreak | cxDontBreakChars, DT_NOPREFIX | DT_WORDBREAK},
               {cxDontClip | cxDontPrint, DT_NOPREFIX | DT_NOCLIP | DT_CALCRECT},
               {cxShowEndEllipsis | cxShowPathEllipsis, DT_NOPREFIX | DT_END_ELLIPSIS | DT_PATH_ELLIPSIS}};
  for (const auto& c : cases) EXPECT_EQ(CanvasTextFlagsToDrawTextFlags(c.Flags), c.Expected) << c.Flags;
}

TEST_F(CanvasTest, TextInAZeroWidthRectangleIsMeasuredOneCharacterPerLine) {
  const int lineHeight = FCanvas.TextHeight("W");
  TRect rect{3, 4, 3, 40};
  FCanvas.CalculateTextRect("WW", rect, cxWordBreak);
  EXPECT_EQ(rect.left, 3);
  EXPECT_EQ(rect.top, 4);
  EXPECT_EQ(rect.bottom - rect.top, 2 * lineHeight);

  TRect centred{0, 0, 100, 100};
  FCanvas.CalculateTextRect("W", centred, cxSingleLine | cxAlignHCenter | cxAlignVCenter);
  const SIZE extent = FCanvas.TextExtent("W");
  EXPECT_EQ(centred.left, (100 - extent.cx) / 2);
  EXPECT_EQ(centred.top, (100 - extent.cy) / 2);
}

TEST_F(CanvasTest, SingleLineTextIsAlignedByHandAndDisabledTextIsEmbossed) {
  // Text is smoothed: a pixel counts as text when it is not white.
  const auto inkBounds = [this] {
    RECT bounds{20, 20, 0, 0};
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x)
        if (PixelAt(FBitmap, x, y) != kWhite)
          bounds = {std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y), std::max<LONG>(bounds.right, x + 1),
                    std::max<LONG>(bounds.bottom, y + 1)};
    return bounds;
  };
  FCanvas.Font().SetColor(clRed);
  FCanvas.Brush().SetStyle(bsClear);
  FCanvas.DrawText("I", Rect(0, 0, 20, 20), cxSingleLine | cxAlignRight | cxAlignBottom);
  const RECT right = inkBounds();
  EXPECT_GE(right.left, 20 - FCanvas.TextWidth("I"));
  EXPECT_GE(right.top, 20 - FCanvas.TextHeight("I"));
  EXPECT_EQ(right.right, 20);

  FillAll(clWhite);
  FCanvas.Brush().SetStyle(bsClear);
  FCanvas.DrawText("I", Rect(0, 0, 20, 20), cxSingleLine, false);
  const RECT embossed = inkBounds();
  EXPECT_LT(embossed.left, embossed.right);
  // No pixel in the font colour: the shadow is grey.
  for (int y = embossed.top; y < embossed.bottom; ++y)
    for (int x = embossed.left; x < embossed.right; ++x) {
      const COLORREF pixel = PixelAt(FBitmap, x, y);
      EXPECT_EQ(GetRValue(pixel), GetGValue(pixel)) << x << "," << y;
    }
  EXPECT_EQ(FCanvas.Font().Color(), clRed);
  EXPECT_EQ(FCanvas.Brush().Style(), bsClear);
}

// One pixel through a filter: the pixel as 0xAARRGGBB before and after.
uint32_t Filtered(TcxBitmapFilter kind, uint32_t pixel, TColor transparent = 0x00123456) {
  TcxBitmap bitmap(1, 1, transparent);
  bitmap.SetPixels({pixel});
  bitmap.Filter(kind);
  return bitmap.GetPixels()[0];
}

TEST(cxBitmapTest, EachFilterOnKnownPixels) {
  const uint32_t shadow = ColorToRGB(clBtnShadow);
  const auto disabled = [shadow](uint32_t grey) {
    // Grey blended with the button shadow (alpha 192) at 238 of 255.
    RGBQUAD pixel{static_cast<BYTE>(grey), static_cast<BYTE>(grey), static_cast<BYTE>(grey), 0x80};
    BlendPixel({GetBValue(shadow), GetGValue(shadow), GetRValue(shadow), 192}, pixel, 238);
    return static_cast<uint32_t>(pixel.rgbReserved) << 24 | pixel.rgbRed << 16 | pixel.rgbGreen << 8 | pixel.rgbBlue;
  };
  const struct {
    TcxBitmapFilter Kind;
    uint32_t Pixel;
    uint32_t Expected;
  } cases[] = {
      // MulDiv rounds 76.5 up.
      {bfLighten, 0x00000000, 0x4D4D4D4D},
      {bfLighten, 0xFF0A6414, 0xFF54935B},
      // The transparent colour is kept.
      {bfLighten, 0x00563412, 0x00563412},
      {bfDisable, 0x80FF0000, disabled(76)},
      {bfGreyByAverage, 0x00FF0000, 0x00555555},
      {bfGreyByAverage, 0x12102030, 0x12202020},
      {bfOpaque, 0x00563412, 0xFF563412},
      {bfMask, 0x00563412, 0xFFFFFFFF},
      {bfMask, 0x7F010203, 0x00000000},
      {bfGreyByWeights, 0x0000FF00, 0x00969696},
      {bfGreyByLuminance, 0x0000FF00, 0x00B6B6B6},
      {bfAlphaFix, 0x00102030, 0xFF102030},
      {bfAlphaFix, 0x40102030, 0x40102030},
      {bfFill, 0x7F010203, 0x00563412},
  };
  for (const auto& c : cases) EXPECT_EQ(Filtered(c.Kind, c.Pixel), c.Expected) << c.Kind << " " << std::hex << c.Pixel;
}

TEST(cxBitmapTest, CheckerboardAlternatesCellsAndTakesCellSizeZeroAsOne) {
  TcxBitmap bitmap(4, 2, clBlack);
  bitmap.SetCheckerboard(clWhite, 255, clRed, 255, 0);
  bitmap.Filter(bfCheckerboard);
  const std::vector<uint32_t> pixels = bitmap.GetPixels();
  EXPECT_EQ(pixels[0] & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(pixels[1] & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(pixels[4] & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(pixels[5] & 0xFFFFFF, 0xFFFFFFu);

  bitmap.SetCheckerboard(clWhite, 255, clRed, 255, 2);
  bitmap.Filter(bfCheckerboard);
  EXPECT_EQ(bitmap.GetPixels()[1] & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(bitmap.GetPixels()[2] & 0xFFFFFF, 0xFF0000u);
}

TEST(cxBitmapTest, ChangesHeldBackAreToldOnceAtTheEnd) {
  TcxBitmap bitmap(2, 2);
  int changes = 0;
  bitmap.SetOnChange([&] { ++changes; });
  bitmap.BeginUpdate();
  bitmap.Filter(bfOpaque);
  bitmap.Filter(bfMask);
  EXPECT_EQ(changes, 0);
  bitmap.EndUpdate(false);
  EXPECT_EQ(changes, 1);
  bitmap.BeginUpdate();
  bitmap.EndUpdate(false);
  EXPECT_EQ(changes, 1);

  TcxBitmap transparent(2, 1, clNone);
  EXPECT_EQ(transparent.GetPixels()[1],
            ColorToRGB(clNone) >> 16 | (ColorToRGB(clNone) & 0xFF00) | (ColorToRGB(clNone) & 0xFF) << 16);
}

TEST(cxBitmapTest, RotationTurnsAndMirrorsAThreeByTwoPicture) {
  // Pixels numbered row by row: 1 2 3 / 4 5 6.
  const struct {
    int Mode;
    bool Flip;
    int Width;
    std::vector<uint32_t> Expected;
  } cases[] = {{0, false, 3, {1, 2, 3, 4, 5, 6}}, {0, true, 3, {4, 5, 6, 1, 2, 3}},  {1, false, 2, {3, 6, 2, 5, 1, 4}},
               {1, true, 2, {1, 4, 2, 5, 3, 6}},  {2, false, 2, {4, 1, 5, 2, 6, 3}}, {2, true, 2, {6, 3, 5, 2, 4, 1}},
               {3, false, 3, {6, 5, 4, 3, 2, 1}}, {3, true, 3, {3, 2, 1, 6, 5, 4}}};
  for (const auto& c : cases) {
    TBitmap bitmap;
    bitmap.SetSize(3, 2);
    bitmap.SetPixels({1, 2, 3, 4, 5, 6});
    RotateBitmap(bitmap, c.Mode, c.Flip);
    EXPECT_EQ(bitmap.Width(), c.Width) << c.Mode << c.Flip;
    EXPECT_EQ(bitmap.GetPixels(), c.Expected) << c.Mode << c.Flip;
  }
}

TEST(cxGraphicsTest, SystemColourMixesClampAndFallBackToTheHighlight) {
  const TcxSystemColorsRGB colors{RGB(200, 100, 0), RGB(0, 0, 255), RGB(255, 255, 255)};
  EXPECT_EQ(MixSystemColorsRGB(colors, 50, 0, 50), RGB(228, 178, 128));
  EXPECT_EQ(MixSystemColorsRGB(colors, -50, 100, 0), RGB(0, 0, 255));
  EXPECT_EQ(MixSystemColorsRGB(colors, 100, 100, 100), RGB(255, 255, 255));
  const TcxSystemColorsRGB whiteFace{RGB(255, 255, 255), RGB(1, 2, 3), RGB(9, 9, 9)};
  EXPECT_EQ(MixSystemColorsRGB(whiteFace, 14, 44, 40), RGB(1, 2, 3));
  const TcxSystemColorsRGB blackFace{RGB(0, 0, 0), RGB(1, 2, 3), RGB(9, 9, 9)};
  EXPECT_EQ(MixSystemColorsRGB(blackFace, 14, 44, 40), RGB(1, 2, 3));
}

TEST(cxGraphicsTest, BlendPixelMixesByTheColoursAlpha) {
  RGBQUAD pixel{100, 100, 100, 0};
  BlendPixel({200, 0, 50, 255}, pixel, 255);
  EXPECT_EQ(pixel.rgbBlue, 200);
  EXPECT_EQ(pixel.rgbRed, 50);
  EXPECT_EQ(pixel.rgbReserved, 255);
  RGBQUAD half{100, 100, 100, 100};
  BlendPixel({200, 200, 255, 0}, half, 128);
  EXPECT_EQ(half.rgbBlue, 200);
  EXPECT_EQ(half.rgbRed, 228);
}

TEST(cxGraphicsTest, MirroredPositionsOnlyForDoubleByteTextInFarEasternOrArabicSets) {
  EXPECT_FALSE(NeedsMirroredTextPositions(GB2312_CHARSET, "abc"));
  EXPECT_TRUE(NeedsMirroredTextPositions(GB2312_CHARSET, "\xB0\xA1"));
  EXPECT_TRUE(NeedsMirroredTextPositions(ARABIC_CHARSET, ""));
  EXPECT_FALSE(NeedsMirroredTextPositions(ANSI_CHARSET, "\xB0\xA1"));
}

TEST(cxGraphicsTest, NamedColoursAreFoundIgnoringCase) {
  ASSERT_EQ(cxColorInfos().size(), 169u);
  EXPECT_STREQ(cxColorInfos().front().Name, "aliceblue");
  EXPECT_STREQ(cxColorInfos()[140].Name, "yellowgreen");
  TColor color = clNone;
  ASSERT_TRUE(cxColorByName("CornflowerBlue", color));
  EXPECT_EQ(color, static_cast<TColor>(0xED9564));
  ASSERT_TRUE(cxColorByName("threedface", color));
  EXPECT_EQ(color, clBtnFace);
  EXPECT_FALSE(cxColorByName("mauve", color));
}

TEST(cxGraphicsTest, BitmapInfoReadsTheWholeRecord) {
  TBitmap bitmap;
  bitmap.SetSize(7, 3);
  BITMAP info{};
  ASSERT_TRUE(GetBitmapInfo(bitmap.Handle(), info));
  EXPECT_EQ(info.bmWidth, 7);
  EXPECT_EQ(info.bmBitsPixel, 32);
  EXPECT_NE(info.bmBits, nullptr);
}

// A lime control with a red pixel at (5, 6) that notes whether it painted a copy.
class TMarkedControl : public TCustomControl {
 public:
  explicit TMarkedControl(TComponent* owner) : TCustomControl(owner) { SetColor(clLime); }
  bool PaintedCopy = false;

 protected:
  void Paint() override {
    PaintedCopy = ControlState().Contains(csPaintCopy);
    Canvas().SetPixels(5, 6, clRed);
  }
};

TEST(cxGraphicsTest, ADoubleBufferedParentPaintsItselfUnderTheControl) {
  TMarkedControl parent(nullptr);
  parent.SetBounds(0, 0, 40, 40);
  parent.SetDoubleBuffered(true);
  TMarkedControl child(nullptr);
  child.SetBounds(3, 4, 10, 10);
  child.SetParent(&parent);

  TBitmap bitmap;
  bitmap.SetSize(10, 10);
  TcxCanvas canvas(bitmap.Canvas());
  canvas.FillRectWithColor(Rect(0, 0, 10, 10), clWhite);
  DrawParentBackground(child, canvas, Rect(0, 0, 10, 8));
  EXPECT_TRUE(parent.PaintedCopy);
  EXPECT_FALSE(parent.ControlState().Contains(csPaintCopy));
  EXPECT_EQ(PixelAt(bitmap, 2, 2), kRed);
  EXPECT_EQ(PixelAt(bitmap, 0, 0), RGB(0, 255, 0));
  EXPECT_EQ(PixelAt(bitmap, 9, 7), RGB(0, 255, 0));
  EXPECT_EQ(PixelAt(bitmap, 9, 8), kWhite);
  POINT origin{};
  GetWindowOrgEx(bitmap.DC(), &origin);
  EXPECT_EQ(origin.x, 0);
  child.SetParent(nullptr);
}

TEST(cxGraphicsTest, StartUpMakesTheHalftoneBrushOnce) {
  cxGraphicsInitialize();
  const HBRUSH halftone = HalftoneBrush();
  ASSERT_NE(halftone, nullptr);
  cxGraphicsInitialize();
  EXPECT_EQ(HalftoneBrush(), halftone);
  EXPECT_EQ(SystemColorBrush(COLOR_BTNFACE), GetSysColorBrush(COLOR_BTNFACE));

  TBitmap bitmap;
  bitmap.SetSize(8, 2);
  FillRect(bitmap.DC(), &EmptyRect, halftone);
  const RECT all{0, 0, 8, 2};
  FillRect(bitmap.DC(), &all, halftone);
  EXPECT_NE(PixelAt(bitmap, 0, 0), PixelAt(bitmap, 1, 0));
  EXPECT_EQ(PixelAt(bitmap, 0, 0), PixelAt(bitmap, 1, 1));

  cxGraphicsFinalize();
  EXPECT_EQ(HalftoneBrush(), halftone);
  cxGraphicsFinalize();
  EXPECT_EQ(HalftoneBrush(), nullptr);
  cxGraphicsFinalize();
}

}  // namespace
