#pragma once
// What the gallery's pictures of real editors on a shown form share: the
// look-and-feel kinds they show, captions, the form's size, and copying what
// the screen shows into a picture (a drop-down is a window of its own that
// only the screen shows together with its editor).
#include <windows.h>

#include <string>

#include "controls/foundation/cxLookAndFeels.h"
#include "platform/controls/Form.h"
#include "platform/graphics/Bitmap.h"

struct TGalleryKind {
  const char* Label;
  TcxLookAndFeelKind Kind;
};

inline constexpr TGalleryKind kGalleryKinds[] = {
    {"Flat", lfFlat}, {"Standard", lfStandard}, {"UltraFlat", lfUltraFlat}, {"Office11", lfOffice11}};

constexpr int kGalleryCaptionHeight = 18;

// A caption on the form at (left, top).
void AddCaption(TForm& form, const std::string& caption, int left, int top, int width);

// Places the form at the gallery's corner of the screen with a client area
// of width x height.
void FitClientArea(TForm& form, int width, int height);

// Shows the form in front with the form itself holding the focus.
void ShowInFront(TForm& form);

// Paints `window` and what lies in it now, and waits until the screen shows
// the drawing: the display takes it some time after the window has made it.
void ShowPainted(HWND window);

// A picture the size of `form`'s window, frame included, of what the screen
// shows there.
void TakeFormPicture(TBitmap& picture, HWND form);

// Copies what the screen shows within `bounds` (screen coordinates) into the
// picture, placed where it lies within `form`'s window.
void CopyFromScreen(TBitmap& picture, HWND form, const RECT& bounds);
void CopyFromScreen(TBitmap& picture, HWND form, HWND window);
