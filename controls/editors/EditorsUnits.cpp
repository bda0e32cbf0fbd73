#include "controls/editors/EditorsUnits.h"

#include "controls/editors/base/cxEdit.h"
#include "controls/editors/base/cxTextDrawing.h"
#include "controls/editors/check/cxCheckBox.h"
#include "controls/editors/check/cxCheckComboBox.h"
#include "controls/editors/dropdown/cxDropDownEdit.h"
#include "controls/editors/dropdown/cxImageComboBox.h"
#include "controls/editors/engines/cxDateUtils.h"
#include "controls/editors/engines/cxFormatController.h"
#include "controls/editors/mask/cxMaskEdit.h"
#include "controls/editors/text/cxTextEdit.h"

// Text drawing comes first: the editors lay their text out through it. The
// format units set nothing up; the format controller's end frees the
// controller the editors made on first use. The edit base comes after the
// units it paints and formats with, and the text editor after the edit base
// whose registry it enters; the masked edit follows the text editor it
// builds on, the drop-down editors follow the masked edit, and the check box
// comes after them: its unit makes the check-mark mask every check drawing
// uses. The image combo box follows, and the check-list combo box, a combo
// box drawing checks, comes last.
std::vector<TUnitInfo> EditorsUnits() {
  return {
      {"cxTextDrawing", cxTextDrawingInitialize, cxTextDrawingFinalize},
      {"cxFormatController", cxFormatControllerInitialize, cxFormatControllerFinalize},
      {"cxDateUtils", cxDateUtilsInitialize, cxDateUtilsFinalize},
      {"cxEdit", cxEditInitialize, cxEditFinalize},
      {"cxTextEdit", cxTextEditInitialize, cxTextEditFinalize},
      {"cxMaskEdit", cxMaskEditInitialize, cxMaskEditFinalize},
      {"cxDropDownEdit", cxDropDownEditInitialize, cxDropDownEditFinalize},
      {"cxCheckBox", cxCheckBoxInitialize, cxCheckBoxFinalize},
      {"cxImageComboBox", cxImageComboBoxInitialize, cxImageComboBoxFinalize},
      {"cxCheckComboBox", cxCheckComboBoxInitialize, cxCheckComboBoxFinalize},
  };
}
