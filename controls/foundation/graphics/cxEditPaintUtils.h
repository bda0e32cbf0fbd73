#pragma once
// Solid brushes by colour for the editors' painting: a bounded cache, so that
// painting code asks for a brush of any colour without creating and deleting
// one each time, and the system's own brushes for the system colours.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "controls/foundation/graphics/cxGraphics.h"
#include "controls/foundation/lookandfeel/cxLookAndFeels.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GdiHandles.h"

// Up to Capacity brushes, found by colour; when full, a new colour replaces
// the least used. A change of the system colours deletes them all, since
// system colours cached as RGB would be stale.
class TcxSolidBrushCache : public TObject {
 public:
  static constexpr int Capacity = 128;

  TcxSolidBrushCache();
  TcxSolidBrushCache(const TcxSolidBrushCache&) = delete;
  TcxSolidBrushCache& operator=(const TcxSolidBrushCache&) = delete;

  // The cache keeps the brush: the caller never deletes it.
  HBRUSH GetSolidBrush(TColor color);
  // Deletes every cached brush.
  virtual void Flush();
  int Count() const { return static_cast<int>(FEntries.size()); }

 private:
  struct TEntry {
    uint32_t Color;
    TGdiObject<HBRUSH> Brush;
    int UseCount;
  };
  using TEntries = std::vector<TEntry>;

  TEntries::iterator LeastUsed();

  // Ascending by colour taken as unsigned, so system colours sort last.
  TEntries FEntries;
  // The colour of the brush handed out last, which its caller may still be
  // about to paint with: it is never the one evicted.
  std::optional<uint32_t> FLastColor;
  TcxSystemPaletteChangedNotifier FPaletteNotifier;
};

// The shared cache while the unit runs, made at its start and freed at its
// end; none outside the run. A cache made outside it would outlive every end
// and go with the process's statics, after the Office colours and the palette
// listener its notifier still reaches.
TcxSolidBrushCache* SolidBrushCache();

// A system colour's own brush while the unit runs; any other colour's brush
// from the shared cache. No brush outside the unit's run. The caller never
// deletes it.
HBRUSH GetSolidBrush(TColor color);
// The canvas does not matter: painting code passes the one it draws on.
inline HBRUSH GetSolidBrush(TCanvas&, TColor color) { return GetSolidBrush(color); }
inline HBRUSH GetSolidBrush(TcxCanvas&, TColor color) { return GetSolidBrush(color); }

void cxEditPaintUtilsInitialize();
void cxEditPaintUtilsFinalize();
