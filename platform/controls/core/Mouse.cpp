#include "platform/controls/core/Mouse.h"

#include <windows.h>

#include "platform/controls/core/Application.h"

TControl* TMouse::Capture() const { return Application().CaptureControl(); }

void TMouse::SetCapture(TControl* control) { Application().SetCaptureControl(control); }

int TMouse::DragThreshold() const { return FDragThreshold > 0 ? FDragThreshold : GetSystemMetrics(SM_CXDRAG); }

int TMouse::WheelScrollLines() const {
  UINT lines = 3;
  SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  return static_cast<int>(lines);
}

TMouse& Mouse() {
  static TMouse mouse;
  return mouse;
}
