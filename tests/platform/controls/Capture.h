#pragma once
// What a window paints, captured into a bitmap whose pixels a test reads.
#include <windows.h>

#include "platform/graphics/Bitmap.h"

inline void CaptureClient(HWND window, TBitmap& bitmap) {
  RECT client;
  GetClientRect(window, &client);
  bitmap.SetSize(client.right, client.bottom);
  SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(bitmap.DC()), PRF_CLIENT);
}

inline COLORREF PixelAt(const TBitmap& bitmap, int x, int y) { return GetPixel(bitmap.DC(), x, y); }
