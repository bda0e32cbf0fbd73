#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "controls/editors/base/cxEditPopupWindow.h"
#include "controls/foundation/graphics/cxEditPaintUtils.h"
#include "controls/foundation/graphics/dxUxTheme.h"
#include "platform/graphics/GdiHandles.h"
#include "tests/controls/foundation/FakeCurrentTheme.h"

namespace {

constexpr int kWidth = 100;
constexpr int kHeight = 80;
const HTHEME kWindowTheme = reinterpret_cast<HTHEME>(1);
const HTHEME kScrollBarTheme = reinterpret_cast<HTHEME>(2);

// The window theme's close button is 21 by 23, the scroll bar's size box
// 15 by 15; drawing a part fills it with a colour of its state.
struct TFakePopupThemes {
  static TColor StateColor(int state) { return RGB(10 * state, 0, 200); }
  static HTHEME WINAPI OpenThemeData(HWND, LPCWSTR classList) {
    return lstrcmpiW(classList, L"ScrollBar") == 0 ? kScrollBarTheme : kWindowTheme;
  }
  static HRESULT WINAPI GetThemePartSize(HTHEME theme, HDC, int, int, RECT*, THEMESIZE, SIZE* size) {
    *size = theme == kWindowTheme ? SIZE{21, 23} : SIZE{15, 15};
    return S_OK;
  }
  static HRESULT WINAPI DrawThemeBackground(HTHEME, HDC dc, int, int state, LPCRECT rect, LPCRECT) {
    TGdiObject<HBRUSH> brush(CreateSolidBrush(StateColor(state)));
    FillRect(dc, rect, brush.Get());
    return S_OK;
  }
  static BOOL WINAPI IsThemeBackgroundPartiallyTransparent(HTHEME, int, int) { return FALSE; }
};

int SystemPanelHeight() { return std::max(GetSystemMetrics(SM_CYHSCROLL), GetSystemMetrics(SM_CYSIZE)); }

class EditPopupViewInfoTest : public FakeCurrentThemeTest {
 protected:
  void SetUp() override {
    FakeCurrentThemeTest::SetUp();
    TUxThemeBinding binding = UxThemeBinding();
    binding.Api.OpenThemeData = TFakePopupThemes::OpenThemeData;
    binding.Api.GetThemePartSize = TFakePopupThemes::GetThemePartSize;
    binding.Api.DrawThemeBackground = TFakePopupThemes::DrawThemeBackground;
    binding.Api.IsThemeBackgroundPartiallyTransparent = TFakePopupThemes::IsThemeBackgroundPartiallyTransparent;
    SetUxThemeBinding(binding);
    cxEditPaintUtilsInitialize();
    FViewInfo.Bounds = Rect(0, 0, kWidth, kHeight);
  }
  void TearDown() override {
    cxEditPaintUtilsFinalize();
    FakeCurrentThemeTest::TearDown();
  }
  void Paint(TBitmap& bitmap) {
    bitmap.SetSize(kWidth, kHeight);
    bitmap.Canvas().Brush().SetColor(clWhite);
    bitmap.Canvas().FillRect(Rect(0, 0, kWidth, kHeight));
    FViewInfo.Calculate();
    TcxCanvas canvas(bitmap.Canvas());
    FViewInfo.Paint(canvas);
  }
  COLORREF Pixel(int x, int y) { return GetPixel(FBitmap.DC(), x, y); }
  // The pixels of row y from x on, left to right.
  std::vector<COLORREF> Row(int x, int y, int count) {
    std::vector<COLORREF> pixels;
    for (int i = 0; i < count; ++i) pixels.push_back(Pixel(x + i, y));
    return pixels;
  }
  static std::vector<COLORREF> Colors(std::initializer_list<TColor> colors) {
    std::vector<COLORREF> result;
    for (TColor color : colors) result.push_back(ColorToRGB(color));
    return result;
  }

  TcxCustomEditPopupWindowViewInfo FViewInfo;
  TBitmap FBitmap;
};

TEST_F(EditPopupViewInfoTest, ClientRectPerBorderStyleShadowCornerAndClientEdge) {
  struct TCase {
    TcxEditPopupBorderStyle Style;
    bool Native, ClientEdge, Shadow, SysPanel;
    TcxEditPopupSysPanelCorner Corner;
    // The extent without the sys panel, and the separator the panel adds.
    TRect Extent;
    int Separator;
  };
  const TCase cases[] = {
      {epbsDefault, false, true, false, true, spcBottomRight, {0, 0, 0, 0}, 0},
      {epbsSingle, false, false, false, true, spcBottomRight, {1, 1, 1, 1}, 1},
      {epbsSingle, false, true, true, true, spcTopLeft, {3, 3, 6, 6}, 1},
      {epbsFrame3D, false, true, false, true, spcTopRight, {6, 6, 6, 6}, 0},
      {epbsFrame3D, false, false, true, false, spcBottomLeft, {4, 4, 7, 7}, 0},
      {epbsFlat, false, true, true, true, spcBottomLeft, {3, 3, 6, 6}, 0},
      {epbsFlat, true, true, false, false, spcBottomRight, {3, 3, 3, 3}, 1},
      {epbsDefault, true, false, true, true, spcTopRight, {1, 1, 4, 4}, 1},
  };
  for (const TCase& c : cases) {
    FViewInfo.PopupBorderStyle = c.Style;
    FViewInfo.NativeStyle = c.Native;
    FViewInfo.ClientEdge = c.ClientEdge;
    FViewInfo.Shadow = c.Shadow;
    FViewInfo.SysPanelStyle = c.SysPanel;
    FViewInfo.SysPanelCorner = c.Corner;
    FViewInfo.Calculate();
    // The native panel is as high as the themed close button.
    const int panel = c.SysPanel ? (c.Native ? std::max(23, SystemPanelHeight()) : SystemPanelHeight()) : 0;
    const int panelSide = c.SysPanel ? panel + c.Separator : 0;
    TRect expected{c.Extent.left, c.Extent.top, kWidth - c.Extent.right, kHeight - c.Extent.bottom};
    (IsTopCorner(c.Corner) ? expected.top : expected.bottom) += IsTopCorner(c.Corner) ? panelSide : -panelSide;
    const std::string label = "style " + std::to_string(c.Style) + " corner " + std::to_string(c.Corner);
    EXPECT_TRUE(EqualRect(&FViewInfo.ClientRect, &expected)) << label;
    EXPECT_EQ(FViewInfo.SysPanelHeight, panel) << label;
  }
}

TEST_F(EditPopupViewInfoTest, GripAndCloseButtonSitInThePanelAwayFromTheEditor) {
  FViewInfo.PopupBorderStyle = epbsSingle;
  FViewInfo.Shadow = true;
  FViewInfo.SysPanelStyle = FViewInfo.Sizeable = FViewInfo.CloseButton = true;
  const int h = SystemPanelHeight();
  struct TCase {
    TcxEditPopupSysPanelCorner Corner;
    TRect Sizing, Grip, Close;
  };
  // The panel area is (1, 1, 96, 76): inside the frame, less the shadow.
  const TCase cases[] = {
      {spcBottomRight,
       {96 - (h - 2), 76 - (h - 2), 96, 76},
       {96 - (h - 2), 76 - (h - 2), 94, 74},
       {4, 74 - (h - 4), 4 + h - 4, 74}},
      {spcTopLeft, {1, 1, 1 + h - 2, 1 + h - 2}, {3, 3, 1 + h - 2, 1 + h - 2}, {93 - (h - 4), 3, 93, 3 + h - 4}},
  };
  for (const TCase& c : cases) {
    FViewInfo.SysPanelCorner = c.Corner;
    FViewInfo.Calculate();
    EXPECT_TRUE(EqualRect(&FViewInfo.SizeGripSizingRect, &c.Sizing)) << c.Corner;
    EXPECT_TRUE(EqualRect(&FViewInfo.SizeGripRect, &c.Grip)) << c.Corner;
    EXPECT_TRUE(EqualRect(&FViewInfo.CloseButtonRect, &c.Close)) << c.Corner;
  }
  FViewInfo.CloseButton = false;
  FViewInfo.Calculate();
  EXPECT_TRUE(IsRectEmpty(&FViewInfo.CloseButtonRect));
}

TEST_F(EditPopupViewInfoTest, ThemedCloseButtonIsCentredInThePanel) {
  FViewInfo.NativeStyle = FViewInfo.SysPanelStyle = FViewInfo.CloseButton = true;
  FViewInfo.SysPanelCorner = spcBottomRight;
  FViewInfo.CloseButtonState = cxbsHot;
  Paint(FBitmap);
  const int panel = std::max(23, SystemPanelHeight());
  const int top = kHeight - 1 - (panel - 23) / 2 - 23;
  const TRect expected{2, top, 23, top + 23};
  EXPECT_TRUE(EqualRect(&FViewInfo.CloseButtonRect, &expected));
  EXPECT_EQ(Pixel(10, top + 5), ColorToRGB(TFakePopupThemes::StateColor(cxbsHot)));
  // The separator runs just above the panel.
  EXPECT_EQ(Pixel(40, kHeight - 1 - panel - 1), ColorToRGB(clBtnText));
}

TEST_F(EditPopupViewInfoTest, SizingPlacesAreTheFrameAndTheGrip) {
  FViewInfo.PopupBorderStyle = epbsFrame3D;
  FViewInfo.SysPanelStyle = FViewInfo.Sizeable = FViewInfo.CloseButton = true;
  struct TCase {
    TcxEditPopupSysPanelCorner Corner;
    POINT P;
    bool Sizing;
    int Horizontal, Vertical;
  };
  const TCase cases[] = {
      {spcBottomRight, {50, 40}, false, 0, 0},  {spcBottomRight, {99, 40}, true, 1, 0},
      {spcBottomRight, {0, 40}, true, 0, 0},    {spcBottomRight, {99, 79}, true, 1, 1},
      {spcBottomRight, {93, 73}, true, 1, 1},   {spcBottomRight, {8, 73}, false, 0, 0},
      {spcBottomRight, {100, 40}, false, 0, 0}, {spcTopLeft, {0, 0}, true, -1, -1},
      {spcTopLeft, {6, 6}, true, -1, -1},       {spcTopLeft, {99, 79}, true, 0, 0},
      {spcTopRight, {50, 0}, true, 0, -1},
  };
  for (const TCase& c : cases) {
    FViewInfo.SysPanelCorner = c.Corner;
    FViewInfo.Calculate();
    TcxEditPopupSizingDirections directions{7, 7};
    EXPECT_EQ(FViewInfo.IsSizingPlace(c.P, directions), c.Sizing) << c.P.x << "," << c.P.y;
    EXPECT_EQ(directions.Horizontal, c.Horizontal) << c.P.x << "," << c.P.y;
    EXPECT_EQ(directions.Vertical, c.Vertical) << c.P.x << "," << c.P.y;
  }
}

// Without a sys panel the client edge hugs the client rectangle on every side.
TEST_F(EditPopupViewInfoTest, FramePixelsPerBorderStyle) {
  struct TCase {
    TcxEditPopupBorderStyle Style;
    bool ClientEdge;
    std::vector<COLORREF> LeftColumns;
    // From the bottom row up.
    std::vector<COLORREF> BottomRows;
  };
  const TCase cases[] = {
      {epbsSingle, false, Colors({clBtnText, clBtnFace}), Colors({clBtnText, clBtnFace})},
      {epbsSingle, true, Colors({clBtnText, clBtnShadow, cl3DDkShadow, clBtnFace}),
       Colors({clBtnText, clBtnHighlight, cl3DLight, clBtnFace})},
      {epbsFrame3D, true,
       Colors({cl3DLight, clBtnHighlight, clInactiveBorder, clBtnFace, clBtnShadow, cl3DDkShadow, clBtnFace}),
       Colors({cl3DDkShadow, clBtnShadow, clInactiveBorder, clBtnFace, clBtnHighlight, cl3DLight, clBtnFace})},
      {epbsFrame3D, false, Colors({cl3DLight, clBtnHighlight, clBtnFace, clBtnShadow, clBtnFace}),
       Colors({cl3DDkShadow, clBtnShadow, clBtnFace, clBtnHighlight, clBtnFace})},
      {epbsFlat, true, Colors({cl3DLight, clBtnHighlight, clBtnShadow, clBtnFace}),
       Colors({cl3DDkShadow, clBtnShadow, clBtnHighlight, clBtnFace})},
  };
  for (const TCase& c : cases) {
    FViewInfo.PopupBorderStyle = c.Style;
    FViewInfo.ClientEdge = c.ClientEdge;
    Paint(FBitmap);
    EXPECT_EQ(Row(0, kHeight / 2, static_cast<int>(c.LeftColumns.size())), c.LeftColumns) << c.Style;
    std::vector<COLORREF> bottomUp;
    for (size_t i = 0; i < c.BottomRows.size(); ++i) bottomUp.push_back(Pixel(kWidth / 2, kHeight - 1 - int(i)));
    EXPECT_EQ(bottomUp, c.BottomRows) << c.Style;
  }
}

TEST_F(EditPopupViewInfoTest, ShadowFallsRightAndBelowOnly) {
  FViewInfo.PopupBorderStyle = epbsSingle;
  FViewInfo.Shadow = true;
  Paint(FBitmap);
  EXPECT_EQ(Row(kWidth - 4, 40, 4), Colors({clBtnText, clBtnShadow, clBtnShadow, clBtnShadow}));
  EXPECT_EQ(Pixel(kWidth - 1, 2), ColorToRGB(clWhite));
  EXPECT_EQ(Pixel(2, kHeight - 1), ColorToRGB(clWhite));
  EXPECT_EQ(Pixel(50, kHeight - 1), ColorToRGB(clBtnShadow));
}

TEST_F(EditPopupViewInfoTest, SysPanelAboveTheEditorIsTheOneBelowTurnedOver) {
  FViewInfo.PopupBorderStyle = epbsSingle;
  FViewInfo.SysPanelStyle = FViewInfo.Sizeable = true;
  FViewInfo.SysPanelCorner = spcBottomRight;
  Paint(FBitmap);
  const TRect grip = FViewInfo.SizeGripRect;
  int ink = 0;
  for (int y = grip.top; y < grip.bottom; ++y)
    for (int x = grip.left; x < grip.right; ++x) ink += Pixel(x, y) != ColorToRGB(clBtnFace);
  EXPECT_GT(ink, 0);
  struct TCase {
    TcxEditPopupSysPanelCorner Corner;
    bool MirrorX, MirrorY;
  };
  for (const TCase& c :
       {TCase{spcTopLeft, true, true}, TCase{spcTopRight, false, true}, TCase{spcBottomLeft, true, false}}) {
    FViewInfo.SysPanelCorner = c.Corner;
    TBitmap turned;
    Paint(turned);
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x)
        ASSERT_EQ(GetPixel(turned.DC(), c.MirrorX ? kWidth - 1 - x : x, c.MirrorY ? kHeight - 1 - y : y), Pixel(x, y))
            << "corner " << c.Corner << " at " << x << "," << y;
  }
}

TEST_F(EditPopupViewInfoTest, ClassicCloseButtonIsTheKindPainters) {
  FViewInfo.PopupBorderStyle = epbsFlat;
  FViewInfo.SysPanelStyle = FViewInfo.CloseButton = true;
  FViewInfo.LookAndFeelKind = lfStandard;
  FViewInfo.CloseButtonState = cxbsPressed;
  Paint(FBitmap);
  const TRect q = FViewInfo.CloseButtonRect;
  TBitmap alone;
  alone.SetSize(kWidth, kHeight);
  alone.Canvas().Brush().SetColor(clWhite);
  alone.Canvas().FillRect(Rect(0, 0, kWidth, kHeight));
  TcxCanvas canvas(alone.Canvas());
  KindPainter(lfStandard)->DrawCloseButton(canvas, q, cxbsPressed);
  for (int y = q.top; y < q.bottom; ++y)
    for (int x = q.left; x < q.right; ++x) ASSERT_EQ(Pixel(x, y), GetPixel(alone.DC(), x, y)) << x << "," << y;
}

}  // namespace
