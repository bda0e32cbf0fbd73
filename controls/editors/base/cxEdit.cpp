#include "controls/editors/base/cxEdit.h"

#include "platform/controls/core/Screen.h"
#include "platform/rtl/Units.h"

namespace {

TUnitGuard gUnit;
TOwned<TcxEditStyleController> gDefaultEditStyleController;

// A cursor from the program's resources is shared: nothing destroys it.
void LoadMouseWheelCursor() {
  Screen().SetCursorResource(crcxEditMouseWheel, GetModuleHandleA(nullptr), "CXEDIT_MOUSEWHEEL");
}

}  // namespace

TcxEditStyleController* DefaultEditStyleController() { return gDefaultEditStyleController.get(); }

void cxEditInitialize() {
  if (!gUnit.Enter()) return;
  LoadMouseWheelCursor();
  gDefaultEditStyleController = CreateUnowned<TcxEditStyleController>();
  SetDefaultStyleController(gDefaultEditStyleController.get());
  CreateEditPropertiesList();
}

void cxEditFinalize() {
  if (!gUnit.Leave()) return;
  FreeRegisteredEditProperties();
  FreeEditPropertiesList();
  SetDefaultStyleController(nullptr);
  gDefaultEditStyleController.reset();
}
