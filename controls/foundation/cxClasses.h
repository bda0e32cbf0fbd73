#pragma once
// The lowest unit of the control library: what every other unit of it needs.
#include <string>

#include "platform/rtl/ResourceStrings.h"

// The text of one of the library's resource strings, read at each use so a
// changed string table shows at once.
std::string cxGetResourceString(const TResStringRec& resource);
