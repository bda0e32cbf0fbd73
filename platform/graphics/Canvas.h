#pragma once
// TCanvas: drawing on a device context it does not own, with its own font,
// brush and pen. The canvas selects them into the context when a drawing
// call needs them and selects the context's own objects back when it lets go
// of the context (SetHandle, destruction) or when one of them changes.
#include <windows.h>
// The canvas's own TextOut is the member below; Win32 is called as TextOutA.
#undef TextOut
#undef DrawText

#include <optional>
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

  // Text in the font; its background is the brush colour unless the brush is clear.
  void TextOut(int x, int y, const std::string& text);
  // TextOut clipped to `rect`, whose area is filled first when the brush is solid.
  void TextRect(const TRect& rect, int x, int y, const std::string& text);
  // Text laid out in `rect` by DrawText's format flags (DT_*).
  void DrawText(const std::string& text, TRect& rect, UINT format);
  SIZE TextExtent(const std::string& text);
  int TextWidth(const std::string& text) { return TextExtent(text).cx; }
  int TextHeight(const std::string& text) { return TextExtent(text).cy; }

  // Copies the whole bitmap with its top-left corner at (x, y).
  void Draw(int x, int y, const TBitmap& bitmap);

 protected:
  // Gives the canvas a context when a drawing call finds none; none here.
  virtual void CreateHandle() {}

 private:
  HDC RequireHandle();
  HDC RequireFont();
  HDC RequireBrush();
  HDC RequirePen();
  void ReleaseSelections();

  HDC FHandle = nullptr;
  TFont FFont;
  TBrush FBrush;
  TPen FPen;
  // Declared after the objects they select, so they are undone before those are deleted.
  std::optional<TSelectedObject> FFontSelection;
  std::optional<TSelectedObject> FBrushSelection;
  std::optional<TSelectedObject> FPenSelection;
};
