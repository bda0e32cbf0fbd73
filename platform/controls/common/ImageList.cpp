#include "platform/controls/common/ImageList.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/FormResources.h"
#include "platform/graphics/GdiHandles.h"

namespace {

constexpr COLORREF kTransparentColour = RGB(255, 0, 255);

// The list reads the pictures it is given, which a TBitmap keeps selected in
// its own context: it gets copies that no context holds.
TGdiObject<HBITMAP> UnselectedCopy(const TBitmap& image) {
  const std::vector<uint32_t> pixels = image.GetPixels();
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), image.Width(), -image.Height(), 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  TGdiObject<HBITMAP> copy(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!copy) throw EOSError("Cannot copy an image for an image list");
  std::memcpy(bits, pixels.data(), pixels.size() * sizeof(uint32_t));
  return copy;
}

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

TChangeLink::~TChangeLink() {
  if (FSender) FSender->UnRegisterChanges(*this);
}

void TChangeLink::Change() {
  if (FOnChange) FOnChange(FSender);
}

TImageList::~TImageList() {
  for (TChangeLink* link : FChangeLinks) link->FSender = nullptr;
}

void TImageList::RegisterChanges(TChangeLink& link) {
  if (link.FSender == this) return;
  if (link.FSender) link.FSender->UnRegisterChanges(link);
  link.FSender = this;
  FChangeLinks.push_back(&link);
}

void TImageList::UnRegisterChanges(TChangeLink& link) {
  if (link.FSender != this) return;
  link.FSender = nullptr;
  std::erase(FChangeLinks, &link);
}

void TImageList::Change() {
  // A holder may leave the list while it is told.
  for (TChangeLink* link : std::vector<TChangeLink*>(FChangeLinks))
    if (std::find(FChangeLinks.begin(), FChangeLinks.end(), link) != FChangeLinks.end()) link->Change();
  if (FOnChange) FOnChange(this);
}

void TImageList::SetWidth(int value) {
  if (value == FWidth) return;
  FWidth = value;
  Change();
}

void TImageList::SetHeight(int value) {
  if (value == FHeight) return;
  FHeight = value;
  Change();
}

void TImageList::SetBitmap(const std::string& resourceName) {
  FHandle = LoadImageStrip(resourceName, FWidth);
  FBitmap = resourceName;
  Change();
}

TGdiObject<HBITMAP> CreateMonochromeMask(const TBitmap& mask) {
  TGdiObject<HBITMAP> bits(CreateBitmap(mask.Width(), mask.Height(), 1, 1, nullptr));
  const TMemoryDC dc;
  const TSelectedObject selection(dc.Get(), bits.Get());
  // Copying colour to one bit sets the pixels of the source's background colour.
  const COLORREF background = SetBkColor(mask.DC(), RGB(255, 255, 255));
  BitBlt(dc.Get(), 0, 0, mask.Width(), mask.Height(), mask.DC(), 0, 0, SRCCOPY);
  SetBkColor(mask.DC(), background);
  return bits;
}

HIMAGELIST TImageList::RequiredHandle() {
  if (!FHandle) {
    FHandle.reset(ImageList_Create(FWidth, FHeight, ILC_COLOR24 | ILC_MASK, 0, 16));
    if (!FHandle) throw EOSError("Cannot create an image list");
  }
  return FHandle.get();
}

int TImageList::Add(const TBitmap& image, const TBitmap* mask) {
  const HIMAGELIST images = RequiredHandle();
  const TGdiObject<HBITMAP> maskBits = mask ? CreateMonochromeMask(*mask) : TGdiObject<HBITMAP>();
  const int index = ImageList_Add(images, UnselectedCopy(image).Get(), maskBits.Get());
  Change();
  return index;
}

int TImageList::AddMasked(const TBitmap& image, TColor maskColor) {
  const int index = ImageList_AddMasked(RequiredHandle(), UnselectedCopy(image).Get(), ColorToRGB(maskColor));
  Change();
  return index;
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
  if (!FHandle) return;
  if (enabled)
    ImageList_Draw(FHandle.get(), index, canvas.RequiredHandle(), x, y, ILD_NORMAL);
  else
    DrawDisabled(canvas.RequiredHandle(), x, y, index);
}

void TImageList::DrawDisabled(HDC dc, int x, int y, int index) const {
  // The mask of the image: its own pixels black, the see-through ones white.
  const TGdiObject<HBITMAP> shape(CreateBitmap(FWidth, FHeight, 1, 1, nullptr));
  const TMemoryDC shapeDC;
  const TSelectedObject shapeSelection(shapeDC.Get(), shape.Get());
  PatBlt(shapeDC.Get(), 0, 0, FWidth, FHeight, WHITENESS);
  ImageList_Draw(FHandle.get(), index, shapeDC.Get(), 0, 0, ILD_MASK);
  const COLORREF text = SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF background = SetBkColor(dc, RGB(255, 255, 255));
  // Paints the brush where the mask is black and leaves the rest.
  constexpr DWORD kBrushWhereBlack = 0x00B8074A;
  for (const auto& [offset, colour] : {std::pair{1, COLOR_BTNHIGHLIGHT}, std::pair{0, COLOR_BTNSHADOW}}) {
    const TSelectedObject brush(dc, GetSysColorBrush(colour));
    BitBlt(dc, x + offset, y + offset, FWidth, FHeight, shapeDC.Get(), 0, 0, kBrushWhereBlack);
  }
  SetTextColor(dc, text);
  SetBkColor(dc, background);
}

void TImageList::Clear() {
  FHandle.reset();
  Change();
}
