#pragma once
// What the gallery's pictures of real editors on a shown form share: the
// form sized to its client area, its captions, a full repaint, and copies
// from the screen, where windows of their own (a drop-down list) show too.
#include <windows.h>

#include "platform/controls/Form.h"
#include "platform/graphics/Bitmap.h"

void AddGalleryLabel(TForm& form, const char* caption, int left, int top, int width, int height);
// Places the form so that its client area is `width` by `height`.
void FitGalleryForm(TForm& form, int width, int height);
void ShowPainted(TForm& form);
// Copies what the screen shows of `window` into the picture, placed where
// it lies within `form`'s window.
void CopyFromScreen(TBitmap& picture, HWND form, HWND window);
// A picture of the form's whole window as the screen shows it.
void CopyFormFromScreen(TBitmap& picture, TForm& form);
