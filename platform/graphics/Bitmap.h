#pragma once
// TBitmap: a 32-bit DIB section in a memory device context of its own, with
// a canvas to draw on it; or a bitmap resource of the executable.
#include <windows.h>

#include <optional>
#include <string>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/GdiHandles.h"
#include "platform/rtl/Exceptions.h"

// A picture that cannot be made or loaded.
class EInvalidGraphic : public Exception {
 public:
  using Exception::Exception;
};

class TBitmap {
 public:
  TBitmap();
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  bool Empty() const { return !FBitmap; }
  // A new picture of that size, black; an empty one for a size of 0.
  void SetSize(int width, int height);
  // Replaces the picture with the bitmap resource of that name; raises EInvalidGraphic.
  void LoadFromResourceName(HINSTANCE instance, const std::string& name);
  void Clear();

  HBITMAP Handle() const { return FBitmap.Get(); }
  // The memory device context that holds the picture.
  HDC DC() const { return FDC.Get(); }
  TCanvas& Canvas() { return FCanvas; }

 private:
  void Adopt(HBITMAP bitmap);

  TGdiObject<HBITMAP> FBitmap;
  TMemoryDC FDC;
  std::optional<TSelectedObject> FSelection;
  TCanvas FCanvas;
  int FWidth = 0;
  int FHeight = 0;
};
