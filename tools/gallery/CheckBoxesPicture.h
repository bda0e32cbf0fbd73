#pragma once
// The gallery's picture of the check box's looks.
#include <string>

// Saves check-boxes.bmp in `folder`: a check box per look-and-feel kind and
// check state, normal, hot, pressed and disabled.
void SaveCheckBoxesPicture(const std::string& folder);
