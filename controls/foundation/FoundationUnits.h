#pragma once
// The units of the control library's foundation in their order of start-up:
// the list the program hands to Application().Initialize.
#include <vector>

#include "platform/rtl/Units.h"

std::vector<TUnitInfo> FoundationUnits();
