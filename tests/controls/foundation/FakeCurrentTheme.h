#pragma once
// The visual-style library faked for the tests that ask which style is
// current: styles are active, and the current style is the file and colour
// the test names; an empty file name makes the query fail.
#include <gtest/gtest.h>

#include <string>

#include "controls/foundation/graphics/dxThemeManager.h"
#include "controls/foundation/graphics/dxUxTheme.h"

struct TFakeCurrentTheme {
  static inline std::wstring File;
  static inline std::wstring Color;

  static HTHEME WINAPI OpenThemeData(HWND, LPCWSTR) { return reinterpret_cast<HTHEME>(1); }
  static HRESULT WINAPI CloseThemeData(HTHEME) { return S_OK; }
  static BOOL WINAPI IsThemeActive() { return TRUE; }
  static HRESULT WINAPI GetCurrentThemeName(LPWSTR file, int fileLength, LPWSTR color, int colorLength, LPWSTR,
                                             int) {
    if (File.empty()) return E_FAIL;
    lstrcpynW(file, File.c_str(), fileLength);
    lstrcpynW(color, Color.c_str(), colorLength);
    return S_OK;
  }
};

// The fake's entries as a binding; a test adds the drawing entries it needs.
inline TUxThemeBinding FakeCurrentThemeBinding() {
  TUxThemeBinding binding;
  binding.WinXPOrLater = binding.Loaded = true;
  binding.Api.OpenThemeData = TFakeCurrentTheme::OpenThemeData;
  binding.Api.CloseThemeData = TFakeCurrentTheme::CloseThemeData;
  binding.Api.IsThemeActive = TFakeCurrentTheme::IsThemeActive;
  binding.Api.GetCurrentThemeName = TFakeCurrentTheme::GetCurrentThemeName;
  return binding;
}

// Binds the fake and starts the theme manager on it for each test.
class FakeCurrentThemeTest : public testing::Test {
 protected:
  void SetUp() override {
    TFakeCurrentTheme::File.clear();
    TFakeCurrentTheme::Color.clear();
    SetUxThemeBinding(FakeCurrentThemeBinding());
    dxThemeManagerInitialize();
  }
  void TearDown() override {
    dxThemeManagerFinalize();
    SetUxThemeBinding({});
  }
  // The current style becomes Luna in `color`.
  static void UseLuna(const std::wstring& color) {
    TFakeCurrentTheme::File = L"Luna.msstyles";
    TFakeCurrentTheme::Color = color;
  }
};
