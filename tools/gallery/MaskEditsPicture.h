#pragma once
// The gallery's picture of masked editors typed into on a shown form.
#include <string>

// Saves mask-edits.bmp in `folder`: a phone mask empty, half typed and full,
// an expression mask of each kind half typed, in two look-and-feel kinds,
// each without and with the focus.
void SaveMaskEditsPicture(const std::string& folder);
