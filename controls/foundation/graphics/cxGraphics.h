#pragma once
// The drawing layer under every painter, control and editor of the library:
// regions, a canvas wrapper with clipping, saved states, frames, edges, text
// with the library's own flags and tiled fills, a 32-bit bitmap with pixel
// filters, the shared screen canvas, colour mixing and named colours.
#include <windows.h>
#undef DrawText

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/classes/Sets.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GdiHandles.h"

class TControl;

constexpr TRect EmptyRect{0, 0, 0, 0};

enum TcxBorder { bLeft, bTop, bRight, bBottom };
using TcxBorders = TSet<TcxBorder>;
constexpr TcxBorders cxBordersAll{bLeft, bTop, bRight, bBottom};

// The library's text flags; CanvasTextFlagsToDrawTextFlags turns them into DT_* flags.
constexpr int cxAlignLeft = 1;
constexpr int cxAlignRight = 2;
constexpr int cxAlignHCenter = 4;
constexpr int cxAlignTop = 8;
constexpr int cxAlignBottom = 16;
constexpr int cxAlignVCenter = 32;
constexpr int cxSingleLine = 64;
constexpr int cxDontClip = 128;
constexpr int cxExpandTabs = 256;
constexpr int cxShowPrefix = 512;
constexpr int cxWordBreak = 1024;
constexpr int cxShowEndEllipsis = 2048;
constexpr int cxDontPrint = 4096;
constexpr int cxShowPathEllipsis = 8192;
constexpr int cxDontBreakChars = 16384;

UINT CanvasTextFlagsToDrawTextFlags(int flags);

enum TcxRegionOperation { roSet, roAdd, roSubtract, roIntersect };

// A region the object owns.
class TcxRegion {
 public:
  TcxRegion() : TcxRegion(0, 0, 0, 0) {}
  explicit TcxRegion(const TRect& rect) : FHandle(CreateRectRgnIndirect(&rect)) {}
  TcxRegion(int left, int top, int right, int bottom) : FHandle(CreateRectRgn(left, top, right, bottom)) {}
  // Takes over a region handle.
  explicit TcxRegion(HRGN handle) : FHandle(handle) {}

  HRGN Handle() const { return FHandle.Get(); }
  // Gives up the handle (to the system, which took it for a window).
  HRGN Release() { return FHandle.Release(); }
  bool IsEmpty() const;
  void Offset(int dx, int dy) { OffsetRgn(Handle(), dx, dy); }
  // roSet makes this region a copy of the other.
  void Combine(const TcxRegion& region, TcxRegionOperation operation);

 private:
  TGdiObject<HRGN> FHandle;
};

// Draws through a class-library canvas it does not own.
class TcxCanvas {
 public:
  explicit TcxCanvas(TCanvas& canvas) : FCanvas(&canvas) {}
  virtual ~TcxCanvas() = default;
  TcxCanvas(const TcxCanvas&) = delete;
  TcxCanvas& operator=(const TcxCanvas&) = delete;

  TCanvas& Canvas() const { return *FCanvas; }
  HDC Handle() const { return FCanvas->RequiredHandle(); }
  TBrush& Brush() const { return FCanvas->Brush(); }
  TFont& Font() const { return FCanvas->Font(); }
  TPen& Pen() const { return FCanvas->Pen(); }
  void SetFont(const TFont& font) { Font().Assign(font); }
  // Viewport origin less window origin: where logical (0, 0) lies on the device.
  POINT DCOrigin() const;
  void SetWindowOrg(const POINT& origin);

  // Makes the brush a solid one of that colour, changing it only when it
  // differs: each change makes a new GDI brush.
  void SetBrushColor(TColor color);
  void SetPixel(int x, int y, TColor color) { FCanvas->SetPixels(x, y, color); }
  void Draw(int x, int y, const TBitmap& bitmap) { FCanvas->Draw(x, y, bitmap); }
  void CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect);
  void MoveTo(int x, int y) { FCanvas->MoveTo(x, y); }
  void LineTo(int x, int y) { FCanvas->LineTo(x, y); }
  void Polyline(std::span<const POINT> points) { FCanvas->Polyline(points); }
  void Polygon(std::span<const POINT> points) { FCanvas->Polygon(points); }

  // Fills with the brush, or tiles the bitmap on a grid anchored at the
  // canvas origin; with `excludeRect` the rectangle then leaves the clip region.
  void FillRect(const TRect& rect, const TBitmap* bitmap = nullptr, bool excludeRect = false);
  // clNone draws nothing; clDefault keeps the brush colour.
  void FillRectWithColor(const TRect& rect, TColor color);
  // Strips `lineWidth` wide along the chosen sides, never outside `rect`.
  void FrameRect(const TRect& rect, TColor color, int lineWidth = 1, TcxBorders borders = cxBordersAll,
                 bool excludeFrame = false);
  void FrameAndFillRect(TRect rect, const TBitmap* fillBitmap, TColor fillColor, bool excludeRect, int lineWidth,
                        TColor frameColor, TcxBorders borders = cxBordersAll);
  void DrawComplexFrame(const TRect& rect, TColor leftTopColor, TColor rightBottomColor,
                        TcxBorders borders = cxBordersAll, int lineWidth = 1);
  void DrawEdge(const TRect& rect, bool sunken, bool outer, TcxBorders borders = cxBordersAll);
  void DrawFocusRect(const TRect& rect);
  void InvertRect(const TRect& rect);

  // Text by the library's flags; disabled text is embossed.
  void DrawText(const std::string& text, TRect rect, int flags, bool enabled = true);
  // The rectangle the text takes, placed inside `rect` by the alignment flags.
  void CalculateTextRect(const std::string& text, TRect& rect, int flags);
  SIZE TextExtent(const std::string& text) { return FCanvas->TextExtent(text); }
  int TextHeight(const std::string& text) { return TextExtent(text).cy; }
  int TextWidth(const std::string& text) { return TextExtent(text).cx; }
  int FontHeight(const TFont& font);

  void ExcludeClipRect(const TRect& rect);
  void IntersectClipRect(const TRect& rect);
  // The clip region (0, 0, 30000, 30000 when none is set), in logical
  // coordinates when `considerOrigin`.
  std::unique_ptr<TcxRegion> GetClipRegion(bool considerOrigin = true);
  void SetClipRegion(TcxRegion& region, TcxRegionOperation operation, bool considerOrigin = true);

  void SaveDC();
  // Nothing when no SaveDC is outstanding.
  void RestoreDC();
  // SaveDC plus copies of the font, brush and pen.
  void SaveState();
  void RestoreState();

 private:
  struct TcxCanvasState {
    std::unique_ptr<TFont> Font;
    std::unique_ptr<TBrush> Brush;
    std::unique_ptr<TPen> Pen;
  };

  void DrawTextByDrawText(const std::string& text, TRect rect, int flags, bool enabled);
  void DrawSimpleText(const std::string& text, TRect rect, int flags, bool enabled, SIZE extent);
  void DrawTextPass(const std::string& text, const TRect& rect, int flags, bool enabled);

  TCanvas* FCanvas;
  std::vector<int> FSavedDCs;
  std::vector<TcxCanvasState> FStates;
};

// A class-library canvas on the desktop's device context, taken when first
// needed and released with the canvas.
class TScreenCanvas : public TCanvas {
 public:
  ~TScreenCanvas() override { SetHandle(nullptr); }

 protected:
  void CreateHandle() override;

 private:
  std::optional<TWindowDC> FScreenDC;
};

// Holds the screen canvas before TcxCanvas needs it.
struct TScreenCanvasHolder {
  TScreenCanvas FScreenCanvas;
};

class TcxScreenCanvas : private TScreenCanvasHolder, public TcxCanvas {
 public:
  TcxScreenCanvas() : TcxCanvas(FScreenCanvas) {}
};

// The shared screen canvas, made on first use and freed at the unit's end.
TcxScreenCanvas& cxScreenCanvas();

enum TcxBitmapFilter {
  bfLighten,
  bfDisable,
  bfGreyByAverage,
  bfOpaque,
  bfMask,
  bfGreyByWeights,
  bfGreyByLuminance,
  bfAlphaFix,
  bfCheckerboard,
  bfFill
};

// A 32-bit bitmap whose changes can be held back, with pixel filters.
class TcxBitmap : public TBitmap {
 public:
  // The transparent colour is black unless given.
  TcxBitmap() { SetTransparentColor(clBlack); }
  TcxBitmap(int width, int height, TColor transparentColor = clBlack);

  // Colours the filters leave alone, besides the transparent colour.
  std::vector<TColor>& ExcludedColors() { return FExcludedColors; }
  void SetCheckerboard(TColor color1, BYTE alpha1, TColor color2, BYTE alpha2, int cellSize);

  // Resizes and clears: to the transparent colour when its top byte is set, else black.
  void SetBitmapSize(int width, int height);
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate(bool forceChanged = true);

  std::vector<RGBQUAD> GetBitmapBits() const;
  void SetBitmapBits(const std::vector<RGBQUAD>& bits);
  void Filter(TcxBitmapFilter kind);

 protected:
  void Changed() override;

 private:
  bool IsKept(const RGBQUAD& pixel) const;
  void FilterPixel(TcxBitmapFilter kind, RGBQUAD& pixel, int column, int row) const;

  std::vector<TColor> FExcludedColors;
  int FUpdateCount = 0;
  bool FChangedWhileLocked = false;
  TColor FCheckerColor1 = clWhite;
  TColor FCheckerColor2 = clSilver;
  BYTE FCheckerAlpha1 = 255;
  BYTE FCheckerAlpha2 = 255;
  int FCheckerSize = 8;
};

struct TcxColorInfo {
  const char* Name;
  TColor Color;
};
// The 169 named colours: web colours, then system colours.
const std::vector<TcxColorInfo>& cxColorInfos();
// The colour of that name (case ignored); false when none has it.
bool cxColorByName(const std::string& name, TColor& color);

bool IsGlyphAssigned(const TBitmap* glyph);
TRect DeflateRectByMargins(const TRect& rect, const TRect& margins);
TColor GetNearestScreenColor(TColor color);

// The system colours a mix reads, as RGB values.
struct TcxSystemColorsRGB {
  COLORREF Face;
  COLORREF Highlight;
  COLORREF Window;
};
TcxSystemColorsRGB CurrentSystemColorsRGB();
// Percentages of face, highlight and window, each channel clamped to 0..255;
// a black or white face gives the highlight colour.
COLORREF MixSystemColorsRGB(const TcxSystemColorsRGB& colors, int facePercent, int highlightPercent, int windowPercent);
TColor MixSystemColors(int facePercent, int highlightPercent, int windowPercent);
TColor MixedSelectionColor();
TColor MixedLightSelectionColor();

BITMAPINFOHEADER PrepareBitmapInfoHeader(int width, int height, bool topDown);
std::vector<RGBQUAD> GetBitmapPixels(const TBitmap& bitmap);
void SetBitmapPixels(TBitmap& bitmap, const std::vector<RGBQUAD>& pixels);
bool cxBitBlt(HDC destDC, HDC sourceDC, const TRect& destRect, const POINT& sourcePoint, DWORD rop);
RGBQUAD ColorToRGBQuad(TColor color, BYTE reserved = 0);
// Mixes `color` (its alpha in rgbReserved) into `pixel` at `alpha` (0..255).
void BlendPixel(const RGBQUAD& color, RGBQUAD& pixel, BYTE alpha);
// `count` -1 writes the whole text.
bool ExtTextOutStr(HDC dc, const std::string& text, const POINT& point, int count, UINT options, const TRect* clipRect);
void cxInvalidateRect(HWND window, const TRect& rect, bool erase = true);
bool GetBitmapInfo(HBITMAP bitmap, BITMAP& info);
bool NeedsMirroredTextPositions(BYTE charset, const std::string& text);
// Paints the parent's pixels under `rect` of the control into the canvas: a
// double-buffered parent paints itself into it, any other through the
// visual-style routine.
void DrawParentBackground(TControl& control, TcxCanvas& canvas, const TRect& rect);
// Has the parent paint itself (edge, background, content) into the canvas
// under `rect` of the control, with csPaintCopy set while it does.
void PaintParentArea(TControl& control, TcxCanvas& canvas, const TRect& rect);
// Modes 1 and 2 turn the picture a quarter (swapping width and height),
// 3 half way; Flip mirrors the result.
void RotateBitmap(TBitmap& bitmap, int mode, bool flip);

// The halftone pattern brush and the system-colour brushes, made at start-up;
// the unit also binds msimg32's AlphaBlend (Msimg32Api()).
HBRUSH HalftoneBrush();
HBRUSH SystemColorBrush(int index);

void cxGraphicsInitialize();
void cxGraphicsFinalize();
