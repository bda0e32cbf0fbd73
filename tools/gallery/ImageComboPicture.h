#pragma once
// The gallery's picture of the image combo box.
#include <string>

// Saves image-combo.bmp in `folder`: an image combo box in two look-and-feel
// kinds with and without descriptions, closed and with its list open.
void SaveImageComboPicture(const std::string& folder);
