#pragma once
// The extended editors' texts, named by the resource-string records of the
// program's string table, and the colour names they know: the class
// library's colour constants, the sixteen basic colours and the 140 web
// colours, alphabetically and by hue.
#include <array>

#include "controls/foundation/base/cxClasses.h"
#include "platform/rtl/ResourceStrings.h"
#include "resources/strings/cxExtEditConsts.strings"

extern const std::array<const char*, 52> cxColorConstantNames;
extern const std::array<const char*, 16> cxBasicColorNames;
extern const std::array<const char*, 140> cxWebColorNames;
extern const std::array<const char*, 140> cxWebColorNamesByHue;
