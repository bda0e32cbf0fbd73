#pragma once
// The edit base: what every editor builds on. Its start-up registers the
// mouse-wheel cursor, makes the default edit style controller that editors
// follow unless told otherwise, and starts the list of all properties
// objects; its end undoes all three and frees the registry of properties
// classes.
#include "controls/editors/base/cxEditButtons.h"
#include "controls/editors/base/cxEditFilterHelpers.h"
#include "controls/editors/base/cxEditProperties.h"
#include "controls/editors/base/cxEditRepository.h"
#include "controls/editors/base/cxEditStyles.h"
#include "platform/controls/core/Control.h"

constexpr TCursor crcxEditMouseWheel = 4101;

// The default edit style controller while the unit runs, else nullptr.
TcxEditStyleController* DefaultEditStyleController();

void cxEditInitialize();
void cxEditFinalize();
