#include "controls/foundation/graphics/cxGraphics.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "controls/foundation/graphics/dxUxTheme.h"
#include "platform/controls/core/WinControl.h"
#include "platform/graphics/Msimg32.h"
#include "platform/rtl/DynamicLibrary.h"
#include "platform/rtl/Units.h"

namespace {

TUnitGuard gUnit;
std::unique_ptr<TcxScreenCanvas> gScreenCanvas;
TGdiObject<HBITMAP> gHalftoneBitmap;
TGdiObject<HBRUSH> gHalftoneBrush;
std::vector<HBRUSH> gSystemBrushes;

constexpr int kSystemBrushCount = 31;
// Stands in for "no clip region": larger than any screen.
constexpr int kUnclippedExtent = 30000;

TDynamicLibrary& Msimg32Library() {
  static TDynamicLibrary library;
  return library;
}

// Division rounded towards minus infinity, so cells left of or above the
// origin are found as well as those right of it.
int FloorDiv(int a, int b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

int RectWidth(const TRect& r) { return r.right - r.left; }
int RectHeight(const TRect& r) { return r.bottom - r.top; }
bool IsRectEmpty(const TRect& r) { return r.right <= r.left || r.bottom <= r.top; }

bool IntersectRects(TRect& result, const TRect& a, const TRect& b) {
  result = {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
  return !IsRectEmpty(result);
}

BYTE ClampByte(int value) { return static_cast<BYTE>(std::clamp(value, 0, 255)); }

BYTE RoundByte(double value) { return static_cast<BYTE>(std::min(255L, std::lround(value))); }

BYTE Grey(const RGBQUAD& pixel, double redWeight, double greenWeight, double blueWeight) {
  return RoundByte(pixel.rgbRed * redWeight + pixel.rgbGreen * greenWeight + pixel.rgbBlue * blueWeight);
}

void SetGrey(RGBQUAD& pixel, BYTE grey) { pixel.rgbRed = pixel.rgbGreen = pixel.rgbBlue = grey; }

BYTE Lighten(BYTE channel) { return static_cast<BYTE>(channel + MulDiv(255 - channel, 3, 10)); }

COLORREF PixelRGB(const RGBQUAD& pixel) { return RGB(pixel.rgbRed, pixel.rgbGreen, pixel.rgbBlue); }

}  // namespace

UINT CanvasTextFlagsToDrawTextFlags(int flags) {
  struct TFlagMapping {
    int Flag;
    UINT DrawTextFlag;
  };
  static constexpr TFlagMapping kMappings[] = {
      {cxAlignRight, DT_RIGHT},      {cxAlignHCenter, DT_CENTER},           {cxAlignBottom, DT_BOTTOM},
      {cxAlignVCenter, DT_VCENTER},  {cxSingleLine, DT_SINGLELINE},         {cxDontClip, DT_NOCLIP},
      {cxExpandTabs, DT_EXPANDTABS}, {cxWordBreak, DT_WORDBREAK},           {cxShowEndEllipsis, DT_END_ELLIPSIS},
      {cxDontPrint, DT_CALCRECT},    {cxShowPathEllipsis, DT_PATH_ELLIPSIS}};
  UINT result = DT_NOPREFIX;
  for (const TFlagMapping& mapping : kMappings)
    if (flags & mapping.Flag) result |= mapping.DrawTextFlag;
  if (flags & cxShowPrefix) result &= ~DT_NOPREFIX;
  // An edit control's word break also breaks a word too long for the line.
  if ((flags & cxWordBreak) && !(flags & cxDontBreakChars)) result |= DT_EDITCONTROL;
  return result;
}

bool TcxRegion::IsEmpty() const {
  RECT box{};
  return GetRgnBox(Handle(), &box) == NULLREGION;
}

void TcxRegion::Combine(const TcxRegion& region, TcxRegionOperation operation) {
  static constexpr int kModes[] = {RGN_COPY, RGN_OR, RGN_DIFF, RGN_AND};
  if (operation == roSet)
    CombineRgn(Handle(), region.Handle(), nullptr, RGN_COPY);
  else
    CombineRgn(Handle(), Handle(), region.Handle(), kModes[operation]);
}

POINT TcxCanvas::DCOrigin() const {
  POINT viewport{};
  POINT window{};
  GetViewportOrgEx(Handle(), &viewport);
  GetWindowOrgEx(Handle(), &window);
  return {viewport.x - window.x, viewport.y - window.y};
}

void TcxCanvas::SetWindowOrg(const POINT& origin) { SetWindowOrgEx(Handle(), origin.x, origin.y, nullptr); }

void TcxCanvas::SetBrushColor(TColor color) {
  // A clear brush of the same colour would fill nothing, a pattern brush its pattern.
  if (Brush().PatternBitmap()) Brush().SetPatternBitmap(nullptr);
  if (Brush().Color() != color || Brush().Style() != bsSolid) Brush().SetColor(color);
}

void TcxCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect) {
  FCanvas->CopyRect(dest, source, sourceRect);
}

void TcxCanvas::FillRect(const TRect& rect, const TBitmap* bitmap, bool excludeRect) {
  if (IsRectEmpty(rect)) return;
  if (IsGlyphAssigned(bitmap)) {
    const int width = bitmap->Width();
    const int height = bitmap->Height();
    for (int row = FloorDiv(rect.top, height); row * height < rect.bottom; ++row)
      for (int column = FloorDiv(rect.left, width); column * width < rect.right; ++column) {
        const TRect cell{column * width, row * height, (column + 1) * width, (row + 1) * height};
        TRect part;
        if (!IntersectRects(part, cell, rect)) continue;
        BitBlt(Handle(), part.left, part.top, RectWidth(part), RectHeight(part), bitmap->DC(), part.left - cell.left,
               part.top - cell.top, SRCCOPY);
      }
  } else {
    FCanvas->FillRect(rect);
  }
  if (excludeRect) ExcludeClipRect(rect);
}

void TcxCanvas::FillRectWithColor(const TRect& rect, TColor color) {
  if (color == clNone) return;
  if (color != clDefault) SetBrushColor(color);
  FillRect(rect);
}

void TcxCanvas::FrameRect(const TRect& rect, TColor color, int lineWidth, TcxBorders borders, bool excludeFrame) {
  if (IsRectEmpty(rect)) return;
  if (color != clDefault) SetBrushColor(color);
  const TRect r = rect;
  if (borders.Contains(bLeft))
    FillRect({r.left, r.top, std::min(r.left + lineWidth, r.right), r.bottom}, nullptr, excludeFrame);
  if (borders.Contains(bRight))
    FillRect({std::max(r.right - lineWidth, r.left), r.top, r.right, r.bottom}, nullptr, excludeFrame);
  if (borders.Contains(bTop))
    FillRect({r.left, r.top, r.right, std::min(r.top + lineWidth, r.bottom)}, nullptr, excludeFrame);
  if (borders.Contains(bBottom))
    FillRect({r.left, std::max(r.bottom - lineWidth, r.top), r.right, r.bottom}, nullptr, excludeFrame);
}

void TcxCanvas::FrameAndFillRect(TRect rect, const TBitmap* fillBitmap, TColor fillColor, bool excludeRect,
                                 int lineWidth, TColor frameColor, TcxBorders borders) {
  FrameRect(rect, frameColor, lineWidth, borders);
  if (borders.Contains(bLeft)) rect.left += lineWidth;
  if (borders.Contains(bTop)) rect.top += lineWidth;
  if (borders.Contains(bRight)) rect.right -= lineWidth;
  if (borders.Contains(bBottom)) rect.bottom -= lineWidth;
  SetBrushColor(fillColor);
  FillRect(rect, fillBitmap, excludeRect);
}

void TcxCanvas::DrawComplexFrame(const TRect& rect, TColor leftTopColor, TColor rightBottomColor, TcxBorders borders,
                                 int lineWidth) {
  const TRect r = rect;
  if (borders.Contains(bLeft)) FillRectWithColor({r.left, r.top, r.left + lineWidth, r.bottom}, leftTopColor);
  if (borders.Contains(bTop)) FillRectWithColor({r.left, r.top, r.right, r.top + lineWidth}, leftTopColor);
  if (borders.Contains(bRight)) FillRectWithColor({r.right - lineWidth, r.top, r.right, r.bottom}, rightBottomColor);
  if (borders.Contains(bBottom)) FillRectWithColor({r.left, r.bottom - lineWidth, r.right, r.bottom}, rightBottomColor);
}

void TcxCanvas::DrawEdge(const TRect& rect, bool sunken, bool outer, TcxBorders borders) {
  struct TEdgeColors {
    TColor LeftTop;
    TColor RightBottom;
  };
  // Indexed by [sunken][outer].
  static constexpr TEdgeColors kColors[2][2] = {{{clBtnHighlight, clBtnShadow}, {cl3DLight, cl3DDkShadow}},
                                                {{cl3DDkShadow, cl3DLight}, {clBtnShadow, clBtnHighlight}}};
  const TEdgeColors& colors = kColors[sunken][outer];
  DrawComplexFrame(rect, colors.LeftTop, colors.RightBottom, borders);
}

void TcxCanvas::DrawFocusRect(const TRect& rect) {
  SetBrushColor(clWhite);
  Font().SetColor(clBlack);
  FCanvas->DrawFocusRect(rect);
}

void TcxCanvas::InvertRect(const TRect& rect) {
  FCanvas->SetCopyMode(DSTINVERT);
  FCanvas->CopyRect(rect, *FCanvas, rect);
  FCanvas->SetCopyMode(SRCCOPY);
}

void TcxCanvas::CalculateTextRect(const std::string& text, TRect& rect, int flags) {
  const int width0 = RectWidth(rect);
  const int height0 = RectHeight(rect);
  const UINT format = (CanvasTextFlagsToDrawTextFlags(flags) & ~DT_VCENTER) | DT_CALCRECT;
  if (width0 <= 0 && !text.empty()) rect.right = rect.left + 1;
  if (FCanvas->DrawText(text, rect, format) == 0) rect = {rect.left, rect.top, rect.left, rect.top};
  const int width = RectWidth(rect);
  const int height = RectHeight(rect);
  int dx = 0;
  int dy = 0;
  if (flags & cxAlignHCenter)
    dx = (width0 - width) / 2;
  else if (flags & cxAlignRight)
    dx = width0 - width;
  if (flags & cxAlignVCenter)
    dy = (height0 - height) / 2;
  else if (flags & cxAlignBottom)
    dy = height0 - height;
  OffsetRect(&rect, dx, dy);
}

void TcxCanvas::DrawText(const std::string& text, TRect rect, int flags, bool enabled) {
  if (text.empty()) return;
  const TBrushStyle brushStyle = Brush().Style();
  const TColor fontColor = Font().Color();
  if (enabled) {
    DrawTextPass(text, rect, flags, true);
  } else {
    Brush().SetStyle(bsClear);
    Font().SetColor(clBtnHighlight);
    DrawTextPass(text, {rect.left + 1, rect.top + 1, rect.right + 1, rect.bottom + 1}, flags, false);
    Font().SetColor(clBtnShadow);
    DrawTextPass(text, rect, flags, false);
  }
  Brush().SetStyle(brushStyle);
  Font().SetColor(fontColor);
}

void TcxCanvas::DrawTextPass(const std::string& text, const TRect& rect, int flags, bool enabled) {
  const SIZE extent = TextExtent(text);
  if (RectWidth(rect) >= extent.cx && RectHeight(rect) >= extent.cy) flags |= cxDontClip;
  const bool simple = (flags & cxSingleLine) && !(flags & (cxShowPrefix | cxShowEndEllipsis | cxShowPathEllipsis));
  if (simple)
    DrawSimpleText(text, rect, flags, enabled, extent);
  else
    DrawTextByDrawText(text, rect, flags, enabled);
}

void TcxCanvas::DrawTextByDrawText(const std::string& text, TRect rect, int flags, bool enabled) {
  if (!(flags & cxSingleLine) && (flags & (cxAlignBottom | cxAlignVCenter))) {
    TRect textRect = rect;
    CalculateTextRect(text, textRect, flags | cxWordBreak);
    const int height = RectHeight(textRect);
    if (flags & cxAlignBottom)
      rect.top = rect.bottom - height - (enabled ? 0 : 1);
    else
      rect.top = (rect.top + rect.bottom - height) / 2;
  }
  FCanvas->DrawText(text, rect, CanvasTextFlagsToDrawTextFlags(flags));
}

void TcxCanvas::DrawSimpleText(const std::string& text, TRect rect, int flags, bool enabled, SIZE extent) {
  if (RectWidth(rect) > extent.cx) {
    if ((flags & 7) == cxAlignRight)
      rect.left = rect.right - extent.cx - (enabled ? 0 : 1);
    else if ((flags & 7) == cxAlignHCenter)
      rect.left = (rect.left + rect.right - extent.cx) / 2;
  }
  if (RectHeight(rect) > extent.cy) {
    if ((flags & 56) == cxAlignBottom)
      rect.top = rect.bottom - extent.cy;
    else if ((flags & 56) == cxAlignVCenter)
      rect.top = (rect.top + rect.bottom - extent.cy) / 2;
  }
  const UINT options = (flags & cxDontClip) ? 0 : ETO_CLIPPED;
  FCanvas->ExtTextOut(rect.left, rect.top, options, &rect, text);
}

int TcxCanvas::FontHeight(const TFont& font) {
  SetFont(font);
  return TextHeight("Qq");
}

void TcxCanvas::ExcludeClipRect(const TRect& rect) {
  ::ExcludeClipRect(Handle(), rect.left, rect.top, rect.right, rect.bottom);
}

void TcxCanvas::IntersectClipRect(const TRect& rect) {
  ::IntersectClipRect(Handle(), rect.left, rect.top, rect.right, rect.bottom);
}

std::unique_ptr<TcxRegion> TcxCanvas::GetClipRegion(bool considerOrigin) {
  auto region = std::make_unique<TcxRegion>();
  if (GetClipRgn(Handle(), region->Handle()) != 1)
    SetRectRgn(region->Handle(), 0, 0, kUnclippedExtent, kUnclippedExtent);
  if (considerOrigin) {
    const POINT origin = DCOrigin();
    region->Offset(-origin.x, -origin.y);
  }
  return region;
}

void TcxCanvas::SetClipRegion(TcxRegion& region, TcxRegionOperation operation, bool considerOrigin) {
  if (operation == roSet) {
    const POINT origin = considerOrigin ? DCOrigin() : POINT{0, 0};
    region.Offset(origin.x, origin.y);
    SelectClipRgn(Handle(), region.Handle());
    region.Offset(-origin.x, -origin.y);
    return;
  }
  const std::unique_ptr<TcxRegion> clip = GetClipRegion(considerOrigin);
  clip->Combine(region, operation);
  SetClipRegion(*clip, roSet, considerOrigin);
}

void TcxCanvas::SaveDC() {
  FCanvas->ReleaseSelections();
  FSavedDCs.push_back(::SaveDC(Handle()));
}

void TcxCanvas::RestoreDC() {
  if (FSavedDCs.empty()) return;
  FCanvas->ReleaseSelections();
  ::RestoreDC(Handle(), FSavedDCs.back());
  FSavedDCs.pop_back();
}

void TcxCanvas::SaveState() {
  SaveDC();
  TcxCanvasState state{std::make_unique<TFont>(), std::make_unique<TBrush>(), std::make_unique<TPen>()};
  state.Font->Assign(Font());
  state.Brush->Assign(Brush());
  state.Pen->Assign(Pen());
  FStates.push_back(std::move(state));
}

void TcxCanvas::RestoreState() {
  if (FStates.empty()) return;
  const TcxCanvasState& state = FStates.back();
  Font().Assign(*state.Font);
  Brush().Assign(*state.Brush);
  Pen().Assign(*state.Pen);
  FStates.pop_back();
  RestoreDC();
}

void TScreenCanvas::CreateHandle() {
  FScreenDC.emplace(nullptr);
  SetHandle(FScreenDC->Get());
}

TcxScreenCanvas& cxScreenCanvas() {
  if (!gScreenCanvas) gScreenCanvas = std::make_unique<TcxScreenCanvas>();
  return *gScreenCanvas;
}

TcxBitmap::TcxBitmap(int width, int height, TColor transparentColor) {
  SetTransparentColor(transparentColor);
  SetBitmapSize(width, height);
}

void TcxBitmap::SetCheckerboard(TColor color1, BYTE alpha1, TColor color2, BYTE alpha2, int cellSize) {
  FCheckerColor1 = color1;
  FCheckerAlpha1 = alpha1;
  FCheckerColor2 = color2;
  FCheckerAlpha2 = alpha2;
  FCheckerSize = cellSize;
}

void TcxBitmap::SetBitmapSize(int width, int height) {
  BeginUpdate();
  // A new picture is black; a transparent colour with its top byte set fills it.
  SetSize(width, height);
  if ((static_cast<uint32_t>(TransparentColor()) >> 24) != 0) Filter(bfFill);
  EndUpdate();
}

void TcxBitmap::EndUpdate(bool forceChanged) {
  if (FUpdateCount > 0) --FUpdateCount;
  if (forceChanged || FChangedWhileLocked) Changed();
}

void TcxBitmap::Changed() {
  if (FUpdateCount > 0) {
    FChangedWhileLocked = true;
    return;
  }
  FChangedWhileLocked = false;
  TBitmap::Changed();
}

std::vector<RGBQUAD> TcxBitmap::GetBitmapBits() const { return GetBitmapPixels(*this); }

void TcxBitmap::SetBitmapBits(const std::vector<RGBQUAD>& bits) { SetBitmapPixels(*this, bits); }

bool TcxBitmap::IsKept(const RGBQUAD& pixel) const {
  const COLORREF color = PixelRGB(pixel);
  if (color == ColorToRGB(TransparentColor())) return true;
  return std::any_of(FExcludedColors.begin(), FExcludedColors.end(),
                     [color](TColor excluded) { return ColorToRGB(excluded) == color; });
}

void TcxBitmap::Filter(TcxBitmapFilter kind) {
  std::vector<RGBQUAD> pixels = GetBitmapBits();
  for (int row = 0; row < Height(); ++row)
    for (int column = 0; column < Width(); ++column)
      FilterPixel(kind, pixels[static_cast<size_t>(row) * Width() + column], column, row);
  SetBitmapBits(pixels);
}

void TcxBitmap::FilterPixel(TcxBitmapFilter kind, RGBQUAD& pixel, int column, int row) const {
  const bool kept = IsKept(pixel);
  switch (kind) {
    case bfLighten:
      if (kept) return;
      pixel = {Lighten(pixel.rgbBlue), Lighten(pixel.rgbGreen), Lighten(pixel.rgbRed), Lighten(pixel.rgbReserved)};
      return;
    case bfDisable:
      if (kept) return;
      SetGrey(pixel, Grey(pixel, 0.299, 0.587, 0.114));
      BlendPixel(ColorToRGBQuad(clBtnShadow, 192), pixel, 238);
      return;
    case bfGreyByAverage:
      if (!kept) SetGrey(pixel, static_cast<BYTE>((pixel.rgbRed + pixel.rgbGreen + pixel.rgbBlue) / 3));
      return;
    case bfOpaque: pixel.rgbReserved = 255; return;
    case bfMask: pixel = kept ? RGBQUAD{255, 255, 255, 255} : RGBQUAD{0, 0, 0, 0}; return;
    case bfGreyByWeights:
      if (!kept) SetGrey(pixel, Grey(pixel, 0.299, 0.587, 0.114));
      return;
    case bfGreyByLuminance:
      if (!kept) SetGrey(pixel, Grey(pixel, 0.0729, 0.7146, 0.2125));
      return;
    case bfAlphaFix:
      if (!kept && pixel.rgbReserved == 0) pixel.rgbReserved = 255;
      return;
    case bfCheckerboard: {
      // A cell size of 0 would divide by zero: such a board has cells of one pixel.
      const int size = std::max(FCheckerSize, 1);
      const bool odd = (column / size + row / size) % 2 != 0;
      BlendPixel(ColorToRGBQuad(odd ? FCheckerColor2 : FCheckerColor1, 255), pixel,
                 odd ? FCheckerAlpha2 : FCheckerAlpha1);
      return;
    }
    case bfFill: pixel = ColorToRGBQuad(TransparentColor()); return;
  }
}

bool IsGlyphAssigned(const TBitmap* glyph) { return glyph && !glyph->Empty(); }

TRect DeflateRectByMargins(const TRect& rect, const TRect& margins) {
  return {rect.left + margins.left, rect.top + margins.top, rect.right - margins.right, rect.bottom - margins.bottom};
}

TColor GetNearestScreenColor(TColor color) {
  return static_cast<TColor>(GetNearestColor(cxScreenCanvas().Handle(), ColorToRGB(color)));
}

TcxSystemColorsRGB CurrentSystemColorsRGB() {
  return {ColorToRGB(clBtnFace), ColorToRGB(clHighlight), ColorToRGB(clWindow)};
}

COLORREF MixSystemColorsRGB(const TcxSystemColorsRGB& colors, int facePercent, int highlightPercent,
                            int windowPercent) {
  if (colors.Face == RGB(0, 0, 0) || colors.Face == RGB(255, 255, 255)) return colors.Highlight;
  const auto mix = [&](BYTE (*channel)(COLORREF)) {
    return ClampByte(MulDiv(channel(colors.Face), facePercent, 100) +
                     MulDiv(channel(colors.Highlight), highlightPercent, 100) +
                     MulDiv(channel(colors.Window), windowPercent, 100));
  };
  return RGB(mix([](COLORREF c) { return GetRValue(c); }), mix([](COLORREF c) { return GetGValue(c); }),
             mix([](COLORREF c) { return GetBValue(c); }));
}

TColor MixSystemColors(int facePercent, int highlightPercent, int windowPercent) {
  return static_cast<TColor>(
      MixSystemColorsRGB(CurrentSystemColorsRGB(), facePercent, highlightPercent, windowPercent));
}

TColor MixedSelectionColor() { return GetNearestScreenColor(MixSystemColors(14, 44, 40)); }

TColor MixedLightSelectionColor() { return GetNearestScreenColor(MixSystemColors(-2, 30, 72)); }

BITMAPINFOHEADER PrepareBitmapInfoHeader(int width, int height, bool topDown) {
  return {sizeof(BITMAPINFOHEADER), width, topDown ? -height : height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
}

std::vector<RGBQUAD> GetBitmapPixels(const TBitmap& bitmap) {
  const std::vector<uint32_t> pixels = bitmap.GetPixels();
  std::vector<RGBQUAD> quads(pixels.size());
  std::memcpy(quads.data(), pixels.data(), pixels.size() * sizeof(uint32_t));
  return quads;
}

void SetBitmapPixels(TBitmap& bitmap, const std::vector<RGBQUAD>& pixels) {
  std::vector<uint32_t> values(pixels.size());
  std::memcpy(values.data(), pixels.data(), pixels.size() * sizeof(uint32_t));
  bitmap.SetPixels(values);
}

bool cxBitBlt(HDC destDC, HDC sourceDC, const TRect& destRect, const POINT& sourcePoint, DWORD rop) {
  return BitBlt(destDC, destRect.left, destRect.top, RectWidth(destRect), RectHeight(destRect), sourceDC, sourcePoint.x,
                sourcePoint.y, rop) != FALSE;
}

RGBQUAD ColorToRGBQuad(TColor color, BYTE reserved) {
  const COLORREF rgb = ColorToRGB(color);
  return {GetBValue(rgb), GetGValue(rgb), GetRValue(rgb), reserved};
}

void BlendPixel(const RGBQUAD& color, RGBQUAD& pixel, BYTE alpha) {
  const double f = alpha / 255.0;
  const double g = 1 - color.rgbReserved * f / 255.0;
  pixel = {RoundByte(color.rgbBlue * f + pixel.rgbBlue * g), RoundByte(color.rgbGreen * f + pixel.rgbGreen * g),
           RoundByte(color.rgbRed * f + pixel.rgbRed * g), RoundByte(color.rgbReserved * f + pixel.rgbReserved * g)};
}

bool ExtTextOutStr(HDC dc, const std::string& text, const POINT& point, int count, UINT options,
                   const TRect* clipRect) {
  const UINT length = count < 0 ? static_cast<UINT>(text.size()) : static_cast<UINT>(count);
  return ExtTextOutA(dc, point.x, point.y, options, clipRect, text.data(), length, nullptr) != FALSE;
}

void cxInvalidateRect(HWND window, const TRect& rect, bool erase) { InvalidateRect(window, &rect, erase); }

bool GetBitmapInfo(HBITMAP bitmap, BITMAP& info) { return GetObjectA(bitmap, sizeof(BITMAP), &info) != 0; }

bool NeedsMirroredTextPositions(BYTE charset, const std::string& text) {
  if (!text.empty() && static_cast<unsigned char>(text[0]) < 128) return false;
  if (charset == DEFAULT_CHARSET) {
    CHARSETINFO info{};
    if (TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<uintptr_t>(GetACP())), &info, TCI_SRCCODEPAGE))
      charset = static_cast<BYTE>(info.ciCharset);
  }
  return charset == GB2312_CHARSET || charset == CHINESEBIG5_CHARSET || charset == ARABIC_CHARSET;
}

void DrawParentBackground(TControl& control, TcxCanvas& canvas, const TRect& rect) {
  TWinControl* parent = control.Parent();
  if (!parent) return;
  if (parent->DoubleBuffered()) return PaintParentArea(control, canvas, rect);
  auto* windowed = dynamic_cast<TWinControl*>(&control);
  if (!windowed) return;
  TRect area = rect;
  dxUxTheme::DrawThemeParentBackground(windowed->Handle(), canvas.Handle(), &area);
}

namespace {

// The parent's border in the non-client area, which WM_PAINT does not draw.
void PaintParentEdge(TWinControl& parent, HDC dc) {
  if (!parent.HandleAllocated()) return;
  RECT bounds{0, 0, parent.Width(), parent.Height()};
  const LONG_PTR exStyle = GetWindowLongPtrA(parent.Handle(), GWL_EXSTYLE);
  const LONG_PTR style = GetWindowLongPtrA(parent.Handle(), GWL_STYLE);
  if (exStyle & WS_EX_CLIENTEDGE)
    DrawEdge(dc, &bounds, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  else if (style & WS_BORDER)
    DrawEdge(dc, &bounds, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST | BF_MONO);
}

void SetPaintCopy(TControl& control, bool value) {
  TControlState state = control.ControlState();
  if (value)
    state.Include(csPaintCopy);
  else
    state.Exclude(csPaintCopy);
  control.SetControlState(state);
}

}  // namespace

void PaintParentArea(TControl& control, TcxCanvas& canvas, const TRect& rect) {
  TWinControl* parent = control.Parent();
  if (!parent) return;
  TRect area = rect;
  OffsetRect(&area, control.Left(), control.Top());
  canvas.SaveDC();
  const HDC dc = canvas.Handle();
  POINT origin{};
  GetWindowOrgEx(dc, &origin);
  SetWindowOrgEx(dc, origin.x + control.Left(), origin.y + control.Top(), nullptr);
  canvas.IntersectClipRect(area);
  RECT clip{};
  if (GetClipBox(dc, &clip) != NULLREGION) {
    SetPaintCopy(*parent, true);
    PaintParentEdge(*parent, dc);
    parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc));
    parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
    SetPaintCopy(*parent, false);
  }
  canvas.RestoreDC();
}

void RotateBitmap(TBitmap& bitmap, int mode, bool flip) {
  if (mode == 0 && !flip) return;
  const int w = bitmap.Width();
  const int h = bitmap.Height();
  const std::vector<RGBQUAD> source = GetBitmapPixels(bitmap);
  std::vector<RGBQUAD> target(source.size());
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      int index = 0;
      switch (mode) {
        case 0: index = (h - 1 - y) * w + x; break;
        case 1: index = flip ? x * h + y : (w - 1 - x) * h + y; break;
        case 2: index = flip ? h * (w - x) - y - 1 : h - 1 + x * h - y; break;
        default: index = flip ? y * w + w - 1 - x : w * (h - y) - x - 1; break;
      }
      target[static_cast<size_t>(index)] = source[static_cast<size_t>(y) * w + x];
    }
  if (mode == 1 || mode == 2) bitmap.SetSize(h, w);
  SetBitmapPixels(bitmap, target);
}

HBRUSH HalftoneBrush() { return gHalftoneBrush.Get(); }

HBRUSH SystemColorBrush(int index) { return gSystemBrushes.at(static_cast<size_t>(index)); }

void cxGraphicsInitialize() {
  if (!gUnit.Enter()) return;
  // Rows alternate 0xAA and 0x55, one word each as monochrome bitmaps want.
  static constexpr WORD kHalftoneRows[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
  gHalftoneBitmap.Reset(CreateBitmap(8, 8, 1, 1, kHalftoneRows));
  gHalftoneBrush.Reset(CreatePatternBrush(gHalftoneBitmap.Get()));
  for (int index = 0; index < kSystemBrushCount; ++index) gSystemBrushes.push_back(GetSysColorBrush(index));
  if (Msimg32Library().Load("msimg32.dll")) Msimg32Library().Bind("AlphaBlend", Msimg32Api().AlphaBlend);
}

void cxGraphicsFinalize() {
  if (!gUnit.Leave()) return;
  Msimg32Api().AlphaBlend = nullptr;
  Msimg32Library().Unload();
  gSystemBrushes.clear();
  gHalftoneBrush.Reset();
  gHalftoneBitmap.Reset();
  gScreenCanvas.reset();
}
