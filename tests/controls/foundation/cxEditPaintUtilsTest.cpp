#include <gtest/gtest.h>

#include <vector>

#include "controls/foundation/graphics/cxEditPaintUtils.h"

namespace {

bool IsLiveBrush(HBRUSH brush) { return GetObjectType(brush) == OBJ_BRUSH; }

COLORREF BrushColor(HBRUSH brush) {
  LOGBRUSH info{};
  GetObjectA(brush, sizeof info, &info);
  return info.lbColor;
}

class SolidBrushCacheTest : public testing::Test {
 protected:
  void SetUp() override { cxEditPaintUtilsInitialize(); }
  void TearDown() override { cxEditPaintUtilsFinalize(); }

  static int CachedCount() { return SolidBrushCache()->Count(); }
  // Asks for the colours first..last once each and returns their brushes.
  static std::vector<HBRUSH> AskRange(TColor first, TColor last) {
    std::vector<HBRUSH> brushes;
    for (TColor color = first; color <= last; ++color) brushes.push_back(GetSolidBrush(color));
    return brushes;
  }
};

TEST_F(SolidBrushCacheTest, SystemColoursZeroToThirtyAreTheSystemsOwnBrushesAndNotCached) {
  for (const int index : {0, COLOR_BTNFACE, 30}) {
    EXPECT_EQ(GetSolidBrush(SystemColor(index)), GetSysColorBrush(index)) << index;
  }
  EXPECT_EQ(CachedCount(), 0);
  // Index 31 is no system colour with a brush of its own.
  const HBRUSH beyond = GetSolidBrush(static_cast<TColor>(0xFF00001F));
  EXPECT_TRUE(IsLiveBrush(beyond));
  EXPECT_EQ(CachedCount(), 1);
}

TEST_F(SolidBrushCacheTest, EachColourHasOneBrushOfItsColourWhateverTheOrderAsked) {
  // System colours are negative as TColor: they must sort among the others
  // consistently, or a second ask misses its entry.
  const TColor colors[] = {
      0x00FFFFFF, static_cast<TColor>(0xFF00001F), 0x00000000, static_cast<TColor>(0x80000005), 0x000000FF, 0x7FFFFFFF};
  std::vector<HBRUSH> first;
  for (const TColor color : colors) first.push_back(GetSolidBrush(color));
  for (size_t i = std::size(colors); i-- > 0;) {
    EXPECT_EQ(GetSolidBrush(colors[i]), first[i]) << i;
    EXPECT_EQ(BrushColor(first[i]), ColorToRGB(colors[i])) << i;
  }
  EXPECT_EQ(CachedCount(), static_cast<int>(std::size(colors)));
}

TEST_F(SolidBrushCacheTest, ANewColourOnAFullCacheEvictsTheFirstLeastUsed) {
  const HBRUSH twice = GetSolidBrush(0);
  GetSolidBrush(0);
  const std::vector<HBRUSH> once = AskRange(1, TcxSolidBrushCache::Capacity - 1);
  ASSERT_EQ(CachedCount(), TcxSolidBrushCache::Capacity);

  GetSolidBrush(1000);
  EXPECT_EQ(CachedCount(), TcxSolidBrushCache::Capacity);
  EXPECT_FALSE(IsLiveBrush(once.front()));
  for (size_t i = 1; i < once.size(); ++i) EXPECT_TRUE(IsLiveBrush(once[i])) << i;
  EXPECT_EQ(GetSolidBrush(0), twice);
}

TEST_F(SolidBrushCacheTest, TheBrushHandedOutLastSurvivesTheNextNewColour) {
  AskRange(1, TcxSolidBrushCache::Capacity);
  // Colour 0 sorts first and is as little used as any: without care the
  // next new colour would delete it under its caller.
  const HBRUSH x = GetSolidBrush(0);
  const HBRUSH y = GetSolidBrush(1000);
  EXPECT_TRUE(IsLiveBrush(x));
  EXPECT_TRUE(IsLiveBrush(y));
  EXPECT_EQ(GetSolidBrush(0), x);
  EXPECT_EQ(GetSolidBrush(1000), y);
  EXPECT_EQ(CachedCount(), TcxSolidBrushCache::Capacity);
}

TEST_F(SolidBrushCacheTest, ASystemColourChangeDeletesTheCachedBrushes) {
  const std::vector<HBRUSH> cached = AskRange(1, 3);
  const HBRUSH face = GetSolidBrush(clBtnFace);
  SendMessageA(SystemPaletteChangedListenerWindow(), WM_SYSCOLORCHANGE, 0, 0);
  EXPECT_EQ(CachedCount(), 0);
  for (const HBRUSH brush : cached) EXPECT_FALSE(IsLiveBrush(brush));
  EXPECT_TRUE(IsLiveBrush(face));
  EXPECT_TRUE(IsLiveBrush(GetSolidBrush(1)));
}

TEST_F(SolidBrushCacheTest, TheUnitStartsOnceAndItsEndDeletesTheBrushes) {
  const HBRUSH brush = GetSolidBrush(1);
  cxEditPaintUtilsInitialize();
  EXPECT_EQ(GetSolidBrush(1), brush);
  cxEditPaintUtilsFinalize();
  EXPECT_TRUE(IsLiveBrush(brush));
  cxEditPaintUtilsFinalize();
  EXPECT_FALSE(IsLiveBrush(brush));
  // After the end no brush is handed out and no cache is made: one made now
  // would outlive every end and go with the process's statics, its palette
  // notifier releasing Office colours already gone.
  for (const TColor color : {TColor{1}, clBtnFace}) EXPECT_EQ(GetSolidBrush(color), nullptr) << color;
  EXPECT_EQ(SolidBrushCache(), nullptr);
  EXPECT_EQ(SystemPaletteChangedListenerWindow(), nullptr);
  cxEditPaintUtilsInitialize();
}

}  // namespace
