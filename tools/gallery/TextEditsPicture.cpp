#include "tools/gallery/TextEditsPicture.h"

#include <functional>
#include <iterator>

#include "controls/editors/text/cxTextEdit.h"
#include "platform/controls/core/Form.h"
#include "tools/gallery/ScreenPicture.h"

namespace {

constexpr int kRowLabelWidth = 130;
constexpr int kHeaderHeight = kGalleryHeaderHeight;
constexpr int kEditorWidth = 140;
constexpr int kEditorHeight = kGalleryEditorHeight;
constexpr int kColumnWidth = kEditorWidth + 12;
constexpr int kRowHeight = kGalleryRowHeight;
constexpr int kGap = kGalleryGap;

constexpr auto& kKinds = kGalleryKinds;

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

void FitForm(TForm& form) {
  FitGalleryForm(form, kRowLabelWidth + static_cast<int>(std::size(kKinds)) * kColumnWidth + kGap,
                 kHeaderHeight + static_cast<int>(std::size(kRows)) * kRowHeight + kGap);
}

}  // namespace

void SaveTextEditsPicture(const std::string& folder) {
  const TOwned<TForm> form(new TForm(nullptr));
  form->SetCaption("Text editors per look-and-feel kind");
  FitForm(*form);
  const std::vector<TcxTextEdit*> focusedRow = AddGalleryGrid<TcxTextEdit>(
      *form, kRowLabelWidth, kColumnWidth, static_cast<int>(std::size(kRows)), kFocusedRow,
      [&form](TcxLookAndFeelKind kind, int row, int left, int top) { return AddEditor(*form, kind, row, left, top); });
  for (int row = 0; row < static_cast<int>(std::size(kRows)); ++row)
    AddGalleryLabel(*form, kRows[row].Label, kGap, kHeaderHeight + row * kRowHeight + 3, kRowLabelWidth - kGap,
                    kHeaderHeight - 2);
  // The form itself holds the focus while the unfocused editors are taken.
  ShowGalleryForm(*form);
  TBitmap picture;
  CopyFormFromScreen(picture, *form);
  for (TcxTextEdit* edit : focusedRow) {
    edit->SetFocus();
    edit->SetSelStart(kSelectionStart);
    edit->SetSelLength(kSelectionLength);
    ShowPainted(*form);
    CopyFromScreen(picture, form->Handle(), edit->Handle());
  }
  picture.SaveToFile(folder + "\\text-edits.bmp");
}
