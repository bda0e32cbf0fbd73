#pragma once
// The gallery's picture of real combo boxes on a shown form.
#include <string>

// Saves combo-boxes.bmp in `folder`: a combo box per look-and-feel kind,
// closed, and with its list open below it. A list is a top-level window of
// its own, so the picture is copied from the screen.
void SaveComboBoxesPicture(const std::string& folder);
