#include <gtest/gtest.h>

#include <string>

#include "controls/foundation/container/cxContainer.h"
#include "controls/foundation/graphics/dxOffice11.h"
#include "platform/graphics/Bitmap.h"
#include "tests/controls/foundation/FoundationFixture.h"

namespace {

std::string Text(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

TcxContainerViewInfo& ClassicViewInfo(TcxContainerViewInfo& viewInfo, TcxContainerBorderStyle style, TcxBorders edges) {
  viewInfo.BorderStyle = style;
  viewInfo.Edges = edges;
  viewInfo.BorderWidth = GetContainerBorderWidth(style);
  return viewInfo;
}

TcxContainerStyleFacts Facts(bool transparent, bool shadow) {
  TcxContainerStyleFacts facts;
  facts.TransparentBorder = transparent;
  facts.HasShadow = shadow;
  return facts;
}

}  // namespace

TEST(cxContainerGeometryTest, TheStateSetAndTheStyleItChooses) {
  struct TCase {
    const char* Name;
    TcxContainerStateFacts Facts;
    bool HotTrack;
    TcxContainerStates States;
    TcxContainerState Style;
    int HotState;
  };
  const TCase cases[] = {
      {"disabled wins over focus and pointer", {false, false, true, true}, true, {csDisabled}, csDisabled, 1},
      {"designing is always normal", {true, true, true, true}, true, {csNormal}, csNormal, 1},
      {"focused", {true, false, true, false}, true, {csFocused}, csFocused, 2},
      {"focused and hot", {true, false, true, true}, true, {csFocused, csHot}, csFocused, 2},
      {"hot", {true, false, false, true}, true, {csNormal, csHot}, csHot, 2},
      {"hot without hot-tracking", {true, false, false, true}, false, {csNormal, csHot}, csNormal, 0},
      {"normal", {true, false, false, false}, true, {csNormal}, csNormal, 1},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const TcxContainerStates states = CalculateContainerState(c.Facts);
    EXPECT_EQ(states, c.States);
    EXPECT_EQ(ActiveStyleState(states, c.HotTrack), c.Style);
    EXPECT_EQ(CalculateHotState(states, c.HotTrack), c.HotState);
  }
}

TEST(cxContainerGeometryTest, TheViewInfoStoresTheFlatKindsAsSingleAndTheNormalStyleWhenNative) {
  EXPECT_EQ(ViewInfoBorderStyle(cbsUltraFlat, cbs3D, false), cbsSingle);
  EXPECT_EQ(ViewInfoBorderStyle(cbsOffice11, cbs3D, false), cbsSingle);
  EXPECT_EQ(ViewInfoBorderStyle(cbsThick, cbs3D, false), cbsThick);
  EXPECT_EQ(ViewInfoBorderStyle(cbsThick, cbsNone, true), cbsNone);
}

TEST(cxContainerGeometryTest, BorderExtentsPerStyleEdgesShadowAndKind) {
  struct TCase {
    const char* Name;
    TcxContainerBorderStyle Style;
    TcxBorders Edges;
    bool Transparent;
    bool Shadow;
    bool Native;
    bool WithPainter;
    bool HasBorder;
    TcxContainerBorderStyle NormalStyle;
    const char* Extent;
  };
  const TCase cases[] = {
      {"none", cbsNone, cxBordersAll, false, false, false, false, true, cbsSingle, "0,0,0,0"},
      {"single", cbsSingle, cxBordersAll, false, false, false, false, true, cbsSingle, "1,1,1,1"},
      {"thick", cbsThick, cxBordersAll, false, false, false, false, true, cbsSingle, "2,2,2,2"},
      {"flat", cbsFlat, cxBordersAll, false, false, false, false, true, cbsSingle, "2,2,2,2"},
      {"3D", cbs3D, cxBordersAll, false, false, false, false, true, cbsSingle, "2,2,2,2"},
      {"bottom edge only", cbsThick, {bBottom}, false, false, false, false, true, cbsSingle, "0,0,0,2"},
      {"left and top", cbsSingle, {bLeft, bTop}, false, false, false, false, true, cbsSingle, "1,1,0,0"},
      {"shadow adds 3 right and below", cbsSingle, cxBordersAll, false, true, false, false, true, cbsSingle, "1,1,4,4"},
      {"transparent border", cbsThick, {bBottom}, true, false, false, false, true, cbsSingle, "2,2,2,2"},
      {"transparent with shadow", cbsSingle, cxBordersAll, true, true, false, false, true, cbsSingle, "2,2,5,5"},
      {"a painter draws one pixel", cbsThick, cxBordersAll, false, false, false, true, true, cbsSingle, "1,1,1,1"},
      {"a painter ignores transparency", cbsThick, cxBordersAll, true, false, false, true, true, cbsSingle, "1,1,1,1"},
      {"native", cbsSingle, {bBottom}, false, false, true, false, true, cbsSingle, "2,2,2,2"},
      {"native without border", cbsNone, cxBordersAll, false, false, true, false, true, cbsNone, "0,0,0,0"},
      {"no border at all", cbsThick, cxBordersAll, false, true, false, false, false, cbsSingle, "0,0,3,3"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TcxContainerViewInfo viewInfo;
    ClassicViewInfo(viewInfo, c.Style, c.Edges);
    viewInfo.NativeStyle = c.Native;
    viewInfo.Painter = c.WithPainter ? cxStandardLookAndFeelPainter() : nullptr;
    TcxContainerStyleFacts facts = Facts(c.Transparent, c.Shadow);
    facts.HasBorder = c.HasBorder;
    facts.NormalBorderStyle = c.NormalStyle;
    EXPECT_EQ(Text(GetContainerBorderExtent(viewInfo, facts)), c.Extent);
  }
}

TEST(cxContainerGeometryTest, VisibleBoundsFollowTransparencyShadowAndEdges) {
  struct TCase {
    const char* Name;
    TRect Control;
    TcxContainerBorderStyle Style;
    TcxBorders Edges;
    bool Transparent;
    bool Shadow;
    bool NormalHasBorder;
    bool Native;
    TcxContainerBorderStyle NormalStyle;
    bool Inplace;
    const char* Bounds;
  };
  const TRect control{0, 0, 100, 50};
  const TCase cases[] = {
      {"solid border: all of it", control, cbsSingle, cxBordersAll, false, false, true, false, cbsSingle, false,
       "0,0,100,50"},
      {"shadow: less 3 right and below", control, cbsSingle, cxBordersAll, false, true, true, false, cbsSingle, false,
       "0,0,97,47"},
      {"transparent single shrinks by 1", control, cbsSingle, cxBordersAll, true, false, true, false, cbsSingle, false,
       "1,1,99,49"},
      {"transparent thick keeps it", control, cbsThick, cxBordersAll, true, false, true, false, cbsSingle, false,
       "0,0,100,50"},
      {"transparent thick, bottom only",
       control,
       cbsThick,
       {bBottom},
       true,
       false,
       true,
       false,
       cbsSingle,
       false,
       "2,2,98,50"},
      {"no border, transparent", control, cbsSingle, cxBordersAll, true, false, false, false, cbsSingle, false,
       "2,2,98,48"},
      {"native without border, transparent", control, cbsNone, cxBordersAll, true, false, true, true, cbsNone, false,
       "2,2,98,48"},
      {"native with border keeps it", control, cbsSingle, cxBordersAll, true, false, true, true, cbsSingle, false,
       "0,0,100,50"},
      {"in place: all of it", control, cbsSingle, cxBordersAll, true, true, true, false, cbsSingle, true, "0,0,100,50"},
      {"too low: top and bottom 0", TRect{0, 0, 10, 3}, cbsSingle, cxBordersAll, true, false, false, false, cbsSingle,
       false, "2,0,8,0"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TcxContainerViewInfo viewInfo;
    ClassicViewInfo(viewInfo, c.Style, c.Edges);
    viewInfo.NativeStyle = c.Native;
    TcxContainerStyleFacts facts = Facts(c.Transparent, c.Shadow);
    facts.NormalHasBorder = c.NormalHasBorder;
    facts.NormalBorderStyle = c.NormalStyle;
    facts.Inplace = c.Inplace;
    EXPECT_EQ(Text(GetContainerVisibleBounds(c.Control, viewInfo, facts)), c.Bounds);
  }
}

TEST(cxContainerGeometryTest, ShadowBoundsAreTheBorderOutlineOnTheEdgesThatHaveOne) {
  struct TCase {
    const char* Name;
    TcxContainerBorderStyle Style;
    TcxBorders Edges;
    bool Shadow;
    const char* Bounds;
  };
  const TCase cases[] = {
      {"single", cbsSingle, cxBordersAll, false, "0,0,100,50"},
      {"single with shadow", cbsSingle, cxBordersAll, true, "0,0,97,47"},
      {"thick, bottom only", cbsThick, {bBottom}, false, "0,0,100,50"},
      {"none", cbsNone, cxBordersAll, false, "0,0,100,50"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TcxContainerViewInfo viewInfo;
    ClassicViewInfo(viewInfo, c.Style, c.Edges);
    viewInfo.Bounds = TRect{0, 0, 100, 50};
    const TRect extent = GetContainerBorderExtent(viewInfo, Facts(false, c.Shadow));
    EXPECT_EQ(Text(GetContainerShadowBounds(viewInfo, extent)), c.Bounds);
  }
}

TEST(cxContainerGeometryTest, TheShadowRegionIsTheBoundsAndTheirCopyMovedByThree) {
  const TRect bounds{0, 0, 97, 47};
  EXPECT_EQ(CreateContainerWindowRegion(false, bounds, true), nullptr);
  const auto plain = CreateContainerWindowRegion(true, bounds, false);
  const TcxRegion rectangle(bounds);
  EXPECT_TRUE(EqualRgn(plain->Handle(), rectangle.Handle()));
  const auto shadowed = CreateContainerWindowRegion(true, bounds, true);
  TcxRegion expected(bounds);
  TcxRegion moved(bounds);
  moved.Offset(3, 3);
  expected.Combine(moved, roAdd);
  EXPECT_TRUE(EqualRgn(shadowed->Handle(), expected.Handle()));
  EXPECT_TRUE(PtInRegion(shadowed->Handle(), 99, 49));
  EXPECT_FALSE(PtInRegion(shadowed->Handle(), 99, 1)) << "the corner beside the shadow stays outside";
}

TEST(cxContainerGeometryTest, MissingEdgesShrinkAndFramesSplitIntoFourStrips) {
  EXPECT_EQ(Text(ShrinkRectOnMissingEdges(TRect{0, 0, 10, 10}, 2, {bBottom})), "2,2,8,10");
  EXPECT_EQ(Text(ShrinkRectOnMissingEdges(TRect{0, 0, 10, 10}, 2, cxBordersAll)), "0,0,10,10");
  const auto strips = RectFrameStrips(TRect{0, 0, 10, 10}, TRect{2, 3, 7, 8});
  EXPECT_EQ(Text(strips[0]), "0,0,2,10");
  EXPECT_EQ(Text(strips[1]), "2,0,7,3");
  EXPECT_EQ(Text(strips[2]), "7,0,10,10");
  EXPECT_EQ(Text(strips[3]), "2,8,7,10");
}

class cxContainerPaintingTest : public FoundationTest {
 protected:
  // Draws the border in a 20 x 20 picture filled with white first.
  void Draw(TcxContainerBorderStyle style, TcxBorders edges, TcxLookAndFeelPainterClass painter = nullptr) {
    Bitmap.SetSize(20, 20);
    TcxCanvas canvas(Bitmap.Canvas());
    canvas.FillRectWithColor(TRect{0, 0, 20, 20}, clWhite);
    const int width = painter ? 1 : GetContainerBorderWidth(style);
    DrawContainerBorder(canvas, TRect{0, 0, 20, 20}, style, width, clRed, edges, painter);
  }
  TColor Pixel(int x, int y) { return Bitmap.Canvas().Pixels(x, y); }
  TBitmap Bitmap;
};

TEST_F(cxContainerPaintingTest, EachBorderStyleDrawsItsOwnFrame) {
  struct TCase {
    const char* Name;
    TcxContainerBorderStyle Style;
    TcxBorders Edges;
    TColor Outer;
    TColor Inner;
    TColor InnerBottomRight;
  };
  const TColor white = ColorToRGB(clWhite);
  const TColor red = ColorToRGB(clRed);
  const TCase cases[] = {
      {"none", cbsNone, cxBordersAll, white, white, white},
      {"single", cbsSingle, cxBordersAll, red, white, white},
      {"thick", cbsThick, cxBordersAll, red, red, red},
      {"flat", cbsFlat, cxBordersAll, static_cast<TColor>(ColorToRGB(clBtnShadow)),
       static_cast<TColor>(ColorToRGB(clBtnFace)), static_cast<TColor>(ColorToRGB(clBtnFace))},
      {"3D", cbs3D, cxBordersAll, static_cast<TColor>(ColorToRGB(clBtnShadow)),
       static_cast<TColor>(ColorToRGB(cl3DDkShadow)), static_cast<TColor>(ColorToRGB(cl3DLight))},
      {"ultra flat draws nothing", cbsUltraFlat, cxBordersAll, white, white, white},
      {"office 2003 draws nothing", cbsOffice11, cxBordersAll, white, white, white},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Draw(c.Style, c.Edges);
    EXPECT_EQ(Pixel(0, 5), c.Outer);
    EXPECT_EQ(Pixel(1, 5), c.Inner);
    EXPECT_EQ(Pixel(18, 5), c.InnerBottomRight);
    EXPECT_EQ(Pixel(10, 10), white);
  }
}

TEST_F(cxContainerPaintingTest, APainterDrawsAPlainFrameAndThe3DEdgeKeepsToItsEdges) {
  Draw(cbs3D, cxBordersAll, cxStandardLookAndFeelPainter());
  EXPECT_EQ(Pixel(0, 5), ColorToRGB(clRed));
  EXPECT_EQ(Pixel(1, 5), ColorToRGB(clWhite)) << "one pixel, whatever the style";
  Draw(cbs3D, {bBottom});
  EXPECT_EQ(Pixel(0, 5), ColorToRGB(clWhite)) << "no left edge";
  EXPECT_EQ(Pixel(5, 18), ColorToRGB(cl3DLight)) << "the bottom edge";
}

TEST_F(cxContainerPaintingTest, TheShadowLiesBelowAndRightOfTheBorderWithItsCornersOpen) {
  Bitmap.SetSize(20, 20);
  TcxCanvas canvas(Bitmap.Canvas());
  canvas.FillRectWithColor(TRect{0, 0, 20, 20}, clWhite);
  DrawContainerShadow(canvas, TRect{0, 0, 17, 17});
  const TColor shadow = ColorToRGB(clBtnShadow);
  EXPECT_EQ(Pixel(10, 18), shadow);
  EXPECT_EQ(Pixel(18, 10), shadow);
  EXPECT_EQ(Pixel(19, 19), shadow);
  EXPECT_EQ(Pixel(1, 18), ColorToRGB(clWhite));
  EXPECT_EQ(Pixel(18, 1), ColorToRGB(clWhite));
}

TEST_F(cxContainerPaintingTest, BorderColoursByPainterFlatKindAndStyle) {
  TcxContainerStyles styles(nullptr, CreateContainerStyle);
  TcxContainerStyle& style = *styles.GetStyle();
  style.SetBorderColor(clLime);
  struct TCase {
    const char* Name;
    TcxContainerBorderStyle Style;
    TcxContainerStates States;
    bool HotTrack;
    TColor Color;
  };
  const TCase cases[] = {
      {"ultra flat normal", cbsUltraFlat, {csNormal}, true, clBtnShadow},
      {"ultra flat focused", cbsUltraFlat, {csFocused}, true, clHighlight},
      {"ultra flat hot", cbsUltraFlat, {csNormal, csHot}, true, clHighlight},
      {"ultra flat hot, no hot-tracking", cbsUltraFlat, {csNormal, csHot}, false, clBtnShadow},
      {"office 2003 normal", cbsOffice11, {csNormal}, true, clBtnShadow},
      {"office 2003 focused", cbsOffice11, {csFocused}, true, Office11Colors().SelectedBorderColor},
      {"single: the style's own", cbsSingle, {csFocused}, true, clLime},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    style.SetBorderStyle(c.Style);
    style.SetHotTrack(c.HotTrack);
    TcxContainerViewInfo viewInfo;
    viewInfo.ContainerState = c.States;
    EXPECT_EQ(CalculateContainerBorderColor(viewInfo, style, false, true), c.Color);
  }
  TcxContainerViewInfo designed;
  style.SetBorderStyle(cbsUltraFlat);
  EXPECT_EQ(CalculateContainerBorderColor(designed, style, true, true), clHighlight) << "designing highlights";
  designed.Painter = cxStandardLookAndFeelPainter();
  EXPECT_EQ(CalculateContainerBorderColor(designed, style, false, true),
            cxStandardLookAndFeelPainter()->EditBorderColor(false));
}
