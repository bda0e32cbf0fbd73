#include "controls/foundation/cxContainer.h"

#include "controls/foundation/cxContainerPopup.h"
#include "platform/classes/ClassInfo.h"
#include "platform/controls/Control.h"
#include "platform/rtl/Units.h"

namespace {

TUnitGuard gUnit;

}  // namespace

void cxContainerInitialize() {
  if (!gUnit.Enter()) return;
  StartClassGroup(TControl::StaticClass());
  GroupDescendentsWith(TcxStyleController::StaticClass(), TControl::StaticClass());
  cxContainerPopupInitialize();
}

void cxContainerFinalize() {
  if (gUnit.Leave()) cxContainerPopupFinalize();
}
