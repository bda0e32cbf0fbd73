#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "controls/foundation/FoundationUnits.h"
#include "controls/foundation/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/foundation/lookandfeel/cxLookAndFeels.h"
#include "controls/foundation/graphics/dxOffice11.h"

namespace {

class PainterEnvironment : public testing::Environment {
 public:
  void SetUp() override { InitializeUnits(FoundationUnits()); }
  void TearDown() override { FinalizeUnits(); }
};
const testing::Environment* const gEnvironment = testing::AddGlobalTestEnvironment(new PainterEnvironment);

constexpr COLORREF kBackground = RGB(1, 2, 3);

bool IsOuterRing(TcxRadioPixelCode code) { return code == rpcOuterRingUpperLeft || code == rpcOuterRingLowerRight; }

TcxRadioPixelCode Mirrored(TcxRadioPixelCode code) {
  switch (code) {
    case rpcOuterRingUpperLeft: return rpcOuterRingLowerRight;
    case rpcOuterRingLowerRight: return rpcOuterRingUpperLeft;
    case rpcInnerRingUpperLeft: return rpcInnerRingLowerRight;
    case rpcInnerRingLowerRight: return rpcInnerRingUpperLeft;
    default: return code;
  }
}

void ExpectRingsEnclosingTheInteriorAndACentredDot(const TcxRadioCodeMap& map) {
  const int w = map.Width;
  const int h = map.Height;
  std::vector<int> counts(rpcDot + 1);
  for (const TcxRadioPixelCode code : map.Codes) ++counts[code];
  for (int code = rpcOuterRingUpperLeft; code <= rpcDot; ++code) EXPECT_GT(counts[code], 0) << code;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const TcxRadioPixelCode code = map.At(x, y);
      // Turned half round about its centre, the upper-left half of a ring lies
      // on the lower-right half (the dot may lie a pixel off the centre).
      if (code < rpcInterior && (h - 1) * (w - 1 - x) != (w - 1) * y) {
        EXPECT_EQ(map.At(w - 1 - x, h - 1 - y), Mirrored(code)) << x << "," << y;
      }
      if (code == rpcInterior || code == rpcInnerRingUpperLeft || code == rpcInnerRingLowerRight) {
        ASSERT_TRUE(x > 0 && y > 0 && x < w - 1 && y < h - 1) << x << "," << y;
        for (const POINT p : {POINT{x - 1, y}, POINT{x + 1, y}, POINT{x, y - 1}, POINT{x, y + 1}})
          EXPECT_NE(map.At(p.x, p.y), rpcOutside) << x << "," << y;
      }
      if (code == rpcInterior) {
        for (const POINT p : {POINT{x - 1, y}, POINT{x + 1, y}, POINT{x, y - 1}, POINT{x, y + 1}})
          EXPECT_FALSE(IsOuterRing(map.At(p.x, p.y))) << "interior touches the outer ring at " << x << "," << y;
      }
    }
  int left = w, right = -1, top = h, bottom = -1;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (map.At(x, y) == rpcDot) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  EXPECT_LE(std::abs(left - (w - 1 - right)), 1);
  EXPECT_LE(std::abs(top - (h - 1 - bottom)), 1);
}

TEST(RadioCodeMapTest, TheSystemGlyphMapsToRingsEnclosingTheInteriorAndACentredDot) {
  const TcxRadioGlyphMetrics metrics = MeasureRadioGlyph();
  const TcxRadioCodeMap map = BuildRadioCodeMap(metrics);
  ASSERT_GT(map.Width, 4);
  ASSERT_GT(map.Height, 4);
  ExpectRingsEnclosingTheInteriorAndACentredDot(map);
}

TEST(RadioCodeMapTest, TheUsualSquareGlyphHasATwoPixelRingMirroredAboutTheAntiDiagonal) {
  const TRect glyph{0, 0, 13, 13};
  const TcxRadioCodeMap map = BuildRadioCodeMap({{13, 13}, glyph, {5, 5, 8, 8}});
  ExpectRingsEnclosingTheInteriorAndACentredDot(map);
  for (int y = 0; y < 13; ++y)
    for (int x = 0; x < 13; ++x)
      if (x + y != 12) {
        EXPECT_EQ(map.At(12 - y, 12 - x), Mirrored(map.At(x, y))) << x << "," << y;
      }
  const TcxRadioPixelCode middleRow[] = {rpcOuterRingUpperLeft, rpcInnerRingUpperLeft, rpcInterior};
  for (int x = 0; x < 3; ++x) EXPECT_EQ(map.At(x, 6), middleRow[x]) << x;
  EXPECT_EQ(map.At(12, 6), rpcOuterRingLowerRight);
  EXPECT_EQ(map.At(11, 6), rpcInnerRingLowerRight);
}

TEST(RadioCodeMapTest, DegenerateGlyphsMapWithoutLeavingTheirBox) {
  const SIZE cell{14, 13};
  for (const TRect glyph : {TRect{0, 0, 0, 0}, TRect{3, 3, 4, 4}, TRect{3, 3, 5, 5}, TRect{0, 0, 3, 2}}) {
    const TcxRadioButtonImageList list({cell, glyph, EmptyRect});
    EXPECT_EQ(list.GlyphSize().cx, glyph.right - glyph.left);
    EXPECT_EQ(list.CodeMap().Codes.size(), static_cast<size_t>(list.GlyphSize().cx * list.GlyphSize().cy));
    TBitmap bitmap;
    bitmap.SetSize(8, 8);
    TcxCanvas canvas(bitmap.Canvas());
    list.Draw(canvas, 0, 0, lfsStandard, cxbsNormal, true, false, clDefault);
  }
}

TEST(RadioPaletteTest, ColoursByStyleStateAndFlags) {
  const struct {
    const char* Name;
    int Kind;
    TcxButtonState State;
    bool Checked, Focused;
    TcxRadioPalette Expected;
  } cases[] = {
      {"Flat normal",
       0,
       cxbsNormal,
       false,
       false,
       {clNone, clBtnShadow, clBtnHighlight, cl3DLight, cl3DLight, clWindow, clWindow}},
      {"Standard pressed checked",
       1,
       cxbsPressed,
       true,
       false,
       {clNone, clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnFace, clWindowText}},
      {"Standard disabled checked",
       1,
       cxbsDisabled,
       true,
       false,
       {clNone, clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnFace, clBtnShadow}},
      {"UltraFlat focused",
       2,
       cxbsNormal,
       false,
       true,
       {clNone, clHighlight, clHighlight, clWindow, clWindow, clWindow, clWindow}},
      {"UltraFlat hot",
       2,
       cxbsHot,
       true,
       false,
       {clNone, clHighlight, clHighlight, MixedLightSelectionColor(), MixedLightSelectionColor(),
        MixedLightSelectionColor(), clWindowText}},
      {"UltraFlat disabled focused",
       2,
       cxbsDisabled,
       false,
       true,
       {clNone, clBtnShadow, clBtnShadow, clBtnFace, clBtnFace, clBtnFace, clBtnFace}},
      {"Office11 normal",
       3,
       cxbsNormal,
       false,
       false,
       {clNone, clBtnText, clBtnText, clWindow, clWindow, clWindow, clWindow}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(RadioButtonPalette(c.Kind, c.State, c.Checked, c.Focused), c.Expected) << c.Name;

  const TColor disabledOffice = Office11Colors().SchemeColors[31];
  const TcxRadioPalette office = RadioButtonPalette(3, cxbsDisabled, true, false);
  EXPECT_EQ(office[rpcOuterRingUpperLeft], disabledOffice);
  EXPECT_EQ(office[rpcInterior], clBtnFace);
  EXPECT_EQ(office[rpcDot], disabledOffice);
  EXPECT_EQ(LookAndFeelStyleToKind(lfsWinXP), 1);
  EXPECT_EQ(LookAndFeelStyleToKind(lfsOffice11), 3);
}

// A picture of the radio button drawn by a style, read back.
class RadioPicture {
 public:
  RadioPicture() : FCanvas(FBitmap.Canvas()) {
    FBitmap.SetSize(20, 20);
    FCanvas.FillRectWithColor({0, 0, 20, 20}, static_cast<TColor>(kBackground));
  }
  COLORREF At(int x, int y) const { return GetPixel(FBitmap.DC(), x, y); }
  TcxCanvas& Canvas() { return FCanvas; }
  std::vector<uint32_t> Pixels() const { return FBitmap.GetPixels(); }

 private:
  TBitmap FBitmap;
  TcxCanvas FCanvas;
};

// The first pixel of that code in the map, from the top-left.
POINT FirstOf(const TcxRadioCodeMap& map, TcxRadioPixelCode code) {
  for (int y = 0; y < map.Height; ++y)
    for (int x = 0; x < map.Width; ++x)
      if (map.At(x, y) == code) return {x, y};
  return {-1, -1};
}

TEST(RadioDrawingTest, ADisabledUltraFlatButtonHasAFaceInteriorAndAShadowRing) {
  const TcxRadioCodeMap& map = cxRadioButtonImageList()->CodeMap();
  RadioPicture picture;
  cxUltraFlatLookAndFeelPainter()->DrawRadioButton(picture.Canvas(), 2, 2, cxbsDisabled, false, true, clDefault);
  const POINT ring = FirstOf(map, rpcOuterRingUpperLeft);
  const POINT interior = FirstOf(map, rpcInterior);
  EXPECT_EQ(picture.At(2 + ring.x, 2 + ring.y), ColorToRGB(clBtnShadow));
  EXPECT_EQ(picture.At(2 + interior.x, 2 + interior.y), ColorToRGB(clBtnFace));
  EXPECT_EQ(picture.At(2, 2), kBackground);
  const SIZE size = cxUltraFlatLookAndFeelPainter()->RadioButtonSize();
  EXPECT_EQ(picture.At(2 + size.cx, 2 + size.cy), kBackground);
}

TEST(RadioDrawingTest, CheckedShowsTheDotAndABrushColourChangesNothingInsideTheCircle) {
  const TcxRadioCodeMap& map = cxRadioButtonImageList()->CodeMap();
  const POINT dot = FirstOf(map, rpcDot);
  RadioPicture checked;
  cxStandardLookAndFeelPainter()->DrawRadioButton(checked.Canvas(), 0, 0, cxbsNormal, true, false, clDefault);
  EXPECT_EQ(checked.At(dot.x, dot.y), ColorToRGB(clWindowText));
  RadioPicture overBrush;
  cxStandardLookAndFeelPainter()->DrawRadioButton(overBrush.Canvas(), 0, 0, cxbsNormal, true, false, clRed);
  EXPECT_EQ(overBrush.Pixels(), checked.Pixels());
}

TEST(RadioDrawingTest, ImagesAreRebuiltOnASystemColourChangeBeforeOrdinaryNotifiersHear) {
  const TcxRadioButtonImageList& list = *cxRadioButtonImageList();
  const SIZE size = list.GlyphSize();
  RadioPicture expected;
  list.Draw(expected.Canvas(), 0, 0, lfsFlat, cxbsNormal, false, false, clDefault);

  // Spoil every image; only a rebuild brings them back.
  TBitmap red;
  red.SetSize(size.cx, size.cy);
  TcxCanvas(red.Canvas()).FillRectWithColor({0, 0, size.cx, size.cy}, clRed);
  red.Canvas().SetHandle(nullptr);
  for (int index = 0; index < list.Images().Count(); ++index)
    ImageList_Replace(list.Images().Handle(), index, red.Handle(), nullptr);
  RadioPicture spoilt;
  list.Draw(spoilt.Canvas(), 0, 0, lfsFlat, cxbsNormal, false, false, clDefault);
  ASSERT_NE(spoilt.Pixels(), expected.Pixels());

  bool heard = false;
  TcxSystemPaletteChangedNotifier ordinary;
  ordinary.SetOnSystemPaletteChanged([&] {
    RadioPicture picture;
    list.Draw(picture.Canvas(), 0, 0, lfsFlat, cxbsNormal, false, false, clDefault);
    EXPECT_EQ(picture.Pixels(), expected.Pixels());
    heard = true;
  });
  SendMessageA(SystemPaletteChangedListenerWindow(), WM_SYSCOLORCHANGE, 0, 0);
  EXPECT_TRUE(heard);
}

}  // namespace
