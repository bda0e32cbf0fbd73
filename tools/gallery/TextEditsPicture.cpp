#include "tools/gallery/TextEditsPicture.h"

#include <functional>
#include <iterator>

#include "controls/editors/text/cxTextEdit.h"
#include "tools/gallery/GalleryForm.h"

namespace {

constexpr int kRowLabelWidth = 130;
constexpr int kEditorWidth = 140;
constexpr int kEditorHeight = 21;
constexpr int kColumnWidth = kEditorWidth + 12;
constexpr int kRowHeight = kEditorHeight + 10;
constexpr int kGap = 10;

// The focused row: only one editor holds the focus at a time, so each of
// them is focused in turn and copied from the screen into the picture.
constexpr int kFocusedRow = 1;
constexpr int kSelectionStart = 5;
constexpr int kSelectionLength = 8;

const struct {
  const char* Label;
  const char* Text;
  std::function<void(TcxTextEdit&)> Setup;
} kRows[] = {
    {"normal", "Normal text", [](TcxTextEdit&) {}},
    {"focused, selection", "Some selected text", [](TcxTextEdit&) {}},
    {"password", "secret", [](TcxTextEdit& edit) { edit.PropertiesObject().SetEchoMode(eemPassword); }},
    {"read-only", "Read-only text", [](TcxTextEdit& edit) { edit.PropertiesObject().SetReadOnly(true); }},
    {"disabled", "Disabled text", [](TcxTextEdit& edit) { edit.SetEnabled(false); }},
    {"right-aligned", "Right-aligned text",
     [](TcxTextEdit& edit) { edit.PropertiesObject().Alignment()->SetHorz(taRightJustify); }},
};

TcxTextEdit* AddEditor(TForm& form, TcxLookAndFeelKind kind, int row, int left, int top) {
  auto* edit = CreateComponent<TcxTextEdit>(&form);
  edit->SetBounds(left, top, kEditorWidth, kEditorHeight);
  edit->SetParent(&form);
  edit->GetStyle()->LookAndFeel()->SetKind(kind);
  edit->GetStyle()->LookAndFeel()->SetNativeStyle(false);
  kRows[row].Setup(*edit);
  edit->SetText(kRows[row].Text);
  return edit;
}

}  // namespace

void SaveTextEditsPicture(const std::string& folder) {
  const TOwned<TForm> form(new TForm(nullptr));
  form->SetCaption("Text editors per look-and-feel kind");
  FitClientArea(*form, kRowLabelWidth + static_cast<int>(std::size(kGalleryKinds)) * kColumnWidth + kGap,
                kGalleryCaptionHeight + static_cast<int>(std::size(kRows)) * kRowHeight + kGap);
  TcxTextEdit* focusedRow[std::size(kGalleryKinds)] = {};
  for (int column = 0; column < static_cast<int>(std::size(kGalleryKinds)); ++column) {
    const int left = kRowLabelWidth + column * kColumnWidth;
    AddCaption(*form, kGalleryKinds[column].Label, left, 2, kColumnWidth);
    for (int row = 0; row < static_cast<int>(std::size(kRows)); ++row) {
      TcxTextEdit* edit =
          AddEditor(*form, kGalleryKinds[column].Kind, row, left, kGalleryCaptionHeight + row * kRowHeight);
      if (row == kFocusedRow) focusedRow[column] = edit;
    }
  }
  for (int row = 0; row < static_cast<int>(std::size(kRows)); ++row)
    AddCaption(*form, kRows[row].Label, kGap, kGalleryCaptionHeight + row * kRowHeight + 3, kRowLabelWidth - kGap);
  // The form itself holds the focus while the unfocused editors are taken.
  ShowInFront(*form);
  ShowPainted(form->Handle());
  TBitmap picture;
  TakeFormPicture(picture, form->Handle());
  for (TcxTextEdit* edit : focusedRow) {
    edit->SetFocus();
    edit->SetSelStart(kSelectionStart);
    edit->SetSelLength(kSelectionLength);
    ShowPainted(form->Handle());
    CopyFromScreen(picture, form->Handle(), edit->Handle());
  }
  picture.SaveToFile(folder + "\\text-edits.bmp");
}
