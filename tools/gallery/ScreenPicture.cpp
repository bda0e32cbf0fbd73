#include "tools/gallery/ScreenPicture.h"

#include "platform/controls/Application.h"
#include "platform/controls/Label.h"
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

void ShowPainted(TForm& form) {
  Application().ProcessMessages();
  RedrawWindow(form.Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
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
