#include "platform/controls/Splitter.h"

#include <windowsx.h>

#include <algorithm>

#include "platform/classes/ClassBuilder.h"

TClass TSplitter::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TSplitter>("TSplitter", TWinControl::StaticClass())
                                          .Integer("MinSize", &TSplitter::MinSize, &TSplitter::SetMinSize, 30)
                                          .Build();
  return &metaClass;
}

TSplitter::TSplitter(TComponent* owner) : TWinControl(owner) {
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

void TSplitter::WndProc(TMessage& message) {
  const POINT point{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  // Positions in the parent: the splitter itself moves while it is dragged.
  const int position = Horizontal() ? Top() + point.y : Left() + point.x;
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
      if (const TControl* control = ResizedControl()) {
        FDragging = true;
        FDragStart = position;
        FStartSize = SizeOf(*control);
        SetCapture(Handle());
      }
      return;
    case WM_MOUSEMOVE:
      if (FDragging) Drag(position);
      return;
    case WM_LBUTTONUP:
      if (FDragging) {
        Drag(position);
        FDragging = false;
        ReleaseCapture();
      }
      return;
    case WM_CAPTURECHANGED: FDragging = false; break;
  }
  TWinControl::WndProc(message);
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
