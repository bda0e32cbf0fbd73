#include "platform/graphics/Bitmap.h"

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
}

void TBitmap::Adopt(HBITMAP bitmap) {
  FSelection.reset();
  FBitmap.Reset(bitmap);
  BITMAP header{};
  GetObjectA(bitmap, sizeof header, &header);
  FWidth = header.bmWidth;
  FHeight = header.bmHeight < 0 ? -header.bmHeight : header.bmHeight;
  FSelection.emplace(FDC.Get(), bitmap);
}
