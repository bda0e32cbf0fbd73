#pragma once
// The editors' texts, named by the resource-string records of the program's
// string table. Read each through cxGetResourceString when it is shown.
#include "controls/foundation/base/cxClasses.h"
#include "platform/rtl/ResourceStrings.h"
#include "resources/strings/cxEditConsts.strings"
