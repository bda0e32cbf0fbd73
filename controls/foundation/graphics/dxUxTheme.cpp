#include "controls/foundation/graphics/dxUxTheme.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/rtl/DynamicLibrary.h"
#include "platform/rtl/Units.h"

namespace {

TUnitGuard gUnit;
TUxThemeBinding gBinding;

TDynamicLibrary& UxThemeLibrary() {
  static TDynamicLibrary library;
  return library;
}

void BindEntries(const TDynamicLibrary& library, TUxThemeApi& api) {
  library.Bind("CloseThemeData", api.CloseThemeData);
  library.Bind("DrawThemeBackground", api.DrawThemeBackground);
  library.Bind("DrawThemeEdge", api.DrawThemeEdge);
  library.Bind("DrawThemeIcon", api.DrawThemeIcon);
  library.Bind("DrawThemeParentBackground", api.DrawThemeParentBackground);
  library.Bind("DrawThemeText", api.DrawThemeText);
  library.Bind("DrawThemeTextEx", api.DrawThemeTextEx);
  library.Bind("EnableThemeDialogTexture", api.EnableThemeDialogTexture);
  library.Bind("GetCurrentThemeName", api.GetCurrentThemeName);
  library.Bind("GetThemeAppProperties", api.GetThemeAppProperties);
  library.Bind("GetThemeBackgroundContentRect", api.GetThemeBackgroundContentRect);
  library.Bind("GetThemeBackgroundRegion", api.GetThemeBackgroundRegion);
  library.Bind("GetThemeBackgroundExtent", api.GetThemeBackgroundExtent);
  library.Bind("GetThemeBool", api.GetThemeBool);
  library.Bind("GetThemeColor", api.GetThemeColor);
  library.Bind("GetThemeDocumentationProperty", api.GetThemeDocumentationProperty);
  library.Bind("GetThemeEnumValue", api.GetThemeEnumValue);
  library.Bind("GetThemeFilename", api.GetThemeFilename);
  library.Bind("GetThemeFont", api.GetThemeFont);
  library.Bind("GetThemeInt", api.GetThemeInt);
  library.Bind("GetThemeIntList", api.GetThemeIntList);
  library.Bind("GetThemeMargins", api.GetThemeMargins);
  library.Bind("GetThemeMetric", api.GetThemeMetric);
  library.Bind("GetThemePartSize", api.GetThemePartSize);
  library.Bind("GetThemePosition", api.GetThemePosition);
  library.Bind("GetThemePropertyOrigin", api.GetThemePropertyOrigin);
  library.Bind("GetThemeRect", api.GetThemeRect);
  library.Bind("GetThemeString", api.GetThemeString);
  library.Bind("GetThemeSysBool", api.GetThemeSysBool);
  library.Bind("GetThemeSysColor", api.GetThemeSysColor);
  library.Bind("GetThemeSysColorBrush", api.GetThemeSysColorBrush);
  library.Bind("GetThemeSysFont", api.GetThemeSysFont);
  library.Bind("GetThemeSysInt", api.GetThemeSysInt);
  library.Bind("GetThemeSysSize", api.GetThemeSysSize);
  library.Bind("GetThemeSysString", api.GetThemeSysString);
  library.Bind("GetThemeTextExtent", api.GetThemeTextExtent);
  library.Bind("GetThemeTextMetrics", api.GetThemeTextMetrics);
  library.Bind("GetWindowTheme", api.GetWindowTheme);
  library.Bind("HitTestThemeBackground", api.HitTestThemeBackground);
  library.Bind("IsAppThemed", api.IsAppThemed);
  library.Bind("IsThemeActive", api.IsThemeActive);
  library.Bind("IsThemePartDefined", api.IsThemePartDefined);
  library.Bind("IsThemeBackgroundPartiallyTransparent", api.IsThemeBackgroundPartiallyTransparent);
  library.Bind("IsThemeDialogTextureEnabled", api.IsThemeDialogTextureEnabled);
  library.Bind("OpenThemeData", api.OpenThemeData);
  library.Bind("SetThemeAppProperties", api.SetThemeAppProperties);
  library.Bind("SetWindowTheme", api.SetWindowTheme);
  library.Bind("BufferedPaintInit", api.BufferedPaintInit);
  library.Bind("BufferedPaintUnInit", api.BufferedPaintUnInit);
  library.Bind("BeginBufferedPaint", api.BeginBufferedPaint);
  library.Bind("EndBufferedPaint", api.EndBufferedPaint);
  library.Bind("BufferedPaintSetAlpha", api.BufferedPaintSetAlpha);
}

std::wstring ToWide(const std::string& text, int count, UINT codePage) {
  const int byteCount = count < 0 ? static_cast<int>(text.size()) : std::min(count, static_cast<int>(text.size()));
  if (byteCount == 0) return {};
  const int length = MultiByteToWideChar(codePage, 0, text.data(), byteCount, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), byteCount, wide.data(), length);
  return wide;
}

const TUxThemeApi& Api() { return gBinding.Api; }

}  // namespace

const TUxThemeBinding& UxThemeBinding() { return gBinding; }

void SetUxThemeBinding(const TUxThemeBinding& binding) { gBinding = binding; }

bool IsWinXPOrLaterVersion(DWORD majorVersion, DWORD minorVersion) {
  return majorVersion >= 6 || (majorVersion == 5 && minorVersion != 0);
}

void BindUxTheme(DWORD majorVersion, DWORD minorVersion) {
  gBinding = {};
  gBinding.WinXPOrLater = IsWinXPOrLaterVersion(majorVersion, minorVersion);
  if (!gBinding.WinXPOrLater || !UxThemeLibrary().Load("UxTheme.dll")) return;
  gBinding.Loaded = true;
  BindEntries(UxThemeLibrary(), gBinding.Api);
}

bool IsUxThemeLoaded() { return gBinding.Loaded; }

bool IsWinXPOrLater() { return gBinding.WinXPOrLater; }

namespace dxUxTheme {

HTHEME OpenThemeData(HWND window, LPCWSTR classList) {
  return Api().OpenThemeData ? Api().OpenThemeData(window, classList) : nullptr;
}

HRESULT CloseThemeData(HTHEME theme) { return Api().CloseThemeData ? Api().CloseThemeData(theme) : E_NOTIMPL; }

HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int partId, int stateId, const RECT& rect, const RECT* clipRect) {
  if (!Api().DrawThemeBackground) return E_NOTIMPL;
  return Api().DrawThemeBackground(theme, dc, partId, stateId, &rect, clipRect);
}

HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int partId, int stateId, const RECT& rect) {
  return DrawThemeBackground(theme, dc, partId, stateId, rect, nullptr);
}

HRESULT DrawThemeText(HTHEME theme, HDC dc, int partId, int stateId, const std::string& text, int count,
                      DWORD textFlags, DWORD textFlags2, const RECT& rect, UINT codePage) {
  if (!Api().DrawThemeText) return E_NOTIMPL;
  // A double-byte character is one UTF-16 unit: the converted text is shorter
  // than the bytes given, and its own length is the one to pass.
  const std::wstring wide = ToWide(text, count, codePage);
  return Api().DrawThemeText(theme, dc, partId, stateId, wide.c_str(), static_cast<int>(wide.size()), textFlags,
                             textFlags2, &rect);
}

HRESULT DrawThemeEdge(HTHEME theme, HDC dc, int partId, int stateId, const RECT& destRect, UINT edge, UINT flags,
                      RECT* contentRect) {
  if (!Api().DrawThemeEdge) return E_NOTIMPL;
  return Api().DrawThemeEdge(theme, dc, partId, stateId, &destRect, edge, flags, contentRect);
}

HRESULT GetThemeBackgroundContentRect(HTHEME theme, HDC dc, int partId, int stateId, const RECT& bounding,
                                      RECT& content) {
  if (!Api().GetThemeBackgroundContentRect) return E_NOTIMPL;
  return Api().GetThemeBackgroundContentRect(theme, dc, partId, stateId, &bounding, &content);
}

HRESULT GetThemeBackgroundRegion(HTHEME theme, HDC dc, int partId, int stateId, const RECT& rect, HRGN& region) {
  if (!Api().GetThemeBackgroundRegion) return E_NOTIMPL;
  return Api().GetThemeBackgroundRegion(theme, dc, partId, stateId, &rect, &region);
}

HRESULT GetThemePartSize(HTHEME theme, HDC dc, int partId, int stateId, const RECT* rect, THEMESIZE sizeKind,
                         SIZE& size) {
  if (!Api().GetThemePartSize) return E_NOTIMPL;
  return Api().GetThemePartSize(theme, dc, partId, stateId, const_cast<RECT*>(rect), sizeKind, &size);
}

HRESULT GetThemePartSize(HTHEME theme, HDC dc, int partId, int stateId, THEMESIZE sizeKind, SIZE& size) {
  return GetThemePartSize(theme, dc, partId, stateId, nullptr, sizeKind, size);
}

BOOL IsThemeBackgroundPartiallyTransparent(HTHEME theme, int partId, int stateId) {
  if (!Api().IsThemeBackgroundPartiallyTransparent) return FALSE;
  return Api().IsThemeBackgroundPartiallyTransparent(theme, partId, stateId);
}

HRESULT GetThemeColor(HTHEME theme, int partId, int stateId, int propId, COLORREF& color) {
  return Api().GetThemeColor ? Api().GetThemeColor(theme, partId, stateId, propId, &color) : E_NOTIMPL;
}

BOOL IsThemeActive() { return Api().IsThemeActive ? Api().IsThemeActive() : FALSE; }

HRESULT GetCurrentThemeName(LPWSTR fileName, int maxFileNameChars, LPWSTR colorName, int maxColorChars, LPWSTR sizeName,
                            int maxSizeChars) {
  if (!Api().GetCurrentThemeName) return E_NOTIMPL;
  return Api().GetCurrentThemeName(fileName, maxFileNameChars, colorName, maxColorChars, sizeName, maxSizeChars);
}

HPAINTBUFFER BeginBufferedPaint(HDC target, const RECT& targetRect, BP_BUFFERFORMAT format, BP_PAINTPARAMS* paintParams,
                                HDC& paintDC) {
  paintDC = nullptr;
  if (!Api().BeginBufferedPaint) return nullptr;
  return Api().BeginBufferedPaint(target, &targetRect, format, paintParams, &paintDC);
}

HRESULT EndBufferedPaint(HPAINTBUFFER buffer, BOOL updateTarget) {
  return Api().EndBufferedPaint ? Api().EndBufferedPaint(buffer, updateTarget) : E_NOTIMPL;
}

HRESULT BufferedPaintSetAlpha(HPAINTBUFFER buffer, const RECT* rect, BYTE alpha) {
  return Api().BufferedPaintSetAlpha ? Api().BufferedPaintSetAlpha(buffer, rect, alpha) : E_NOTIMPL;
}

HRESULT DrawThemeParentBackground(HWND window, HDC dc, RECT* rect) {
  if (!Api().DrawThemeParentBackground) return E_NOTIMPL;
  const HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
  const HRESULT result = Api().DrawThemeParentBackground(window, dc, rect);
  SelectObject(dc, font);
  return result;
}

}  // namespace dxUxTheme

void dxUxThemeInitialize() {
  if (!gUnit.Enter()) return;
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  GetVersionExA(&version);
  InitCommonControls();
  BindUxTheme(version.dwMajorVersion, version.dwMinorVersion);
}

void dxUxThemeFinalize() {
  if (!gUnit.Leave()) return;
  gBinding = {};
  UxThemeLibrary().Unload();
}
