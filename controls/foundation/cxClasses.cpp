#include "controls/foundation/cxClasses.h"

std::string cxGetResourceString(const TResStringRec& resource) { return LoadResString(resource); }
