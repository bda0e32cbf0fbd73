#include <gtest/gtest.h>

#include <vector>

#include "platform/controls/ImageList.h"

namespace {

constexpr uint32_t kRed = 0x00FF0000;
constexpr uint32_t kGreen = 0x0000FF00;
constexpr uint32_t kWhite = 0x00FFFFFF;
constexpr uint32_t kGrey = 0x00808080;

// A 3 x 2 picture from its pixels, row by row (0x00RRGGBB).
void Paint(TBitmap& bitmap, const std::vector<uint32_t>& pixels) {
  bitmap.SetSize(3, 2);
  bitmap.SetPixels(pixels);
}

std::vector<uint32_t> DrawnOnGrey(const TImageList& images, int index) {
  TBitmap target;
  Paint(target, std::vector<uint32_t>(6, kGrey));
  images.Draw(target.Canvas(), 0, 0, index);
  std::vector<uint32_t> pixels = target.GetPixels();
  for (uint32_t& pixel : pixels) pixel &= 0xFFFFFF;
  return pixels;
}

TEST(ImageListTest, AddedImagesDrawThroughTheirMaskOrSeeThroughColour) {
  const TOwned<TImageList> images = CreateUnowned<TImageList>();
  images->SetWidth(3);
  images->SetHeight(2);
  TBitmap image;
  Paint(image, {kRed, kGreen, kRed, kGreen, kRed, kWhite});
  TBitmap mask;
  Paint(mask, {kWhite, 0, 0, 0, 0, kWhite});

  EXPECT_EQ(images->Add(image, &mask), 0);
  EXPECT_EQ(images->AddMasked(image, clRed), 1);
  EXPECT_EQ(images->Add(image, nullptr), 2);
  EXPECT_EQ(images->Count(), 3);

  EXPECT_EQ(DrawnOnGrey(*images, 0), (std::vector<uint32_t>{kGrey, kGreen, kRed, kGreen, kRed, kGrey}));
  EXPECT_EQ(DrawnOnGrey(*images, 1), (std::vector<uint32_t>{kGrey, kGreen, kGrey, kGreen, kGrey, kWhite}));
  EXPECT_EQ(DrawnOnGrey(*images, 2), (std::vector<uint32_t>{kRed, kGreen, kRed, kGreen, kRed, kWhite}));

  images->Clear();
  EXPECT_EQ(images->Count(), 0);
  EXPECT_EQ(DrawnOnGrey(*images, 0), std::vector<uint32_t>(6, kGrey));
}

}  // namespace
