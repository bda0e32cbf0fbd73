#pragma once
// TLabel: a text on its parent, drawn by the parent's window. It takes its
// parent's colour and font, wraps at word breaks, and tells of clicks, so a
// label can act as a link (OnClick, with Cursor = crHandPoint).
#include "platform/controls/core/GraphicControl.h"

class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TComponent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

 protected:
  void Paint() override;
};
