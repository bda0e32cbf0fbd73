#include "controls/foundation/FoundationUnits.h"

#include "controls/foundation/base/cxClasses.h"
#include "controls/foundation/container/cxContainer.h"
#include "controls/foundation/controls/cxControls.h"
#include "controls/foundation/graphics/cxDWMApi.h"
#include "controls/foundation/base/cxDataStorage.h"
#include "controls/foundation/graphics/cxEditPaintUtils.h"
#include "controls/foundation/base/cxGeometry.h"
#include "controls/foundation/graphics/cxGraphics.h"
#include "controls/foundation/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/foundation/lookandfeel/cxLookAndFeels.h"
#include "controls/foundation/graphics/dxOffice11.h"
#include "controls/foundation/graphics/dxThemeManager.h"
#include "controls/foundation/graphics/dxUxTheme.h"

// Each unit starts after those it uses: the theme manager asks the bound
// visual-style library, the Office colours ask the theme manager and mix
// through the graphics routines, the painters draw with all of them, and the
// root look-and-feel chooses among the painters; the control companions come
// after them, as the controls they serve do. The editors' brush cache comes
// last, after every unit of the controls it paints for.
std::vector<TUnitInfo> FoundationUnits() {
  return {
      {"cxClasses", cxClassesInitialize, cxClassesFinalize},
      {"cxGeometry", cxGeometryInitialize, cxGeometryFinalize},
      {"dxUxTheme", dxUxThemeInitialize, dxUxThemeFinalize},
      {"cxGraphics", cxGraphicsInitialize, cxGraphicsFinalize},
      {"dxThemeManager", dxThemeManagerInitialize, dxThemeManagerFinalize},
      {"dxOffice11", dxOffice11Initialize, dxOffice11Finalize},
      {"cxLookAndFeelPainters", cxLookAndFeelPaintersInitialize, cxLookAndFeelPaintersFinalize},
      {"cxLookAndFeels", cxLookAndFeelsInitialize, cxLookAndFeelsFinalize},
      {"cxControls", cxControlsInitialize, cxControlsFinalize},
      {"cxDWMApi", cxDWMApiInitialize, cxDWMApiFinalize},
      {"cxContainer", cxContainerInitialize, cxContainerFinalize},
      {"cxDataStorage", cxDataStorageInitialize, cxDataStorageFinalize},
      {"cxEditPaintUtils", cxEditPaintUtilsInitialize, cxEditPaintUtilsFinalize},
  };
}
