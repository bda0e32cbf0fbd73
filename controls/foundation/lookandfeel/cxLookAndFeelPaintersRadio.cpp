// Radio buttons of the classic styles are painted from the glyph Windows
// itself draws: measured once, mapped pixel by pixel into rings and areas,
// and painted in each style's colours, so they take the system's size and
// follow the colour scheme.
#include <algorithm>
#include <vector>

#include "controls/foundation/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/foundation/lookandfeel/cxLookAndFeelPaintersUtils.h"
#include "controls/foundation/graphics/dxOffice11.h"

namespace {

constexpr int kStyleKindCount = 4;
constexpr int kButtonStateCount = cxbsDisabled + 1;
constexpr int kOffice11Kind = 3;
constexpr int kUltraFlatKind = 2;
constexpr UINT kRadioMask = DFCS_FLAT | DFCS_BUTTONRADIOMASK;
constexpr UINT kCheckedRadioImage = DFCS_FLAT | DFCS_CHECKED | DFCS_BUTTONRADIOIMAGE;

bool HasColor(uint32_t pixel, COLORREF color) {
  return (pixel & 0xFFFFFFu) ==
         ((uint32_t{GetRValue(color)} << 16) | (uint32_t{GetGValue(color)} << 8) | GetBValue(color));
}

// The cell with the glyph drawn on black.
std::vector<uint32_t> DrawRadioCell(SIZE cell, UINT state) {
  TBitmap bitmap;
  bitmap.SetSize(cell.cx, cell.cy);
  TRect r{0, 0, cell.cx, cell.cy};
  DrawFrameControl(bitmap.DC(), &r, DFC_BUTTON, state);
  return bitmap.GetPixels();
}

// The box of the pixels that are not black.
TRect MeasureGlyphBox(const std::vector<uint32_t>& pixels, SIZE cell) {
  std::vector<bool> columns(cell.cx), rows(cell.cy);
  for (int y = 0; y < cell.cy; ++y)
    for (int x = 0; x < cell.cx; ++x)
      if ((pixels[y * cell.cx + x] & 0xFFFFFF) != 0) columns[x] = rows[y] = true;
  const auto first = [](const std::vector<bool>& set) {
    return static_cast<int>(std::find(set.begin(), set.end(), true) - set.begin());
  };
  const int left = first(columns);
  const int top = first(rows);
  if (left == cell.cx || top == cell.cy) return EmptyRect;
  const auto count = [](const std::vector<bool>& set) {
    return static_cast<int>(std::count(set.begin(), set.end(), true));
  };
  return {left, top, left + count(columns), top + count(rows)};
}

// From `start`, the last pixel in `step`'s direction that still has the colour, never leaving the box.
int ScanWhileColored(const std::vector<uint32_t>& pixels, int width, const TRect& box, POINT start, POINT step,
                     COLORREF color) {
  POINT p = start;
  const auto inside = [&](POINT q) { return q.x >= box.left && q.x < box.right && q.y >= box.top && q.y < box.bottom; };
  while (inside({p.x + step.x, p.y + step.y}) && HasColor(pixels[(p.y + step.y) * width + p.x + step.x], color)) {
    p.x += step.x;
    p.y += step.y;
  }
  return step.x != 0 ? p.x : p.y;
}

TRect MeasureDot(const std::vector<uint32_t>& pixels, SIZE cell, const TRect& glyph) {
  const COLORREF color = ColorToRGB(clWindowText);
  const int width = RectWidth(glyph);
  const int height = RectHeight(glyph);
  const POINT vertical{glyph.left + width / 2 - 1, glyph.top + height / 2 - 2};
  const POINT horizontal{glyph.left + width / 2 - 2, glyph.top + height / 2 - 1};
  const auto starts = [&](POINT p) {
    return p.x >= glyph.left && p.y >= glyph.top && p.x < glyph.right && p.y < glyph.bottom &&
           HasColor(pixels[p.y * cell.cx + p.x], color);
  };
  if (!starts(vertical) || !starts(horizontal)) return EmptyRect;
  return {ScanWhileColored(pixels, cell.cx, glyph, horizontal, {-1, 0}, color),
          ScanWhileColored(pixels, cell.cx, glyph, vertical, {0, -1}, color),
          ScanWhileColored(pixels, cell.cx, glyph, horizontal, {1, 0}, color) + 1,
          ScanWhileColored(pixels, cell.cx, glyph, vertical, {0, 1}, color) + 1};
}

// A dot a third of the glyph's size in its middle.
TRect CentredDot(const TRect& glyph) {
  const int width = RectWidth(glyph) / 3;
  const int height = RectHeight(glyph) / 3;
  const int left = glyph.left + (RectWidth(glyph) - width) / 2;
  const int top = glyph.top + (RectHeight(glyph) - height) / 2;
  return {left, top, left + width, top + height};
}

// True below the anti-diagonal, where the lower-right half of the ring lies.
bool IsLowerRight(int x, int y, int width, int height) { return (height - 1) * (width - 1 - x) < (width - 1) * y; }
bool IsOnAntiDiagonal(int x, int y, int width, int height) { return (height - 1) * (width - 1 - x) == (width - 1) * y; }

// The black pixels of a figure drawn on white in a glyph-sized picture.
template <class Draw>
std::vector<bool> BlackPixels(int width, int height, Draw draw) {
  TBitmap bitmap;
  bitmap.SetSize(width, height);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush().SetColor(clWhite);
  canvas.FillRect({0, 0, width, height});
  canvas.Pen().SetColor(clBlack);
  draw(canvas);
  canvas.SetHandle(nullptr);
  std::vector<bool> black;
  for (const uint32_t pixel : bitmap.GetPixels()) black.push_back((pixel & 0xFFFFFF) == 0);
  return black;
}

void MarkOuterRing(TcxRadioCodeMap& map) {
  const std::vector<bool> ring = BlackPixels(map.Width, map.Height, [&](TCanvas& canvas) {
    canvas.RoundRect(0, 0, map.Width, map.Height, map.Width, map.Height);
  });
  for (int y = 0; y < map.Height; ++y)
    for (int x = 0; x < map.Width; ++x)
      if (ring[y * map.Width + x])
        map.Codes[y * map.Width + x] =
            IsLowerRight(x, y, map.Width, map.Height) ? rpcOuterRingLowerRight : rpcOuterRingUpperLeft;
}

// Each inner row, from the middle outwards until the ring.
void MarkInterior(TcxRadioCodeMap& map) {
  for (int y = 1; y < map.Height - 1; ++y) {
    for (int x = map.Width / 2 - 1; x >= 0 && map.At(x, y) == rpcOutside; --x)
      map.Codes[y * map.Width + x] = rpcInterior;
    for (int x = map.Width / 2; x < map.Width && map.At(x, y) == rpcOutside; ++x)
      map.Codes[y * map.Width + x] = rpcInterior;
  }
}

bool TouchesOuterRing(const TcxRadioCodeMap& map, int x, int y) {
  const POINT neighbours[] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
  return std::any_of(std::begin(neighbours), std::end(neighbours), [&](POINT p) {
    if (p.x < 0 || p.y < 0 || p.x >= map.Width || p.y >= map.Height) return false;
    const TcxRadioPixelCode code = map.At(p.x, p.y);
    return code == rpcOuterRingUpperLeft || code == rpcOuterRingLowerRight;
  });
}

void MarkInnerRing(TcxRadioCodeMap& map) {
  std::vector<POINT> ring;
  for (int y = 0; y < map.Height; ++y)
    for (int x = 0; x < map.Width; ++x)
      if (map.At(x, y) == rpcInterior && TouchesOuterRing(map, x, y)) ring.push_back({x, y});
  for (const POINT p : ring) {
    const bool lowerRight = IsOnAntiDiagonal(p.x, p.y, map.Width, map.Height)
                                ? p.x > map.Width / 2 - 1
                                : IsLowerRight(p.x, p.y, map.Width, map.Height);
    map.Codes[p.y * map.Width + p.x] = lowerRight ? rpcInnerRingLowerRight : rpcInnerRingUpperLeft;
  }
}

void MarkDot(TcxRadioCodeMap& map, const TRect& dot) {
  if (IsEmptyRect(dot)) return;
  const std::vector<bool> black = BlackPixels(map.Width, map.Height, [&](TCanvas& canvas) {
    canvas.Brush().SetColor(clBlack);
    canvas.Ellipse(dot.left, dot.top, dot.right, dot.bottom);
  });
  for (size_t i = 0; i < black.size(); ++i)
    if (black[i]) map.Codes[i] = rpcDot;
}

TColor InteriorColor(int kind, TcxButtonState state) {
  if (kind == kOffice11Kind) return state == cxbsNormal ? clWindow : cxOffice11LookAndFeelPainter()->ButtonColor(state);
  if (state == cxbsDisabled) return clBtnFace;
  if (kind == kUltraFlatKind) {
    switch (state) {
      case cxbsNormal: return clWindow;
      case cxbsHot: return MixedLightSelectionColor();
      case cxbsPressed: return MixedSelectionColor();
      default: return clBtnFace;
    }
  }
  return state == cxbsPressed ? clBtnFace : clWindow;
}

std::pair<TColor, TColor> OuterRingColors(int kind, TcxButtonState state, bool focused) {
  const bool active = state == cxbsHot || state == cxbsPressed;
  if (kind == kUltraFlatKind) {
    const TColor color = active || (focused && state != cxbsDisabled) ? clHighlight : clBtnShadow;
    return {color, color};
  }
  if (kind == kOffice11Kind) {
    const TColor scheme = Office11Colors().SchemeColors[state == cxbsDisabled ? 31 : 21];
    const TColor color = active || focused || state == cxbsDisabled ? scheme : clBtnText;
    return {color, color};
  }
  return {clBtnShadow, clBtnHighlight};
}

std::pair<TColor, TColor> InnerRingColors(int kind, TColor interior) {
  switch (kind) {
    case 0: return {cl3DLight, cl3DLight};
    case 1: return {cl3DDkShadow, cl3DLight};
    default: return {interior, interior};
  }
}

TColor DotColor(int kind, TcxButtonState state, bool checked, TColor interior) {
  if (!checked) return interior;
  if (state != cxbsDisabled) return clWindowText;
  return kind == kOffice11Kind ? Office11Colors().SchemeColors[31] : clBtnShadow;
}

}  // namespace

TcxRadioGlyphMetrics MeasureRadioGlyph() {
  TcxRadioGlyphMetrics metrics;
  metrics.Cell = CheckBoxBitmapCellSize();
  metrics.Glyph = MeasureGlyphBox(DrawRadioCell(metrics.Cell, kRadioMask), metrics.Cell);
  // Where Windows' checked glyph does not show its dot at the middle (Wine's
  // does not), the dot is a centred one.
  metrics.Dot = MeasureDot(DrawRadioCell(metrics.Cell, kCheckedRadioImage), metrics.Cell, metrics.Glyph);
  if (IsEmptyRect(metrics.Dot)) metrics.Dot = CentredDot(metrics.Glyph);
  return metrics;
}

TcxRadioCodeMap BuildRadioCodeMap(const TcxRadioGlyphMetrics& metrics) {
  TcxRadioCodeMap map;
  map.Width = std::max(0, static_cast<int>(RectWidth(metrics.Glyph)));
  map.Height = std::max(0, static_cast<int>(RectHeight(metrics.Glyph)));
  map.Codes.assign(static_cast<size_t>(map.Width) * map.Height, rpcOutside);
  if (map.Codes.empty()) return map;
  MarkOuterRing(map);
  MarkInterior(map);
  MarkInnerRing(map);
  MarkDot(map, MovedRect(metrics.Dot, -metrics.Glyph.left, -metrics.Glyph.top));
  return map;
}

int LookAndFeelStyleToKind(TcxLookAndFeelStyle style) {
  switch (style) {
    case lfsFlat: return 0;
    case lfsUltraFlat: return kUltraFlatKind;
    case lfsOffice11: return kOffice11Kind;
    default: return 1;
  }
}

TcxRadioPalette RadioButtonPalette(int kind, TcxButtonState state, bool checked, bool focused) {
  const TColor interior = InteriorColor(kind, state);
  const auto [outerUpperLeft, outerLowerRight] = OuterRingColors(kind, state, focused);
  const auto [innerUpperLeft, innerLowerRight] = InnerRingColors(kind, interior);
  return {clNone,
          outerUpperLeft,
          outerLowerRight,
          innerUpperLeft,
          innerLowerRight,
          interior,
          DotColor(kind, state, checked, interior)};
}

TcxRadioButtonImageList::TcxRadioButtonImageList(const TcxRadioGlyphMetrics& metrics)
    : FCodeMap(BuildRadioCodeMap(metrics)), FImages(CreateUnowned<TImageList>()) {
  FImages->SetWidth(FCodeMap.Width);
  FImages->SetHeight(FCodeMap.Height);
  FMask.SetSize(FCodeMap.Width, FCodeMap.Height);
  std::vector<uint32_t> mask;
  for (const TcxRadioPixelCode code : FCodeMap.Codes) mask.push_back(code == rpcOutside ? 0x00FFFFFF : 0);
  FMask.SetPixels(mask);
  Rebuild();
}

void TcxRadioButtonImageList::Rebuild() {
  FImages->Clear();
  if (FCodeMap.Codes.empty()) return;
  for (int kind = 0; kind < kStyleKindCount; ++kind)
    for (const bool checked : {false, true})
      for (const bool focused : {false, true})
        for (int state = 0; state < kButtonStateCount; ++state)
          AddImage(kind, static_cast<TcxButtonState>(state), checked, focused);
}

void TcxRadioButtonImageList::AddImage(int kind, TcxButtonState state, bool checked, bool focused) {
  const TcxRadioPalette palette = RadioButtonPalette(kind, state, checked, focused);
  std::vector<uint32_t> pixels;
  for (const TcxRadioPixelCode code : FCodeMap.Codes) {
    const COLORREF rgb = code == rpcOutside ? RGB(255, 255, 255) : ColorToRGB(palette[code]);
    pixels.push_back((uint32_t{GetRValue(rgb)} << 16) | (uint32_t{GetGValue(rgb)} << 8) | GetBValue(rgb));
  }
  TBitmap image;
  image.SetSize(FCodeMap.Width, FCodeMap.Height);
  image.SetPixels(pixels);
  FImages->Add(image, &FMask);
}

// Images run by style kind, then checked, focused and state.
int TcxRadioButtonImageList::ImageIndex(int kind, TcxButtonState state, bool checked, bool focused) {
  const int clampedState = std::clamp(static_cast<int>(state), 0, kButtonStateCount - 1);
  return ((kind * 2 + (checked ? 1 : 0)) * 2 + (focused ? 1 : 0)) * kButtonStateCount + clampedState;
}

void TcxRadioButtonImageList::Draw(TcxCanvas& canvas, int x, int y, TcxLookAndFeelStyle style, TcxButtonState state,
                                   bool checked, bool focused, TColor brushColor) const {
  const int index = ImageIndex(LookAndFeelStyleToKind(style), state, checked, focused);
  if (index >= FImages->Count()) return;
  if (brushColor == clDefault) return FImages->Draw(canvas.Canvas(), x, y, index);
  // Drawn over the colour first, then only the glyph's circle reaches the canvas.
  TBitmap composed;
  composed.SetSize(FCodeMap.Width, FCodeMap.Height);
  TcxCanvas composedCanvas(composed.Canvas());
  composedCanvas.FillRectWithColor({0, 0, FCodeMap.Width, FCodeMap.Height}, brushColor);
  FImages->Draw(composed.Canvas(), 0, 0, index);
  const TGdiObject<HBITMAP> mask = CreateMonochromeMask(FMask);
  MaskBlt(canvas.Handle(), x, y, FCodeMap.Width, FCodeMap.Height, composed.DC(), 0, 0, mask.Get(), 0, 0,
          MAKEROP4(0x00AA0029, SRCCOPY));
}
