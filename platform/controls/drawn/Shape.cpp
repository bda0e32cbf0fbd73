#include "platform/controls/drawn/Shape.h"

#include "platform/classes/ClassBuilder.h"

namespace {

const TIdentMap kShapeTypes = {{stRectangle, "stRectangle"}, {stCircle, "stCircle"}};

}  // namespace

TClass TShape::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TShape>("TShape", TGraphicControl::StaticClass())
          .Enumeration("Shape", &TShape::Shape, &TShape::SetShape, kShapeTypes, stRectangle)
          .Object("Brush", &TShape::Brush)
          .Object("Pen", &TShape::Pen)
          .Build();
  return &metaClass;
}

TShape::TShape(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 65, 65);
  FBrush.SetOnChange([this](TObject*) { Invalidate(); });
  FPen.SetOnChange([this](TObject*) { Invalidate(); });
}

void TShape::SetShape(TShapeType value) {
  FShape = value;
  Invalidate();
}

TRect TShape::ShapeBounds() const {
  const int inset = FPen.Width() / 2;
  int left = inset;
  int top = inset;
  int width = Width() - FPen.Width() + 1;
  int height = Height() - FPen.Width() + 1;
  if (FShape == stCircle) {
    if (width < height) {
      top += (height - width) / 2;
      height = width;
    } else {
      left += (width - height) / 2;
      width = height;
    }
  }
  return Rect(left, top, left + width, top + height);
}

void TShape::Paint() {
  Canvas().Pen().Assign(FPen);
  Canvas().Brush().Assign(FBrush);
  const TRect bounds = ShapeBounds();
  if (FShape == stCircle)
    Canvas().Ellipse(bounds.left, bounds.top, bounds.right, bounds.bottom);
  else
    Canvas().Rectangle(bounds.left, bounds.top, bounds.right, bounds.bottom);
}
