#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/foundation/cxLookAndFeels.h"
#include "controls/foundation/dxOffice11.h"
#include "controls/foundation/dxThemeManager.h"
#include "controls/foundation/dxUxTheme.h"

namespace {

// Styles are active; the current style is Luna in the colour the test names,
// or unknown while the name is empty.
std::wstring gThemeColor;

HTHEME WINAPI FakeOpenThemeData(HWND, LPCWSTR) { return reinterpret_cast<HTHEME>(1); }
HRESULT WINAPI FakeCloseThemeData(HTHEME) { return S_OK; }
BOOL WINAPI FakeIsThemeActive() { return TRUE; }
HRESULT WINAPI FakeGetCurrentThemeName(LPWSTR file, int fileLength, LPWSTR color, int colorLength, LPWSTR, int) {
  if (gThemeColor.empty()) return E_FAIL;
  lstrcpynW(file, L"Luna.msstyles", fileLength);
  lstrcpynW(color, gThemeColor.c_str(), colorLength);
  return S_OK;
}

class PaletteListenerTest : public testing::Test {
 protected:
  void SetUp() override {
    TUxThemeBinding binding;
    binding.WinXPOrLater = binding.Loaded = true;
    binding.Api.OpenThemeData = FakeOpenThemeData;
    binding.Api.CloseThemeData = FakeCloseThemeData;
    binding.Api.IsThemeActive = FakeIsThemeActive;
    binding.Api.GetCurrentThemeName = FakeGetCurrentThemeName;
    SetUxThemeBinding(binding);
    dxThemeManagerInitialize();
    gThemeColor.clear();
  }
  void TearDown() override {
    dxThemeManagerFinalize();
    SetUxThemeBinding({});
  }
  static void SendSysColorChange() { SendMessageA(SystemPaletteChangedListenerWindow(), WM_SYSCOLORCHANGE, 0, 0); }
};

TEST_F(PaletteListenerTest, TheOfficeColoursAreRefreshedBeforePrimariesAndThenOrdinariesHearLastToFirst) {
  std::vector<std::string> heard;
  TcxSystemPaletteChangedNotifier ordinary1;
  TcxSystemPaletteChangedNotifier primary1(true);
  TcxSystemPaletteChangedNotifier ordinary2;
  TcxSystemPaletteChangedNotifier primary2(true);
  EXPECT_EQ(Office11Scheme(), schSystem);
  ordinary1.SetOnSystemPaletteChanged([&] { heard.push_back("ordinary1"); });
  ordinary2.SetOnSystemPaletteChanged([&] { heard.push_back("ordinary2"); });
  primary1.SetOnSystemPaletteChanged([&] { heard.push_back("primary1"); });
  primary2.SetOnSystemPaletteChanged([&] {
    EXPECT_EQ(Office11Scheme(), schOlive);
    heard.push_back("primary2");
  });

  gThemeColor = L"HomeStead";
  SendSysColorChange();
  EXPECT_EQ(heard, (std::vector<std::string>{"primary2", "primary1", "ordinary2", "ordinary1"}));
  EXPECT_EQ(Office11Colors().SchemeColors[0], static_cast<TColor>(0x00DEF7F4));
}

TEST_F(PaletteListenerTest, ANotifierFreedByAnotherIsSkippedAndTheWindowGoesWithTheLast) {
  auto* first = new TcxSystemPaletteChangedNotifier;
  auto* second = new TcxSystemPaletteChangedNotifier;
  const HWND window = SystemPaletteChangedListenerWindow();
  ASSERT_TRUE(IsWindow(window));
  EXPECT_NE(Office11Brush(12), nullptr);
  int firstCalls = 0;
  first->SetOnSystemPaletteChanged([&] { ++firstCalls; });
  // The last added hears first, and frees both: the listener goes meanwhile.
  second->SetOnSystemPaletteChanged([&] {
    delete first;
    delete second;
  });
  SendSysColorChange();
  EXPECT_EQ(firstCalls, 0);
  EXPECT_EQ(SystemPaletteChangedListenerWindow(), nullptr);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(Office11Brush(12), nullptr);
}

TEST_F(PaletteListenerTest, TheListenerHearsTheBroadcast) {
  int calls = 0;
  TcxSystemPaletteChangedNotifier notifier;
  notifier.SetOnSystemPaletteChanged([&] { ++calls; });
  // Broadcasts reach top-level windows only: the listener must be one.
  SendMessageTimeoutA(HWND_BROADCAST, WM_SYSCOLORCHANGE, 0, 0, SMTO_NORMAL, 1000, nullptr);
  EXPECT_EQ(calls, 1);
}

}  // namespace
