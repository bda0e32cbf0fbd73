#pragma once
// TCustomControl: a window-backed control that paints itself on a canvas.
// Each paint (WM_PAINT, and WM_PRINTCLIENT so PrintWindow captures it) fills
// the client area with Color, unless the control is csOpaque, and calls Paint
// with Canvas bound to the paint's context; the graphic controls on it paint
// after it.
#include "platform/controls/core/ControlCanvas.h"
#include "platform/controls/core/WinControl.h"

class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  // During Paint the paint's context; at other times the window's, taken on demand.
  TCanvas& Canvas() { return FCanvas; }

 protected:
  virtual void Paint() = 0;
  void WndProc(TMessage& message) override;
  void PaintWindow(HDC dc) override;

 private:
  TControlCanvas FCanvas{*this};
};
