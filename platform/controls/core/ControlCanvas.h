#pragma once
// TControlCanvas: the canvas of a control. While the control paints it draws
// on the context of the paint. At any other time a drawing call takes the
// context of the control's window (a graphic control: its parent's, moved and
// clipped to the control's bounds), which goes back when the message being
// handled ends.
#include <optional>

#include "platform/graphics/Canvas.h"

class TControl;

class TControlCanvas : public TCanvas {
 public:
  explicit TControlCanvas(TControl& control) : FControl(control) {}
  ~TControlCanvas() override;

  // Gives back every context a canvas took on demand.
  static void FreeDeviceContexts();

  // The canvas draws on `dc` for one scope: a paint.
  class TPaintScope {
   public:
    TPaintScope(TControlCanvas& canvas, HDC dc);
    ~TPaintScope();
    TPaintScope(const TPaintScope&) = delete;
    TPaintScope& operator=(const TPaintScope&) = delete;

   private:
    TControlCanvas& FCanvas;
  };

 protected:
  void CreateHandle() override;

 private:
  void FreeHandle();

  TControl& FControl;
  std::optional<TWindowDC> FWindowDC;
};
