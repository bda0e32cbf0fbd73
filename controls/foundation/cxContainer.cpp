#include "controls/foundation/cxContainer.h"

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
}

void cxContainerFinalize() { gUnit.Leave(); }
