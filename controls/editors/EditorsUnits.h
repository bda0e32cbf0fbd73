#pragma once
// The units of the editors in their order of start-up, to follow the
// foundation's units in the list the program hands to Application().Initialize.
#include <vector>

#include "platform/rtl/Units.h"

std::vector<TUnitInfo> EditorsUnits();
