#include "tools/gallery/ImageComboPicture.h"

#include <iterator>

#include "controls/editors/dropdown/cxImageComboBox.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/common/ImageList.h"
#include "tools/gallery/ScreenPicture.h"

namespace {

constexpr int kRowLabelWidth = 60;
constexpr int kHeaderHeight = kGalleryHeaderHeight;
constexpr int kEditorWidth = 130;
constexpr int kColumnWidth = kEditorWidth + 30;
constexpr int kRowHeight = kGalleryRowHeight;
constexpr int kGap = kGalleryGap;
constexpr int kRows = 2;
constexpr int kOpenRow = 1;
// Room below the open row for its list.
constexpr int kListRoom = 90;
constexpr int kImageSize = 16;

const struct {
  const char* Description;
  TColor Color;
} kStates[] = {{"Link up", clLime}, {"Link down", clRed}, {"Alarm", clYellow}, {"Disabled", clGray}};
constexpr int kChosenState = 1;

const TGalleryKind kKinds[] = {kGalleryKinds[1], kGalleryKinds[3]};

// A lamp of each state's colour, on the colour that shows through.
void AddLamps(TImageList& images) {
  images.SetWidth(kImageSize);
  images.SetHeight(kImageSize);
  for (const auto& state : kStates) {
    TBitmap lamp;
    lamp.SetSize(kImageSize, kImageSize);
    TCanvas& canvas = lamp.Canvas();
    canvas.Brush().SetColor(clFuchsia);
    canvas.FillRect({0, 0, kImageSize, kImageSize});
    canvas.Brush().SetColor(state.Color);
    canvas.Pen().SetColor(clBlack);
    canvas.Ellipse(2, 2, kImageSize - 2, kImageSize - 2);
    images.AddMasked(lamp, clFuchsia);
  }
}

TcxImageComboBox* AddImageCombo(TForm& form, TImageList& images, TcxLookAndFeelKind kind, bool descriptions, int left,
                                int top) {
  auto* combo = CreateComponent<TcxImageComboBox>(&form);
  combo->SetBounds(left, top, kEditorWidth, kGalleryEditorHeight);
  combo->SetParent(&form);
  combo->GetStyle()->LookAndFeel()->SetKind(kind);
  combo->GetStyle()->LookAndFeel()->SetNativeStyle(false);
  TcxImageComboBoxProperties& properties = combo->PropertiesObject();
  properties.SetImages(&images);
  properties.SetShowDescriptions(descriptions);
  for (int index = 0; index < static_cast<int>(std::size(kStates)); ++index) {
    TcxImageComboBoxItem& item = properties.Items().Add();
    item.SetDescription(kStates[index].Description);
    item.SetImageIndex(index);
    item.SetValue(Variant(index));
  }
  combo->SetEditValue(Variant(kChosenState));
  return combo;
}

}  // namespace

void SaveImageComboPicture(const std::string& folder) {
  const TOwned<TForm> form(new TForm(nullptr));
  form->SetCaption("Image combo boxes with and without descriptions");
  const int columns = 2 * static_cast<int>(std::size(kKinds));
  FitGalleryForm(*form, kRowLabelWidth + columns * kColumnWidth + kGap, kHeaderHeight + kRows * kRowHeight + kListRoom);
  auto* images = CreateComponent<TImageList>(form.get());
  AddLamps(*images);
  std::vector<TcxImageComboBox*> openRow;
  for (int column = 0; column < columns; ++column) {
    const TGalleryKind& kind = kKinds[column / 2];
    const bool descriptions = column % 2 == 0;
    const int left = kRowLabelWidth + column * kColumnWidth;
    AddGalleryLabel(*form, (std::string(kind.Label) + (descriptions ? "" : ", no descriptions")).c_str(), left, 2,
                    kColumnWidth, kHeaderHeight - 2);
    for (int row = 0; row < kRows; ++row) {
      TcxImageComboBox* combo =
          AddImageCombo(*form, *images, kind.Kind, descriptions, left, kHeaderHeight + row * kRowHeight);
      if (row == kOpenRow) openRow.push_back(combo);
    }
  }
  AddClosedAndOpenLabels(*form, kRowLabelWidth, kOpenRow);
  ShowGalleryForm(*form);
  TBitmap picture;
  CopyFormFromScreen(picture, *form);
  for (TcxImageComboBox* combo : openRow) CopyOpenedDropDown(picture, *form, *combo);
  picture.SaveToFile(folder + "\\image-combo.bmp");
}
