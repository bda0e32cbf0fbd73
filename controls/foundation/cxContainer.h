#pragma once
// The container unit: the styles every container control takes its looks
// from, the style controllers they share, and the unit's start-up.
#include "controls/foundation/cxContainerStyles.h"

void cxContainerInitialize();
void cxContainerFinalize();
