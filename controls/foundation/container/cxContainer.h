#pragma once
// The container unit: the styles every container control takes its looks
// from, the style controllers they share, the container control with its
// view info and routines, and the unit's start-up.
#include "controls/foundation/container/cxContainerControl.h"
#include "controls/foundation/container/cxContainerRoutines.h"
#include "controls/foundation/container/cxContainerStyles.h"
#include "controls/foundation/container/cxContainerViewInfo.h"

void cxContainerInitialize();
void cxContainerFinalize();
