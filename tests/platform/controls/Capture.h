#pragma once
// What a window paints, captured into a bitmap whose pixels a test reads.
#include <windows.h>

#include "platform/controls/core/WinControl.h"
#include "platform/graphics/Bitmap.h"

inline void CaptureClient(HWND window, TBitmap& bitmap) {
  RECT client;
  GetClientRect(window, &client);
  bitmap.SetSize(client.right, client.bottom);
  SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(bitmap.DC()), PRF_CLIENT);
}

// The window a control is drawn on: its own, or its parent's for a graphic control.
inline HWND HostWindow(TControl& control) {
  if (control.InheritsFrom(TWinControl::StaticClass())) return static_cast<TWinControl&>(control).Handle();
  return HostWindow(*control.Parent());
}

// A point of the control in the coordinates of its host window.
inline POINT HostPoint(TControl& control, int x, int y) {
  if (control.InheritsFrom(TWinControl::StaticClass())) return POINT{x, y};
  return HostPoint(*control.Parent(), control.Left() + x, control.Top() + y);
}

// The control as its host paints it (background, the control, what lies over it), at the control's size.
inline void CaptureControl(TControl& control, TBitmap& bitmap) {
  bitmap.SetSize(control.Width(), control.Height());
  const HDC dc = bitmap.DC();
  const POINT origin = HostPoint(control, 0, 0);
  const int saved = SaveDC(dc);
  SetViewportOrgEx(dc, -origin.x, -origin.y, nullptr);
  SendMessageA(HostWindow(control), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SendMessageA(HostWindow(control), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  RestoreDC(dc, saved);
}

inline COLORREF PixelAt(const TBitmap& bitmap, int x, int y) { return GetPixel(bitmap.DC(), x, y); }
