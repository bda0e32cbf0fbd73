#include "tools/gallery/TextEditsPicture.h"

#include <functional>
#include <iterator>

#include "controls/editors/text/cxTextEdit.h"
#include "controls/foundation/cxLookAndFeels.h"
#include "platform/controls/Application.h"
#include "platform/controls/Form.h"
#include "platform/controls/Label.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GdiHandles.h"

namespace {

constexpr int kRowLabelWidth = 130;
constexpr int kHeaderHeight = 18;
constexpr int kEditorWidth = 140;
constexpr int kEditorHeight = 21;
constexpr int kColumnWidth = kEditorWidth + 12;
constexpr int kRowHeight = kEditorHeight + 10;
constexpr int kGap = 10;

const struct {
  const char* Label;
  TcxLookAndFeelKind Kind;
} kKinds[] = {{"Flat", lfFlat}, {"Standard", lfStandard}, {"UltraFlat", lfUltraFlat}, {"Office11", lfOffice11}};

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

void AddLabel(TForm& form, const char* caption, int left, int top, int width) {
  auto* label = new TLabel(&form);
  label->SetParent(&form);
  label->SetCaption(caption);
  label->SetBounds(left, top, width, kHeaderHeight - 2);
}

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

// Size the form so its client area holds the grid of editors.
void FitForm(TForm& form) {
  const int width = kRowLabelWidth + static_cast<int>(std::size(kKinds)) * kColumnWidth + kGap;
  const int height = kHeaderHeight + static_cast<int>(std::size(kRows)) * kRowHeight + kGap;
  form.SetBounds(40, 40, width, height);
  form.HandleNeeded();
  const RECT client = form.ClientRect();
  form.SetBounds(40, 40, 2 * width - client.right, 2 * height - client.bottom);
}

void ShowPainted(TForm& form) {
  Application().ProcessMessages();
  RedrawWindow(form.Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
}

// Copies what the screen shows of `window` into the picture, placed where
// it lies within `form`'s window.
void CopyFromScreen(TBitmap& picture, HWND form, HWND window) {
  RECT formBounds{};
  RECT bounds{};
  GetWindowRect(form, &formBounds);
  GetWindowRect(window, &bounds);
  const TWindowDC screen(nullptr);
  BitBlt(picture.DC(), bounds.left - formBounds.left, bounds.top - formBounds.top, bounds.right - bounds.left,
         bounds.bottom - bounds.top, screen.Get(), bounds.left, bounds.top, SRCCOPY);
}

}  // namespace

void SaveTextEditsPicture(const std::string& folder) {
  const TOwned<TForm> form(new TForm(nullptr));
  form->SetCaption("Text editors per look-and-feel kind");
  FitForm(*form);
  TcxTextEdit* focusedRow[std::size(kKinds)] = {};
  for (int column = 0; column < static_cast<int>(std::size(kKinds)); ++column) {
    const int left = kRowLabelWidth + column * kColumnWidth;
    AddLabel(*form, kKinds[column].Label, left, 2, kColumnWidth);
    for (int row = 0; row < static_cast<int>(std::size(kRows)); ++row) {
      TcxTextEdit* edit = AddEditor(*form, kKinds[column].Kind, row, left, kHeaderHeight + row * kRowHeight);
      if (row == kFocusedRow) focusedRow[column] = edit;
    }
  }
  for (int row = 0; row < static_cast<int>(std::size(kRows)); ++row)
    AddLabel(*form, kRows[row].Label, kGap, kHeaderHeight + row * kRowHeight + 3, kRowLabelWidth - kGap);
  form->Show();
  SetForegroundWindow(form->Handle());
  // The form itself holds the focus while the unfocused editors are taken.
  SetFocus(form->Handle());
  ShowPainted(*form);
  RECT bounds{};
  GetWindowRect(form->Handle(), &bounds);
  TBitmap picture;
  picture.SetSize(bounds.right - bounds.left, bounds.bottom - bounds.top);
  CopyFromScreen(picture, form->Handle(), form->Handle());
  for (TcxTextEdit* edit : focusedRow) {
    edit->SetFocus();
    edit->SetSelStart(kSelectionStart);
    edit->SetSelLength(kSelectionLength);
    ShowPainted(*form);
    CopyFromScreen(picture, form->Handle(), edit->Handle());
  }
  picture.SaveToFile(folder + "\\text-edits.bmp");
}
