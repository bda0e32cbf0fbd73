#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/foundation/FoundationUnits.h"
#include "controls/foundation/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/foundation/graphics/dxOffice11.h"
#include "controls/foundation/graphics/dxThemeManager.h"
#include "controls/foundation/graphics/dxUxTheme.h"

namespace {

// Every test draws with the units started, as the program does; the theme is
// switched off so that Office11 draws its classic scroll bars and the colours
// come from the system.
class PainterEnvironment : public testing::Environment {
 public:
  void SetUp() override { InitializeUnits(FoundationUnits()); }
  void TearDown() override { FinalizeUnits(); }
};
const testing::Environment* const gEnvironment = testing::AddGlobalTestEnvironment(new PainterEnvironment);

COLORREF Rgb(TColor color) { return ColorToRGB(color); }

constexpr COLORREF kBackground = RGB(1, 2, 3);

// A 32-bpp picture filled with a colour no painter uses, drawn on through a
// library canvas.
class Picture {
 public:
  Picture(int width, int height) : FCanvas(FBitmap.Canvas()) {
    FBitmap.SetSize(width, height);
    Clear();
  }
  void Clear() {
    const TGdiObject<HBRUSH> brush(CreateSolidBrush(kBackground));
    const RECT all{0, 0, FBitmap.Width(), FBitmap.Height()};
    FillRect(FBitmap.DC(), &all, brush.Get());
  }
  TcxCanvas& Canvas() { return FCanvas; }
  TBitmap& Bitmap() { return FBitmap; }
  COLORREF At(int x, int y) const { return GetPixel(FBitmap.DC(), x, y); }
  std::vector<uint32_t> Pixels() const { return FBitmap.GetPixels(); }
  int Count(COLORREF color) const {
    int count = 0;
    for (int y = 0; y < FBitmap.Height(); ++y)
      for (int x = 0; x < FBitmap.Width(); ++x) count += At(x, y) == color;
    return count;
  }
  // The box of the pixels of that colour.
  RECT BoxOf(COLORREF color) const {
    RECT box{FBitmap.Width(), FBitmap.Height(), -1, -1};
    for (int y = 0; y < FBitmap.Height(); ++y)
      for (int x = 0; x < FBitmap.Width(); ++x)
        if (At(x, y) == color)
          box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x + 1),
                 std::max<LONG>(box.bottom, y + 1)};
    return box;
  }

 private:
  TBitmap FBitmap;
  TcxCanvas FCanvas;
};

struct NamedPoint {
  const char* Name;
  int X, Y;
  TColor Expected;
};

TColor Background() { return static_cast<TColor>(kBackground); }

std::string Str(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

void ExpectPoints(const Picture& picture, const std::vector<NamedPoint>& points, const std::string& context) {
  for (const NamedPoint& point : points)
    EXPECT_EQ(picture.At(point.X, point.Y), Rgb(point.Expected)) << context << ": " << point.Name;
}

// Buttons in a 20 x 20 rectangle at (2, 2): frame, face and what lies outside.
TEST(PainterButtonTest, FramesAndFacesByStyleAndState) {
  const struct {
    const char* Name;
    TcxLookAndFeelPainterClass Painter;
    TcxButtonState State;
    std::vector<NamedPoint> Points;
  } cases[] = {
      {"Standard default",
       cxStandardLookAndFeelPainter(),
       cxbsDefault,
       {{"outermost", 2, 2, clBlack},
        {"outermost right", 21, 10, clBlack},
        {"second", 3, 3, clBtnHighlight},
        {"second right", 20, 10, cl3DDkShadow},
        {"third", 4, 10, cl3DLight},
        {"third bottom", 10, 19, clBtnShadow},
        {"face", 5, 5, clBtnFace},
        {"outside", 1, 1, Background()},
        {"outside right", 22, 10, Background()}}},
      {"Standard normal",
       cxStandardLookAndFeelPainter(),
       cxbsNormal,
       {{"outer", 2, 2, clBtnHighlight},
        {"outer right", 21, 10, cl3DDkShadow},
        {"inner", 3, 3, cl3DLight},
        {"inner bottom", 10, 20, clBtnShadow},
        {"face", 4, 4, clBtnFace}}},
      {"Standard pressed",
       cxStandardLookAndFeelPainter(),
       cxbsPressed,
       {{"outer", 2, 2, clBlack},
        {"inner", 3, 3, clBtnShadow},
        {"inner right", 20, 10, clBtnShadow},
        {"face", 4, 4, clBtnFace}}},
      {"Flat normal",
       cxFlatLookAndFeelPainter(),
       cxbsNormal,
       {{"frame", 2, 2, clBtnHighlight}, {"frame right", 21, 10, clBtnShadow}, {"face", 3, 3, clBtnFace}}},
      {"Flat default",
       cxFlatLookAndFeelPainter(),
       cxbsDefault,
       {{"outer", 2, 2, clBlack}, {"inner", 3, 3, clBtnHighlight}, {"face", 4, 4, clBtnFace}}},
      {"Flat pressed",
       cxFlatLookAndFeelPainter(),
       cxbsPressed,
       {{"frame", 2, 2, clBtnShadow}, {"frame right", 21, 10, clBtnHighlight}, {"face", 3, 3, clBtnFace}}},
      {"UltraFlat normal",
       cxUltraFlatLookAndFeelPainter(),
       cxbsNormal,
       {{"frame", 2, 2, clBtnShadow},
        {"frame right", 21, 21, clBtnShadow},
        {"face", 3, 3, clBtnFace},
        {"outside", 22, 22, Background()}}},
      {"UltraFlat hot",
       cxUltraFlatLookAndFeelPainter(),
       cxbsHot,
       {{"frame", 2, 2, clHighlight}, {"face", 3, 3, MixedLightSelectionColor()}}},
      {"UltraFlat pressed",
       cxUltraFlatLookAndFeelPainter(),
       cxbsPressed,
       {{"frame", 2, 2, clHighlight}, {"face", 3, 3, MixedSelectionColor()}}},
      {"UltraFlat default",
       cxUltraFlatLookAndFeelPainter(),
       cxbsDefault,
       {{"outer", 2, 2, clWindowFrame}, {"inner", 3, 3, clWindowFrame}, {"face", 4, 4, clBtnFace}}},
      {"UltraFlat disabled",
       cxUltraFlatLookAndFeelPainter(),
       cxbsDisabled,
       {{"frame", 2, 2, clHighlight}, {"face", 3, 3, clBtnFace}}},
  };
  for (const auto& c : cases) {
    Picture picture(24, 24);
    c.Painter->DrawButton(picture.Canvas(), {2, 2, 22, 22}, "", c.State);
    ExpectPoints(picture, c.Points, c.Name);
  }
}

// The Office 2003 colours of the blue scheme, whatever the visual style.
class Office11BlueScheme : public testing::Test {
 protected:
  static HRESULT WINAPI LunaBlue(LPWSTR file, int fileLength, LPWSTR color, int colorLength, LPWSTR, int) {
    lstrcpynW(file, kLunaThemeFileName, fileLength);
    lstrcpynW(color, L"NormalColor", colorLength);
    return S_OK;
  }
  void SetUp() override {
    TUxThemeBinding binding = FSaved;
    binding.WinXPOrLater = binding.Loaded = true;
    binding.Api.GetCurrentThemeName = LunaBlue;
    SetUxThemeBinding(binding);
    InitOffice11Colors();
  }
  void TearDown() override {
    SetUxThemeBinding(FSaved);
    InitOffice11Colors();
  }

  TUxThemeBinding FSaved = UxThemeBinding();
};

TEST_F(Office11BlueScheme, ButtonFacesTakeTheSchemeColours) {
  ASSERT_EQ(Office11Scheme(), schBlue);
  const struct {
    TcxButtonState State;
    TColor Face;
  } cases[] = {{cxbsNormal, 0x00F5BE9E}, {cxbsHot, 0x00CCF4FF}, {cxbsPressed, 0x008ED3FF}, {cxbsDisabled, clBtnFace}};
  for (const auto& c : cases) {
    Picture picture(24, 24);
    cxOffice11LookAndFeelPainter()->DrawButton(picture.Canvas(), {2, 2, 22, 22}, "", c.State);
    EXPECT_EQ(picture.At(10, 10), Rgb(c.Face)) << c.State;
    const TColor frame = c.State == cxbsNormal ? Office11Colors().SchemeColors[14] : Office11Colors().SchemeColors[21];
    EXPECT_EQ(picture.At(2, 10), Rgb(frame)) << c.State;
  }
}

TEST(PainterCheckTest, UncheckedOnlyFillsAndTheTickIsThreePixelsThick) {
  Picture picture(20, 20);
  const TRect box{2, 2, 15, 15};
  cxStandardLookAndFeelPainter()->DrawCheck(picture.Canvas(), box, cxbsNormal, cbsUnchecked, clRed);
  EXPECT_EQ(picture.Count(Rgb(clWindow)), 13 * 13);
  EXPECT_EQ(picture.Count(Rgb(clRed)), 0);

  picture.Clear();
  cxStandardLookAndFeelPainter()->DrawCheck(picture.Canvas(), box, cxbsPressed, cbsChecked, clRed);
  EXPECT_EQ(picture.At(2, 2), Rgb(clBtnFace));
  EXPECT_EQ(picture.At(1, 1), kBackground);
  // Three strokes one pixel apart: every column the tick crosses holds an
  // unbroken run of at least three of its pixels, exactly three along the
  // short arm, where the strokes fall at 45 degrees.
  const RECT tick = picture.BoxOf(Rgb(clRed));
  ASSERT_LT(tick.left, tick.right);
  const int corner = (box.left + box.right) / 2 - 1;
  for (int x = tick.left; x < tick.right; ++x) {
    std::vector<int> rows;
    for (int y = 0; y < 20; ++y)
      if (picture.At(x, y) == Rgb(clRed)) rows.push_back(y);
    ASSERT_FALSE(rows.empty()) << "column " << x;
    EXPECT_EQ(rows.back() - rows.front() + 1, static_cast<int>(rows.size())) << "column " << x;
    if (x < corner)
      EXPECT_EQ(rows.size(), 3u) << "column " << x;
    else
      EXPECT_GE(rows.size(), 3u) << "column " << x;
  }

  // A clear brush leaves the interior as it is.
  picture.Clear();
  picture.Canvas().Brush().SetStyle(bsClear);
  cxStandardLookAndFeelPainter()->DrawCheck(picture.Canvas(), box, cxbsNormal, cbsGrayed, clRed);
  EXPECT_EQ(picture.Count(Rgb(clWindow)), 0);
  EXPECT_GT(picture.Count(Rgb(clRed)), 0);
}

TEST(PainterCheckTest, CheckButtonFramesByStyle) {
  const struct {
    const char* Name;
    TcxLookAndFeelPainterClass Painter;
    TcxButtonState State;
    std::vector<NamedPoint> Points;
  } cases[] = {
      {"Standard",
       cxStandardLookAndFeelPainter(),
       cxbsNormal,
       {{"outer", 0, 0, cl3DDkShadow},
        {"outer right", 12, 6, cl3DLight},
        {"inner", 1, 1, clBtnShadow},
        {"inner right", 11, 6, clBtnHighlight},
        {"inside", 2, 2, clWindow}}},
      {"Flat hot",
       cxFlatLookAndFeelPainter(),
       cxbsHot,
       {{"outer", 0, 0, clBtnShadow}, {"ring", 1, 1, clWindow}, {"inside", 2, 2, clWindow}}},
      {"Flat pressed", cxFlatLookAndFeelPainter(), cxbsPressed, {{"ring", 1, 1, clBtnFace}}},
      {"UltraFlat disabled",
       cxUltraFlatLookAndFeelPainter(),
       cxbsDisabled,
       {{"outer", 0, 0, clBtnText}, {"ring", 1, 6, clBtnFace}, {"inside", 2, 2, clBtnFace}}},
  };
  for (const auto& c : cases) {
    Picture picture(13, 13);
    c.Painter->DrawCheckButton(picture.Canvas(), {0, 0, 13, 13}, c.State, cbsUnchecked);
    ExpectPoints(picture, c.Points, c.Name);
  }
}

TEST(PainterDropDownTest, TheArrowInATenPixelRectangleIsFiveByThree) {
  Picture picture(14, 14);
  cxStandardLookAndFeelPainter()->DrawDropDownArrow(picture.Canvas(), {2, 2, 12, 12}, clRed);
  const RECT arrow = picture.BoxOf(Rgb(clRed));
  EXPECT_EQ(arrow.right - arrow.left, 5);
  EXPECT_EQ(arrow.bottom - arrow.top, 3);
  EXPECT_EQ(picture.Count(Rgb(clRed)), 5 + 3 + 1);
  EXPECT_EQ(arrow.left, 4);
  EXPECT_EQ(arrow.top, 5);
}

TEST(PainterDropDownTest, TheButtonsArrowIsCentredInTheButtonLessOnePixel) {
  const struct {
    TcxLookAndFeelPainterClass Painter;
    bool InEditor;
    TColor Arrow;
  } cases[] = {{cxStandardLookAndFeelPainter(), false, clBtnText},
               {cxStandardLookAndFeelPainter(), true, 0x00FF0000},
               {cxFlatLookAndFeelPainter(), false, clBtnText}};
  for (const auto& c : cases) {
    Picture picture(20, 20);
    c.Painter->DrawDropDownButton(picture.Canvas(), {0, 0, 16, 20}, cxbsNormal, c.InEditor);
    const RECT arrow = picture.BoxOf(Rgb(c.Arrow));
    // Inside (1, 1, 15, 19) the arrow is 7 wide and 4 high.
    EXPECT_EQ(arrow.left, 4) << c.Painter->LookAndFeelStyle();
    EXPECT_EQ(arrow.right, 11);
    EXPECT_EQ(arrow.top, 8);
    EXPECT_EQ(arrow.bottom, 12);
    EXPECT_EQ(picture.At(1, 1), Rgb(clBtnFace));
    EXPECT_EQ(picture.At(0, 0), Rgb(clBtnHighlight));
  }
}

// A reference of the system's own scroll arrow, drawn the same way.
std::vector<uint32_t> ReferenceScrollArrow(UINT flags) {
  Picture reference(17, 17);
  RECT r{0, 0, 17, 17};
  DrawFrameControl(reference.Bitmap().DC(), &r, DFC_SCROLL, flags);
  return reference.Pixels();
}

TEST(PainterScrollBarTest, StandardArrowsAreTheSystemsAndPagesThePatterns) {
  const struct {
    bool Horizontal;
    TcxScrollBarPart Part;
    TcxButtonState State;
    UINT Flags;
  } arrows[] = {{false, sbpLineUp, cxbsNormal, DFCS_SCROLLUP},
                {false, sbpLineDown, cxbsPressed, DFCS_SCROLLDOWN | DFCS_FLAT},
                {true, sbpLineUp, cxbsDisabled, DFCS_SCROLLLEFT | DFCS_INACTIVE},
                {true, sbpLineDown, cxbsHot, DFCS_SCROLLRIGHT}};
  for (const auto& a : arrows) {
    Picture picture(17, 17);
    cxStandardLookAndFeelPainter()->DrawScrollBarPart(picture.Canvas(), a.Horizontal, {0, 0, 17, 17}, a.Part, a.State);
    EXPECT_EQ(picture.Pixels(), ReferenceScrollArrow(a.Flags)) << a.Flags;
  }

  for (const bool pressed : {false, true}) {
    Picture picture(20, 20);
    cxStandardLookAndFeelPainter()->DrawScrollBarPart(picture.Canvas(), false, {2, 2, 18, 18}, sbpPageDown,
                                                      pressed ? cxbsPressed : cxbsNormal);
    EXPECT_EQ(picture.At(2, 2), Rgb(pressed ? clBlack : clBtnFace));
    EXPECT_EQ(picture.At(3, 2), Rgb(pressed ? cl3DDkShadow : clBtnHighlight));
    EXPECT_EQ(picture.At(3, 3), Rgb(pressed ? clBlack : clBtnFace));
    EXPECT_EQ(picture.At(1, 2), kBackground);
    EXPECT_EQ(picture.At(18, 2), kBackground);
  }
}

TEST(PainterScrollBarTest, ThumbsAndButtonsByStyle) {
  const struct {
    const char* Name;
    TcxLookAndFeelPainterClass Painter;
    TcxScrollBarPart Part;
    TcxButtonState State;
    std::vector<NamedPoint> Points;
  } cases[] = {
      {"Standard thumb",
       cxStandardLookAndFeelPainter(),
       sbpThumbnail,
       cxbsNormal,
       {{"outer", 0, 0, clBtnFace},
        {"outer right", 16, 8, cl3DDkShadow},
        {"inner", 1, 1, clBtnHighlight},
        {"inner right", 15, 8, clBtnShadow},
        {"face", 8, 8, clBtnFace}}},
      {"Standard pressed thumb",
       cxStandardLookAndFeelPainter(),
       sbpThumbnail,
       cxbsPressed,
       {{"outer", 0, 0, clBtnShadow}, {"outer right", 16, 8, clBtnShadow}, {"inner", 1, 1, clBtnFace}}},
      {"Flat arrow",
       cxFlatLookAndFeelPainter(),
       sbpLineUp,
       cxbsNormal,
       {{"frame", 0, 0, clBtnHighlight}, {"frame right", 16, 8, clBtnShadow}, {"arrow tip", 8, 6, clBtnText}}},
      {"UltraFlat hot arrow",
       cxUltraFlatLookAndFeelPainter(),
       sbpLineDown,
       cxbsHot,
       {{"frame", 0, 0, clHighlight}, {"face", 2, 2, MixedLightSelectionColor()}, {"arrow base", 8, 7, clBtnText}}},
      {"UltraFlat disabled thumb",
       cxUltraFlatLookAndFeelPainter(),
       sbpThumbnail,
       cxbsDisabled,
       {{"nothing", 0, 0, Background()}, {"nothing inside", 8, 8, Background()}}},
  };
  for (const auto& c : cases) {
    Picture picture(17, 17);
    c.Painter->DrawScrollBarPart(picture.Canvas(), false, {0, 0, 17, 17}, c.Part, c.State);
    ExpectPoints(picture, c.Points, c.Name);
  }
}

TEST(PainterScrollBarTest, Office11DrawsStandardsScrollBarWithoutTheTheme) {
  const TUxThemeBinding saved = UxThemeBinding();
  SetUxThemeBinding({});
  for (const TcxScrollBarPart part : {sbpLineUp, sbpThumbnail, sbpPageUp}) {
    Picture office(17, 17);
    Picture standard(17, 17);
    cxOffice11LookAndFeelPainter()->DrawScrollBarPart(office.Canvas(), true, {0, 0, 17, 17}, part, cxbsNormal);
    cxStandardLookAndFeelPainter()->DrawScrollBarPart(standard.Canvas(), true, {0, 0, 17, 17}, part, cxbsNormal);
    EXPECT_EQ(office.Pixels(), standard.Pixels()) << part;
  }
  SetUxThemeBinding(saved);
}

TEST(PainterBorderTest, BordersByStyle) {
  const struct {
    const char* Name;
    TcxLookAndFeelPainterClass Painter;
    int Size;
    std::vector<NamedPoint> Points;
  } cases[] = {
      {"Standard",
       cxStandardLookAndFeelPainter(),
       2,
       {{"outer", 0, 0, clBtnShadow},
        {"outer right", 9, 5, clBtnHighlight},
        {"inner", 1, 1, cl3DDkShadow},
        {"inner bottom", 5, 8, cl3DLight},
        {"inside", 2, 2, Background()}}},
      {"Flat",
       cxFlatLookAndFeelPainter(),
       1,
       {{"outer", 0, 0, clBtnShadow}, {"outer right", 9, 5, clBtnHighlight}, {"inside", 1, 1, Background()}}},
      {"UltraFlat",
       cxUltraFlatLookAndFeelPainter(),
       1,
       {{"frame", 0, 0, clBtnShadow}, {"frame right", 9, 5, clBtnShadow}, {"inside", 1, 1, Background()}}},
      {"Office11",
       cxOffice11LookAndFeelPainter(),
       1,
       {{"frame", 9, 9, Office11Colors().SchemeColors[18]}, {"inside", 1, 1, Background()}}},
  };
  for (const auto& c : cases) {
    Picture picture(10, 10);
    c.Painter->DrawBorder(picture.Canvas(), {0, 0, 10, 10});
    ExpectPoints(picture, c.Points, c.Name);
    EXPECT_EQ(c.Painter->BorderSize(), c.Size) << c.Name;
  }
}

// An expand button leaves the clip region without its rectangle, so a later
// fill leaves it alone.
TEST(PainterExpandButtonTest, ALaterFillLeavesTheButtonUntouched) {
  const struct {
    TcxLookAndFeelPainterClass Painter;
    TColor Frame;
  } cases[] = {{cxStandardLookAndFeelPainter(), clBtnHighlight},
               {cxFlatLookAndFeelPainter(), clBtnHighlight},
               {cxUltraFlatLookAndFeelPainter(), clBtnShadow}};
  for (const auto& c : cases) {
    Picture picture(20, 20);
    const TRect r{4, 4, 4 + c.Painter->ExpandButtonSize(), 4 + c.Painter->ExpandButtonSize()};
    c.Painter->DrawExpandButton(picture.Canvas(), r, false);
    EXPECT_EQ(picture.At(4, 4), Rgb(c.Frame)) << c.Painter->LookAndFeelStyle();
    const int middle = (r.left + r.right - 1) / 2;
    EXPECT_EQ(picture.At(middle, r.top + 4), Rgb(clBtnText)) << "plus bar";
    picture.Canvas().FillRectWithColor({0, 0, 20, 20}, clRed);
    EXPECT_EQ(picture.At(4, 4), Rgb(c.Frame)) << c.Painter->LookAndFeelStyle();
    EXPECT_EQ(picture.At(3, 3), Rgb(clRed));
    EXPECT_EQ(picture.At(r.right, r.bottom), Rgb(clRed));
  }
  // Expanded: a minus alone.
  Picture picture(20, 20);
  cxUltraFlatLookAndFeelPainter()->DrawExpandButton(picture.Canvas(), {4, 4, 15, 15}, true);
  EXPECT_EQ(picture.At(9, 9), Rgb(clBtnText));
  EXPECT_EQ(picture.At(9, 7), Rgb(clBtnFace));
}

TEST(PainterSizeGripTest, TheGripFillsItsColourAndOffice11DrawsDots) {
  Picture picture(17, 17);
  cxStandardLookAndFeelPainter()->DrawSizeGrip(picture.Canvas(), {0, 0, 17, 17}, clRed);
  Picture reference(17, 17);
  reference.Canvas().FillRectWithColor({0, 0, 17, 17}, clRed);
  RECT r{0, 0, 17, 17};
  DrawFrameControl(reference.Bitmap().DC(), &r, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
  EXPECT_EQ(picture.Pixels(), reference.Pixels());

  picture.Clear();
  cxOffice11LookAndFeelPainter()->DrawSizeGrip(picture.Canvas(), {0, 0, 17, 17}, clRed);
  EXPECT_EQ(picture.At(0, 0), Rgb(clRed));
  EXPECT_GT(picture.Count(Rgb(clRed)), 0);
  EXPECT_LT(picture.Count(Rgb(clRed)), 17 * 17);
  EXPECT_EQ(picture.Count(kBackground), 0);
}

TEST(PainterSizeTest, SizesThatOtherCodeLaysOutBy) {
  EXPECT_EQ(cxFlatLookAndFeelPainter()->ButtonBorderSize(cxbsNormal), 1);
  EXPECT_EQ(cxFlatLookAndFeelPainter()->ButtonBorderSize(cxbsDefault), 2);
  EXPECT_EQ(cxStandardLookAndFeelPainter()->HeaderSectionBorderSize(cxbsPressed), 1);
  EXPECT_EQ(cxStandardLookAndFeelPainter()->HeaderSectionBorderSize(cxbsNormal), 2);
  const TcxCustomLookAndFeelPainter base;
  EXPECT_EQ(base.HeaderHeight(13), 17);
  Picture picture(10, 10);
  EXPECT_EQ(Str(base.ButtonFocusRect(picture.Canvas(), {2, 2, 8, 8})), "2,2,8,8");
  EXPECT_EQ(Str(base.ButtonFocusRect(picture.Canvas(), {0, 0, 10, 10})), "4,4,6,6");
  EXPECT_EQ(Str(cxUltraFlatLookAndFeelPainter()->ButtonGroupBorderSizes(0, 3)), "2,2,1,2");
  EXPECT_EQ(Str(cxUltraFlatLookAndFeelPainter()->ButtonGroupBorderSizes(2, 3)), "1,2,2,2");
  EXPECT_EQ(cxStandardLookAndFeelPainter()->CheckButtonSize().cx, cxStandardLookAndFeelPainter()->RadioButtonSize().cx);
}

TEST(PainterSizeTest, AHeaderIsOneBorderWiderForEachBorderItHas) {
  Picture picture(10, 10);
  const TcxLookAndFeelPainterClass painter = cxStandardLookAndFeelPainter();
  const int text = picture.Canvas().TextWidth("Name");
  EXPECT_EQ(painter->HeaderWidth(picture.Canvas(), {}, "Name", nullptr), text + 4);
  EXPECT_EQ(painter->HeaderWidth(picture.Canvas(), {bLeft}, "Name", nullptr), text + 5);
  EXPECT_EQ(painter->HeaderWidth(picture.Canvas(), {bRight}, "Name", nullptr), text + 5);
  EXPECT_EQ(painter->HeaderWidth(picture.Canvas(), {bLeft, bTop, bRight, bBottom}, "Name", nullptr), text + 6);
}

TEST(PainterHeaderTest, UltraFlatDrawsNoLeftLineBesideALeftNeighbour) {
  const TcxLookAndFeelPainterClass painter = cxUltraFlatLookAndFeelPainter();
  for (const bool leftNeighbour : {false, true}) {
    const TcxNeighbors neighbors = leftNeighbour ? TcxNeighbors{nLeft} : TcxNeighbors{};
    Picture picture(20, 12);
    painter->DrawHeader(picture.Canvas(), {0, 0, 20, 12}, {0, 0, 20, 12}, neighbors, painter->HeaderBorders(neighbors),
                        cxbsNormal, taLeftJustify, vaCenter, false, false, "", nullptr, clBtnText, clWindow);
    EXPECT_EQ(picture.At(0, 5), Rgb(leftNeighbour ? clWindow : clBtnText));
    EXPECT_EQ(picture.At(19, 5), Rgb(clBtnText));
    EXPECT_EQ(picture.At(5, 11), Rgb(clBtnText));
  }
}

TEST(PainterIndicatorTest, KindZeroDrawsNothingAndTheOthersTheirImage) {
  Picture picture(20, 20);
  cxStandardLookAndFeelPainter()->DrawIndicatorImage(picture.Canvas(), {0, 0, 20, 20}, 0);
  EXPECT_EQ(picture.Count(kBackground), 400);
  for (int kind = 1; kind <= 6; ++kind) {
    picture.Clear();
    cxStandardLookAndFeelPainter()->DrawIndicatorImage(picture.Canvas(), {0, 0, 20, 20}, kind);
    EXPECT_GT(picture.Count(RGB(0, 0, 0)), 0) << kind;
    // The white of the images shows the background through.
    EXPECT_EQ(picture.Count(RGB(0, 0, 0)) + picture.Count(kBackground), 400) << kind;
  }
}

// A style that changes only the button colour changes every drawing built on it.
class RedButtonPainter : public TcxStandardLookAndFeelPainter {
 public:
  TColor ButtonColor(TcxButtonState) const override { return clRed; }
};

TEST(PainterCallingRuleTest, OverridingOnePieceChangesTheCompositeDrawings) {
  const RedButtonPainter painter;
  Picture picture(24, 24);
  painter.DrawButton(picture.Canvas(), {2, 2, 22, 22}, "", cxbsNormal);
  EXPECT_EQ(picture.At(10, 10), Rgb(clRed));
  EXPECT_EQ(picture.At(2, 2), Rgb(clBtnHighlight));

  picture.Clear();
  painter.DrawScrollBarArrow(picture.Canvas(), {2, 2, 19, 19}, cxbsNormal, adUp);
  EXPECT_EQ(picture.At(4, 4), Rgb(clRed));
  EXPECT_EQ(picture.At(2, 2), Rgb(clBtnHighlight));
  EXPECT_GT(picture.Count(Rgb(clBtnText)), 0);
}

// What each drawing operation must hand back as it found it.
struct DCState {
  HGDIOBJ Pen, Brush, Font;
  COLORREF TextColor;
  int BkMode;
  bool operator==(const DCState&) const = default;
};

DCState StateOf(HDC dc) {
  return {GetCurrentObject(dc, OBJ_PEN), GetCurrentObject(dc, OBJ_BRUSH), GetCurrentObject(dc, OBJ_FONT),
          GetTextColor(dc), GetBkMode(dc)};
}

using TDrawing = std::function<void(TcxLookAndFeelPainterClass, TcxCanvas&)>;

std::vector<std::pair<const char*, TDrawing>> EveryDrawing() {
  const TRect r{2, 2, 30, 22};
  static TFont font;
  font.SetColor(clRed);
  return {
      {"DrawBackground", [r](auto p, auto& c) { p->DrawBackground(c, r, false, clRed, nullptr); }},
      {"DrawDropDownArrow", [r](auto p, auto& c) { p->DrawDropDownArrow(c, r, clRed); }},
      {"DrawHeaderContent",
       [r](auto p, auto& c) {
         p->DrawHeaderContent(c, r, r, cxbsHot, taCenter, vaCenter, false, true, "Text", nullptr, clRed, clWindow,
                              nullptr);
       }},
      {"DrawArrow", [r](auto p, auto& c) { p->DrawArrow(c, r, adLeft, clRed, true); }},
      {"DrawScrollBarArrow", [r](auto p, auto& c) { p->DrawScrollBarArrow(c, r, cxbsHot, adDown); }},
      {"DrawButtonBackground", [r](auto p, auto& c) { p->DrawButtonBackground(c, r, cxbsPressed); }},
      {"DrawButtonArrow", [r](auto p, auto& c) { p->DrawButtonArrow(c, r, cxbsDisabled, adRight); }},
      {"DrawBorder", [r](auto p, auto& c) { p->DrawBorder(c, r); }},
      {"DrawButton", [r](auto p, auto& c) { p->DrawButton(c, r, "OK", cxbsPressed); }},
      {"DrawButtonInGroup", [r](auto p, auto& c) { p->DrawButtonInGroup(c, r, cxbsPressed, 0, 2); }},
      {"DrawButtonGroupBorder", [r](auto p, auto& c) { p->DrawButtonGroupBorder(c, r, true, cxbsHot); }},
      {"DrawGroupExpandButton", [r](auto p, auto& c) { p->DrawGroupExpandButton(c, r, true, cxbsHot); }},
      {"DrawSmallExpandButton", [r](auto p, auto& c) { p->DrawSmallExpandButton(c, r, false, clRed, clWindow); }},
      {"DrawCheckButton", [r](auto p, auto& c) { p->DrawCheckButton(c, r, cxbsHot, cbsChecked); }},
      {"DrawRadioButton", [r](auto p, auto& c) { p->DrawRadioButton(c, 2, 2, cxbsNormal, true, true, clRed); }},
      {"DrawHeader",
       [r](auto p, auto& c) {
         p->DrawHeader(c, r, r, {nLeft, nRight}, cxBordersAll, cxbsHot, taLeftJustify, vaTop, true, false, "Head",
                       &font, clRed, clWindow);
       }},
      {"DrawHeaderEx",
       [r](auto p, auto& c) {
         p->DrawHeaderEx(c, r, r, {}, cxBordersAll, cxbsNormal, taRightJustify, vaBottom, false, false, "Head", nullptr,
                         clRed, clWindow);
       }},
      {"DrawHeaderPressed", [r](auto p, auto& c) { p->DrawHeaderPressed(c, r); }},
      {"DrawHeaderSection",
       [r](auto p, auto& c) {
         p->DrawHeaderSection(c, r, r, {}, cxBordersAll, cxbsDisabled, taCenter, vaCenter, false, false, "Sec", &font,
                              clRed, clWindow);
       }},
      {"DrawSortingMark", [r](auto p, auto& c) { p->DrawSortingMark(c, r, true); }},
      {"HeaderWidth", [r](auto p, auto& c) { p->HeaderWidth(c, cxBordersAll, "Text", &font); }},
      {"DrawFrameCell", [r](auto p, auto& c) { p->DrawFrameCell(c, r, "Frame", &font, clRed, clWindow); }},
      {"DrawFrameSeparator", [r](auto p, auto& c) { p->DrawFrameSeparator(c, r); }},
      {"DrawFrameText", [r](auto p, auto& c) { p->DrawFrameText(c, r, "Frame"); }},
      {"DrawFrameArea", [r](auto p, auto& c) { p->DrawFrameArea(c, r); }},
      {"DrawFrameCheck", [r](auto p, auto& c) { p->DrawFrameCheck(c, r, cxbsNormal, cbsGrayed); }},
      {"DrawCloseButton", [r](auto p, auto& c) { p->DrawCloseButton(c, r, cxbsPressed); }},
      {"DrawDropDownButton", [r](auto p, auto& c) { p->DrawDropDownButton(c, r, cxbsHot, true); }},
      {"DrawWindowContent", [r](auto p, auto& c) { p->DrawWindowContent(c, r); }},
      {"DrawTab",
       [r](auto p, auto& c) { p->DrawTab(c, r, cxBordersAll, "Tab", cxbsHot, false, &font, clRed, clWindow); }},
      {"DrawTabBorder", [r](auto p, auto& c) { p->DrawTabBorder(c, r, bLeft, cxBordersAll, false); }},
      {"DrawTabPane", [r](auto p, auto& c) { p->DrawTabPane(c, r, cxBordersAll); }},
      {"DrawListGlyph", [r](auto p, auto& c) { p->DrawListGlyph(c, r, clRed); }},
      {"DrawIndicatorItem", [r](auto p, auto& c) { p->DrawIndicatorItem(c, r, 2, clRed); }},
      {"DrawIndicatorItemEx", [r](auto p, auto& c) { p->DrawIndicatorItemEx(c, r, 3, clRed); }},
      {"DrawScrollBarPart thumb",
       [r](auto p, auto& c) { p->DrawScrollBarPart(c, false, r, sbpThumbnail, cxbsPressed); }},
      {"DrawScrollBarPart page", [r](auto p, auto& c) { p->DrawScrollBarPart(c, true, r, sbpPageUp, cxbsNormal); }},
      {"DrawScrollBarPart arrow", [r](auto p, auto& c) { p->DrawScrollBarPart(c, true, r, sbpLineUp, cxbsHot); }},
      {"DrawSizeGrip", [r](auto p, auto& c) { p->DrawSizeGrip(c, r, clRed); }},
      {"DrawHeaderItem", [r](auto p, auto& c) { p->DrawHeaderItem(c, r, {nTop}, "Item", &font, cxbsNormal); }},
      {"DrawContentBorder", [r](auto p, auto& c) { p->DrawContentBorder(c, r); }},
      {"DrawToolBarButton", [r](auto p, auto& c) { p->DrawToolBarButton(c, r, cxbsHot); }},
      {"DrawCaptionBand", [r](auto p, auto& c) { p->DrawCaptionBand(c, r, false, "Band"); }},
      {"DrawClock", [r](auto p, auto& c) { p->DrawClock(c, r, clWindow, clRed); }},
  };
}

TcxLookAndFeelPainterClass EveryStyle[] = {cxFlatLookAndFeelPainter(), cxStandardLookAndFeelPainter(),
                                           cxUltraFlatLookAndFeelPainter(), cxOffice11LookAndFeelPainter(),
                                           cxWinXPLookAndFeelPainter()};

TEST(PainterDCStateTest, EveryDrawingHandsTheContextBackAsItFoundIt) {
  for (const TcxLookAndFeelPainterClass painter : EveryStyle)
    for (const auto& [name, draw] : EveryDrawing()) {
      Picture picture(32, 24);
      const HDC dc = picture.Bitmap().DC();
      SetTextColor(dc, RGB(9, 8, 7));
      SetBkMode(dc, OPAQUE);
      const DCState before = StateOf(dc);
      TcxCanvas& canvas = picture.Canvas();
      canvas.Brush().SetColor(clLime);
      canvas.Pen().SetColor(clBlue);
      canvas.Font().SetColor(clYellow);
      draw(painter, canvas);
      EXPECT_EQ(StateOf(dc), before) << painter->LookAndFeelStyle() << " " << name;
      EXPECT_EQ(canvas.Brush().Color(), clLime) << painter->LookAndFeelStyle() << " " << name;
      EXPECT_EQ(canvas.Brush().Style(), bsSolid) << painter->LookAndFeelStyle() << " " << name;
      EXPECT_EQ(canvas.Pen().Color(), clBlue) << painter->LookAndFeelStyle() << " " << name;
      EXPECT_EQ(canvas.Font().Color(), clYellow) << painter->LookAndFeelStyle() << " " << name;
    }
}

TEST(PainterDCStateTest, TheStateComesBackWhenADrawingThrows) {
  Picture picture(20, 20);
  TcxCanvas& canvas = picture.Canvas();
  canvas.Brush().SetColor(clLime);
  const TcxDrawBackgroundEvent throwing = [](TcxCanvas& c, const TRect&) -> bool {
    c.Brush().SetColor(clRed);
    throw Exception("background");
  };
  EXPECT_THROW(cxStandardLookAndFeelPainter()->DrawHeaderContent(canvas, {0, 0, 20, 20}, {0, 0, 20, 20}, cxbsNormal,
                                                                 taLeftJustify, vaTop, false, false, "", nullptr, clRed,
                                                                 clWindow, throwing),
               Exception);
  EXPECT_EQ(canvas.Brush().Color(), clLime);
}

TEST(PainterRegistryTest, NoPainterIsRegisteredByNameAndAListenerIsAddedOnce) {
  TcxExtendedStylePainters* painters = GetExtendedStylePainters();
  ASSERT_NE(painters, nullptr);
  TcxLookAndFeelPainterClass painter = nullptr;
  EXPECT_FALSE(painters->GetPainterByName("Standard", painter));
  struct TListener : IcxLookAndFeelPainterListener {
    void PainterChanged() override {}
  } listener;
  painters->AddListener(&listener);
  painters->AddListener(&listener);
  EXPECT_EQ(painters->ListenerCount(), 1);
  painters->RemoveListener(&listener);
  EXPECT_EQ(painters->ListenerCount(), 0);
}

}  // namespace
