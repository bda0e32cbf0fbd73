#pragma once
// The main window painted into a bitmap, with the colours of its lamps,
// indicators and grid cells read back.
#include <windows.h>

#include "application/main/Main.h"
#include "platform/graphics/Bitmap.h"
#include "tests/application/main/WindowTreeCapture.h"
#include "tests/platform/controls/Capture.h"

class TMainWindowPicture {
 public:
  explicit TMainWindowPicture(TMainW& main) : FMain(main) { CaptureWindowTree(main.Handle(), FBitmap); }

  COLORREF Lamp(int port, TEthLed led) const { return Centre(*FMain.EthLed(port, led)); }
  COLORREF Centre(TControl& control) const {
    const POINT centre = HostPoint(control, control.Width() / 2, control.Height() / 2);
    return PixelAt(FBitmap, PointIn(Root(), HostWindow(control), centre.x, centre.y));
  }
  COLORREF CellCentre(int col, int row) const {
    const RECT cell = FMain.port_state_table->CellRect(col, row);
    return PixelAt(FBitmap, PointIn(Root(), Grid(), cell.left + (cell.right - cell.left) / 2,
                                    cell.top + (cell.bottom - cell.top) / 2));
  }
  // Pixels of a colour inside a cell, its lines left out.
  int CellPixels(int col, int row, COLORREF colour) const {
    RECT cell = FMain.port_state_table->CellRect(col, row);
    InflateRect(&cell, -2, -2);
    return CountPixels(FBitmap, Root(), Grid(), cell, colour);
  }

 private:
  HWND Root() const { return FMain.Handle(); }
  HWND Grid() const { return FMain.port_state_table->Handle(); }

  TMainW& FMain;
  TBitmap FBitmap;
};
