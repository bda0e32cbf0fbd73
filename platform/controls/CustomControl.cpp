#include "platform/controls/CustomControl.h"

#include "platform/classes/ClassBuilder.h"
#include "platform/graphics/GdiHandles.h"

TClass TCustomControl::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TCustomControl>("TCustomControl", TWinControl::StaticClass()).Build();
  return &metaClass;
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {
  FFont.SetOnChange([this](TObject*) { Invalidate(); });
}

void TCustomControl::SetColor(TColor value) {
  FColor = value;
  Invalidate();
}

void TCustomControl::Invalidate() {
  if (HandleAllocated()) InvalidateRect(Handle(), nullptr, FALSE);
}

void TCustomControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND: message.Result = 1; return;  // Paint covers everything
    case WM_PAINT: {
      const TPaintDC dc(Handle());
      PaintOn(dc.Get());
      return;
    }
    case WM_PRINTCLIENT: PaintOn(reinterpret_cast<HDC>(message.WParam)); return;
  }
  TWinControl::WndProc(message);
}

void TCustomControl::PaintOn(HDC dc) {
  struct TUnbind {
    TCanvas& Canvas;
    ~TUnbind() { Canvas.SetHandle(nullptr); }
  } unbind{FCanvas};
  FCanvas.SetHandle(dc);
  RECT client;
  GetClientRect(Handle(), &client);
  FCanvas.Brush().SetColor(FColor);
  FCanvas.FillRect(client);
  FCanvas.Font().Assign(FFont);
  Paint();
}
