#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "controls/editors/base/cxEdit.h"
#include "controls/editors/base/cxEditViewInfo.h"
#include "controls/foundation/graphics/cxEditPaintUtils.h"
#include "controls/foundation/graphics/dxOffice11.h"
#include "controls/foundation/graphics/dxUxTheme.h"
#include "platform/controls/core/Control.h"
#include "tests/controls/editors/EditUnitsFixture.h"
#include "tests/controls/editors/FakeEditViewOwner.h"
#include "tests/controls/foundation/FakeCurrentTheme.h"

namespace {

std::string Text(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

COLORREF Rgb(TColor color) { return ColorToRGB(color); }

}  // namespace

TEST(EditButtonLayoutTest, SidesClippingAndSpreading) {
  using I = TcxEditButtonLayoutItem;
  struct TCase {
    const char* Name;
    TRect Free;
    std::vector<I> Buttons;
    bool Fill;
    std::vector<std::string> Bounds;
    std::string Left;
  };
  const TRect full{0, 0, 100, 20};
  const TCase cases[] = {
      {"right buttons from the right edge", full, {{20}, {15}}, false, {"80,0,100,20", "65,0,80,20"}, "0,0,65,20"},
      {"a left button from the left edge", full, {{20, true}, {15}}, false, {"0,0,20,20", "85,0,100,20"}, "20,0,85,20"},
      {"clipped to the free width", full, {{70}, {50}}, false, {"30,0,100,20", "0,0,30,20"}, "0,0,0,20"},
      {"nothing left for the last", full, {{100}, {10}}, false, {"0,0,100,20", "0,0,0,0"}, "0,0,0,20"},
      {"an empty free rectangle", TRect{0, 0, 0, 20}, {{20}, {20, true}}, true, {"0,0,0,0", "0,0,0,0"}, "0,0,0,20"},
      {"spread over the stretchable",
       full,
       {{20, false, true}, {10}, {30, false, true}},
       true,
       {"64,0,100,20", "54,0,64,20", "0,0,54,20"},
       "0,0,0,20"},
      {"spread over all when none stretches", full, {{10}, {20}}, true, {"67,0,100,20", "0,0,67,20"}, "0,0,0,20"},
      {"the last takes what rounding left",
       full,
       {{10, false, true}, {10, false, true}, {10, false, true}},
       true,
       {"67,0,100,20", "34,0,67,20", "0,0,34,20"},
       "0,0,0,20"},
      {"both sides widen toward each other",
       full,
       {{10, true, true}, {10, false, true}},
       true,
       {"0,0,50,20", "50,0,100,20"},
       "50,0,50,20"},
      {"no spreading without fill", full, {{10, false, true}}, false, {"90,0,100,20"}, "0,0,90,20"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const TcxEditButtonLayout layout = LayoutEditButtons(c.Free, c.Buttons, c.Fill);
    ASSERT_EQ(layout.Bounds.size(), c.Bounds.size());
    for (size_t i = 0; i < c.Bounds.size(); ++i) EXPECT_EQ(Text(layout.Bounds[i]), c.Bounds[i]) << i;
    EXPECT_EQ(Text(layout.Free), c.Left);
  }
}

TEST(EditButtonLayoutTest, RecordsTheFirstAndLastButtonOfEachSide) {
  const TcxEditButtonLayout layout =
      LayoutEditButtons(TRect{0, 0, 100, 20}, {{10}, {10, true}, {10}, {10, true}, {10}}, false);
  EXPECT_EQ(layout.FirstLeft, 1);
  EXPECT_EQ(layout.LastLeft, 3);
  EXPECT_EQ(layout.FirstRight, 0);
  EXPECT_EQ(layout.LastRight, 4);
}

TEST(EditViewDecisionsTest, EffectiveButtonStyle) {
  struct TCase {
    TcxEditButtonStyle Style;
    bool Inplace;
    TcxEditBorderStyle Border;
    bool HotTrack;
    TcxLookAndFeelKind Kind;
    TcxEditButtonStyle Expected;
  };
  const TCase cases[] = {
      {btsHotFlat, true, ebsNone, false, lfFlat, btsHotFlat},
      {btsDefault, true, ebs3D, true, lfFlat, btsFlat},
      {btsDefault, true, ebs3D, true, lfStandard, bts3D},
      {btsDefault, false, ebsNone, false, lfUltraFlat, btsUltraFlat},
      {btsDefault, false, ebsNone, false, lfOffice11, btsOffice11},
      {btsDefault, false, ebsNone, true, lfStandard, btsSimple},
      {btsDefault, false, ebsSingle, false, lfStandard, btsHotFlat},
      {btsDefault, false, ebsThick, false, lfFlat, bts3D},
      {btsDefault, false, ebsFlat, false, lfStandard, btsFlat},
      {btsDefault, false, ebs3D, false, lfFlat, bts3D},
      {btsDefault, false, ebsUltraFlat, false, lfFlat, btsUltraFlat},
      {btsDefault, false, ebsOffice11, false, lfFlat, btsOffice11},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(EffectiveButtonStyle(c.Style, c.Inplace, c.Border, c.HotTrack, c.Kind), c.Expected)
        << int{c.Style} << " " << c.Inplace << " " << int{c.Border} << " " << c.HotTrack << " " << int{c.Kind};
}

TEST(EditViewDecisionsTest, BorderStyleNativeStateAndPopupBorder) {
  EXPECT_EQ(EditViewBorderStyle(ebs3D, true), ebsNone);
  EXPECT_EQ(EditViewBorderStyle(ebsUltraFlat, false), ebsSingle);
  EXPECT_EQ(EditViewBorderStyle(ebsOffice11, false), ebsSingle);
  EXPECT_EQ(EditViewBorderStyle(ebsThick, false), ebsThick);

  // enabled, read-only, focused, hot
  EXPECT_EQ(EditNativeState(false, true, true, true), 4);
  EXPECT_EQ(EditNativeState(true, true, true, true), 6);
  EXPECT_EQ(EditNativeState(true, false, true, true), 5);
  EXPECT_EQ(EditNativeState(true, false, false, true), 2);
  EXPECT_EQ(EditNativeState(true, false, false, false), 1);

  struct TCase {
    const char* Name;
    TcxEditPopupBorderFacts Facts;
    TcxEditPopupBorderStyle Expected;
  };
  const TCase cases[] = {
      {"the style's own", {epbsFrame3D, true, true, lfFlat}, epbsFrame3D},
      {"no editor keeps the default", {epbsDefault, false, true, lfFlat}, epbsDefault},
      {"in place flat", {epbsDefault, true, true, lfFlat}, epbsFlat},
      {"in place standard", {epbsDefault, true, true, lfStandard}, epbsFrame3D},
      {"in place office", {epbsDefault, true, true, lfOffice11}, epbsSingle},
      {"no border, 3D buttons", {epbsDefault, true, false, lfFlat, ebsNone, true, bts3D}, epbsFrame3D},
      {"no border, hot-flat buttons", {epbsDefault, true, false, lfStandard, ebsNone, true, btsHotFlat}, epbsFlat},
      {"no border, ultra-flat buttons",
       {epbsDefault, true, false, lfStandard, ebsNone, true, btsUltraFlat},
       epbsSingle},
      {"no border, no buttons", {epbsDefault, true, false, lfStandard, ebsNone, false}, epbsFlat},
      {"flat border", {epbsDefault, true, false, lfStandard, ebsFlat}, epbsFlat},
      {"3-D border", {epbsDefault, true, false, lfFlat, ebs3D}, epbsSingle},
  };
  for (const TCase& c : cases) EXPECT_EQ(EditPopupBorderStyle(c.Facts), c.Expected) << c.Name;
}

TEST(EditViewDecisionsTest, ButtonStates) {
  struct TCase {
    const char* Name;
    TcxEditButtonStateFacts Facts;
    TcxEditButtonState Expected;
  };
  const TCase cases[] = {
      {"editor disabled", {false, true, false, true, true}, ebstDisabled},
      {"button disabled", {true, false, false, true, true}, ebstDisabled},
      {"read-only under a held button", {true, true, true, true, true}, ebstNormal},
      {"mouse elsewhere", {true, true, false, false, true}, ebstNormal},
      {"hot", {true, true, false, true, false}, ebstHot},
      {"held over it", {true, true, false, true, true}, ebstPressed},
      {"double press over the pressed one", {true, true, false, true, false, true}, ebstPressed},
  };
  for (const TCase& c : cases) EXPECT_EQ(EditButtonStateFor(c.Facts), c.Expected) << c.Name;
}

class EditViewInfoTest : public EditUnitsTest {
 protected:
  void SetUp() override {
    EditUnitsTest::SetUp();
    FBitmap.SetSize(40, 20);
    Clear(clWhite);
    FViewInfo.Bounds = FViewInfo.ContentRect = TRect{0, 0, 40, 20};
    FViewInfo.BackgroundColor = clWhite;
  }
  void Clear(TColor color) { FCanvas.FillRectWithColor(TRect{0, 0, 40, 20}, color); }
  COLORREF Pixel(int x, int y) { return GetPixel(FBitmap.DC(), x, y); }
  TcxEditButtonViewInfo& AddButton(const TRect& bounds, TcxEditButtonKind kind, TcxEditButtonState state) {
    FViewInfo.SetButtonCount(FViewInfo.ButtonCount() + 1);
    TcxEditButtonViewInfo& button = *FViewInfo.ButtonsInfo.back();
    button.Bounds = bounds;
    button.Data.Kind = kind;
    button.Data.State = state;
    return button;
  }
  // The bounding box of the pixels in `color` (or not in it) inside `r`.
  TRect InkBox(const TRect& r, TColor color, bool inColor = true) {
    TRect box{r.right, r.bottom, r.left, r.top};
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        if ((Pixel(x, y) == Rgb(color)) == inColor)
          box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x + 1),
                 std::max<LONG>(box.bottom, y + 1)};
    return box;
  }

  TBitmap FBitmap;
  TcxCanvas FCanvas{FBitmap.Canvas()};
  TcxCustomEditViewInfo FViewInfo;
};

TEST_F(EditViewInfoTest, ButtonStylesPerState) {
  struct TProbe {
    int X, Y;
    TColor Color;
  };
  struct TCase {
    const char* Name;
    TcxEditButtonStyle Style;
    TcxEditButtonState State;
    bool Transparent;
    std::vector<TProbe> Probes;
  };
  const TColor ultraHot = GetEditButtonHighlightColor(false, false);
  const TColor ultraPressed = GetEditButtonHighlightColor(false, true);
  const TColor frame = GetEditHighlightColor(false);
  const TCase cases[] = {
      {"3D normal",
       bts3D,
       ebstNormal,
       false,
       {{20, 0, cl3DLight},
        {35, 15, cl3DDkShadow},
        {21, 1, clBtnHighlight},
        {34, 14, clBtnShadow},
        {28, 8, clBtnFace}}},
      {"3D pressed", bts3D, ebstPressed, false, {{20, 0, clBtnShadow}, {35, 15, clBtnShadow}, {21, 1, clBtnFace}}},
      {"3D transparent", bts3D, ebstNormal, true, {{28, 8, clWhite}}},
      {"flat normal", btsFlat, ebstNormal, false, {{20, 8, clBtnFace}, {21, 0, clBtnHighlight}, {35, 15, clBtnShadow}}},
      {"flat pressed", btsFlat, ebstPressed, false, {{21, 0, clBtnShadow}, {35, 15, clBtnHighlight}}},
      {"hot-flat normal",
       btsHotFlat,
       ebstNormal,
       false,
       {{20, 8, clBtnShadow}, {35, 8, clBtnShadow}, {28, 0, clBtnShadow}, {28, 8, clBtnFace}}},
      {"hot-flat hot", btsHotFlat, ebstHot, false, {{28, 8, clBtnShadow}}},
      {"hot-flat pressed", btsHotFlat, ebstPressed, false, {{28, 8, clBtnText}}},
      {"simple normal", btsSimple, ebstNormal, false, {{20, 0, clWhite}, {28, 8, clBtnFace}}},
      {"simple hot is flat", btsSimple, ebstHot, false, {{21, 0, clBtnHighlight}, {35, 15, clBtnShadow}}},
      {"ultra-flat normal", btsUltraFlat, ebstNormal, false, {{20, 0, clWhite}, {28, 8, clBtnFace}}},
      {"ultra-flat hot", btsUltraFlat, ebstHot, false, {{20, 0, frame}, {35, 15, frame}, {28, 8, ultraHot}}},
      {"ultra-flat pressed", btsUltraFlat, ebstPressed, false, {{28, 8, ultraPressed}}},
      {"ultra-flat disabled", btsUltraFlat, ebstDisabled, false, {{28, 8, clBtnFace}}},
      {"office normal",
       btsOffice11,
       ebstNormal,
       false,
       {{28, 8, cxOffice11LookAndFeelPainter()->ButtonColor(cxbsNormal)}}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    FViewInfo.SetButtonCount(0);
    AddButton(TRect{20, 0, 36, 16}, bkText, c.State).Data.Transparent = c.Transparent;
    FViewInfo.ButtonStyle = c.Style;
    Clear(clRed);
    FViewInfo.DrawButton(FCanvas, 0);
    for (const TProbe& p : c.Probes) EXPECT_EQ(Pixel(p.X, p.Y), Rgb(p.Color)) << p.X << "," << p.Y;
    EXPECT_EQ(Pixel(19, 8), Rgb(clRed)) << "outside the button";
  }
}

TEST_F(EditViewInfoTest, FramesBetweenNeighboursAndAtTheEditorsBorder) {
  FViewInfo.ButtonStyle = btsHotFlat;
  AddButton(TRect{20, 0, 28, 16}, bkText, ebstNormal);
  AddButton(TRect{28, 0, 36, 16}, bkText, ebstNormal);
  FViewInfo.DrawButton(FCanvas, 0);
  FViewInfo.DrawButton(FCanvas, 1);
  EXPECT_EQ(Pixel(20, 8), Rgb(clBtnShadow));
  EXPECT_EQ(Pixel(27, 8), Rgb(clBtnFace));
  EXPECT_EQ(Pixel(28, 8), Rgb(clBtnFace));
  EXPECT_EQ(Pixel(35, 8), Rgb(clBtnShadow));

  // A hot ultra-flat button leaves its frame to the border it touches.
  FViewInfo.SetButtonCount(0);
  FViewInfo.ButtonStyle = btsUltraFlat;
  FViewInfo.BorderStyle = cbsSingle;
  FViewInfo.ContentRect = TRect{1, 1, 36, 19};
  AddButton(TRect{20, 1, 36, 19}, bkText, ebstHot);
  FViewInfo.DrawButton(FCanvas, 0);
  EXPECT_EQ(Pixel(20, 8), Rgb(GetEditHighlightColor(false)));
  EXPECT_EQ(Pixel(28, 1), Rgb(GetEditButtonHighlightColor(false, false)));
  EXPECT_EQ(Pixel(35, 8), Rgb(GetEditButtonHighlightColor(false, false)));
}

TEST_F(EditViewInfoTest, Office11GradientRunsBetweenTheStatesColours) {
  FViewInfo.ButtonStyle = btsOffice11;
  AddButton(TRect{0, 0, 20, 20}, bkText, ebstHot).Data.Gradient = true;
  FViewInfo.DrawButton(FCanvas, 0);
  const TOffice11SchemeColors& colors = Office11Colors().SchemeColors;
  EXPECT_EQ(Pixel(10, 1), Rgb(colors[22]));
  const COLORREF bottom = Pixel(10, 18);
  EXPECT_NEAR(GetRValue(bottom), GetRValue(Rgb(colors[23])), 16);
  EXPECT_NEAR(GetBValue(bottom), GetBValue(Rgb(colors[23])), 16);
}

TEST_F(EditViewInfoTest, ContentPerKind) {
  FViewInfo.ButtonStyle = bts3D;
  // A 16-pixel content gets dots of two: 5-6, 9-10, 13-14 across, 7-8 down.
  AddButton(TRect{0, 0, 20, 16}, bkEllipsis, ebstNormal);
  FViewInfo.DrawButton(FCanvas, 0);
  EXPECT_EQ(Text(InkBox(TRect{2, 2, 18, 14}, clBtnText)), "5,7,15,9");
  EXPECT_EQ(Pixel(7, 7), Rgb(clBtnFace));
  // Narrow content gets dots of one.
  FViewInfo.ButtonsInfo[0]->Bounds = TRect{20, 0, 34, 16};
  FViewInfo.DrawButton(FCanvas, 0);
  EXPECT_EQ(Text(InkBox(TRect{22, 2, 32, 14}, clBtnText)), "24,7,29,8");
  // Disabled dots are embossed.
  FViewInfo.ButtonsInfo[0]->Bounds = TRect{0, 0, 20, 16};
  FViewInfo.ButtonsInfo[0]->Data.State = ebstDisabled;
  FViewInfo.DrawButton(FCanvas, 0);
  EXPECT_EQ(Pixel(5, 7), Rgb(clBtnShadow));
  EXPECT_EQ(Pixel(7, 9), Rgb(clBtnHighlight));

  // The arrow sits in the middle of the content.
  FViewInfo.ButtonsInfo[0]->Data = {};
  FViewInfo.ButtonsInfo[0]->Data.Kind = bkDown;
  FViewInfo.DrawButton(FCanvas, 0);
  const TRect arrow = InkBox(TRect{2, 2, 18, 14}, clBtnText);
  ASSERT_FALSE(IsRectEmpty(&arrow));
  EXPECT_NEAR(arrow.left - 2, 18 - arrow.right, 1);
  EXPECT_NEAR(arrow.top - 2, 14 - arrow.bottom, 1);

  // A caption is centred; disabled it has no ink of the text colour.
  TcxEditButtonViewInfoData& text = FViewInfo.ButtonsInfo[0]->Data;
  text.Kind = bkText;
  text.Caption = "W";
  FViewInfo.DrawButton(FCanvas, 0);
  // Smoothed letters have ink in more than the text colour.
  const TRect caption = InkBox(TRect{2, 2, 18, 14}, clBtnFace, false);
  ASSERT_FALSE(IsRectEmpty(&caption));
  EXPECT_NEAR(caption.left - 2, 18 - caption.right, 1);
  text.State = ebstDisabled;
  FViewInfo.DrawButton(FCanvas, 0);
  const TRect disabledInk = InkBox(TRect{2, 2, 18, 14}, clBtnText);
  EXPECT_TRUE(IsRectEmpty(&disabledInk));

  // A glyph is centred; its transparent colour shows the face.
  TBitmap glyph;
  glyph.SetSize(6, 6);
  glyph.Canvas().Brush().SetColor(clFuchsia);
  glyph.Canvas().FillRect(Rect(0, 0, 6, 6));
  glyph.Canvas().Brush().SetColor(clLime);
  glyph.Canvas().FillRect(Rect(1, 1, 5, 5));
  text = {};
  text.Kind = bkGlyph;
  text.Glyph = &glyph;
  FViewInfo.DrawButton(FCanvas, 0);
  EXPECT_EQ(Text(InkBox(TRect{2, 2, 18, 14}, clLime)), "8,6,12,10");
  EXPECT_EQ(Pixel(7, 5), Rgb(clBtnFace));
}

TEST_F(EditViewInfoTest, HooksReplaceTheBuiltInParts) {
  FViewInfo.ButtonStyle = bts3D;
  AddButton(TRect{0, 0, 20, 16}, bkEllipsis, ebstNormal);
  std::vector<int> parts;
  FViewInfo.OnDrawButtonBackground = [&](TcxCustomEditViewInfo&, TcxCanvas&, int part) {
    parts.push_back(part);
    return true;
  };
  FViewInfo.OnDrawButtonContent = [](TcxCustomEditViewInfo&, TcxCanvas&, int) { return true; };
  FViewInfo.DrawButton(FCanvas, 0);
  EXPECT_EQ(parts, std::vector<int>{0});
  EXPECT_EQ(Pixel(10, 8), Rgb(clWhite)) << "neither background nor dots";
  EXPECT_EQ(Pixel(0, 0), Rgb(cl3DLight)) << "the border still drawn";
}

TEST_F(EditViewInfoTest, RepaintInvalidatesOnlyWhatChanged) {
  TcxCustomEditViewInfo previous;
  for (TcxCustomEditViewInfo* info : {&FViewInfo, &previous}) {
    info->Bounds = TRect{0, 0, 40, 20};
    info->SetButtonCount(2);
    info->ButtonsInfo[0]->Bounds = TRect{30, 0, 40, 20};
    info->ButtonsInfo[1]->Bounds = TRect{20, 0, 30, 20};
  }
  bool changed = true;
  EXPECT_TRUE(FViewInfo.ChangedRects(&previous, changed).empty());
  EXPECT_FALSE(changed);

  FViewInfo.ButtonsInfo[1]->Data.State = ebstHot;
  FViewInfo.ButtonsInfo[1]->Data.Transparent = true;
  std::vector<TcxCustomEditViewInfo::TChangedRect> rects = FViewInfo.ChangedRects(&previous, changed);
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_EQ(Text(rects[0].Rect), "20,0,30,20");
  EXPECT_TRUE(rects[0].Erase) << "a transparent button shows what is under it";
  EXPECT_TRUE(changed);
  FViewInfo.ButtonsInfo[1]->Data.Transparent = false;
  FViewInfo.ButtonsInfo[1]->Data.State = ebstNormal;

  // A caption's change alone does not change the looks the record compares.
  FViewInfo.ButtonsInfo[0]->Data.Caption = "x";
  EXPECT_TRUE(FViewInfo.ChangedRects(&previous, changed).empty());

  const std::vector<std::pair<const char*, std::function<void(TcxCustomEditViewInfo&)>>> wholeChanges = {
      {"border colour", [](TcxCustomEditViewInfo& v) { v.BorderColor = clRed; }},
      {"focus", [](TcxCustomEditViewInfo& v) { v.Focused = true; }},
      {"button count", [](TcxCustomEditViewInfo& v) { v.SetButtonCount(1); }},
  };
  for (const auto& [name, change] : wholeChanges) {
    TcxCustomEditViewInfo changedInfo;
    changedInfo.Assign(&FViewInfo);
    changedInfo.Bounds = FViewInfo.Bounds;
    change(changedInfo);
    rects = changedInfo.ChangedRects(&previous, changed);
    ASSERT_EQ(rects.size(), 1u) << name;
    EXPECT_EQ(Text(rects[0].Rect), "0,0,40,20") << name;
    EXPECT_FALSE(rects[0].Erase) << name;
  }
  EXPECT_EQ(FViewInfo.ChangedRects(nullptr, changed).size(), 1u);
  EXPECT_FALSE(FViewInfo.Repaint(&previous, {0, 0})) << "without a window nothing happens";
}

TEST_F(EditViewInfoTest, ButtonIndexAtAPoint) {
  AddButton(TRect{30, 0, 40, 20}, bkDown, ebstNormal);
  AddButton(TRect{20, 0, 30, 20}, bkDown, ebstNormal);
  EXPECT_EQ(FViewInfo.GetButtonIndexAt({35, 5}), 0);
  EXPECT_EQ(FViewInfo.GetButtonIndexAt({20, 5}), 1);
  EXPECT_EQ(FViewInfo.GetButtonIndexAt({19, 5}), -1);
  EXPECT_FALSE(FViewInfo.IsPointOverButton({40, 5}));
}

TEST_F(EditViewInfoTest, BorderColours) {
  const TColor office = GetEditHighlightColor(true);
  struct TCase {
    const char* Name;
    TcxEditBorderColorFacts Facts;
    TColor Expected;
  };
  const TCase cases[] = {
      {"the style's colour", {false, false, false, false, false, ebs3D, clRed}, clRed},
      {"the style's colour though hot", {true, false, false, false, false, ebsSingle, clRed}, clRed},
      {"ultra-flat idle", {false, false, false, false, false, ebsUltraFlat, clRed}, clBtnShadow},
      {"ultra-flat hot", {true, false, false, false, false, ebsUltraFlat, clRed}, clHighlight},
      {"ultra-flat hot-tracked without hot-tracking", {false, true, false, false, false, ebsUltraFlat}, clBtnShadow},
      {"ultra-flat hot-tracked with hot-tracking", {false, true, true, false, false, ebsUltraFlat}, clHighlight},
      {"office focused", {false, false, false, true, false, ebsOffice11, clRed}, office},
      {"office selected", {false, false, false, false, true, ebsOffice11, clRed}, office},
      {"a painter's own, idle",
       {false, false, false, true, false, ebsOffice11, clRed, cxFlatLookAndFeelPainter()},
       cxFlatLookAndFeelPainter()->EditBorderColor(false)},
  };
  for (const TCase& c : cases) EXPECT_EQ(EditBorderColor(c.Facts), c.Expected) << c.Name;
}

TEST_F(EditViewInfoTest, ClassicBorderStylesLeaveTheButtonsAndTheClipAlone) {
  struct TCase {
    TcxContainerBorderStyle Style;
    COLORREF Outer;
    COLORREF Inner;
  };
  const TCase cases[] = {
      {cbsNone, Rgb(clLime), Rgb(clLime)},          {cbsSingle, Rgb(clRed), Rgb(clLime)},
      {cbsThick, Rgb(clRed), Rgb(clRed)},           {cbsFlat, Rgb(clBtnShadow), Rgb(clBtnFace)},
      {cbs3D, Rgb(clBtnShadow), Rgb(cl3DDkShadow)},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(int{c.Style});
    const int width = GetContainerBorderWidth(c.Style);
    FViewInfo.BorderStyle = c.Style;
    FViewInfo.BorderWidth = width;
    FViewInfo.BorderColor = clRed;
    FViewInfo.BackgroundColor = clLime;
    FViewInfo.ContentRect = TRect{width, width, 40 - width, 20 - width};
    FViewInfo.InnerEditRect = TRect{width + 2, width + 2, 20, 20 - width - 2};
    FViewInfo.SetButtonCount(0);
    AddButton(TRect{30, width, 40 - width, 20 - width}, bkDown, ebstNormal);
    Clear(clBlue);
    DrawEditBackgroundAndBorder(FCanvas, FViewInfo);
    EXPECT_EQ(Pixel(0, 0), c.Outer);
    EXPECT_EQ(Pixel(1, 1), c.Inner);
    EXPECT_EQ(Pixel(width, 10), Rgb(clLime)) << "the strip around the edit area";
    EXPECT_EQ(Pixel(10, 10), Rgb(clLime)) << "the edit area";
    EXPECT_EQ(Pixel(34, 10), Rgb(clBlue)) << "the button";
    HRGN clip = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(FBitmap.DC(), clip), 0) << "no clip left behind";
    DeleteObject(clip);
  }
}

TEST_F(EditViewInfoTest, ClassicShadowTransparencyAndSkippedBackground) {
  FViewInfo.BorderStyle = cbsSingle;
  FViewInfo.BorderWidth = 1;
  FViewInfo.BorderColor = clRed;
  FViewInfo.BackgroundColor = clLime;
  FViewInfo.ContentRect = TRect{1, 1, 36, 16};
  FViewInfo.Shadow = true;
  DrawEditBackgroundAndBorder(FCanvas, FViewInfo);
  EXPECT_EQ(Pixel(38, 10), Rgb(clBtnShadow));
  EXPECT_EQ(Pixel(20, 18), Rgb(clBtnShadow));
  EXPECT_EQ(Pixel(38, 1), Rgb(clWhite)) << "the shadow starts below the top";
  EXPECT_EQ(Pixel(36, 16), Rgb(clRed));

  for (bool transparent : {true, false}) {
    Clear(clBlue);
    FViewInfo.Transparent = transparent;
    TcxEditBackgroundOptions options;
    options.SkipBackground = !transparent;
    DrawEditBackgroundAndBorder(FCanvas, FViewInfo, options);
    EXPECT_EQ(Pixel(10, 10), Rgb(clBlue)) << transparent;
    EXPECT_EQ(Pixel(0, 0), Rgb(clRed)) << transparent;
  }
}

namespace {

// The edit theme draws nothing and tells what it was asked; its content
// lies two pixels inside its bounds.
struct TRecordingEditTheme {
  struct TCall {
    int Part, State;
    std::string Rect;
  };
  static inline std::vector<TCall> Calls;
  static HRESULT WINAPI DrawThemeBackground(HTHEME, HDC, int part, int state, LPCRECT rect, LPCRECT) {
    Calls.push_back({part, state, Text(*rect)});
    return S_OK;
  }
  static HRESULT WINAPI GetThemeBackgroundContentRect(HTHEME, HDC, int, int, LPCRECT bounds, LPRECT content) {
    *content = *bounds;
    InflateRect(content, -2, -2);
    return S_OK;
  }
};

// The content fill's brush comes from the editors' brush cache.
class EditNativeBackgroundTest : public FakeCurrentThemeTest {
 protected:
  void SetUp() override {
    FakeCurrentThemeTest::SetUp();
    cxEditPaintUtilsInitialize();
    TRecordingEditTheme::Calls.clear();
    TUxThemeBinding binding = UxThemeBinding();
    binding.Api.DrawThemeBackground = TRecordingEditTheme::DrawThemeBackground;
    binding.Api.GetThemeBackgroundContentRect = TRecordingEditTheme::GetThemeBackgroundContentRect;
    SetUxThemeBinding(binding);
    FBitmap.SetSize(40, 20);
    FViewInfo.NativeStyle = true;
    FViewInfo.NativeState = 5;
    FViewInfo.BorderStyle = cbsSingle;
    FViewInfo.Bounds = TRect{0, 0, 40, 20};
    FViewInfo.ContentRect = TRect{4, 4, 36, 16};
    FViewInfo.ClientRect = TRect{4, 4, 30, 16};
    FViewInfo.BackgroundColor = clLime;
  }
  void TearDown() override {
    cxEditPaintUtilsFinalize();
    FakeCurrentThemeTest::TearDown();
  }
  COLORREF Pixel(int x, int y) { return GetPixel(FBitmap.DC(), x, y); }

  TBitmap FBitmap;
  TcxCanvas FCanvas{FBitmap.Canvas()};
  TcxCustomEditViewInfo FViewInfo;
};

}  // namespace

TEST_F(EditNativeBackgroundTest, ContentModesAndTheFill) {
  struct TCase {
    int Mode;
    bool Fill;
    // Pixels in the frame between the area and the content, and inside the content.
    POINT FramePoint;
    COLORREF Frame;
    COLORREF Content;
  };
  const COLORREF lime = Rgb(clLime);
  const COLORREF paper = Rgb(clBlue);
  const TCase cases[] = {
      {0, false, {2, 2}, lime, paper},   {0, true, {2, 2}, lime, lime},    {1, false, {3, 3}, lime, paper},
      {1, false, {3, 16}, paper, paper}, {2, false, {4, 4}, paper, paper}, {2, true, {4, 4}, lime, lime},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.Mode) + (c.Fill ? " filled" : ""));
    FCanvas.FillRectWithColor(TRect{0, 0, 40, 20}, clBlue);
    TRecordingEditTheme::Calls.clear();
    TcxEditBackgroundOptions options;
    options.NativeContentMode = c.Mode;
    options.FillContent = c.Fill;
    DrawEditBackgroundAndBorder(FCanvas, FViewInfo, options);
    ASSERT_EQ(TRecordingEditTheme::Calls.size(), 1u);
    EXPECT_EQ(TRecordingEditTheme::Calls[0].Part, 1);
    EXPECT_EQ(TRecordingEditTheme::Calls[0].State, 5);
    EXPECT_EQ(TRecordingEditTheme::Calls[0].Rect, "0,0,40,20");
    EXPECT_EQ(Pixel(c.FramePoint.x, c.FramePoint.y), c.Frame);
    EXPECT_EQ(Pixel(10, 10), c.Content);
  }
}

TEST_F(EditNativeBackgroundTest, WithoutBorderOnlyTheContentIsFilled) {
  FViewInfo.BorderStyle = cbsNone;
  FCanvas.FillRectWithColor(TRect{0, 0, 40, 20}, clBlue);
  DrawEditBackgroundAndBorder(FCanvas, FViewInfo);
  EXPECT_TRUE(TRecordingEditTheme::Calls.empty());
  EXPECT_EQ(Pixel(10, 10), Rgb(clLime));
  EXPECT_EQ(Pixel(1, 1), Rgb(clBlue));
}

namespace {

class EditViewDataTest : public EditUnitsTest {
 protected:
  void SetUp() override {
    EditUnitsTest::SetUp();
    FProperties = CreatePersistentOf<TcxCustomEditProperties>(TcxCustomEditProperties::StaticClass(), nullptr);
    FEditor = std::make_unique<TFakeEditor>();
    FEditor->Style().SetEditBorderStyle(ebsSingle);
    FEditor->Style().SetShadow(false);
    for (int i = 0; i < 3; ++i) FProperties->Buttons().Add().SetWidth(15);
    FProperties->Buttons().Items(2).SetVisible(false);
    FBitmap.SetSize(100, 20);
  }
  void TearDown() override {
    FEditor.reset();
    FProperties.reset();
    EditUnitsTest::TearDown();
  }
  TcxCustomEditViewData MakeViewData() {
    TcxCustomEditViewData data(*FProperties, FEditor->Style(), false);
    data.Editor = FEditor.get();
    return data;
  }
  void Calculate(TcxCustomEditViewData& data, POINT mouse, TShiftState shift, bool mouseEvent) {
    data.Calculate(FCanvas, TRect{0, 0, 100, 20}, mouse, mbLeft, shift, FViewInfo, mouseEvent);
  }

  TOwned<TcxCustomEditProperties> FProperties;
  std::unique_ptr<TFakeEditor> FEditor;
  TBitmap FBitmap;
  TcxCanvas FCanvas{FBitmap.Canvas()};
  TcxCustomEditViewInfo FViewInfo;
};

}  // namespace

TEST_F(EditViewDataTest, ReadsThePropertiesAndLaysOutTheVisibleButtons) {
  FProperties->Alignment()->SetHorz(taRightJustify);
  TcxCustomEditViewData data = MakeViewData();
  EXPECT_EQ(data.ButtonVisibleCount, 2);
  EXPECT_EQ(data.HorzAlignment, taRightJustify);
  EXPECT_EQ(data.MaxWidth, 1 << 29);
  EXPECT_TRUE(data.Enabled);

  Calculate(data, {-1, -1}, {}, false);
  ASSERT_EQ(FViewInfo.ButtonCount(), 2);
  EXPECT_EQ(Text(FViewInfo.ContentRect), "1,1,99,19");
  EXPECT_EQ(Text(FViewInfo.ButtonsInfo[0]->Bounds), "84,1,99,19");
  EXPECT_EQ(Text(FViewInfo.ButtonsInfo[1]->Bounds), "69,1,84,19");
  EXPECT_EQ(Text(FViewInfo.ClientRect), "1,1,69,19");
  EXPECT_EQ(FViewInfo.ButtonStyle, btsHotFlat);
  EXPECT_EQ(FViewInfo.HotButton, -1);
  EXPECT_EQ(FViewInfo.PressedButton, -1);
}

TEST_F(EditViewDataTest, ButtonStatesFromTheMouse) {
  struct TCase {
    const char* Name;
    TShiftState Shift;
    bool MouseEvent;
    bool Capture;
    bool ReadOnly;
    bool ButtonEnabled;
    TcxEditButtonState Expected;
  };
  const TCase cases[] = {
      {"hot", {}, true, false, false, true, ebstHot},
      {"held with the capture", {ssLeft}, true, true, false, true, ebstPressed},
      {"held without the capture", {ssLeft}, true, false, false, true, ebstNormal},
      {"held, no mouse event", {ssLeft}, false, false, false, true, ebstPressed},
      {"read-only", {ssLeft}, true, true, true, true, ebstNormal},
      {"disabled button", {}, true, false, false, false, ebstDisabled},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    FEditor->Capture = c.Capture;
    FProperties->SetReadOnly(c.ReadOnly);
    FProperties->Buttons().Items(0).SetEnabled(c.ButtonEnabled);
    TcxCustomEditViewData data = MakeViewData();
    Calculate(data, {90, 5}, c.Shift, c.MouseEvent);
    EXPECT_EQ(FViewInfo.ButtonsInfo[0]->Data.State, c.Expected);
    EXPECT_EQ(FViewInfo.ButtonsInfo[1]->Data.State, ebstNormal) << "the button under no mouse";
    EXPECT_EQ(FViewInfo.HotButton, c.Expected == ebstHot ? 0 : -1);
    EXPECT_EQ(FViewInfo.PressedButton, c.Expected == ebstPressed ? 0 : -1);
  }
}

TEST_F(EditViewDataTest, ADoublePressKeepsThePressedButtonPressed) {
  TcxCustomEditViewData data = MakeViewData();
  FEditor->Capture = true;
  Calculate(data, {90, 5}, {ssLeft}, true);
  ASSERT_EQ(FViewInfo.PressedButton, 0);
  data.CalculateButtonState(FViewInfo, 0, {90, 5}, mbLeft, {ssDouble}, true);
  EXPECT_EQ(FViewInfo.ButtonsInfo[0]->Data.State, ebstPressed);
  data.CalculateButtonState(FViewInfo, 1, {75, 5}, mbLeft, {ssDouble}, true);
  EXPECT_EQ(FViewInfo.ButtonsInfo[1]->Data.State, ebstHot) << "not the button pressed before";
}

TEST_F(EditViewDataTest, TransparencyDropDownAndPopupBorder) {
  struct TCase {
    TcxEditButtonTransparency Transparency;
    bool Focused;
    bool Transparent;
  };
  for (const TCase& c : {TCase{ebtNone, false, false}, TCase{ebtAlways, true, true}, TCase{ebtInactive, false, true},
                         TCase{ebtInactive, true, false}}) {
    FEditor->Style().SetButtonTransparency(c.Transparency);
    TcxCustomEditViewData data = MakeViewData();
    data.Focused = c.Focused;
    Calculate(data, {-1, -1}, {}, false);
    EXPECT_EQ(FViewInfo.ButtonsInfo[0]->Data.Transparent, c.Transparent) << int{c.Transparency} << c.Focused;
  }
  EXPECT_FALSE(FViewInfo.ButtonsInfo[0]->Data.IsDropDown) << "two buttons";
  FProperties->Buttons().Items(1).SetVisible(false);
  TcxCustomEditViewData data = MakeViewData();
  Calculate(data, {-1, -1}, {}, false);
  EXPECT_TRUE(FViewInfo.ButtonsInfo[0]->Data.IsDropDown);
  EXPECT_EQ(data.GetPopupBorderStyle(), epbsSingle);
  data.Editor = nullptr;
  EXPECT_EQ(data.GetPopupBorderStyle(), epbsDefault);
}

TEST_F(EditViewDataTest, EditSizeAddsButtonsAndBordersWithinTheConstraints) {
  TcxCustomEditViewData data = MakeViewData();
  const SIZE size = data.GetEditSize(FCanvas, 50);
  EXPECT_EQ(size.cx, 50 + 30 + 2);
  EXPECT_EQ(size.cy, FCanvas.TextHeight("Zg") + 2);
  FEditor->Max = {60, 0};
  FEditor->Min = {0, 40};
  const SIZE constrained = data.GetEditSize(FCanvas, 50);
  EXPECT_EQ(constrained.cx, 60);
  EXPECT_EQ(constrained.cy, 40);
}

TEST_F(EditViewDataTest, AHotTrackedEditorHighlightsItsBorderOnlyWithHotTracking) {
  FEditor->Style().SetEditBorderStyle(ebsUltraFlat);
  for (bool hotTrack : {true, false}) {
    FEditor->Style().SetHotTrack(hotTrack);
    TcxCustomEditViewData data = MakeViewData();
    data.HotTracked = true;
    Calculate(data, {10, 5}, {}, true);
    EXPECT_EQ(FViewInfo.BorderColor, hotTrack ? GetEditHighlightColor(false) : clBtnShadow) << hotTrack;
    EXPECT_EQ(FViewInfo.BorderStyle, cbsSingle);
  }
}

TEST_F(EditViewDataTest, AShadowWhenTheStyleAsksForOneAndOnlyOutOfPlace) {
  for (bool shadow : {false, true}) {
    FEditor->Style().SetShadow(shadow);
    EXPECT_EQ(EditHasShadow(FEditor->Style()), shadow);
    TcxCustomEditViewData data = MakeViewData();
    Calculate(data, {-1, -1}, {}, false);
    EXPECT_EQ(FViewInfo.Shadow, shadow);
    EXPECT_EQ(Text(FViewInfo.ContentRect), shadow ? "1,1,96,16" : "1,1,99,19");
  }
  TcxCustomEditViewData inplace(*FProperties, FEditor->Style(), true);
  inplace.Calculate(FCanvas, TRect{0, 0, 100, 20}, {-1, -1}, mbLeft, {}, FViewInfo, false);
  EXPECT_FALSE(FViewInfo.Shadow);
  EXPECT_EQ(Text(FViewInfo.ContentRect), "0,0,100,20") << "no border in place";
}
