#pragma once
// TBitmap: a 32-bit DIB section in a memory device context of its own, with
// a canvas to draw on it; or a bitmap resource of the executable.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

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
  virtual ~TBitmap() = default;
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

  // Runs after the picture is replaced or its pixels are written.
  void SetOnChange(std::function<void()> handler) { FOnChange = std::move(handler); }

  // The pixels, row by row from the top, as 0xAARRGGBB (a DIB's BGRA bytes).
  std::vector<uint32_t> GetPixels() const;
  // Writes Width x Height pixels in the same layout.
  void SetPixels(const std::vector<uint32_t>& pixels);
  // Writes the picture as a 32-bit BMP file; raises EInvalidGraphic.
  void SaveToFile(const std::string& fileName) const;

  // The colour that shows through when the picture is drawn transparently:
  // the one set, or while it is clDefault the bottom-left pixel's; clNone for
  // an empty picture.
  TColor TransparentColor() const;
  void SetTransparentColor(TColor value) { FTransparentColor = value; }

  HBITMAP Handle() const { return FBitmap.Get(); }
  // The memory device context that holds the picture.
  HDC DC() const { return FDC.Get(); }
  TCanvas& Canvas() { return FCanvas; }

 protected:
  // Tells the change handler; a bitmap that holds its changes back overrides it.
  virtual void Changed();

 private:
  void Adopt(HBITMAP bitmap);
  BITMAPINFO TopDownInfo() const;

  TGdiObject<HBITMAP> FBitmap;
  TMemoryDC FDC;
  std::optional<TSelectedObject> FSelection;
  TCanvas FCanvas;
  int FWidth = 0;
  int FHeight = 0;
  TColor FTransparentColor = clDefault;
  std::function<void()> FOnChange;
};
