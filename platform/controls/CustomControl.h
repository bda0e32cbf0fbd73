#pragma once
// TCustomControl: a window-backed control that paints itself on a canvas.
// Each WM_PAINT (and WM_PRINTCLIENT, so PrintWindow captures it) fills the
// client area with Color and calls Paint with Canvas bound to the context.
#include "platform/controls/WinControl.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"

class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  // Usable for drawing only while the control paints.
  TCanvas& Canvas() { return FCanvas; }
  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  TFont& Font() { return FFont; }

  // Repaints the whole control when the messages are next processed.
  void Invalidate();

 protected:
  virtual void Paint() = 0;
  void WndProc(TMessage& message) override;

 private:
  void PaintOn(HDC dc);

  TCanvas FCanvas;
  TColor FColor = clBtnFace;
  TFont FFont;
};
