#pragma once
// What a window and every visible window inside it paint, each at its place,
// captured into one bitmap: the main window as the operator sees it, read
// back pixel by pixel.
#include <windows.h>

#include "platform/graphics/Bitmap.h"

namespace window_tree_capture_detail {

inline void PaintInto(HWND root, HWND window, HDC dc) {
  POINT origin{0, 0};
  MapWindowPoints(window, root, &origin, 1);
  RECT client;
  GetClientRect(window, &client);
  const int saved = SaveDC(dc);
  SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
  IntersectClipRect(dc, 0, 0, client.right, client.bottom);
  SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  // Children from the bottom of the z-order up, so the topmost ends on top.
  for (HWND child = GetWindow(GetWindow(window, GW_CHILD), GW_HWNDLAST); child != nullptr;
       child = GetWindow(child, GW_HWNDPREV)) {
    if (IsWindowVisible(child)) PaintInto(root, child, dc);
  }
  RestoreDC(dc, saved);
}

}  // namespace window_tree_capture_detail

inline void CaptureWindowTree(HWND root, TBitmap& bitmap) {
  RECT client;
  GetClientRect(root, &client);
  bitmap.SetSize(client.right, client.bottom);
  window_tree_capture_detail::PaintInto(root, root, bitmap.DC());
}

// A point of a window in the client coordinates of `root`.
inline POINT PointIn(HWND root, HWND window, int x, int y) {
  POINT point{x, y};
  MapWindowPoints(window, root, &point, 1);
  return point;
}

inline COLORREF PixelAt(const TBitmap& bitmap, POINT point) { return GetPixel(bitmap.DC(), point.x, point.y); }

// How many pixels of a rectangle of `window` have `colour`.
inline int CountPixels(const TBitmap& bitmap, HWND root, HWND window, const RECT& rect, COLORREF colour) {
  int count = 0;
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) count += PixelAt(bitmap, PointIn(root, window, x, y)) == colour;
  }
  return count;
}
