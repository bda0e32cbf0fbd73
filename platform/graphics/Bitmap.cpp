#include "platform/graphics/Bitmap.h"

#include <fstream>

TBitmap::TBitmap() : FCanvas(FDC.Get()) {}

void TBitmap::SetSize(int width, int height) {
  if (width <= 0 || height <= 0) return Clear();
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(FDC.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap)
    throw EInvalidGraphic("Cannot create a bitmap of " + std::to_string(width) + " x " + std::to_string(height) +
                          " pixels");
  Adopt(bitmap);
}

void TBitmap::LoadFromResourceName(HINSTANCE instance, const std::string& name) {
  const auto bitmap = static_cast<HBITMAP>(LoadImageA(instance, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!bitmap) throw EInvalidGraphic("Bitmap resource " + name + " not found");
  Adopt(bitmap);
}

void TBitmap::Clear() {
  FSelection.reset();
  FBitmap.Reset();
  FWidth = 0;
  FHeight = 0;
  Changed();
}

void TBitmap::Adopt(HBITMAP bitmap) {
  FSelection.reset();
  FBitmap.Reset(bitmap);
  BITMAP header{};
  GetObjectA(bitmap, sizeof header, &header);
  FWidth = header.bmWidth;
  FHeight = header.bmHeight < 0 ? -header.bmHeight : header.bmHeight;
  FSelection.emplace(FDC.Get(), bitmap);
  Changed();
}

TColor TBitmap::TransparentColor() const {
  if (FTransparentColor != clDefault) return FTransparentColor;
  if (Empty()) return clNone;
  GdiFlush();
  return static_cast<TColor>(GetPixel(FDC.Get(), 0, FHeight - 1));
}

void TBitmap::Changed() {
  if (FOnChange) FOnChange();
}

BITMAPINFO TBitmap::TopDownInfo() const {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), FWidth, -FHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  return info;
}

std::vector<uint32_t> TBitmap::GetPixels() const {
  std::vector<uint32_t> pixels(static_cast<size_t>(FWidth) * FHeight);
  if (pixels.empty()) return pixels;
  BITMAPINFO info = TopDownInfo();
  GdiFlush();
  GetDIBits(FDC.Get(), FBitmap.Get(), 0, FHeight, pixels.data(), &info, DIB_RGB_COLORS);
  return pixels;
}

void TBitmap::SetPixels(const std::vector<uint32_t>& pixels) {
  if (Empty() || pixels.size() < static_cast<size_t>(FWidth) * FHeight) return;
  const BITMAPINFO info = TopDownInfo();
  SetDIBits(FDC.Get(), FBitmap.Get(), 0, FHeight, pixels.data(), &info, DIB_RGB_COLORS);
  Changed();
}

void TBitmap::SaveToFile(const std::string& fileName) const {
  const std::vector<uint32_t> pixels = GetPixels();
  const BITMAPINFO info = TopDownInfo();
  const auto imageSize = static_cast<DWORD>(pixels.size() * sizeof(uint32_t));
  constexpr DWORD headersSize = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  const BITMAPFILEHEADER header{0x4D42, headersSize + imageSize, 0, 0, headersSize};
  std::ofstream out(fileName, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
  out.write(reinterpret_cast<const char*>(pixels.data()), imageSize);
  if (!out) throw EInvalidGraphic("Cannot write " + fileName);
}
