#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/controls/common/ImageList.h"

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

TEST(ImageListTest, ADisabledImageIsItsShapeEmbossedInTheHighlightAndShadowColours) {
  const TOwned<TImageList> images = CreateUnowned<TImageList>();
  images->SetWidth(3);
  images->SetHeight(2);
  TBitmap image;
  Paint(image, {kRed, kGreen, kRed, kGreen, kRed, kWhite});
  images->AddMasked(image, clWhite);

  TBitmap target;
  target.SetSize(4, 3);
  target.SetPixels(std::vector<uint32_t>(12, kGrey));
  images->Draw(target.Canvas(), 0, 0, 0, false);
  std::vector<uint32_t> pixels = target.GetPixels();
  for (uint32_t& pixel : pixels) pixel &= 0xFFFFFF;
  const auto rgb = [](int index) {
    const COLORREF colour = GetSysColor(index);
    return static_cast<uint32_t>(GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour));
  };
  const uint32_t s = rgb(COLOR_BTNSHADOW);
  const uint32_t h = rgb(COLOR_BTNHIGHLIGHT);
  // The see-through corner at (2, 1) shows the highlight of (1, 0) below it.
  EXPECT_EQ(pixels, (std::vector<uint32_t>{s, s, s, kGrey,  //
                                           s, s, h, h,      //
                                           kGrey, h, h, kGrey}));
}

TEST(ImageListTest, EveryChangeOfTheImagesReachesTheRegisteredLinksUntilEitherSideGoes) {
  TOwned<TImageList> images = CreateUnowned<TImageList>();
  images->SetWidth(3);
  images->SetHeight(2);
  TBitmap image;
  Paint(image, std::vector<uint32_t>(6, kRed));
  int told = 0;
  int toldOnChange = 0;
  TChangeLink link;
  link.SetOnChange([&](TObject* sender) {
    EXPECT_EQ(sender, images.get());
    ++told;
  });
  images->SetOnChange([&](TObject*) { ++toldOnChange; });
  images->RegisterChanges(link);
  images->RegisterChanges(link);
  EXPECT_EQ(link.Sender(), images.get());

  struct TCase {
    const char* Label;
    std::function<void()> Change;
    int Told;
  };
  const TCase cases[] = {
      {"added", [&] { images->Add(image, nullptr); }, 1}, {"added masked", [&] { images->AddMasked(image, clRed); }, 1},
      {"wider", [&] { images->SetWidth(4); }, 1},         {"as wide", [&] { images->SetWidth(4); }, 0},
      {"higher", [&] { images->SetHeight(3); }, 1},       {"cleared", [&] { images->Clear(); }, 1},
  };
  for (const TCase& c : cases) {
    told = toldOnChange = 0;
    c.Change();
    EXPECT_EQ(told, c.Told) << c.Label;
    EXPECT_EQ(toldOnChange, c.Told) << c.Label;
  }

  {
    TChangeLink passing;
    images->RegisterChanges(passing);
  }
  told = 0;
  images->Clear();
  EXPECT_EQ(told, 1);
  images->UnRegisterChanges(link);
  images->Clear();
  EXPECT_EQ(told, 1);

  images->RegisterChanges(link);
  images.reset();
  EXPECT_EQ(link.Sender(), nullptr);
}

}  // namespace
