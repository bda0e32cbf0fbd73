#include "tools/gallery/ScreenPicture.h"

#include <chrono>
#include <thread>

#include "platform/controls/core/Application.h"
#include "platform/controls/drawn/Label.h"
#include "platform/graphics/GdiHandles.h"

void AddGalleryLabel(TForm& form, const char* caption, int left, int top, int width, int height) {
  auto* label = new TLabel(&form);
  label->SetParent(&form);
  label->SetCaption(caption);
  label->SetBounds(left, top, width, height);
}

void FitGalleryForm(TForm& form, int width, int height) {
  form.SetBounds(40, 40, width, height);
  form.HandleNeeded();
  const RECT client = form.ClientRect();
  form.SetBounds(40, 40, 2 * width - client.right, 2 * height - client.bottom);
}

namespace {

// How long the display may take to show what a window has drawn.
constexpr auto kScreenSettling = std::chrono::milliseconds(400);
constexpr auto kSettlingStep = std::chrono::milliseconds(20);

}  // namespace

void ShowPainted(TForm& form) { ShowPainted(form.Handle()); }

void ShowPainted(HWND window) {
  Application().ProcessMessages();
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
  // The screen shows the drawing some time after the window has made it:
  // taken at once, the form's own captions were still missing.
  const auto end = std::chrono::steady_clock::now() + kScreenSettling;
  while (std::chrono::steady_clock::now() < end) {
    Application().ProcessMessages();
    std::this_thread::sleep_for(kSettlingStep);
  }
}

void CopyFromScreen(TBitmap& picture, HWND form, HWND window) {
  RECT formBounds{};
  RECT bounds{};
  GetWindowRect(form, &formBounds);
  GetWindowRect(window, &bounds);
  const TWindowDC screen(nullptr);
  BitBlt(picture.DC(), bounds.left - formBounds.left, bounds.top - formBounds.top, bounds.right - bounds.left,
         bounds.bottom - bounds.top, screen.Get(), bounds.left, bounds.top, SRCCOPY);
}

void CopyFormFromScreen(TBitmap& picture, TForm& form) {
  RECT bounds{};
  GetWindowRect(form.Handle(), &bounds);
  picture.SetSize(bounds.right - bounds.left, bounds.bottom - bounds.top);
  CopyFromScreen(picture, form.Handle(), form.Handle());
}

void ShowGalleryForm(TForm& form) {
  form.Show();
  SetForegroundWindow(form.Handle());
  SetFocus(form.Handle());
  ShowPainted(form);
}

void AddClosedAndOpenLabels(TForm& form, int width, int openRow) {
  AddGalleryLabel(form, "closed", kGalleryGap, kGalleryHeaderHeight + 3, width - kGalleryGap, kGalleryHeaderHeight - 2);
  AddGalleryLabel(form, "open", kGalleryGap, kGalleryHeaderHeight + openRow * kGalleryRowHeight + 3,
                  width - kGalleryGap, kGalleryHeaderHeight - 2);
}

void CopyOpenedDropDown(TBitmap& picture, TForm& form, TcxCustomDropDownEdit& edit) {
  edit.InnerTextEdit()->Edit().SetFocus();
  edit.SetDroppedDown(true);
  ShowPainted(form);
  ShowPainted(edit.PopupWindow()->Handle());
  CopyFromScreen(picture, form.Handle(), edit.Handle());
  CopyFromScreen(picture, form.Handle(), edit.PopupWindow()->Handle());
  edit.SetDroppedDown(false);
}
