#pragma once
// The gallery's picture of inner list boxes in their containers on a shown form.
#include <string>

// Saves inner-list-boxes.bmp in `folder`: an inner list box per
// look-and-feel kind, with the painter-drawn bars of its container, its
// first item chosen, and one scrolled down its list.
void SaveInnerListBoxesPicture(const std::string& folder);
