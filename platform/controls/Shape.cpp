#include "platform/controls/Shape.h"

#include "platform/classes/ClassBuilder.h"
#include "platform/graphics/GdiHandles.h"

namespace {

const TIdentMap kShapeTypes = {{stRectangle, "stRectangle"}, {stCircle, "stCircle"}};

}  // namespace

TClass TShape::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TShape>("TShape", TCustomControl::StaticClass())
          .Enumeration("Shape", &TShape::Shape, &TShape::SetShape, kShapeTypes, stRectangle)
          .Object("Brush", &TShape::Brush)
          .Object("Pen", &TShape::Pen)
          .Build();
  return &metaClass;
}

TShape::TShape(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 65, 65);
  FBrush.SetOnChange([this](TObject*) { Invalidate(); });
  FPen.SetOnChange([this](TObject*) {
    Invalidate();
    UpdateWindowRegion();
  });
}

void TShape::SetShape(TShapeType value) {
  FShape = value;
  UpdateWindowRegion();
  Invalidate();
}

void TShape::CreateWnd() {
  TCustomControl::CreateWnd();
  UpdateWindowRegion();
}

void TShape::BoundsChanged() {
  TCustomControl::BoundsChanged();
  UpdateWindowRegion();
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

void TShape::UpdateWindowRegion() {
  if (!HandleAllocated()) return;
  if (FShape != stCircle) {
    SetWindowRgn(Handle(), nullptr, TRUE);
    return;
  }
  const TRect bounds = ShapeBounds();
  TGdiObject<HRGN> region(CreateEllipticRgn(bounds.left, bounds.top, bounds.right + 1, bounds.bottom + 1));
  // The window owns the region once it is set.
  if (SetWindowRgn(Handle(), region.Get(), TRUE)) region.Release();
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
