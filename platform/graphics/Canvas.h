#pragma once
// TCanvas: drawing on a device context it does not own, with its own font,
// brush and pen. The canvas selects them into the context when a drawing
// call needs them and selects the context's own objects back when it lets go
// of the context (SetHandle, destruction) or when one of them changes.
#include <windows.h>
// The canvas's own TextOut is the member below; Win32 is called as TextOutA.
#undef TextOut
#undef DrawText
#undef ExtTextOut

#include <optional>
#include <span>
#include <string>

#include "platform/graphics/GdiHandles.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Exceptions.h"

class TBitmap;

using TRect = RECT;

constexpr TRect Rect(int left, int top, int right, int bottom) { return TRect{left, top, right, bottom}; }

// Drawing on a canvas that has no device context.
class EInvalidGraphicOperation : public Exception {
 public:
  using Exception::Exception;
};

class TCanvas {
 public:
  TCanvas();
  explicit TCanvas(HDC dc);
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;
  virtual ~TCanvas() = default;

  HDC Handle() const { return FHandle; }
  // Binds the canvas to another context (nullptr: none), releasing the previous one.
  void SetHandle(HDC dc);
  // The context to draw on, made when the canvas has none and knows how.
  HDC RequiredHandle() { return RequireHandle(); }
  // The context with the canvas's font selected, for code that measures and
  // draws text on the context itself.
  HDC RequiredFontHandle() { return RequireFont(); }

  TFont& Font() { return FFont; }
  TBrush& Brush() { return FBrush; }
  TPen& Pen() { return FPen; }

  // Fills with the brush; the pen is not used.
  void FillRect(const TRect& rect);
  // Outlined with the pen and filled with the brush.
  void Rectangle(int left, int top, int right, int bottom);
  void Ellipse(int left, int top, int right, int bottom);
  void MoveTo(int x, int y);
  // A line with the pen, the end point excluded.
  void LineTo(int x, int y);
  void DrawFocusRect(const TRect& rect);
  // Lines with the pen through the points, the last point excluded.
  void Polyline(std::span<const POINT> points);
  // A closed figure outlined with the pen and filled with the brush.
  void Polygon(std::span<const POINT> points);
  void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);

  TColor Pixels(int x, int y);
  void SetPixels(int x, int y, TColor color);

  // The raster operation of CopyRect (SRCCOPY unless set).
  DWORD CopyMode() const { return FCopyMode; }
  void SetCopyMode(DWORD value) { FCopyMode = value; }
  // Copies `source`'s rectangle into `dest`, stretched to fit, by the copy mode.
  void CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect);

  // Text in the font; its background is the brush colour unless the brush is clear.
  void TextOut(int x, int y, const std::string& text);
  // TextOut clipped to `rect`, whose area is filled first when the brush is solid.
  void TextRect(const TRect& rect, int x, int y, const std::string& text);
  // ExtTextOut with its options (ETO_*), clipped or filled to `rect` as they say.
  void ExtTextOut(int x, int y, UINT options, const TRect* rect, const std::string& text);
  // Text laid out in `rect` by DrawText's format flags (DT_*).
  // Answers DrawText's height of the text, 0 when it fails.
  int DrawText(const std::string& text, TRect& rect, UINT format);
  SIZE TextExtent(const std::string& text);
  int TextWidth(const std::string& text) { return TextExtent(text).cx; }
  int TextHeight(const std::string& text) { return TextExtent(text).cy; }

  // Copies the whole bitmap with its top-left corner at (x, y).
  void Draw(int x, int y, const TBitmap& bitmap);
  // Copies `source`'s rectangle into `dest`, stretched to fit, with the
  // pixels of `color` replaced by the brush; a clear brush leaves what is
  // under them as it was.
  void BrushCopy(const TRect& dest, const TBitmap& bitmap, const TRect& source, TColor color);

  // Selects the context's own objects back: before SaveDC or RestoreDC,
  // which would otherwise leave the canvas's objects selected behind its back.
  void ReleaseSelections();

 protected:
  // Gives the canvas a context when a drawing call finds none; none here.
  virtual void CreateHandle() {}

 private:
  HDC RequireHandle();
  HDC RequireFont();
  HDC RequireBrush();
  HDC RequirePen();

  HDC FHandle = nullptr;
  DWORD FCopyMode = SRCCOPY;
  TFont FFont;
  TBrush FBrush;
  TPen FPen;
  // Declared after the objects they select, so they are undone before those are deleted.
  std::optional<TSelectedObject> FFontSelection;
  std::optional<TSelectedObject> FBrushSelection;
  std::optional<TSelectedObject> FPenSelection;
};
