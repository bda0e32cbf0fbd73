#pragma once
// The gallery's picture of real check-list combo boxes on a shown form.
#include <string>

// Saves check-combo.bmp in `folder`: per look-and-feel kind a check-list
// combo box with two ports checked, closed, and one with its list open over
// a disabled port. The list is a window of its own: the picture is copied
// from the screen.
void SaveCheckComboPicture(const std::string& folder);
