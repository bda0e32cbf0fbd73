#include "tools/snapshot/WindowPicture.h"

#include <chrono>
#include <fstream>
#include <thread>

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
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const TWindowDC screen(nullptr);
  const TMemoryDC memory;
  const TGdiObject<HBITMAP> bitmap(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  const TSelectedObject selected(memory.Get(), bitmap.Get());
  // What the screen shows of the window, frame included, as the operator sees it.
  const bool printed = BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), bounds.left, bounds.top, SRCCOPY);
  GdiFlush();
  const DWORD imageSize = static_cast<DWORD>(width * height * 4);
  BITMAPFILEHEADER header{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + imageSize),
                          0, 0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
  out.write(static_cast<const char*>(bits), imageSize);
  return printed && out.good();
}
