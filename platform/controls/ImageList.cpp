#include "platform/controls/ImageList.h"

#include "platform/classes/ClassBuilder.h"
#include "platform/controls/FormResources.h"
#include "platform/graphics/GdiHandles.h"

namespace {

constexpr COLORREF kTransparentColour = RGB(255, 0, 255);

}  // namespace

TImageListHandle LoadImageStrip(const std::string& resourceName, int imageWidth) {
  const TGdiObject<HBITMAP> bitmap(static_cast<HBITMAP>(
      LoadImageA(GetModuleHandleA(nullptr), resourceName.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!bitmap) throw EResNotFound("Bitmap resource " + resourceName + " not found");
  BITMAP size{};
  GetObjectA(bitmap.Get(), sizeof size, &size);
  const int width = imageWidth > 0 ? imageWidth : size.bmWidth;
  TImageListHandle images(ImageList_Create(width, size.bmHeight, ILC_COLOR24 | ILC_MASK, size.bmWidth / width, 1));
  if (!images) throw EOSError("Cannot create an image list for " + resourceName);
  ImageList_AddMasked(images.get(), bitmap.Get(), kTransparentColour);
  return images;
}

TClass TImageList::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TImageList>("TImageList", TComponent::StaticClass())
                                          .Integer("Width", &TImageList::Width, &TImageList::SetWidth, 16)
                                          .Bitmap("Bitmap", &TImageList::Bitmap, &TImageList::SetBitmap)
                                          .Build();
  return &metaClass;
}

void TImageList::SetBitmap(const std::string& resourceName) {
  FHandle = LoadImageStrip(resourceName, FWidth);
  FBitmap = resourceName;
}
