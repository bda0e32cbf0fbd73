#pragma once
// TImage: a control that shows a picture at its top-left corner. Hidden
// images serve as templates whose pictures other controls draw.
#include "platform/controls/core/GraphicControl.h"
#include "platform/graphics/Picture.h"

class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TPicture& Picture() { return FPicture; }

 protected:
  void Paint() override;

 private:
  TPicture FPicture;
};
