#include "platform/controls/core/CustomControl.h"

#include "platform/classes/ClassBuilder.h"

TClass TCustomControl::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TCustomControl>("TCustomControl", TWinControl::StaticClass()).Build();
  return &metaClass;
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {
  TControlState state = ControlState();
  state.Include(csCustomPaint);
  SetControlState(state);
}

void TCustomControl::WndProc(TMessage& message) {
  // Paint covers the whole area: nothing is erased first.
  if (message.Msg == WM_ERASEBKGND) {
    message.Result = 1;
    return;
  }
  TWinControl::WndProc(message);
}

void TCustomControl::PaintWindow(HDC dc) {
  const TControlCanvas::TPaintScope scope(FCanvas, dc);
  if (!ControlStyle().Contains(csOpaque)) {
    FCanvas.Brush().SetColor(Color());
    FCanvas.FillRect(ClientRect());
  }
  FCanvas.Font().Assign(Font());
  Paint();
}
