#pragma once
// The Office 2003 look: a family of 49 colours that follows the Windows XP
// colour scheme (blue, olive, silver) or, without one, is mixed from the
// system colours; brushes and glyphs made from them; colour mixing, a
// two-colour gradient and dotted grips.
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Colors.h"

constexpr int kOffice11SchemeColorCount = 49;
using TOffice11SchemeColors = std::array<TColor, kOffice11SchemeColorCount>;

enum TOffice11Scheme { schSystem, schBlue, schOlive, schSilver };

// The system colours scheme 0 is mixed from, as RGB values.
struct TOffice11SystemColors {
  COLORREF Face;
  COLORREF Window;
  COLORREF Shadow;
  COLORREF Highlight;
  COLORREF HighlightText;
  COLORREF ButtonText;
  COLORREF GrayText;
  COLORREF ButtonHighlight;
};
TOffice11SystemColors CurrentOffice11SystemColors();

// Everything the Office11 painter reads.
struct TOffice11Colors {
  TOffice11Scheme Scheme = schSystem;
  bool TableColors = false;
  int SchemePercent = 75;
  TOffice11SchemeColors SchemeColors{};
  std::array<TColor, 3> LightMixColors{};
  std::array<TColor, 3> DarkMixColors{};
  TColor BlackColor = clBlack;
  TColor WhiteColor = clWhite;
  TColor LightColor = clWhite;
  std::array<TColor, 2> TextColors{};
  std::array<TColor, 2> BarColors{};
  std::array<TColor, 2> DarkBarColors{};
  TColor SelectedFaceColor = clNone;
  TColor SelectedBorderColor = clNone;
  std::array<TColor, 2> ExpandButtonColors{};
};

// The scheme a visual style stands for: its file name (a path) qualifies when
// it is Luna's or on Windows 6 and later, and then its colour name decides.
TOffice11Scheme Office11SchemeOfTheme(const std::wstring& fileName, const std::wstring& colorName, DWORD majorVersion);
// The scheme of the current visual style; system colours without styles.
TOffice11Scheme GetOffice11Scheme();
TOffice11Colors ComputeOffice11Colors(TOffice11Scheme scheme, bool tableColors, const TOffice11SystemColors& system);

// The colours of the last initialisation.
const TOffice11Colors& Office11Colors();
TOffice11Scheme Office11Scheme();
bool IsOffice11TableColors();
TColor Office11DarkMixColor();
TColor Office11LightColor();

void InitOffice11Colors();
// The first reference fills the colours and makes the brushes and glyphs;
// they live while referenced.
void AddOffice11ColorsRef();
void ReleaseOffice11ColorsRef();
// Fills the colours again (the system colours changed); remakes brushes and
// glyphs while referenced.
void RefreshOffice11Colors();
// A brush of scheme colour 12, 13, 14, 15, 18, 19, 20, 21, 26, 27, 28 or 29
// while referenced; nullptr otherwise.
HBRUSH Office11Brush(int schemeColorIndex);
HBRUSH Office11DarkMixBrush();
// The glyphs while referenced; nullptr otherwise.
const TBitmap* Office11SubMenuExpandBitmap();
const TBitmap* Office11ExpandButtonBitmap(bool expanded);

// Channels of Color2 weighted 100 - percent and of Color1 weighted percent.
COLORREF MixColorsRGB(COLORREF color1, COLORREF color2, int percent);
TColor MixColors(TColor color1, TColor color2, int percent);
// Gives each pixel that is neither the background (the top-left pixel) nor
// black a mix of the two colours by its red level: the darkest red takes
// color2, the lightest color1.
void RecolorSubMenuExpandGlyph(std::vector<RGBQUAD>& pixels, TColor color1, TColor color2);

void FillGradientRect(HDC dc, const RECT& rect, TColor color1, TColor color2, bool horizontal);
void FillRectByColor(HDC dc, const RECT& rect, TColor color);
void DrawGripDots(HDC dc, const RECT& rect, bool vertical);
void DrawSizeGripDots(HDC dc, const RECT& rect);

void dxOffice11Initialize();
void dxOffice11Finalize();
