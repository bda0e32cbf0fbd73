#include "tools/gallery/ComboBoxesPicture.h"

#include <iterator>

#include "controls/editors/dropdown/cxComboBox.h"
#include "platform/controls/core/Form.h"
#include "tools/gallery/ScreenPicture.h"

namespace {

constexpr int kRowLabelWidth = 60;
constexpr int kHeaderHeight = kGalleryHeaderHeight;
constexpr int kEditorWidth = 120;
constexpr int kEditorHeight = kGalleryEditorHeight;
constexpr int kColumnWidth = kEditorWidth + 16;
constexpr int kRowHeight = kGalleryRowHeight;
// Room below the open row for its list.
constexpr int kListRoom = 110;
constexpr int kGap = kGalleryGap;
constexpr int kRows = 2;
constexpr int kOpenRow = 1;

constexpr auto& kKinds = kGalleryKinds;

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
  const std::vector<TcxComboBox*> openRow = AddGalleryGrid<TcxComboBox>(
      *form, kRowLabelWidth, kColumnWidth, kRows, kOpenRow,
      [&form](TcxLookAndFeelKind kind, int, int left, int top) { return AddComboBox(*form, kind, left, top); });
  AddClosedAndOpenLabels(*form, kRowLabelWidth, kOpenRow);
  ShowGalleryForm(*form);
  TBitmap picture;
  CopyFormFromScreen(picture, *form);
  for (TcxComboBox* combo : openRow) CopyOpenedDropDown(picture, *form, *combo);
  picture.SaveToFile(folder + "\\combo-boxes.bmp");
}
