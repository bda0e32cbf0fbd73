#include "platform/controls/drawn/Splitter.h"

#include <algorithm>

#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/WinControl.h"

TClass TSplitter::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TSplitter>("TSplitter", TGraphicControl::StaticClass())
                                          .Integer("MinSize", &TSplitter::MinSize, &TSplitter::SetMinSize, 30)
                                          .Build();
  return &metaClass;
}

TSplitter::TSplitter(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 3, 100);
  SetAlign(alLeft);
  SetCursor(crHSplit);
}

TControl* TSplitter::ResizedControl() const {
  if (!Parent()) return nullptr;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    TControl* control = Parent()->Controls(i);
    if (control == this || control->Align() != Align() || !control->Visible()) continue;
    const bool adjacent = (Align() == alLeft && control->Left() + control->Width() == Left()) ||
                          (Align() == alRight && control->Left() == Left() + Width()) ||
                          (Align() == alTop && control->Top() + control->Height() == Top()) ||
                          (Align() == alBottom && control->Top() == Top() + Height());
    if (adjacent) return control;
  }
  return nullptr;
}

int TSplitter::SizeOf(const TControl& control) const { return Horizontal() ? control.Height() : control.Width(); }

void TSplitter::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  const TControl* control = ResizedControl();
  if (button != mbLeft || !control) return;
  FDragging = true;
  FDragStart = PositionInParent(x, y);
  FStartSize = SizeOf(*control);
}

void TSplitter::MouseMove(TShiftState shift, int x, int y) {
  TGraphicControl::MouseMove(shift, x, y);
  // Without the button the drag ended where this control could not see it (the capture went elsewhere).
  if (FDragging && !shift.Contains(ssLeft)) FDragging = false;
  if (FDragging) Drag(PositionInParent(x, y));
}

void TSplitter::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseUp(button, shift, x, y);
  if (!FDragging || button != mbLeft) return;
  Drag(PositionInParent(x, y));
  FDragging = false;
}

void TSplitter::Paint() {
  Canvas().Brush().SetColor(Color());
  Canvas().FillRect(ClientRect());
}

void TSplitter::Drag(int position) {
  TControl* control = ResizedControl();
  if (!control) return;
  // Dragging towards the control's own edge makes it smaller.
  const int growth = (Align() == alLeft || Align() == alTop) ? position - FDragStart : FDragStart - position;
  const RECT client = Parent()->ClientRect();
  const int available =
      (Horizontal() ? client.bottom - client.top : client.right - client.left) - SizeOf(*this) - FMinSize;
  const int size = std::max(FMinSize, std::min(FStartSize + growth, available));
  if (Horizontal())
    control->SetHeight(size);
  else
    control->SetWidth(size);
}
