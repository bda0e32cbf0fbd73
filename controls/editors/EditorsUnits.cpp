#include "controls/editors/EditorsUnits.h"

#include "controls/editors/cxTextDrawing.h"

// Text drawing comes first: the editors lay their text out through it.
std::vector<TUnitInfo> EditorsUnits() {
  return {
      {"cxTextDrawing", cxTextDrawingInitialize, cxTextDrawingFinalize},
  };
}
