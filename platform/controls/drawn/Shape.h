#pragma once
// TShape: a rectangle or a circle drawn with a pen and a brush, such as the
// lamps of the main window. A circle is the largest one centred in the
// control; around it the parent shows.
#include "platform/controls/core/GraphicControl.h"
#include "platform/graphics/GraphicsObjects.h"

enum TShapeType { stRectangle, stCircle };

class TShape : public TGraphicControl {
 public:
  explicit TShape(TComponent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TShapeType Shape() const { return FShape; }
  void SetShape(TShapeType value);
  TBrush& Brush() { return FBrush; }
  TPen& Pen() { return FPen; }

 protected:
  void Paint() override;

 private:
  // The outline's bounds: inside the control by half the pen, squared for a circle.
  TRect ShapeBounds() const;

  TShapeType FShape = stRectangle;
  TBrush FBrush;
  TPen FPen;
};
