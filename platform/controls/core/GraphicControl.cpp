#include "platform/controls/core/GraphicControl.h"

#include "platform/classes/ClassBuilder.h"

TClass TGraphicControl::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TGraphicControl>("TGraphicControl", TControl::StaticClass()).Build();
  return &metaClass;
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::WndProc(TMessage& message) {
  if (message.Msg == WM_PAINT && MessageDC(message)) {
    const TControlCanvas::TPaintScope scope(FCanvas, MessageDC(message));
    Paint();
    return;
  }
  TControl::WndProc(message);
}
