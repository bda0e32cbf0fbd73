#include "controls/editors/EditorsUnits.h"

#include "controls/editors/cxDateUtils.h"
#include "controls/editors/cxFormatController.h"

// Neither unit sets anything up; the format controller's end frees the
// controller the editors made on first use.
std::vector<TUnitInfo> EditorsUnits() {
  return {
      {"cxFormatController", cxFormatControllerInitialize, cxFormatControllerFinalize},
      {"cxDateUtils", cxDateUtilsInitialize, cxDateUtilsFinalize},
  };
}
