#pragma once
// The gallery's picture of real text editors on a shown form.
#include <string>

// Saves text-edits.bmp in `folder`: a text editor per look-and-feel kind,
// normal, focused with a selection, with a password, read-only, disabled
// and right-aligned.
void SaveTextEditsPicture(const std::string& folder);
