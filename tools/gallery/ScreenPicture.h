#pragma once
// What the gallery's pictures of real editors on a shown form share: the
// form sized to its client area, its captions, a full repaint, and copies
// from the screen, where windows of their own (a drop-down list) show too.
#include <windows.h>

#include <functional>
#include <vector>

#include "controls/editors/dropdown/cxDropDownEdit.h"
#include "controls/foundation/lookandfeel/cxLookAndFeels.h"
#include "platform/controls/core/Form.h"
#include "platform/graphics/Bitmap.h"

// The grid the pictures lay editors out in: a header row of captions, then
// rows of editors, a column per look-and-feel kind.
constexpr int kGalleryHeaderHeight = 18;
constexpr int kGalleryEditorHeight = 21;
constexpr int kGalleryRowHeight = kGalleryEditorHeight + 10;
constexpr int kGalleryGap = 10;

struct TGalleryKind {
  const char* Label;
  TcxLookAndFeelKind Kind;
};
inline constexpr TGalleryKind kGalleryKinds[] = {
    {"Flat", lfFlat}, {"Standard", lfStandard}, {"UltraFlat", lfUltraFlat}, {"Office11", lfOffice11}};

void AddGalleryLabel(TForm& form, const char* caption, int left, int top, int width, int height);
// Places the form so that its client area is `width` by `height`.
void FitGalleryForm(TForm& form, int width, int height);
// Paints the form, or a window of its own such as a drop-down, and waits
// until the screen shows what it drew.
void ShowPainted(TForm& form);
void ShowPainted(HWND window);
// Copies what the screen shows of `window` into the picture, placed where
// it lies within `form`'s window.
void CopyFromScreen(TBitmap& picture, HWND form, HWND window);
// A picture of the form's whole window as the screen shows it.
void CopyFormFromScreen(TBitmap& picture, TForm& form);
// Shows the form in the foreground, painted, with the focus on the form itself.
void ShowGalleryForm(TForm& form);
// The row captions of a drop-down picture: "closed" on the first row of
// editors and "open" on `openRow`, in a column `width` wide.
void AddClosedAndOpenLabels(TForm& form, int width, int openRow);
// Focuses the editor, opens its popup and copies both from the screen while
// it shows, then closes it: one popup opens at a time.
void CopyOpenedDropDown(TBitmap& picture, TForm& form, TcxCustomDropDownEdit& edit);

// Lays out a column of `rows` editors per look-and-feel kind under the
// kinds' captions, from `firstColumn` on; `make` makes the editor of a row
// at a place. The editors of `chosenRow` come back, one per kind.
template <class E>
std::vector<E*> AddGalleryGrid(TForm& form, int firstColumn, int columnWidth, int rows, int chosenRow,
                               const std::function<E*(TcxLookAndFeelKind kind, int row, int left, int top)>& make) {
  std::vector<E*> chosen;
  int left = firstColumn;
  for (const TGalleryKind& kind : kGalleryKinds) {
    AddGalleryLabel(form, kind.Label, left, 2, columnWidth, kGalleryHeaderHeight - 2);
    for (int row = 0; row < rows; ++row) {
      E* editor = make(kind.Kind, row, left, kGalleryHeaderHeight + row * kGalleryRowHeight);
      if (row == chosenRow) chosen.push_back(editor);
    }
    left += columnWidth;
  }
  return chosen;
}
