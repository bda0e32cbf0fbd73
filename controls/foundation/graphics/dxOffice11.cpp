#include "controls/foundation/graphics/dxOffice11.h"

#include <algorithm>
#include <map>
#include <memory>
#include <optional>

#include "controls/foundation/graphics/cxGraphics.h"
#include "controls/foundation/graphics/dxThemeManager.h"
#include "controls/foundation/graphics/dxUxTheme.h"
#include "platform/graphics/GdiHandles.h"
#include "platform/graphics/Msimg32.h"
#include "platform/rtl/DynamicLibrary.h"
#include "platform/rtl/Units.h"

namespace {

// The blue, olive and silver schemes, colour by colour.
constexpr TOffice11SchemeColors kSchemeTable[3] = {
    {0x00FEECDD, 0x00E2A981, 0x00F5BE9E, 0x00F9DAC3, 0x00913500, 0x00F1A675, 0x0076C1FF, 0x00D3F8FF, 0x0098DDFF,
     0x005295FE, 0x009C613B, 0x00E0A47B, 0x00764127, 0x00FFFFFF, 0x00CB8C6A, 0x00FFF9F1, 0x00C9662A, 0x00F9DBC4,
     0x00962D00, 0x00F6F6F6, 0x00C2EEFF, 0x00800000, 0x00CCF4FF, 0x0091D0FF, 0x008ED3FF, 0x004E91FE, 0x00FCE1CB,
     0x006FC0FF, 0x003E80FE, 0x00F0C7A9, 0x00000000, 0x008D8D8D, 0x00FBDABE, 0x0094E6FB, 0x00FADAC4, 0x00962D00,
     0x00B96837, 0x00962D00, 0x00FBE5D3, 0x00E4AE88, 0x00DCFFFF, 0x005BC0F7, 0x0094E6FB, 0x001595EE, 0x00087FE8,
     0x007CDAF7, 0x00D68759, 0x00933803, 0x00FFFFFF},
    {0x00DEF7F4, 0x0091C6B7, 0x00A7D9D9, 0x00E4F0F2, 0x006B7760, 0x008CC2B0, 0x0076C1FF, 0x00D3F8FF, 0x0098DDFF,
     0x005295FE, 0x00588060, 0x008FC4B5, 0x00335E51, 0x00FFFFFF, 0x00588060, 0x00DEF7F4, 0x005E8674, 0x00ADDEE1,
     0x005E8D75, 0x00EEF4F4, 0x00C2EEFF, 0x00385D3F, 0x00CCF4FF, 0x0091D0FF, 0x008ED3FF, 0x004E91FE, 0x00B6E3D8,
     0x006FC0FF, 0x003E80FE, 0x009FD4C5, 0x00000000, 0x008D8D8D, 0x0091BAAF, 0x0094E6FB, 0x00E4F1F2, 0x00588060,
     0x00548973, 0x005E8D75, 0x00DBF5F2, 0x0097C9BC, 0x00DCFFFF, 0x005BC0F7, 0x0094E6FB, 0x001595EE, 0x00087FE8,
     0x007CDAF7, 0x0082C0AF, 0x00447A63, 0x00FFFFFF},
    {0x00FAF4F3, 0x00B59799, 0x00E5D7D7, 0x00F7F3F3, 0x00927476, 0x00C8B2B3, 0x0076C1FF, 0x00D3F8FF, 0x0098DDFF,
     0x005295FE, 0x00947C7C, 0x00B09193, 0x00755454, 0x00FFFFFF, 0x008F6D6E, 0x00FFFFFF, 0x0099797A, 0x00E4DADB,
     0x00947C7C, 0x00FFFAFD, 0x00C2EEFF, 0x006F4B4B, 0x00CCF4FF, 0x0091D0FF, 0x008ED3FF, 0x004E91FE, 0x00E7D3D6,
     0x006FC0FF, 0x003E80FE, 0x00D3C0C0, 0x00000000, 0x008D8D8D, 0x00EBE5E5, 0x0094E6FB, 0x00F7F3F3, 0x00947C7C,
     0x00916F70, 0x00947C7C, 0x00F8F1F0, 0x00BA9EA0, 0x00DCFFFF, 0x005BC0F7, 0x0094E6FB, 0x001595EE, 0x00087FE8,
     0x007CDAF7, 0x00BFA7A8, 0x00916F70, 0x00FFFFFF}};

constexpr int kSchemePercents[] = {75, 41, 125, 40};
// The selected face of the table schemes; the system scheme takes the button face.
constexpr TColor kTableSelectedFaceColor = 0x00C9EEFD;
// Scheme colours that get a brush of their own.
constexpr int kBrushColorIndices[] = {12, 13, 14, 15, 18, 19, 20, 21, 26, 27, 28, 29};
constexpr int kGripShadowColor = 12;
constexpr int kGripLightColor = 13;
// Dots sit on a grid of 4 pixels: a 2 x 2 light dot under a shadow one.
constexpr int kGripCellSize = 4;
constexpr int kSizeGripRows = 3;
constexpr int kGradientBandLimit = 256;
constexpr int kThemeNameLength = 1024;

TUnitGuard gUnit;
TOffice11Colors gColors;
int gReferenceCount = 0;
std::map<int, TGdiObject<HBRUSH>> gBrushes;
TGdiObject<HBRUSH> gDarkMixBrush;
std::unique_ptr<TBitmap> gSubMenuExpandBitmap;
std::unique_ptr<TBitmap> gExpandButtonMinusBitmap;
std::unique_ptr<TBitmap> gExpandButtonPlusBitmap;

TDynamicLibrary& Msimg32Library() {
  static TDynamicLibrary library;
  return library;
}

std::wstring UpperCase(std::wstring text) {
  if (!text.empty()) CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

std::wstring FilePart(const std::wstring& path) {
  const size_t separator = path.find_last_of(L"\\/:");
  return separator == std::wstring::npos ? path : path.substr(separator + 1);
}

DWORD WindowsMajorVersion() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  GetVersionExA(&version);
  return version.dwMajorVersion;
}

TColor Near(COLORREF color) { return GetNearestScreenColor(static_cast<TColor>(color)); }

TColor Mix(TColor color1, TColor color2, int percent) {
  return Near(MixColorsRGB(static_cast<COLORREF>(color1), static_cast<COLORREF>(color2), percent));
}

BYTE LightFaceChannel(BYTE c) { return static_cast<BYTE>(128 + c * 127 / 255); }
BYTE PlainFaceChannel(BYTE c) { return static_cast<BYTE>(c + 4 - c * 4 / 255); }

TColor FaceVariant(COLORREF face, BYTE (*channel)(BYTE)) {
  return Near(RGB(channel(GetRValue(face)), channel(GetGValue(face)), channel(GetBValue(face))));
}

TOffice11SchemeColors SystemSchemeColors(const TOffice11SystemColors& s) {
  const TcxSystemColorsRGB mixBase{s.Face, s.Highlight, s.Window};
  const auto sys = [&](int face, int highlight, int window) {
    return static_cast<TColor>(MixSystemColorsRGB(mixBase, face, highlight, window));
  };
  const auto face = static_cast<TColor>(s.Face);
  const auto win = static_cast<TColor>(s.Window);
  const auto shadow = static_cast<TColor>(s.Shadow);
  TOffice11SchemeColors c{};
  c[0] = Mix(face, win, 22);
  c[1] = Mix(face, win, 96);
  c[2] = face;
  c[3] = Mix(face, win, 20);
  c[4] = shadow;
  c[5] = Mix(shadow, win, 74);
  c[6] = c[7] = Near(sys(-15, 29, 86));
  c[8] = c[9] = Near(sys(42, 11, 47));
  c[10] = Mix(face, win, 85);
  c[11] = face;
  c[12] = Mix(shadow, win, 76);
  c[13] = win;
  c[14] = Mix(shadow, win, 70);
  c[15] = clWhite;
  c[16] = shadow;
  c[17] = c[1];
  c[18] = shadow;
  c[19] = win;
  c[20] = Near(sys(-2, 30, 72));
  c[21] = static_cast<TColor>(s.Highlight);
  c[22] = c[23] = c[20];
  c[27] = sys(41, 11, 48);
  c[28] = Near(sys(14, 44, 40));
  c[24] = c[25] = c[28];
  c[26] = c[1];
  c[29] = c[26];
  c[30] = static_cast<TColor>(s.ButtonText);
  c[31] = static_cast<TColor>(s.GrayText);
  c[32] = face;
  c[33] = c[27];
  c[34] = c[2];
  c[35] = c[18];
  c[36] = shadow;
  c[37] = Near(s.Shadow);
  c[38] = FaceVariant(s.Face, LightFaceChannel);
  c[39] = FaceVariant(s.Face, PlainFaceChannel);
  c[40] = c[22];
  c[41] = c[23];
  c[42] = c[27];
  c[43] = c[42];
  c[44] = c[28];
  c[45] = c[44];
  c[46] = c[47] = c[37];
  c[48] = static_cast<TColor>(s.HighlightText);
  return c;
}

void FillDerivedColors(TOffice11Colors& colors, const TOffice11SystemColors& system) {
  const TOffice11SchemeColors& c = colors.SchemeColors;
  const bool table = colors.Scheme != schSystem;
  const auto win = static_cast<TColor>(system.Window);
  const auto buttonText = static_cast<TColor>(system.ButtonText);
  for (int i = 0; i < 3; ++i) {
    colors.LightMixColors[i] = table ? Mix(c[5 + 2 * i], c[0], 90) : Mix(c[4 + 2 * i], win, 50);
    colors.DarkMixColors[i] = Mix(c[4 + 2 * i], c[11], 50);
  }
  colors.BlackColor = table ? clBlack : buttonText;
  colors.WhiteColor = table ? clWhite : win;
  colors.LightColor = table ? clWhite : static_cast<TColor>(system.ButtonHighlight);
  colors.TextColors.fill(table ? clBlack : buttonText);
  colors.BarColors = {c[0], c[1]};
  colors.DarkBarColors = {Mix(c[0], clBlack, 92), Mix(c[1], clBlack, 92)};
  colors.SelectedFaceColor = table ? kTableSelectedFaceColor : static_cast<TColor>(system.Face);
  colors.SelectedBorderColor = table ? c[11] : static_cast<TColor>(system.Shadow);
  colors.ExpandButtonColors =
      table ? std::array<TColor, 2>{c[46], c[47]} : std::array<TColor, 2>{Near(system.Face), c[37]};
}

std::unique_ptr<TBitmap> LoadGlyph(const char* name) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->LoadFromResourceName(GetModuleHandleA(nullptr), name);
  return bitmap;
}

void CreateBrushesAndGlyphs() {
  for (const int index : kBrushColorIndices)
    gBrushes[index].Reset(CreateSolidBrush(ColorToRGB(gColors.SchemeColors[index])));
  gDarkMixBrush.Reset(CreateSolidBrush(ColorToRGB(Office11DarkMixColor())));
  gSubMenuExpandBitmap = LoadGlyph("DXSUBMENUEXPAND");
  std::vector<RGBQUAD> pixels = GetBitmapPixels(*gSubMenuExpandBitmap);
  RecolorSubMenuExpandGlyph(pixels, gColors.SchemeColors[0], gColors.SchemeColors[1]);
  SetBitmapPixels(*gSubMenuExpandBitmap, pixels);
  gExpandButtonMinusBitmap = LoadGlyph("DXEXPANDBUTTON_MINUS");
  gExpandButtonPlusBitmap = LoadGlyph("DXEXPANDBUTTON_PLUS");
}

void FreeBrushesAndGlyphs() {
  gBrushes.clear();
  gDarkMixBrush.Reset();
  gSubMenuExpandBitmap.reset();
  gExpandButtonMinusBitmap.reset();
  gExpandButtonPlusBitmap.reset();
}

void FillGradientBySystem(HDC dc, const RECT& rect, COLORREF color1, COLORREF color2, bool horizontal) {
  const auto vertex = [](LONG x, LONG y, COLORREF color) {
    return TRIVERTEX{x,
                     y,
                     static_cast<COLOR16>(GetRValue(color) << 8),
                     static_cast<COLOR16>(GetGValue(color) << 8),
                     static_cast<COLOR16>(GetBValue(color) << 8),
                     0};
  };
  TRIVERTEX vertices[2] = {vertex(rect.left, rect.top, color1), vertex(rect.right, rect.bottom, color2)};
  GRADIENT_RECT mesh{0, 1};
  Msimg32Api().GradientFill(dc, vertices, 2, &mesh, 1, horizontal ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
}

int BandChannel(int c1, int c2, int band, int bands) { return bands == 1 ? c1 : c1 + MulDiv(band, c2 - c1, bands - 1); }

// Without the system's gradient: up to 256 bands of evenly stepped colours.
void FillGradientByBands(HDC dc, const RECT& rect, COLORREF color1, COLORREF color2, bool horizontal) {
  const int start = horizontal ? rect.left : rect.top;
  const int extent = horizontal ? rect.right - rect.left : rect.bottom - rect.top;
  if (extent <= 0) return;
  if (color1 == color2) return FillRectByColor(dc, rect, static_cast<TColor>(color1));
  const int bands = std::min(kGradientBandLimit, extent);
  int bandStart = start;
  for (int band = 0; band < bands && bandStart < start + extent; ++band) {
    const int bandEnd = start + MulDiv(band + 1, extent, bands);
    const COLORREF color = RGB(BandChannel(GetRValue(color1), GetRValue(color2), band, bands),
                               BandChannel(GetGValue(color1), GetGValue(color2), band, bands),
                               BandChannel(GetBValue(color1), GetBValue(color2), band, bands));
    const RECT part =
        horizontal ? RECT{bandStart, rect.top, bandEnd, rect.bottom} : RECT{rect.left, bandStart, rect.right, bandEnd};
    if (bandEnd > bandStart) FillRectByColor(dc, part, static_cast<TColor>(color));
    bandStart = bandEnd;
  }
}

void DrawGripDot(HDC dc, const RECT& cell) {
  const RECT dot{cell.left + 1, cell.top + 1, cell.right - 1, cell.bottom - 1};
  FillRectByColor(dc, dot, gColors.SchemeColors[kGripLightColor]);
  const RECT shadow{dot.left - 1, dot.top - 1, dot.right - 1, dot.bottom - 1};
  FillRectByColor(dc, shadow, gColors.SchemeColors[kGripShadowColor]);
}

}  // namespace

TOffice11SystemColors CurrentOffice11SystemColors() {
  return {ColorToRGB(clBtnFace),       ColorToRGB(clWindow),  ColorToRGB(clBtnShadow), ColorToRGB(clHighlight),
          ColorToRGB(clHighlightText), ColorToRGB(clBtnText), ColorToRGB(clGrayText),  ColorToRGB(clBtnHighlight)};
}

TOffice11Scheme Office11SchemeOfTheme(const std::wstring& fileName, const std::wstring& colorName, DWORD majorVersion) {
  if (UpperCase(FilePart(fileName)) != kLunaThemeFileName && majorVersion < 6) return schSystem;
  const std::wstring color = UpperCase(colorName);
  if (color == L"NORMALCOLOR") return schBlue;
  if (color == L"HOMESTEAD") return schOlive;
  if (color == L"METALLIC") return schSilver;
  return schSystem;
}

TOffice11Scheme GetOffice11Scheme() {
  if (!AreVisualStylesAvailable()) return schSystem;
  std::wstring fileName(kThemeNameLength, L'\0');
  std::wstring colorName(kThemeNameLength, L'\0');
  std::wstring sizeName(kThemeNameLength, L'\0');
  if (FAILED(dxUxTheme::GetCurrentThemeName(fileName.data(), kThemeNameLength, colorName.data(), kThemeNameLength,
                                            sizeName.data(), kThemeNameLength)))
    return schSystem;
  return Office11SchemeOfTheme(fileName.c_str(), colorName.c_str(), WindowsMajorVersion());
}

TOffice11Colors ComputeOffice11Colors(TOffice11Scheme scheme, bool tableColors, const TOffice11SystemColors& system) {
  TOffice11Colors colors;
  colors.Scheme = scheme;
  colors.TableColors = tableColors;
  colors.SchemePercent = kSchemePercents[scheme];
  colors.SchemeColors = scheme == schSystem ? SystemSchemeColors(system) : kSchemeTable[scheme - 1];
  FillDerivedColors(colors, system);
  return colors;
}

const TOffice11Colors& Office11Colors() { return gColors; }
TOffice11Scheme Office11Scheme() { return gColors.Scheme; }
bool IsOffice11TableColors() { return gColors.TableColors; }
TColor Office11DarkMixColor() { return gColors.DarkMixColors[0]; }
TColor Office11LightColor() { return gColors.LightColor; }

void InitOffice11Colors() {
  const TOffice11Scheme scheme = GetOffice11Scheme();
  const bool tableColors = AreVisualStylesAvailable() && scheme != schSystem;
  gColors = ComputeOffice11Colors(scheme, tableColors, CurrentOffice11SystemColors());
}

void AddOffice11ColorsRef() {
  if (gReferenceCount++ > 0) return;
  InitOffice11Colors();
  CreateBrushesAndGlyphs();
}

void ReleaseOffice11ColorsRef() {
  if (gReferenceCount == 0 || --gReferenceCount > 0) return;
  FreeBrushesAndGlyphs();
}

void RefreshOffice11Colors() {
  InitOffice11Colors();
  if (gReferenceCount == 0) return;
  FreeBrushesAndGlyphs();
  CreateBrushesAndGlyphs();
}

HBRUSH Office11Brush(int schemeColorIndex) {
  const auto it = gBrushes.find(schemeColorIndex);
  return it == gBrushes.end() ? nullptr : it->second.Get();
}

HBRUSH Office11DarkMixBrush() { return gDarkMixBrush.Get(); }

const TBitmap* Office11SubMenuExpandBitmap() { return gSubMenuExpandBitmap.get(); }

const TBitmap* Office11ExpandButtonBitmap(bool expanded) {
  return expanded ? gExpandButtonMinusBitmap.get() : gExpandButtonPlusBitmap.get();
}

COLORREF MixColorsRGB(COLORREF color1, COLORREF color2, int percent) {
  const auto mix = [percent](BYTE c1, BYTE c2) {
    return static_cast<BYTE>(std::min(255, MulDiv(c2, 100 - percent, 100) + MulDiv(c1, percent, 100)));
  };
  return RGB(mix(GetRValue(color1), GetRValue(color2)), mix(GetGValue(color1), GetGValue(color2)),
             mix(GetBValue(color1), GetBValue(color2)));
}

TColor MixColors(TColor color1, TColor color2, int percent) {
  return Near(MixColorsRGB(ColorToRGB(color1), ColorToRGB(color2), percent));
}

void RecolorSubMenuExpandGlyph(std::vector<RGBQUAD>& pixels, TColor color1, TColor color2) {
  if (pixels.empty()) return;
  if (color1 == color2) color2 = ColorToRGB(color1) == RGB(0, 0, 0) ? clWhite : clBlack;
  const RGBQUAD background = pixels[0];
  const auto isGlyph = [&background](const RGBQUAD& p) {
    const bool isBackground =
        p.rgbRed == background.rgbRed && p.rgbGreen == background.rgbGreen && p.rgbBlue == background.rgbBlue;
    return !isBackground && (p.rgbRed | p.rgbGreen | p.rgbBlue) != 0;
  };
  int smallest = 255;
  int largest = 1;
  for (const RGBQUAD& pixel : pixels)
    if (isGlyph(pixel)) {
      smallest = std::min<int>(smallest, pixel.rgbRed);
      largest = std::max<int>(largest, pixel.rgbRed);
    }
  // A glyph of one red level has no range to spread: every pixel takes color2.
  const int range = largest - smallest;
  for (RGBQUAD& pixel : pixels) {
    if (!isGlyph(pixel)) continue;
    const int percent = range > 0 ? std::clamp(MulDiv(pixel.rgbRed - smallest, 100, range), 0, 100) : 0;
    pixel = ColorToRGBQuad(MixColors(color1, color2, percent), pixel.rgbReserved);
  }
}

void FillGradientRect(HDC dc, const RECT& rect, TColor color1, TColor color2, bool horizontal) {
  const COLORREF rgb1 = ColorToRGB(color1);
  const COLORREF rgb2 = ColorToRGB(color2);
  if (Msimg32Api().GradientFill)
    FillGradientBySystem(dc, rect, rgb1, rgb2, horizontal);
  else
    FillGradientByBands(dc, rect, rgb1, rgb2, horizontal);
}

void FillRectByColor(HDC dc, const RECT& rect, TColor color) {
  const TGdiObject<HBRUSH> brush(CreateSolidBrush(ColorToRGB(color)));
  FillRect(dc, &rect, brush.Get());
}

void DrawGripDots(HDC dc, const RECT& rect, bool vertical) {
  const int extent = vertical ? rect.bottom - rect.top : rect.right - rect.left;
  int offset = extent % kGripCellSize;
  if (offset > 1) offset /= 2;
  RECT cell{rect.left, rect.top, rect.left + kGripCellSize, rect.top + kGripCellSize};
  const int dx = vertical ? 0 : kGripCellSize;
  const int dy = vertical ? kGripCellSize : 0;
  OffsetRect(&cell, vertical ? 0 : offset, vertical ? offset : 0);
  while (vertical ? cell.bottom <= rect.bottom : cell.right <= rect.right) {
    DrawGripDot(dc, cell);
    OffsetRect(&cell, dx, dy);
  }
}

void DrawSizeGripDots(HDC dc, const RECT& rect) {
  RECT strip{rect.right - kSizeGripRows * kGripCellSize, rect.bottom - 3, rect.right, rect.bottom};
  for (int row = 0; row < kSizeGripRows; ++row) {
    DrawGripDots(dc, strip, false);
    strip.left += kGripCellSize;
    OffsetRect(&strip, 0, -kGripCellSize);
  }
}

void dxOffice11Initialize() {
  if (!gUnit.Enter()) return;
  if (Msimg32Library().Load("msimg32.dll")) Msimg32Library().Bind("GradientFill", Msimg32Api().GradientFill);
}

void dxOffice11Finalize() {
  if (!gUnit.Leave()) return;
  Msimg32Api().GradientFill = nullptr;
  Msimg32Library().Unload();
}
