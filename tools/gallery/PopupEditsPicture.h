#pragma once
// The gallery's picture of the popup edit, closed and with a panel of the
// form borrowed into its open popup.
#include <string>

// Saves popup-edit.bmp in `folder`: a popup edit per look-and-feel kind,
// closed and open showing the form's panel, and the panel at its own place
// while no popup borrows it.
void SavePopupEditsPicture(const std::string& folder);
