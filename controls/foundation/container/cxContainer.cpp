#include "controls/foundation/container/cxContainer.h"

#include "controls/foundation/container/cxContainerPopup.h"
#include "platform/classes/ClassInfo.h"
#include "platform/controls/core/Control.h"
#include "platform/rtl/DynamicLibrary.h"
#include "platform/rtl/Units.h"

namespace {

TUnitGuard gUnit;

TDynamicLibrary& User32Library() {
  static TDynamicLibrary library;
  return library;
}

}  // namespace

void cxContainerInitialize() {
  if (!gUnit.Enter()) return;
  StartClassGroup(TControl::StaticClass());
  GroupDescendentsWith(TcxStyleController::StaticClass(), TControl::StaticClass());
  if (User32Library().Load("USER32")) User32Library().Bind("GetScrollBarInfo", cxContainerApi().GetScrollBarInfo);
  cxContainerPopupInitialize();
}

void cxContainerFinalize() {
  if (!gUnit.Leave()) return;
  cxContainerPopupFinalize();
  cxContainerApi().GetScrollBarInfo = nullptr;
  User32Library().Unload();
}
