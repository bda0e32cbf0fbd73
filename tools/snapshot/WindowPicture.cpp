#include "tools/snapshot/WindowPicture.h"

#include <chrono>
#include <thread>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GdiHandles.h"

using namespace std::chrono_literals;

bool SaveWindowPicture(HWND window, const std::string& file) {
  SetForegroundWindow(window);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
  // A window of another process repaints in its own time.
  std::this_thread::sleep_for(300ms);
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  TBitmap picture;
  picture.SetSize(width, height);
  const TWindowDC screen(nullptr);
  // What the screen shows of the window, frame included, as the operator sees it.
  const bool printed = BitBlt(picture.DC(), 0, 0, width, height, screen.Get(), bounds.left, bounds.top, SRCCOPY);
  picture.SaveToFile(file);
  return printed;
}
