#pragma once
// TGraphicControl: a control without a window of its own. Its parent paints
// it after its own painting (origin at the control's corner, clipped to its
// bounds, the context's state saved and restored around it) and hands it the
// mouse messages over it. Labels, shapes and images are graphic controls: a
// window each would cost the program's start-up for nothing.
#include "platform/controls/core/Control.h"
#include "platform/controls/core/ControlCanvas.h"

class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  // Draws on the parent's window: during Paint the paint's context, at other times one taken on demand.
  TCanvas& Canvas() { return FCanvas; }

  void WndProc(TMessage& message) override;

 protected:
  virtual void Paint() {}

 private:
  TControlCanvas FCanvas{*this};
};
