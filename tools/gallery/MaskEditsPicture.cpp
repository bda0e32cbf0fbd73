#include "tools/gallery/MaskEditsPicture.h"

#include <iterator>
#include <vector>

#include "controls/editors/mask/cxMaskEdit.h"
#include "tools/gallery/GalleryForm.h"

namespace {

constexpr int kRowLabelWidth = 290;
constexpr int kEditorWidth = 140;
constexpr int kEditorHeight = 21;
constexpr int kColumnWidth = kEditorWidth + 12;
constexpr int kRowHeight = kEditorHeight + 10;
constexpr int kGap = 10;

constexpr const char* kPhoneMask = "(000) 000-0000";

const struct {
  const char* Label;
  TcxEditMaskKind Kind;
  const char* Mask;
  const char* Typed;
  const char* Text;
} kRows[] = {
    {"phone (000) 000-0000, empty", emkStandard, kPhoneMask, "", ""},
    {"phone, 555123 typed", emkStandard, kPhoneMask, "555123", "(555) 123-"},
    {"phone, 5551234567 typed", emkStandard, kPhoneMask, "5551234567", "(555) 123-4567"},
    {"filter \\d{1,3}(\\.\\d{1,3}){3}, 192.168. typed", emkRegExpr, "\\d{1,3}(\\.\\d{1,3}){3}", "192.168.", "192.168."},
    {"completing ETH[1-5]' VLAN '\\d{1,4}, 32 typed", emkRegExprEx, "ETH[1-5]' VLAN '\\d{1,4}", "32", "ETH3 VLAN 2"},
};

// Two kinds that differ the most in their borders.
const TGalleryKind kKinds[] = {kGalleryKinds[1], kGalleryKinds[3]};

TcxMaskEdit* AddEditor(TForm& form, TcxLookAndFeelKind kind, int row, int left, int top) {
  auto* edit = CreateComponent<TcxMaskEdit>(&form);
  edit->SetBounds(left, top, kEditorWidth, kEditorHeight);
  edit->SetParent(&form);
  edit->GetStyle()->LookAndFeel()->SetKind(kind);
  edit->GetStyle()->LookAndFeel()->SetNativeStyle(false);
  edit->PropertiesObject().SetMaskKind(kRows[row].Kind);
  edit->PropertiesObject().SetEditMask(kRows[row].Mask);
  return edit;
}

// Types the row's characters into the focused editor as the keyboard would.
void TypeInto(TcxMaskEdit& edit, int row) {
  edit.SetFocus();
  const HWND inner = edit.InnerTextEdit()->Edit().Handle();
  for (const char* ch = kRows[row].Typed; *ch; ++ch) {
    SendMessageA(inner, WM_KEYDOWN, VkKeyScanA(*ch) & 0xFF, 0);
    SendMessageA(inner, WM_CHAR, static_cast<unsigned char>(*ch), 0);
  }
}

}  // namespace

void SaveMaskEditsPicture(const std::string& folder) {
  const TOwned<TForm> form(new TForm(nullptr));
  form->SetCaption("Masked editors typed into, without and with the focus");
  const int columns = 2 * static_cast<int>(std::size(kKinds));
  const int rows = static_cast<int>(std::size(kRows));
  FitClientArea(*form, kRowLabelWidth + columns * kColumnWidth + kGap,
                kGalleryCaptionHeight + rows * kRowHeight + kGap);
  std::vector<TcxMaskEdit*> unfocused;
  std::vector<std::pair<TcxMaskEdit*, int>> focused;
  for (int column = 0; column < columns; ++column) {
    const TGalleryKind& kind = kKinds[column / 2];
    const bool withFocus = column % 2 == 1;
    const int left = kRowLabelWidth + column * kColumnWidth;
    AddCaption(*form, std::string(kind.Label) + (withFocus ? ", focused" : ""), left, 2, kColumnWidth);
    for (int row = 0; row < rows; ++row) {
      TcxMaskEdit* edit = AddEditor(*form, kind.Kind, row, left, kGalleryCaptionHeight + row * kRowHeight);
      if (withFocus) {
        focused.emplace_back(edit, row);
      } else {
        unfocused.push_back(edit);
      }
    }
  }
  for (int row = 0; row < rows; ++row)
    AddCaption(*form, kRows[row].Label, kGap, kGalleryCaptionHeight + row * kRowHeight + 3, kRowLabelWidth - kGap);
  form->Show();
  for (size_t i = 0; i < unfocused.size(); ++i) unfocused[i]->SetText(kRows[i % rows].Text);
  ShowInFront(*form);
  ShowPainted(form->Handle());
  TBitmap picture;
  TakeFormPicture(picture, form->Handle());
  for (const auto& [edit, row] : focused) {
    TypeInto(*edit, row);
    ShowPainted(form->Handle());
    CopyFromScreen(picture, form->Handle(), edit->Handle());
    // A half-typed text is invalid and would keep the focus: Escape takes it back.
    SendMessageA(edit->InnerTextEdit()->Edit().Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  }
  picture.SaveToFile(folder + "\\mask-edits.bmp");
}
