#pragma once
// TImageList: equal-sized pictures, Width by Height, each with a monochrome
// mask of its see-through pixels. They are cut from one bitmap resource (a
// strip of Width-wide images side by side, as high as the bitmap, magenta
// showing through) or added one by one. Tool bars, buttons and painters show
// images from it by index.
#include <windows.h>
// The common controls' declarations build on windows.h.
#include <commctrl.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/graphics/Bitmap.h"

struct TImageListDeleter {
  void operator()(HIMAGELIST images) const { ImageList_Destroy(images); }
};
using TImageListHandle = std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, TImageListDeleter>;

// The images of a bitmap resource cut `imageWidth` wide (0: the whole bitmap
// is one image); raises EResNotFound when the executable has no such bitmap.
TImageListHandle LoadImageStrip(const std::string& resourceName, int imageWidth);
// A one-bit copy of the picture: white pixels set, every other pixel clear.
TGdiObject<HBITMAP> CreateMonochromeMask(const TBitmap& mask);

class TImageList;

// Tells its holder that the images of the list it is registered with
// changed. It leaves the list when it goes, and forgets a list that goes first.
class TChangeLink {
 public:
  TChangeLink() = default;
  TChangeLink(const TChangeLink&) = delete;
  TChangeLink& operator=(const TChangeLink&) = delete;
  ~TChangeLink();

  TImageList* Sender() const { return FSender; }
  void SetOnChange(TNotifyEvent handler) { FOnChange = std::move(handler); }
  void Change();

 private:
  friend class TImageList;

  TImageList* FSender = nullptr;
  TNotifyEvent FOnChange;
};

class TImageList : public TComponent {
 public:
  using TComponent::TComponent;
  ~TImageList() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  int Width() const { return FWidth; }
  void SetWidth(int value);
  int Height() const { return FHeight; }
  void SetHeight(int value);
  // The bitmap resource the images are cut from; loads them at once.
  const std::string& Bitmap() const { return FBitmap; }
  void SetBitmap(const std::string& resourceName);

  HIMAGELIST Handle() const { return FHandle.get(); }
  int Count() const { return FHandle ? ImageList_GetImageCount(FHandle.get()) : 0; }

  // Adds a Width x Height image; the white pixels of `mask` show through
  // (nullptr: none does). Answers its index.
  int Add(const TBitmap& image, const TBitmap* mask);
  // Adds the image with every pixel of `maskColor` showing through.
  int AddMasked(const TBitmap& image, TColor maskColor);
  // A disabled image is drawn embossed: its shape in the highlight colour one
  // pixel down and right, under its shape in the shadow colour.
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;
  void Clear();

  // Every change of the images or their size is told to the registered links
  // and OnChange.
  void RegisterChanges(TChangeLink& link);
  void UnRegisterChanges(TChangeLink& link);
  void SetOnChange(TNotifyEvent handler) { FOnChange = std::move(handler); }

 protected:
  void Change();

 private:
  HIMAGELIST RequiredHandle();
  void DrawDisabled(HDC dc, int x, int y, int index) const;

  int FWidth = 16;
  int FHeight = 16;
  std::string FBitmap;
  TImageListHandle FHandle;
  std::vector<TChangeLink*> FChangeLinks;
  TNotifyEvent FOnChange;
};
