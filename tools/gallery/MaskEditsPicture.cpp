#include "tools/gallery/MaskEditsPicture.h"

#include <iterator>
#include <vector>

#include "controls/editors/mask/cxMaskEdit.h"
#include "platform/controls/core/Form.h"
#include "tools/gallery/ScreenPicture.h"

namespace {

constexpr int kRowLabelWidth = 290;
constexpr int kEditorWidth = 140;
constexpr int kEditorHeight = kGalleryEditorHeight;
constexpr int kColumnWidth = kEditorWidth + 12;
constexpr int kRowHeight = kGalleryRowHeight;
constexpr int kHeaderHeight = kGalleryHeaderHeight;
constexpr int kGap = kGalleryGap;

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
  FitGalleryForm(*form, kRowLabelWidth + columns * kColumnWidth + kGap, kHeaderHeight + rows * kRowHeight + kGap);
  std::vector<std::pair<TcxMaskEdit*, int>> focused;
  for (int column = 0; column < columns; ++column) {
    const TGalleryKind& kind = kKinds[column / 2];
    const bool withFocus = column % 2 == 1;
    const int left = kRowLabelWidth + column * kColumnWidth;
    AddGalleryLabel(*form, (std::string(kind.Label) + (withFocus ? ", focused" : "")).c_str(), left, 2, kColumnWidth,
                    kHeaderHeight - 2);
    for (int row = 0; row < rows; ++row) {
      TcxMaskEdit* edit = AddEditor(*form, kind.Kind, row, left, kHeaderHeight + row * kRowHeight);
      // A half-typed text is invalid and would keep the focus: the
      // editors without it have their text set instead.
      if (withFocus) {
        focused.emplace_back(edit, row);
      } else {
        edit->SetText(kRows[row].Text);
      }
    }
  }
  for (int row = 0; row < rows; ++row)
    AddGalleryLabel(*form, kRows[row].Label, kGap, kHeaderHeight + row * kRowHeight + 3, kRowLabelWidth - kGap,
                    kHeaderHeight - 2);
  ShowGalleryForm(*form);
  TBitmap picture;
  CopyFormFromScreen(picture, *form);
  for (const auto& [edit, row] : focused) {
    TypeInto(*edit, row);
    ShowPainted(*form);
    CopyFromScreen(picture, form->Handle(), edit->Handle());
    // Escape takes the typed text back, so the focus can move on.
    SendMessageA(edit->InnerTextEdit()->Edit().Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  }
  picture.SaveToFile(folder + "\\mask-edits.bmp");
}
