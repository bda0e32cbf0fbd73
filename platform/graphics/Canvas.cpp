#include "platform/graphics/Canvas.h"

#include "platform/graphics/Bitmap.h"

TCanvas::TCanvas() {
  FFont.SetOnChange([this](TObject*) { FFontSelection.reset(); });
  FBrush.SetOnChange([this](TObject*) { FBrushSelection.reset(); });
  FPen.SetOnChange([this](TObject*) { FPenSelection.reset(); });
}

TCanvas::TCanvas(HDC dc) : TCanvas() { FHandle = dc; }

void TCanvas::SetHandle(HDC dc) {
  if (dc == FHandle) return;
  ReleaseSelections();
  FHandle = dc;
}

void TCanvas::ReleaseSelections() {
  FFontSelection.reset();
  FBrushSelection.reset();
  FPenSelection.reset();
}

HDC TCanvas::RequireHandle() {
  if (!FHandle) CreateHandle();
  if (!FHandle) throw EInvalidGraphicOperation("Canvas does not allow drawing");
  return FHandle;
}

HDC TCanvas::RequireFont() {
  const HDC dc = RequireHandle();
  if (!FFontSelection) FFontSelection.emplace(dc, FFont.Handle());
  SetTextColor(dc, ColorToRGB(FFont.Color()));
  return dc;
}

HDC TCanvas::RequireBrush() {
  const HDC dc = RequireHandle();
  if (!FBrushSelection) FBrushSelection.emplace(dc, FBrush.Handle());
  if (FBrush.Style() == bsClear) {
    SetBkMode(dc, TRANSPARENT);
  } else {
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, ColorToRGB(FBrush.Color()));
  }
  return dc;
}

HDC TCanvas::RequirePen() {
  const HDC dc = RequireHandle();
  if (!FPenSelection) FPenSelection.emplace(dc, FPen.Handle());
  return dc;
}

void TCanvas::FillRect(const TRect& rect) { ::FillRect(RequireBrush(), &rect, FBrush.Handle()); }

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  RequirePen();
  ::Rectangle(RequireBrush(), left, top, right, bottom);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
  RequirePen();
  ::Ellipse(RequireBrush(), left, top, right, bottom);
}

void TCanvas::MoveTo(int x, int y) { MoveToEx(RequireHandle(), x, y, nullptr); }

void TCanvas::LineTo(int x, int y) { ::LineTo(RequirePen(), x, y); }

void TCanvas::DrawFocusRect(const TRect& rect) {
  // The focus rectangle inverts what is there: it takes the context's colours as they are.
  const HDC dc = RequireHandle();
  const COLORREF textColor = SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF backColor = SetBkColor(dc, RGB(255, 255, 255));
  ::DrawFocusRect(dc, &rect);
  SetTextColor(dc, textColor);
  SetBkColor(dc, backColor);
}

void TCanvas::Polyline(std::span<const POINT> points) {
  ::Polyline(RequirePen(), points.data(), static_cast<int>(points.size()));
}

void TCanvas::Polygon(std::span<const POINT> points) {
  RequirePen();
  ::Polygon(RequireBrush(), points.data(), static_cast<int>(points.size()));
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
  RequirePen();
  ::RoundRect(RequireBrush(), left, top, right, bottom, cornerWidth, cornerHeight);
}

TColor TCanvas::Pixels(int x, int y) { return static_cast<TColor>(GetPixel(RequireHandle(), x, y)); }

void TCanvas::SetPixels(int x, int y, TColor color) { SetPixel(RequireHandle(), x, y, ColorToRGB(color)); }

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect) {
  StretchBlt(RequireBrush(), dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top,
             source.RequireHandle(), sourceRect.left, sourceRect.top, sourceRect.right - sourceRect.left,
             sourceRect.bottom - sourceRect.top, FCopyMode);
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
  RequireBrush();
  TextOutA(RequireFont(), x, y, text.data(), static_cast<int>(text.size()));
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const std::string& text) {
  RequireBrush();
  const UINT options = ETO_CLIPPED | (FBrush.Style() == bsClear ? 0 : ETO_OPAQUE);
  ExtTextOutA(RequireFont(), x, y, options, &rect, text.data(), static_cast<UINT>(text.size()), nullptr);
}

void TCanvas::ExtTextOut(int x, int y, UINT options, const TRect* rect, const std::string& text) {
  RequireBrush();
  ExtTextOutA(RequireFont(), x, y, options, rect, text.data(), static_cast<UINT>(text.size()), nullptr);
}

int TCanvas::DrawText(const std::string& text, TRect& rect, UINT format) {
  RequireBrush();
  return ::DrawTextA(RequireFont(), text.data(), static_cast<int>(text.size()), &rect, format);
}

SIZE TCanvas::TextExtent(const std::string& text) {
  SIZE size{};
  GetTextExtentPoint32A(RequireFont(), text.data(), static_cast<int>(text.size()), &size);
  return size;
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  BitBlt(RequireHandle(), x, y, bitmap.Width(), bitmap.Height(), bitmap.DC(), 0, 0, SRCCOPY);
}

namespace {

// A one-bit picture of `image`: set where its pixel has the colour.
TGdiObject<HBITMAP> ColorMask(TBitmap& image, TColor color) {
  TGdiObject<HBITMAP> mask(CreateBitmap(image.Width(), image.Height(), 1, 1, nullptr));
  const TMemoryDC dc;
  const TSelectedObject selection(dc.Get(), mask.Get());
  // A colour picture copied to one bit sets the pixels of its background colour.
  const COLORREF background = SetBkColor(image.DC(), ColorToRGB(color));
  BitBlt(dc.Get(), 0, 0, image.Width(), image.Height(), image.DC(), 0, 0, SRCCOPY);
  SetBkColor(image.DC(), background);
  return mask;
}

// Combines `mask` into `target` by `rop`, its set bits taken as white and its
// clear bits as black.
void ApplyMask(TBitmap& target, HBITMAP mask, DWORD rop) {
  const TMemoryDC dc;
  const TSelectedObject selection(dc.Get(), mask);
  const COLORREF text = SetTextColor(target.DC(), RGB(0, 0, 0));
  const COLORREF background = SetBkColor(target.DC(), RGB(255, 255, 255));
  BitBlt(target.DC(), 0, 0, target.Width(), target.Height(), dc.Get(), 0, 0, rop);
  SetTextColor(target.DC(), text);
  SetBkColor(target.DC(), background);
}

// Destination AND NOT source.
constexpr DWORD kAndNotSource = 0x00220326;

}  // namespace

void TCanvas::BrushCopy(const TRect& dest, const TBitmap& bitmap, const TRect& source, TColor color) {
  const int width = dest.right - dest.left;
  const int height = dest.bottom - dest.top;
  if (width <= 0 || height <= 0 || bitmap.Empty()) return;
  const HDC dc = RequireBrush();
  TBitmap image;
  image.SetSize(width, height);
  StretchBlt(image.DC(), 0, 0, width, height, bitmap.DC(), source.left, source.top, source.right - source.left,
             source.bottom - source.top, SRCCOPY);
  const TGdiObject<HBITMAP> mask = ColorMask(image, color);
  TBitmap shownThrough;
  shownThrough.SetSize(width, height);
  if (FBrush.Style() == bsClear) {
    BitBlt(shownThrough.DC(), 0, 0, width, height, dc, dest.left, dest.top, SRCCOPY);
  } else {
    const TRect whole{0, 0, width, height};
    ::FillRect(shownThrough.DC(), &whole, FBrush.Handle());
  }
  ApplyMask(image, mask.Get(), kAndNotSource);
  ApplyMask(shownThrough, mask.Get(), SRCAND);
  BitBlt(image.DC(), 0, 0, width, height, shownThrough.DC(), 0, 0, SRCPAINT);
  BitBlt(dc, dest.left, dest.top, width, height, image.DC(), 0, 0, SRCCOPY);
}
