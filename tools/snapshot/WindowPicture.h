#pragma once
// Saves what the screen shows of a window, frame included, as a 32-bit BMP
// file: the pictures of the README, taken by the program driver from another
// process and by the dialog snapshot tool from within.
#include <windows.h>

#include <string>

bool SaveWindowPicture(HWND window, const std::string& file);
