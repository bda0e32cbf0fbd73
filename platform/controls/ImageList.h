#pragma once
// TImageList: equal-sized pictures cut from one bitmap resource (a strip of
// Width-wide images side by side, as high as the bitmap), drawn with magenta
// as the see-through colour. Tool bars and buttons show images from it by index.
#include <windows.h>
// The common controls' declarations build on windows.h.
#include <commctrl.h>

#include <memory>
#include <string>
#include <type_traits>

#include "platform/classes/Component.h"

struct TImageListDeleter {
  void operator()(HIMAGELIST images) const { ImageList_Destroy(images); }
};
using TImageListHandle = std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, TImageListDeleter>;

// The images of a bitmap resource cut `imageWidth` wide (0: the whole bitmap
// is one image); raises EResNotFound when the executable has no such bitmap.
TImageListHandle LoadImageStrip(const std::string& resourceName, int imageWidth);

class TImageList : public TComponent {
 public:
  using TComponent::TComponent;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  int Width() const { return FWidth; }
  void SetWidth(int value) { FWidth = value; }
  // The bitmap resource the images are cut from; loads them at once.
  const std::string& Bitmap() const { return FBitmap; }
  void SetBitmap(const std::string& resourceName);

  HIMAGELIST Handle() const { return FHandle.get(); }
  int Count() const { return FHandle ? ImageList_GetImageCount(FHandle.get()) : 0; }

 private:
  int FWidth = 16;
  std::string FBitmap;
  TImageListHandle FHandle;
};
