#include "tools/gallery/PopupEditsPicture.h"

#include <iterator>

#include "controls/editors/check/cxCheckBox.h"
#include "controls/editors/dropdown/cxDropDownEditPopupEdit.h"
#include "platform/controls/standard/Button.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/drawn/Panel.h"
#include "tools/gallery/ScreenPicture.h"

namespace {

constexpr int kRowLabelWidth = 90;
constexpr int kHeaderHeight = kGalleryHeaderHeight;
constexpr int kEditorWidth = 130;
constexpr int kColumnWidth = kEditorWidth + 46;
constexpr int kRowHeight = kGalleryRowHeight;
constexpr int kGap = kGalleryGap;
constexpr int kRows = 2;
constexpr int kOpenRow = 1;
constexpr int kPanelWidth = 150;
constexpr int kPanelHeight = 92;
// The popup's frame around the panel, both sides together.
constexpr int kPopupFrame = 4;
// Room below the open row for its popup, then the panel's own place.
constexpr int kPopupRoom = kPanelHeight + 24;
constexpr int kPanelTop = kHeaderHeight + kRows * kRowHeight + kPopupRoom;

TcxPopupEdit* AddPopupEdit(TForm& form, TPanel& panel, TcxLookAndFeelKind kind, int left, int top) {
  auto* edit = CreateComponent<TcxPopupEdit>(&form);
  edit->SetBounds(left, top, kEditorWidth, kGalleryEditorHeight);
  edit->SetParent(&form);
  edit->GetStyle()->LookAndFeel()->SetKind(kind);
  edit->GetStyle()->LookAndFeel()->SetNativeStyle(false);
  edit->PropertiesObject().SetPopupControl(&panel);
  // Sized to hold the panel: measured by itself, the popup takes the size
  // the panel has once aligned to the popup's client area.
  edit->PropertiesObject().SetPopupAutoSize(false);
  edit->PropertiesObject().SetPopupWidth(kPanelWidth + kPopupFrame);
  edit->PropertiesObject().SetPopupHeight(kPanelHeight + kPopupFrame);
  edit->SetText("ETH1, ETH3");
  return edit;
}

void AddPortBox(TPanel& panel, const char* caption, bool checked, int top) {
  auto* box = CreateComponent<TcxCheckBox>(panel.Owner());
  box->SetBounds(8, top, 100, 21);
  box->SetParent(&panel);
  box->PropertiesObject().SetCaption(caption);
  box->SetChecked(checked);
}

// The form's own panel the popups borrow: ports to choose and a button.
TPanel* AddPanel(TForm& form) {
  auto* panel = CreateComponent<TPanel>(&form);
  panel->SetBounds(kRowLabelWidth, kPanelTop, kPanelWidth, kPanelHeight);
  panel->SetParent(&form);
  AddPortBox(*panel, "ETH1", true, 6);
  AddPortBox(*panel, "ETH2", false, 28);
  AddPortBox(*panel, "ETH3", true, 50);
  auto* button = CreateComponent<TButton>(&form);
  button->SetBounds(kPanelWidth - 58, kPanelHeight - 30, 50, 24);
  button->SetParent(panel);
  button->SetCaption("OK");
  return panel;
}

// The popup edit's popup runs a message loop of its own: the copy is taken
// from within it, once the popup shows, and then the popup is closed.
void CopyOpened(TBitmap& picture, TForm& form, TcxPopupEdit& edit) {
  edit.PropertiesObject().SetOnPopup([&picture, &form, &edit](TObject*) {
    ShowPainted(form);
    CopyFromScreen(picture, form.Handle(), edit.Handle());
    CopyFromScreen(picture, form.Handle(), edit.PopupWindow()->Handle());
    edit.PopupWindow()->PostClosePopup();
  });
  edit.InnerTextEdit()->Edit().SetFocus();
  edit.SetDroppedDown(true);
  ShowPainted(form);
  edit.PropertiesObject().SetOnPopup(nullptr);
}

}  // namespace

void SavePopupEditsPicture(const std::string& folder) {
  const TOwned<TForm> form(new TForm(nullptr));
  form->SetCaption("Popup edits per look-and-feel kind, showing the form's panel");
  FitGalleryForm(*form, kRowLabelWidth + static_cast<int>(std::size(kGalleryKinds)) * kColumnWidth + kGap,
                 kPanelTop + kPanelHeight + kGap);
  TPanel* panel = AddPanel(*form);
  const std::vector<TcxPopupEdit*> openRow =
      AddGalleryGrid<TcxPopupEdit>(*form, kRowLabelWidth, kColumnWidth, kRows, kOpenRow,
                                   [&form, panel](TcxLookAndFeelKind kind, int, int left, int top) {
                                     return AddPopupEdit(*form, *panel, kind, left, top);
                                   });
  AddClosedAndOpenLabels(*form, kRowLabelWidth, kOpenRow);
  AddGalleryLabel(*form, "the panel", kGap, kPanelTop + 3, kRowLabelWidth - kGap, kHeaderHeight - 2);
  ShowGalleryForm(*form);
  TBitmap picture;
  CopyFormFromScreen(picture, *form);
  for (TcxPopupEdit* edit : openRow) CopyOpened(picture, *form, *edit);
  picture.SaveToFile(folder + "\\popup-edit.bmp");
}
