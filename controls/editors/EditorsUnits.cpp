#include "controls/editors/EditorsUnits.h"

#include "controls/editors/cxDateUtils.h"
#include "controls/editors/cxFormatController.h"
#include "controls/editors/cxTextDrawing.h"

// Text drawing comes first: the editors lay their text out through it. The
// format units set nothing up; the format controller's end frees the
// controller the editors made on first use.
std::vector<TUnitInfo> EditorsUnits() {
  return {
      {"cxTextDrawing", cxTextDrawingInitialize, cxTextDrawingFinalize},
      {"cxFormatController", cxFormatControllerInitialize, cxFormatControllerFinalize},
      {"cxDateUtils", cxDateUtilsInitialize, cxDateUtilsFinalize},
  };
}
