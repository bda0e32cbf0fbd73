#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/foundation/graphics/dxThemeManager.h"
#include "controls/foundation/graphics/dxUxTheme.h"

namespace {

// The fake visual-style library: every theme it opens is a new handle, and it
// records what it is asked.
struct TFakeUxTheme {
  std::vector<std::wstring> Opened;
  std::vector<HTHEME> Closed;
  std::vector<int> DrawnTextLengths;
  std::wstring DrawnText;
  BOOL Active = TRUE;
  int NextHandle = 1;
};
TFakeUxTheme* gFake = nullptr;

HTHEME WINAPI FakeOpenThemeData(HWND, LPCWSTR classList) {
  gFake->Opened.emplace_back(classList);
  return reinterpret_cast<HTHEME>(static_cast<intptr_t>(gFake->NextHandle++));
}

HRESULT WINAPI FakeCloseThemeData(HTHEME theme) {
  gFake->Closed.push_back(theme);
  return S_OK;
}

BOOL WINAPI FakeIsThemeActive() { return gFake->Active; }

HRESULT WINAPI FakeDrawThemeText(HTHEME, HDC, int, int, LPCWSTR text, int count, DWORD, DWORD, LPCRECT) {
  gFake->DrawnTextLengths.push_back(count);
  gFake->DrawnText.assign(text, static_cast<size_t>(count));
  return S_OK;
}

TUxThemeBinding FakeBinding() {
  TUxThemeBinding binding;
  binding.WinXPOrLater = true;
  binding.Loaded = true;
  binding.Api.OpenThemeData = FakeOpenThemeData;
  binding.Api.CloseThemeData = FakeCloseThemeData;
  binding.Api.IsThemeActive = FakeIsThemeActive;
  binding.Api.DrawThemeText = FakeDrawThemeText;
  return binding;
}

// The theme manager running on the fake library.
class ThemeManagerTest : public testing::Test {
 protected:
  void SetUp() override {
    gFake = &FFake;
    SetUxThemeBinding(FakeBinding());
    dxThemeManagerInitialize();
  }
  void TearDown() override {
    dxThemeManagerFinalize();
    SetUxThemeBinding({});
    gFake = nullptr;
  }
  void SendThemeChanged() { SendMessageA(ThemeChangedReceiverWindow(), WM_THEMECHANGED, 0, 0); }

  TFakeUxTheme FFake;
};

TEST_F(ThemeManagerTest, AClassListDifferingOnlyInCaseReusesTheOpenTheme) {
  const HTHEME button = OpenTheme(totButton);
  EXPECT_EQ(OpenTheme(totButton, L"BUTTON"), button);
  EXPECT_EQ(OpenTheme(totButton), button);
  EXPECT_EQ(FFake.Opened, std::vector<std::wstring>{L"Button"});

  const HTHEME other = OpenTheme(totButton, L"Explorer::Button");
  EXPECT_NE(other, button);
  EXPECT_EQ(FFake.Closed, std::vector<HTHEME>{button});
}

TEST_F(ThemeManagerTest, WithoutActiveStylesNoThemeOpensWhateverTheClassList) {
  FFake.Active = FALSE;
  SendThemeChanged();
  EXPECT_EQ(OpenTheme(totButton), nullptr);
  EXPECT_EQ(OpenTheme(totButton, L"Explorer::Button"), nullptr);
  EXPECT_FALSE(IsThemeTypeAvailable(totButton));
  EXPECT_TRUE(FFake.Opened.empty());
  EXPECT_TRUE(FFake.Closed.empty());
}

TEST_F(ThemeManagerTest, AvailabilityAsksEveryTypeOfTheSet) {
  EXPECT_TRUE(AreVisualStylesAvailable());
  EXPECT_TRUE(FFake.Opened.empty());
  EXPECT_TRUE(AreVisualStylesAvailable({totEdit, totScrollBar}));
  EXPECT_EQ(FFake.Opened, (std::vector<std::wstring>{L"Edit", L"ScrollBar"}));
  EXPECT_TRUE(IsThemeTypeAvailable(totWindow));
}

TEST_F(ThemeManagerTest, AThemeChangeClosesAllRereadsTheFlagAndTellsEachNotificatorInOrder) {
  const HTHEME edit = OpenTheme(totEdit, L"Edit;Explorer");
  const HTHEME tab = OpenTheme(totTab);
  std::vector<int> calls;
  std::vector<bool> flagsSeen;
  TdxThemeChangedNotificator first;
  auto* second = new TdxThemeChangedNotificator;
  TdxThemeChangedNotificator third;
  // The first frees the second while the change is being told.
  first.SetOnThemeChanged([&] {
    calls.push_back(1);
    EXPECT_EQ(FFake.Closed, (std::vector<HTHEME>{edit, tab}));
    flagsSeen.push_back(IsThemeActiveFlag());
    delete second;
    second = nullptr;
  });
  second->SetOnThemeChanged([&] { calls.push_back(2); });
  third.SetOnThemeChanged([&] { calls.push_back(3); });

  FFake.Active = FALSE;
  SendThemeChanged();
  EXPECT_EQ(calls, (std::vector<int>{1, 3}));
  EXPECT_FALSE(AreVisualStylesAvailable());

  FFake.Active = TRUE;
  SendThemeChanged();
  EXPECT_EQ(flagsSeen, (std::vector<bool>{false, true}));
  EXPECT_EQ(calls, (std::vector<int>{1, 3, 1, 3}));
  FFake.Opened.clear();
  OpenTheme(totEdit);
  EXPECT_EQ(FFake.Opened, std::vector<std::wstring>{L"Edit;Explorer"});
}

TEST_F(ThemeManagerTest, CloseThemeAnswersWhetherThereWasAThemeToClose) {
  EXPECT_EQ(CloseTheme(totHeader), 0);
  OpenTheme(totHeader);
  EXPECT_EQ(CloseTheme(totHeader), S_OK);
  FFake.Active = FALSE;
  SendThemeChanged();
  EXPECT_EQ(CloseTheme(totHeader), 1);
}

TEST_F(ThemeManagerTest, ShutdownClosesEveryOpenHandle) {
  const std::vector<HTHEME> opened = {OpenTheme(totButton), OpenTheme(totMenu), OpenTheme(totWindow)};
  dxThemeManagerFinalize();
  EXPECT_EQ(FFake.Closed, opened);
  EXPECT_EQ(ThemeChangedReceiverWindow(), nullptr);
  dxThemeManagerInitialize();
}

TEST_F(ThemeManagerTest, DoubleByteTextReachesTheLibraryWithItsConvertedLength) {
  // Two hiragana letters of code page 932: four bytes, two UTF-16 units.
  const std::string text = "\x82\xA0\x82\xA2";
  const RECT rect{0, 0, 50, 20};
  EXPECT_EQ(dxUxTheme::DrawThemeText(nullptr, nullptr, 1, 1, text, 4, 0, 0, rect, 932), S_OK);
  EXPECT_EQ(dxUxTheme::DrawThemeText(nullptr, nullptr, 1, 1, "abc", -1, 0, 0, rect), S_OK);
  EXPECT_EQ(FFake.DrawnTextLengths, (std::vector<int>{2, 3}));
  EXPECT_EQ(FFake.DrawnText, L"abc");
}

TEST(UxThemeBindingTest, MissingEntriesAnswerFailuresInsteadOfBeingCalled) {
  TUxThemeBinding binding;
  binding.WinXPOrLater = true;
  binding.Loaded = true;
  SetUxThemeBinding(binding);
  const RECT rect{0, 0, 10, 10};
  HDC paintDC = nullptr;
  SIZE size{};
  EXPECT_EQ(dxUxTheme::OpenThemeData(nullptr, L"Button"), nullptr);
  EXPECT_EQ(dxUxTheme::DrawThemeText(nullptr, nullptr, 1, 1, "x", 1, 0, 0, rect), E_NOTIMPL);
  EXPECT_EQ(dxUxTheme::BeginBufferedPaint(nullptr, rect, BPBF_TOPDOWNDIB, nullptr, paintDC), nullptr);
  EXPECT_EQ(dxUxTheme::EndBufferedPaint(nullptr, TRUE), E_NOTIMPL);
  EXPECT_EQ(dxUxTheme::BufferedPaintSetAlpha(nullptr, &rect, 255), E_NOTIMPL);
  EXPECT_EQ(dxUxTheme::GetThemePartSize(nullptr, nullptr, 1, 1, TS_TRUE, size), E_NOTIMPL);
  EXPECT_EQ(dxUxTheme::IsThemeActive(), FALSE);

  dxThemeManagerInitialize();
  EXPECT_FALSE(AreVisualStylesAvailable());
  EXPECT_EQ(OpenTheme(totButton), nullptr);
  dxThemeManagerFinalize();
  SetUxThemeBinding({});
}

TEST(UxThemeBindingTest, VisualStylesNeedWindowsXP) {
  const struct {
    DWORD Major, Minor;
    bool Expected;
  } versions[] = {{4, 10, false}, {5, 0, false}, {5, 1, true}, {5, 2, true}, {6, 0, true}, {10, 0, true}};
  for (const auto& v : versions) EXPECT_EQ(IsWinXPOrLaterVersion(v.Major, v.Minor), v.Expected) << v.Major << v.Minor;

  BindUxTheme(5, 0);
  EXPECT_FALSE(IsUxThemeLoaded());
  EXPECT_FALSE(IsWinXPOrLater());
  dxThemeManagerInitialize();
  EXPECT_FALSE(AreVisualStylesAvailable({totButton}));
  EXPECT_EQ(ThemeChangedReceiverWindow(), nullptr);
  dxThemeManagerFinalize();
}

TEST(UxThemeBindingTest, TheSystemLibraryBindsByName) {
  BindUxTheme(6, 1);
  ASSERT_TRUE(IsUxThemeLoaded());
  EXPECT_NE(UxThemeBinding().Api.OpenThemeData, nullptr);
  EXPECT_NE(UxThemeBinding().Api.BufferedPaintSetAlpha, nullptr);
  dxUxThemeInitialize();
  dxUxThemeFinalize();
  EXPECT_FALSE(IsUxThemeLoaded());
}

}  // namespace
