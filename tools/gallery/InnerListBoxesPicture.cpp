#include "tools/gallery/InnerListBoxesPicture.h"

#include <iterator>
#include <string>

#include "controls/foundation/cxContainerControl.h"
#include "controls/foundation/cxContainerListBox.h"
#include "tools/gallery/ScreenPicture.h"

namespace {

constexpr int kRowLabelWidth = 70;
constexpr int kListWidth = 120;
constexpr int kListHeight = 90;
constexpr int kColumnWidth = kListWidth + 16;
constexpr int kRowHeight = kListHeight + kGalleryGap;
constexpr int kItems = 20;

const struct {
  const char* Label;
  int TopIndex;
} kRows[] = {{"first item", 0}, {"scrolled", 8}};

TcxContainer* AddInnerListBox(TForm& form, TcxLookAndFeelKind kind, int row, int left, int top) {
  auto* container = new TcxContainer(&form);
  container->SetBounds(left, top, kListWidth, kListHeight);
  container->SetParent(&form);
  container->GetStyle()->LookAndFeel()->SetKind(kind);
  container->GetStyle()->LookAndFeel()->SetNativeStyle(false);
  auto* list = new TcxCustomInnerListBox(container, container);
  container->SetInnerControl(list);
  list->BeginUpdate();
  for (int i = 0; i < kItems; ++i) list->Items().Add("Port " + std::to_string(i + 1));
  list->EndUpdate();
  list->SetItemIndex(kRows[row].TopIndex);
  list->SetTopIndex(kRows[row].TopIndex);
  return container;
}

}  // namespace

void SaveInnerListBoxesPicture(const std::string& folder) {
  const TOwned<TForm> form(new TForm(nullptr));
  form->SetCaption("Inner list boxes per look-and-feel kind");
  const int rows = static_cast<int>(std::size(kRows));
  FitGalleryForm(*form, kRowLabelWidth + static_cast<int>(std::size(kGalleryKinds)) * kColumnWidth + kGalleryGap,
                 kGalleryHeaderHeight + rows * kRowHeight);
  int left = kRowLabelWidth;
  for (const TGalleryKind& kind : kGalleryKinds) {
    AddGalleryLabel(*form, kind.Label, left, 2, kColumnWidth, kGalleryHeaderHeight - 2);
    for (int row = 0; row < rows; ++row)
      AddInnerListBox(*form, kind.Kind, row, left, kGalleryHeaderHeight + row * kRowHeight);
    left += kColumnWidth;
  }
  for (int row = 0; row < rows; ++row)
    AddGalleryLabel(*form, kRows[row].Label, kGalleryGap, kGalleryHeaderHeight + row * kRowHeight + 3,
                    kRowLabelWidth - kGalleryGap, kGalleryHeaderHeight - 2);
  ShowGalleryForm(*form);
  TBitmap picture;
  CopyFormFromScreen(picture, *form);
  picture.SaveToFile(folder + "\\inner-list-boxes.bmp");
}
