#pragma once
// The edit base: what every editor builds on. Its start-up registers the
// mouse-wheel cursor, makes the default edit style controller that editors
// follow unless told otherwise, and starts the list of all properties
// objects; its end undoes all three and frees the registry of properties
// classes.
#include "controls/editors/cxEditButtons.h"
#include "controls/editors/cxEditFilterHelpers.h"
#include "controls/editors/cxEditProperties.h"
#include "controls/editors/cxEditRepository.h"
#include "controls/editors/cxEditStyles.h"
#include "platform/controls/Control.h"

constexpr TCursor crcxEditMouseWheel = 4101;

// The default edit style controller while the unit runs, else nullptr.
TcxEditStyleController* DefaultEditStyleController();

void cxEditInitialize();
void cxEditFinalize();
