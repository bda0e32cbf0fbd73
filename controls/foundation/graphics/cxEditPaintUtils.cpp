#include "controls/foundation/graphics/cxEditPaintUtils.h"

#include <algorithm>
#include <memory>

#include "platform/rtl/Units.h"

namespace {

TUnitGuard gUnit;
std::unique_ptr<TcxSolidBrushCache> gSolidBrushCache;
// The system's brushes of the system colours 0..30; the system owns them.
std::vector<HBRUSH> gSystemBrushes;

constexpr int kSystemBrushCount = 31;
// A system colour holds its index in the low byte under this top byte.
constexpr uint32_t kSystemColorFlag = 0xFF000000;

bool IsSystemBrushColor(uint32_t color) {
  return color >= kSystemColorFlag && color < kSystemColorFlag + kSystemBrushCount;
}

}  // namespace

TcxSolidBrushCache::TcxSolidBrushCache() {
  FEntries.reserve(Capacity);
  FPaletteNotifier.SetOnSystemPaletteChanged([this] { Flush(); });
}

HBRUSH TcxSolidBrushCache::GetSolidBrush(TColor color) {
  const auto key = static_cast<uint32_t>(color);
  auto position = std::lower_bound(FEntries.begin(), FEntries.end(), key,
                                   [](const TEntry& entry, uint32_t value) { return entry.Color < value; });
  if (position != FEntries.end() && position->Color == key) {
    ++position->UseCount;
  } else {
    auto index = position - FEntries.begin();
    if (Count() == Capacity) {
      const auto evicted = LeastUsed();
      if (evicted < position) --index;
      FEntries.erase(evicted);
    }
    // A new brush counts as used once, or it would be the first evicted
    // while still as new as any.
    position =
        FEntries.insert(FEntries.begin() + index, {key, TGdiObject<HBRUSH>(CreateSolidBrush(ColorToRGB(color))), 1});
  }
  FLastColor = key;
  return position->Brush.Get();
}

// The first of the least used in colour order, passing over the brush handed
// out last.
TcxSolidBrushCache::TEntries::iterator TcxSolidBrushCache::LeastUsed() {
  auto least = FEntries.end();
  for (auto entry = FEntries.begin(); entry != FEntries.end(); ++entry)
    if (entry->Color != FLastColor && (least == FEntries.end() || entry->UseCount < least->UseCount)) least = entry;
  return least;
}

void TcxSolidBrushCache::Flush() {
  FEntries.clear();
  FLastColor.reset();
}

TcxSolidBrushCache* SolidBrushCache() { return gSolidBrushCache.get(); }

HBRUSH GetSolidBrush(TColor color) {
  if (!gSolidBrushCache) return nullptr;
  const auto key = static_cast<uint32_t>(color);
  if (IsSystemBrushColor(key)) return gSystemBrushes[key - kSystemColorFlag];
  return gSolidBrushCache->GetSolidBrush(color);
}

void cxEditPaintUtilsInitialize() {
  if (!gUnit.Enter()) return;
  for (int index = 0; index < kSystemBrushCount; ++index) gSystemBrushes.push_back(GetSysColorBrush(index));
  gSolidBrushCache = std::make_unique<TcxSolidBrushCache>();
}

void cxEditPaintUtilsFinalize() {
  if (!gUnit.Leave()) return;
  gSolidBrushCache.reset();
  gSystemBrushes.clear();
}
