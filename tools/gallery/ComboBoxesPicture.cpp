#include "tools/gallery/ComboBoxesPicture.h"

#include <iterator>

#include "controls/editors/dropdown/cxComboBox.h"
#include "controls/foundation/cxLookAndFeels.h"
#include "platform/controls/Form.h"
#include "tools/gallery/ScreenPicture.h"

namespace {

constexpr int kRowLabelWidth = 60;
constexpr int kHeaderHeight = 18;
constexpr int kEditorWidth = 120;
constexpr int kEditorHeight = 21;
constexpr int kColumnWidth = kEditorWidth + 16;
constexpr int kRowHeight = kEditorHeight + 10;
// Room below the open row for its list.
constexpr int kListRoom = 110;
constexpr int kGap = 10;
constexpr int kRows = 2;
constexpr int kOpenRow = 1;

const struct {
  const char* Label;
  TcxLookAndFeelKind Kind;
} kKinds[] = {{"Flat", lfFlat}, {"Standard", lfStandard}, {"UltraFlat", lfUltraFlat}, {"Office11", lfOffice11}};

const char* const kItems[] = {"Ethernet 1", "Ethernet 2", "E1 port 1", "E1 port 2", "VCG 1", "VCG 2"};

TcxComboBox* AddComboBox(TForm& form, TcxLookAndFeelKind kind, int left, int top) {
  auto* combo = CreateComponent<TcxComboBox>(&form);
  combo->SetBounds(left, top, kEditorWidth, kEditorHeight);
  combo->SetParent(&form);
  combo->GetStyle()->LookAndFeel()->SetKind(kind);
  combo->GetStyle()->LookAndFeel()->SetNativeStyle(false);
  for (const char* item : kItems) combo->PropertiesObject().Items().Add(item);
  combo->PropertiesObject().SetDropDownRows(5);
  combo->SetText(kItems[1]);
  return combo;
}

void FitForm(TForm& form) {
  FitGalleryForm(form, kRowLabelWidth + static_cast<int>(std::size(kKinds)) * kColumnWidth + kGap,
                 kHeaderHeight + kRows * kRowHeight + kListRoom);
}

}  // namespace

void SaveComboBoxesPicture(const std::string& folder) {
  const TOwned<TForm> form(new TForm(nullptr));
  form->SetCaption("Combo boxes per look-and-feel kind");
  FitForm(*form);
  TcxComboBox* openRow[std::size(kKinds)] = {};
  for (int column = 0; column < static_cast<int>(std::size(kKinds)); ++column) {
    const int left = kRowLabelWidth + column * kColumnWidth;
    AddGalleryLabel(*form, kKinds[column].Label, left, 2, kColumnWidth, kHeaderHeight - 2);
    for (int row = 0; row < kRows; ++row) {
      TcxComboBox* combo = AddComboBox(*form, kKinds[column].Kind, left, kHeaderHeight + row * kRowHeight);
      if (row == kOpenRow) openRow[column] = combo;
    }
  }
  AddGalleryLabel(*form, "closed", kGap, kHeaderHeight + 3, kRowLabelWidth - kGap, kHeaderHeight - 2);
  AddGalleryLabel(*form, "open", kGap, kHeaderHeight + kOpenRow * kRowHeight + 3, kRowLabelWidth - kGap,
                  kHeaderHeight - 2);
  form->Show();
  SetForegroundWindow(form->Handle());
  SetFocus(form->Handle());
  ShowPainted(*form);
  TBitmap picture;
  CopyFormFromScreen(picture, *form);
  // One list opens at a time: each is copied with its editor while it shows.
  for (TcxComboBox* combo : openRow) {
    combo->InnerTextEdit()->Edit().SetFocus();
    combo->SetDroppedDown(true);
    ShowPainted(*form);
    RedrawWindow(combo->PopupWindow()->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    CopyFromScreen(picture, form->Handle(), combo->Handle());
    CopyFromScreen(picture, form->Handle(), combo->PopupWindow()->Handle());
    combo->SetDroppedDown(false);
  }
  picture.SaveToFile(folder + "\\combo-boxes.bmp");
}
