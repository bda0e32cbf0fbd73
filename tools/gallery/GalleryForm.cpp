#include "tools/gallery/GalleryForm.h"

#include <chrono>
#include <thread>

#include "platform/controls/Application.h"
#include "platform/controls/Label.h"
#include "platform/graphics/GdiHandles.h"

namespace {

constexpr int kFormCorner = 40;
// How long the display may take to show what a window has drawn.
constexpr auto kScreenSettling = std::chrono::milliseconds(400);
constexpr auto kSettlingStep = std::chrono::milliseconds(20);

RECT WindowBounds(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  return bounds;
}

}  // namespace

void AddCaption(TForm& form, const std::string& caption, int left, int top, int width) {
  auto* label = new TLabel(&form);
  label->SetParent(&form);
  label->SetCaption(caption);
  label->SetBounds(left, top, width, kGalleryCaptionHeight - 2);
}

void FitClientArea(TForm& form, int width, int height) {
  form.SetBounds(kFormCorner, kFormCorner, width, height);
  form.HandleNeeded();
  const RECT client = form.ClientRect();
  form.SetBounds(kFormCorner, kFormCorner, 2 * width - client.right, 2 * height - client.bottom);
}

void ShowInFront(TForm& form) {
  form.Show();
  SetForegroundWindow(form.Handle());
  SetFocus(form.Handle());
}

void ShowPainted(HWND window) {
  Application().ProcessMessages();
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
  const auto end = std::chrono::steady_clock::now() + kScreenSettling;
  while (std::chrono::steady_clock::now() < end) {
    Application().ProcessMessages();
    std::this_thread::sleep_for(kSettlingStep);
  }
}

void TakeFormPicture(TBitmap& picture, HWND form) {
  const RECT bounds = WindowBounds(form);
  picture.SetSize(bounds.right - bounds.left, bounds.bottom - bounds.top);
  CopyFromScreen(picture, form, bounds);
}

void CopyFromScreen(TBitmap& picture, HWND form, const RECT& bounds) {
  const RECT formBounds = WindowBounds(form);
  const TWindowDC screen(nullptr);
  BitBlt(picture.DC(), bounds.left - formBounds.left, bounds.top - formBounds.top, bounds.right - bounds.left,
         bounds.bottom - bounds.top, screen.Get(), bounds.left, bounds.top, SRCCOPY);
}

void CopyFromScreen(TBitmap& picture, HWND form, HWND window) { CopyFromScreen(picture, form, WindowBounds(window)); }
