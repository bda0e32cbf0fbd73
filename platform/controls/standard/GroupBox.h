#pragma once
// TGroupBox: a captioned frame around other controls (the Win32 group box).
#include "platform/controls/core/WinControl.h"

class TGroupBox : public TWinControl {
 public:
  explicit TGroupBox(TComponent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  // Aligned controls stay inside the frame and below the caption.
  void AdjustClientRect(RECT& rect) const override;
};
