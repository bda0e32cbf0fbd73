#include "controls/foundation/base/cxGeometry.h"

#include "platform/classes/ClassBuilder.h"
#include "platform/rtl/Units.h"

namespace {

TUnitGuard gUnit;

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

TClass TcxRect::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TcxRect>("TcxRect", TPersistent::StaticClass())
                                          .Integer("Left", &TcxRect::Left, &TcxRect::SetLeft)
                                          .Integer("Top", &TcxRect::Top, &TcxRect::SetTop)
                                          .Integer("Right", &TcxRect::Right, &TcxRect::SetRight)
                                          .Integer("Bottom", &TcxRect::Bottom, &TcxRect::SetBottom)
                                          .Event("OnChange", &TcxRect::SetOnChange)
                                          .Build();
  return &metaClass;
}

void TcxRect::Assign(const TPersistent* source) {
  if (const auto* rect = dynamic_cast<const TcxRect*>(source))
    SetRect(rect->FRect);
  else
    TPersistent::Assign(source);
}

void TcxRect::SetRect(const RECT& value) {
  if (SameRect(value, FRect)) return;
  FRect = value;
  if (FOnChange) FOnChange(this);
}

void TcxRect::SetValue(LONG RECT::*side, int value) {
  RECT rect = FRect;
  rect.*side = value;
  SetRect(rect);
}

void cxGeometryInitialize() {
  if (gUnit.Enter()) RegisterClasses({TcxRect::StaticClass()});
}

void cxGeometryFinalize() {
  if (gUnit.Leave()) UnRegisterClass(TcxRect::StaticClass());
}
