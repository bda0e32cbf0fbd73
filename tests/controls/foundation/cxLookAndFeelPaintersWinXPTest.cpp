#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/foundation/FoundationUnits.h"
#include "controls/foundation/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/foundation/graphics/dxThemeManager.h"
#include "controls/foundation/graphics/dxUxTheme.h"

namespace {

class PainterEnvironment : public testing::Environment {
 public:
  void SetUp() override { InitializeUnits(FoundationUnits()); }
  void TearDown() override { FinalizeUnits(); }
};
const testing::Environment* const gEnvironment = testing::AddGlobalTestEnvironment(new PainterEnvironment);

// A visual style that records what it is asked to draw and answers sizes,
// margins and colours as the test sets them; a handle is the index of its
// class name plus one.
struct TDrawn {
  std::wstring ClassName;
  int Part;
  int State;
  bool operator==(const TDrawn&) const = default;
};

struct TFakeTheme {
  bool Active = true;
  std::vector<std::wstring> Classes;
  std::vector<TDrawn> Drawn;
  bool ColorFails = true;
  COLORREF Color = RGB(10, 20, 30);
  bool SizeFails = false;
  SIZE PartSize{3, 3};
  bool MarginFails = false;
  int Margin = 3;
};
TFakeTheme gFake;

HTHEME WINAPI FakeOpenThemeData(HWND, LPCWSTR classList) {
  if (!gFake.Active) return nullptr;
  gFake.Classes.push_back(classList);
  return reinterpret_cast<HTHEME>(gFake.Classes.size());
}
HRESULT WINAPI FakeCloseThemeData(HTHEME) { return S_OK; }
BOOL WINAPI FakeIsThemeActive() { return gFake.Active; }
HRESULT WINAPI FakeDrawThemeBackground(HTHEME theme, HDC, int part, int state, LPCRECT, LPCRECT) {
  gFake.Drawn.push_back({gFake.Classes[reinterpret_cast<size_t>(theme) - 1], part, state});
  return S_OK;
}
HRESULT WINAPI FakeDrawThemeText(HTHEME, HDC, int, int, LPCWSTR, int, DWORD, DWORD, LPCRECT) { return S_OK; }
HRESULT WINAPI FakeGetThemeColor(HTHEME, int, int, int, COLORREF* color) {
  if (gFake.ColorFails) return HRESULT_FROM_WIN32(ERROR_NOT_FOUND);
  *color = gFake.Color;
  return S_OK;
}
HRESULT WINAPI FakeGetThemePartSize(HTHEME, HDC, int, int, LPRECT, THEMESIZE, SIZE* size) {
  if (gFake.SizeFails) return E_FAIL;
  *size = gFake.PartSize;
  return S_OK;
}
HRESULT WINAPI FakeGetThemeBackgroundContentRect(HTHEME, HDC, int, int, LPCRECT bounding, LPRECT content) {
  if (gFake.MarginFails) return E_FAIL;
  *content = {bounding->left + gFake.Margin, bounding->top + gFake.Margin, bounding->right - gFake.Margin,
              bounding->bottom - gFake.Margin};
  return S_OK;
}
BOOL WINAPI FakeIsThemeBackgroundPartiallyTransparent(HTHEME, int, int) { return FALSE; }
HRESULT WINAPI FakeGetCurrentThemeName(LPWSTR, int, LPWSTR, int, LPWSTR, int) { return E_FAIL; }

TUxThemeBinding FakeBinding() {
  TUxThemeBinding binding;
  binding.WinXPOrLater = binding.Loaded = true;
  binding.Api.OpenThemeData = FakeOpenThemeData;
  binding.Api.CloseThemeData = FakeCloseThemeData;
  binding.Api.IsThemeActive = FakeIsThemeActive;
  binding.Api.DrawThemeBackground = FakeDrawThemeBackground;
  binding.Api.DrawThemeText = FakeDrawThemeText;
  binding.Api.GetThemeColor = FakeGetThemeColor;
  binding.Api.GetThemePartSize = FakeGetThemePartSize;
  binding.Api.GetThemeBackgroundContentRect = FakeGetThemeBackgroundContentRect;
  binding.Api.IsThemeBackgroundPartiallyTransparent = FakeIsThemeBackgroundPartiallyTransparent;
  binding.Api.GetCurrentThemeName = FakeGetCurrentThemeName;
  return binding;
}

void SendThemeChanged() { SendMessageA(ThemeChangedReceiverWindow(), WM_THEMECHANGED, 0, 0); }

// The real style's handles are closed by the real library, the fake's by the fake.
class FakeThemeTest : public testing::Test {
 protected:
  void SetUp() override {
    gFake = {};
    CloseAllThemes();
    SetUxThemeBinding(FakeBinding());
    SendThemeChanged();
  }
  void TearDown() override {
    CloseAllThemes();
    SetUxThemeBinding(FSaved);
    SendThemeChanged();
  }
  void SwitchThemeOff() {
    gFake.Active = false;
    SendThemeChanged();
  }

  TUxThemeBinding FSaved = UxThemeBinding();
};

TcxLookAndFeelPainterClass WinXP() { return cxWinXPLookAndFeelPainter(); }

std::vector<uint32_t> Drawn(TcxLookAndFeelPainterClass painter,
                            const std::function<void(TcxLookAndFeelPainterClass, TcxCanvas&)>& draw) {
  TBitmap bitmap;
  bitmap.SetSize(40, 30);
  TcxCanvas canvas(bitmap.Canvas());
  canvas.FillRectWithColor({0, 0, 40, 30}, RGB(1, 2, 3));
  draw(painter, canvas);
  return bitmap.GetPixels();
}

using TDrawing = std::function<void(TcxLookAndFeelPainterClass, TcxCanvas&)>;

std::vector<std::pair<std::string, TDrawing>> ClassicFallbackDrawings() {
  std::vector<std::pair<std::string, TDrawing>> drawings;
  const TRect r{2, 2, 34, 24};
  for (const TcxCheckBoxState check : {cbsUnchecked, cbsChecked, cbsGrayed})
    for (int state = cxbsDefault; state <= cxbsDisabled; ++state)
      drawings.push_back({"check " + std::to_string(check) + "/" + std::to_string(state), [=](auto p, auto& c) {
                            p->DrawCheckButton(c, {2, 2, 15, 15}, static_cast<TcxButtonState>(state), check);
                          }});
  for (int state = cxbsDefault; state <= cxbsDisabled; ++state) {
    const auto s = static_cast<TcxButtonState>(state);
    drawings.push_back({"button " + std::to_string(state), [=](auto p, auto& c) { p->DrawButton(c, r, "Go", s); }});
    drawings.push_back({"drop-down " + std::to_string(state),
                        [=](auto p, auto& c) { p->DrawDropDownButton(c, r, s, state % 2 == 0); }});
    for (const TcxScrollBarPart part : {sbpLineUp, sbpLineDown, sbpThumbnail, sbpPageUp, sbpPageDown})
      drawings.push_back({"scroll part " + std::to_string(part) + "/" + std::to_string(state),
                          [=](auto p, auto& c) { p->DrawScrollBarPart(c, part % 2 == 0, r, part, s); }});
  }
  drawings.push_back({"border", [=](auto p, auto& c) { p->DrawBorder(c, r); }});
  for (const bool expanded : {false, true})
    drawings.push_back({"expand " + std::to_string(expanded), [=](auto p, auto& c) {
                          p->DrawExpandButton(c, {4, 4, 16, 16}, expanded);
                        }});
  return drawings;
}

void ExpectDrawnAsStandard() {
  for (const auto& [name, draw] : ClassicFallbackDrawings())
    EXPECT_EQ(Drawn(WinXP(), draw), Drawn(cxStandardLookAndFeelPainter(), draw)) << name;
  EXPECT_EQ(WinXP()->BorderSize(), 2);
}

TEST(WinXPWithoutLibraryTest, EveryElementIsDrawnAsStandard) {
  const TUxThemeBinding saved = UxThemeBinding();
  CloseAllThemes();
  SetUxThemeBinding({});
  ExpectDrawnAsStandard();
  SetUxThemeBinding(saved);
}

TEST_F(FakeThemeTest, WhenTheStyleGoesOffWhileRunningTheNextDrawingIsStandard) {
  EXPECT_EQ(WinXP()->BorderSize(), 1);
  Drawn(WinXP(), [](auto p, auto& c) { p->DrawButton(c, {0, 0, 20, 20}, "", cxbsNormal); });
  EXPECT_EQ(gFake.Drawn, (std::vector<TDrawn>{{L"Button", 1, 1}}));
  SwitchThemeOff();
  ExpectDrawnAsStandard();
  EXPECT_EQ(gFake.Drawn.size(), 1u);
}

TEST_F(FakeThemeTest, EachElementAndStateDrawsItsThemePartAndState) {
  const struct {
    const char* Name;
    TDrawing Draw;
    std::vector<TDrawn> Expected;
  } cases[] = {
      {"check box checked hot",
       [](auto p, auto& c) {
         p->DrawCheckButton(c, {0, 0, 13, 13}, cxbsHot, cbsChecked);
       },
       {{L"Button", 3, 6}}},
      {"check box unchecked disabled",
       [](auto p, auto& c) {
         p->DrawCheckButton(c, {0, 0, 13, 13}, cxbsDisabled, cbsUnchecked);
       },
       {{L"Button", 3, 4}}},
      {"check box grayed hot",
       [](auto p, auto& c) {
         p->DrawCheckButton(c, {0, 0, 13, 13}, cxbsHot, cbsGrayed);
       },
       {{L"Button", 3, 10}}},
      {"check box grayed default",
       [](auto p, auto& c) {
         p->DrawCheckButton(c, {0, 0, 13, 13}, cxbsDefault, cbsGrayed);
       },
       {{L"Button", 3, 9}}},
      {"check box grayed disabled",
       [](auto p, auto& c) {
         p->DrawCheckButton(c, {0, 0, 13, 13}, cxbsDisabled, cbsGrayed);
       },
       {{L"Button", 3, 12}}},
      {"push button default",
       [](auto p, auto& c) {
         p->DrawButton(c, {0, 0, 20, 20}, "", cxbsDefault);
       },
       {{L"Button", 1, 5}}},
      {"radio checked pressed",
       [](auto p, auto& c) { p->DrawRadioButton(c, 0, 0, cxbsPressed, true, false, clDefault); },
       {{L"Button", 2, 7}}},
      {"down arrow hot",
       [](auto p, auto& c) {
         p->DrawScrollBarArrow(c, {0, 0, 17, 17}, cxbsHot, adDown);
       },
       {{L"ScrollBar", 1, 6}}},
      {"right arrow disabled",
       [](auto p, auto& c) {
         p->DrawScrollBarPart(c, true, {0, 0, 17, 17}, sbpLineDown, cxbsDisabled);
       },
       {{L"ScrollBar", 1, 16}}},
      {"horizontal thumb pressed",
       [](auto p, auto& c) {
         p->DrawScrollBarPart(c, true, {0, 0, 30, 17}, sbpThumbnail, cxbsPressed);
       },
       {{L"ScrollBar", 2, 3}, {L"ScrollBar", 8, 3}}},
      {"vertical second page hot",
       [](auto p, auto& c) {
         p->DrawScrollBarPart(c, false, {0, 0, 17, 30}, sbpPageDown, cxbsHot);
       },
       {{L"ScrollBar", 7, 2}}},
      {"size grip",
       [](auto p, auto& c) {
         p->DrawSizeGrip(c, {0, 0, 17, 17}, clBtnFace);
       },
       {{L"ScrollBar", 10, 1}}},
      {"header disabled",
       [](auto p, auto& c) {
         p->DrawHeader(c, {0, 0, 30, 20}, {0, 0, 30, 20}, {}, cxBordersAll, cxbsDisabled, taLeftJustify, vaCenter,
                       false, false, "Name", nullptr, clBtnText, clBtnFace);
       },
       {{L"Header", 1, 1}}},
      {"tool-bar button normal",
       [](auto p, auto& c) {
         p->DrawToolBarButton(c, {0, 0, 20, 20}, cxbsNormal);
       },
       {{L"ToolBar", 1, 2}}},
      {"tool-bar button hot",
       [](auto p, auto& c) {
         p->DrawToolBarButton(c, {0, 0, 20, 20}, cxbsHot);
       },
       {{L"ToolBar", 1, 5}}},
      {"tree glyph expanded",
       [](auto p, auto& c) {
         p->DrawExpandButton(c, {0, 0, 9, 9}, true);
       },
       {{L"TreeView", 2, 2}}},
      {"group button expanded default",
       [](auto p, auto& c) {
         p->DrawGroupExpandButton(c, {0, 0, 15, 15}, true, cxbsDefault);
       },
       {{L"ExplorerBar", 6, 6}}},
      {"group button collapsed disabled",
       [](auto p, auto& c) {
         p->DrawGroupExpandButton(c, {0, 0, 15, 15}, false, cxbsDisabled);
       },
       {{L"ExplorerBar", 7, 1}}},
      {"close button hot",
       [](auto p, auto& c) {
         p->DrawCloseButton(c, {0, 0, 16, 14}, cxbsHot);
       },
       {{L"Window", 19, 2}}},
      {"drop-down pressed",
       [](auto p, auto& c) {
         p->DrawDropDownButton(c, {0, 0, 17, 20}, cxbsPressed, true);
       },
       {{L"ComboBox", 1, 3}}},
  };
  for (const auto& c : cases) {
    gFake.Drawn.clear();
    Drawn(WinXP(), c.Draw);
    EXPECT_EQ(gFake.Drawn, c.Expected) << c.Name;
  }
}

TEST_F(FakeThemeTest, TheThumbIsNeverShorterThanEight) {
  gFake.PartSize = {3, 3};
  EXPECT_EQ(WinXP()->ScrollBarMinimalThumbSize(true), 8);
  gFake.PartSize = {20, 11};
  EXPECT_EQ(WinXP()->ScrollBarMinimalThumbSize(true), 20);
  EXPECT_EQ(WinXP()->ScrollBarMinimalThumbSize(false), 11);
  gFake.SizeFails = true;
  EXPECT_EQ(WinXP()->ScrollBarMinimalThumbSize(false), 8);
}

// A style may lack a property (Wine's has no button fill colour): the
// answer is then the parent's.
TEST_F(FakeThemeTest, AFailingReadGivesTheParentsAnswer) {
  const TcxLookAndFeelPainterClass standard = cxStandardLookAndFeelPainter();
  for (int state = cxbsDefault; state <= cxbsDisabled; ++state) {
    const auto s = static_cast<TcxButtonState>(state);
    EXPECT_EQ(WinXP()->ButtonColor(s), standard->ButtonColor(s)) << state;
    EXPECT_EQ(WinXP()->ButtonSymbolColor(s), standard->ButtonSymbolColor(s)) << state;
  }
  EXPECT_EQ(WinXP()->DefaultColor33(), clBlack);
  gFake.MarginFails = true;
  EXPECT_EQ(WinXP()->ButtonBorderSize(cxbsNormal), 2);
  EXPECT_EQ(WinXP()->ButtonBorderSize(cxbsDefault), 3);
  EXPECT_EQ(WinXP()->HeaderBorderSize(), 1);
  gFake.SizeFails = true;
  EXPECT_EQ(WinXP()->ExpandButtonSize(), 12);
  EXPECT_EQ(WinXP()->CheckButtonSize().cx, standard->CheckButtonSize().cx);

  gFake.ColorFails = gFake.MarginFails = gFake.SizeFails = false;
  EXPECT_EQ(WinXP()->ButtonColor(cxbsHot), static_cast<TColor>(gFake.Color));
  EXPECT_EQ(WinXP()->DefaultColor33(), static_cast<TColor>(gFake.Color));
  EXPECT_EQ(WinXP()->ButtonBorderSize(cxbsDefault), 3);
  gFake.Margin = 4;
  EXPECT_EQ(WinXP()->ButtonBorderSize(cxbsNormal), 4);
  EXPECT_EQ(WinXP()->HeaderSectionBorderSize(cxbsNormal), 4);
  EXPECT_EQ(WinXP()->ExpandButtonSize(), 3);
}

// Wine's own visual style: everything draws, and a button looks like the style's, not Standard's.
TEST(WinXPOnWinesThemeTest, AllElementsDrawAndAButtonDiffersFromStandard) {
  ASSERT_TRUE(AreVisualStylesAvailable({totButton}));
  for (const auto& [name, draw] : ClassicFallbackDrawings()) Drawn(WinXP(), draw);
  const TDrawing button = [](auto p, auto& c) { p->DrawButton(c, {2, 2, 34, 24}, "", cxbsNormal); };
  EXPECT_NE(Drawn(WinXP(), button), Drawn(cxStandardLookAndFeelPainter(), button));
  EXPECT_EQ(WinXP()->ButtonColor(cxbsNormal), clBtnFace);
  EXPECT_GE(WinXP()->ScrollBarMinimalThumbSize(true), 8);
}

}  // namespace
