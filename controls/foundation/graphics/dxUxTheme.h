#pragma once
// The Windows visual-style library, bound at run time: without it (before
// Windows XP, or when the library or one of its functions is missing) the
// library draws classically. Every function is a pointer of the binding
// table, nullptr when absent; the wrappers below test it and answer a failure
// rather than call through nothing. Tests replace the whole table.
#include <windows.h>
// The visual-style declarations build on windows.h.
#include <uxtheme.h>

#include <string>

#define NEPL_UXTHEME_ENTRY(name) decltype(&::name) name = nullptr;

// The library's functions, in the order they are looked up.
struct TUxThemeApi {
  NEPL_UXTHEME_ENTRY(CloseThemeData)
  NEPL_UXTHEME_ENTRY(DrawThemeBackground)
  NEPL_UXTHEME_ENTRY(DrawThemeEdge)
  NEPL_UXTHEME_ENTRY(DrawThemeIcon)
  NEPL_UXTHEME_ENTRY(DrawThemeParentBackground)
  NEPL_UXTHEME_ENTRY(DrawThemeText)
  NEPL_UXTHEME_ENTRY(DrawThemeTextEx)
  NEPL_UXTHEME_ENTRY(EnableThemeDialogTexture)
  NEPL_UXTHEME_ENTRY(GetCurrentThemeName)
  NEPL_UXTHEME_ENTRY(GetThemeAppProperties)
  NEPL_UXTHEME_ENTRY(GetThemeBackgroundContentRect)
  NEPL_UXTHEME_ENTRY(GetThemeBackgroundRegion)
  NEPL_UXTHEME_ENTRY(GetThemeBackgroundExtent)
  NEPL_UXTHEME_ENTRY(GetThemeBool)
  NEPL_UXTHEME_ENTRY(GetThemeColor)
  NEPL_UXTHEME_ENTRY(GetThemeDocumentationProperty)
  NEPL_UXTHEME_ENTRY(GetThemeEnumValue)
  NEPL_UXTHEME_ENTRY(GetThemeFilename)
  NEPL_UXTHEME_ENTRY(GetThemeFont)
  NEPL_UXTHEME_ENTRY(GetThemeInt)
  NEPL_UXTHEME_ENTRY(GetThemeIntList)
  NEPL_UXTHEME_ENTRY(GetThemeMargins)
  NEPL_UXTHEME_ENTRY(GetThemeMetric)
  NEPL_UXTHEME_ENTRY(GetThemePartSize)
  NEPL_UXTHEME_ENTRY(GetThemePosition)
  NEPL_UXTHEME_ENTRY(GetThemePropertyOrigin)
  NEPL_UXTHEME_ENTRY(GetThemeRect)
  NEPL_UXTHEME_ENTRY(GetThemeString)
  NEPL_UXTHEME_ENTRY(GetThemeSysBool)
  NEPL_UXTHEME_ENTRY(GetThemeSysColor)
  NEPL_UXTHEME_ENTRY(GetThemeSysColorBrush)
  NEPL_UXTHEME_ENTRY(GetThemeSysFont)
  NEPL_UXTHEME_ENTRY(GetThemeSysInt)
  NEPL_UXTHEME_ENTRY(GetThemeSysSize)
  NEPL_UXTHEME_ENTRY(GetThemeSysString)
  NEPL_UXTHEME_ENTRY(GetThemeTextExtent)
  NEPL_UXTHEME_ENTRY(GetThemeTextMetrics)
  NEPL_UXTHEME_ENTRY(GetWindowTheme)
  NEPL_UXTHEME_ENTRY(HitTestThemeBackground)
  NEPL_UXTHEME_ENTRY(IsAppThemed)
  NEPL_UXTHEME_ENTRY(IsThemeActive)
  NEPL_UXTHEME_ENTRY(IsThemePartDefined)
  NEPL_UXTHEME_ENTRY(IsThemeBackgroundPartiallyTransparent)
  NEPL_UXTHEME_ENTRY(IsThemeDialogTextureEnabled)
  NEPL_UXTHEME_ENTRY(OpenThemeData)
  NEPL_UXTHEME_ENTRY(SetThemeAppProperties)
  NEPL_UXTHEME_ENTRY(SetWindowTheme)
  NEPL_UXTHEME_ENTRY(BufferedPaintInit)
  NEPL_UXTHEME_ENTRY(BufferedPaintUnInit)
  NEPL_UXTHEME_ENTRY(BeginBufferedPaint)
  NEPL_UXTHEME_ENTRY(EndBufferedPaint)
  NEPL_UXTHEME_ENTRY(BufferedPaintSetAlpha)
};

#undef NEPL_UXTHEME_ENTRY

// What the binding found: whether the system is Windows XP or later, whether
// the library was loaded, and its functions.
struct TUxThemeBinding {
  bool WinXPOrLater = false;
  bool Loaded = false;
  TUxThemeApi Api;
};

const TUxThemeBinding& UxThemeBinding();
// Replaces the binding (tests: an absent library, absent entries, fakes).
void SetUxThemeBinding(const TUxThemeBinding& binding);

// Windows XP is 5.1; 5.0 has no visual styles.
bool IsWinXPOrLaterVersion(DWORD majorVersion, DWORD minorVersion);
// Binds the library as the unit's start-up does, for a system of that version.
void BindUxTheme(DWORD majorVersion, DWORD minorVersion);

bool IsUxThemeLoaded();
bool IsWinXPOrLater();

// Wrappers with the library's own arguments, in a namespace of their own so
// they never stand in for the library's declarations. A missing function
// answers E_NOTIMPL, a null handle or FALSE.
namespace dxUxTheme {

HTHEME OpenThemeData(HWND window, LPCWSTR classList);
HRESULT CloseThemeData(HTHEME theme);
HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int partId, int stateId, const RECT& rect, const RECT* clipRect);
HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int partId, int stateId, const RECT& rect);
// Takes a text in the code page (the ANSI code page unless given) and draws
// its UTF-16 form; `count` counts the bytes given, -1 for the whole text.
HRESULT DrawThemeText(HTHEME theme, HDC dc, int partId, int stateId, const std::string& text, int count,
                      DWORD textFlags, DWORD textFlags2, const RECT& rect, UINT codePage = CP_ACP);
HRESULT DrawThemeEdge(HTHEME theme, HDC dc, int partId, int stateId, const RECT& destRect, UINT edge, UINT flags,
                      RECT* contentRect);
HRESULT GetThemeBackgroundContentRect(HTHEME theme, HDC dc, int partId, int stateId, const RECT& bounding,
                                      RECT& content);
HRESULT GetThemeBackgroundRegion(HTHEME theme, HDC dc, int partId, int stateId, const RECT& rect, HRGN& region);
HRESULT GetThemePartSize(HTHEME theme, HDC dc, int partId, int stateId, const RECT* rect, THEMESIZE sizeKind,
                         SIZE& size);
HRESULT GetThemePartSize(HTHEME theme, HDC dc, int partId, int stateId, THEMESIZE sizeKind, SIZE& size);
BOOL IsThemeBackgroundPartiallyTransparent(HTHEME theme, int partId, int stateId);
HRESULT GetThemeColor(HTHEME theme, int partId, int stateId, int propId, COLORREF& color);
BOOL IsThemeActive();
HRESULT GetCurrentThemeName(LPWSTR fileName, int maxFileNameChars, LPWSTR colorName, int maxColorChars, LPWSTR sizeName,
                            int maxSizeChars);
HPAINTBUFFER BeginBufferedPaint(HDC target, const RECT& targetRect, BP_BUFFERFORMAT format, BP_PAINTPARAMS* paintParams,
                                HDC& paintDC);
HRESULT EndBufferedPaint(HPAINTBUFFER buffer, BOOL updateTarget);
HRESULT BufferedPaintSetAlpha(HPAINTBUFFER buffer, const RECT* rect, BYTE alpha);
// Draws the parent's background under a control; the font selected in the
// context before the call is selected again after it, since the parent's
// painting may leave its own.
HRESULT DrawThemeParentBackground(HWND window, HDC dc, RECT* rect);

}  // namespace dxUxTheme

void dxUxThemeInitialize();
void dxUxThemeFinalize();
