#include "tools/gallery/CheckComboPicture.h"

#include <iterator>

#include "controls/editors/check/cxCheckComboBox.h"
#include "controls/foundation/lookandfeel/cxLookAndFeels.h"
#include "platform/controls/core/Form.h"
#include "tools/gallery/ScreenPicture.h"

namespace {

constexpr int kMargin = 10;
constexpr int kCaptionHeight = 16;
constexpr int kBoxWidth = 130;
constexpr int kBoxHeight = 21;
constexpr int kCellWidth = kBoxWidth + kMargin;
// Under the open box, room for its five rows.
constexpr int kOpenListRoom = 100;

const struct {
  const char* Caption;
  TcxLookAndFeelKind Kind;
} kKinds[] = {{"Flat", lfFlat}, {"Standard", lfStandard}, {"UltraFlat", lfUltraFlat}, {"Office11", lfOffice11}};

// Ports 1 and 3 checked, port 5 disabled, as the Port VLAN dialog shows them.
TcxCheckComboBox* AddPortsBox(TForm& form, TcxLookAndFeelKind kind, int left, int top) {
  auto* box = CreateComponent<TcxCheckComboBox>(&form);
  box->SetParent(&form);
  box->SetBounds(left, top, kBoxWidth, kBoxHeight);
  box->GetStyle()->LookAndFeel()->SetKind(kind);
  box->GetStyle()->LookAndFeel()->SetNativeStyle(false);
  TcxCheckComboBoxItems& items = box->PropertiesObject().Items();
  for (const char* port : {"ETH1", "ETH2", "ETH3", "ETH4", "ETH5"}) items.Add().SetDescription(port);
  items.Items(4).SetEnabled(false);
  box->SetItemState(0, cbsChecked);
  box->SetItemState(2, cbsChecked);
  return box;
}

}  // namespace

void SaveCheckComboPicture(const std::string& folder) {
  const TOwned<TForm> form(new TForm(nullptr));
  form->SetCaption("Check-list combo boxes per look-and-feel kind");
  const int kinds = static_cast<int>(std::size(kKinds));
  const int closedTop = kMargin + kCaptionHeight;
  const int openTop = closedTop + kBoxHeight + kMargin;
  FitGalleryForm(*form, kMargin + kinds * kCellWidth, openTop + kBoxHeight + kOpenListRoom);
  TcxCheckComboBox* opened[std::size(kKinds)] = {};
  for (int column = 0; column < kinds; ++column) {
    const int left = kMargin + column * kCellWidth;
    AddGalleryLabel(*form, kKinds[column].Caption, left, kMargin, kBoxWidth, kCaptionHeight);
    AddPortsBox(*form, kKinds[column].Kind, left, closedTop);
    opened[column] = AddPortsBox(*form, kKinds[column].Kind, left, openTop);
  }
  form->Show();
  SetForegroundWindow(form->Handle());
  ShowPainted(*form);
  TBitmap picture;
  CopyFormFromScreen(picture, *form);
  for (TcxCheckComboBox* box : opened) CopyOpenedDropDown(picture, *form, *box);
  picture.SaveToFile(folder + "\\check-combo.bmp");
}
