#include "platform/controls/Panel.h"

#include "platform/classes/ClassBuilder.h"

namespace {

const TIdentMap kBevels = {{bvNone, "bvNone"}, {bvLowered, "bvLowered"}, {bvRaised, "bvRaised"}};

// BeginPaint and EndPaint as one scope.
class TPaintScope {
 public:
  explicit TPaintScope(HWND window) : FWindow(window) { FDC = BeginPaint(window, &FPaint); }
  ~TPaintScope() { EndPaint(FWindow, &FPaint); }
  TPaintScope(const TPaintScope&) = delete;
  TPaintScope& operator=(const TPaintScope&) = delete;
  HDC DC() const { return FDC; }

 private:
  HWND FWindow;
  PAINTSTRUCT FPaint{};
  HDC FDC;
};

// Selects an object into a device context for one scope.
class TSelectScope {
 public:
  TSelectScope(HDC dc, HGDIOBJ object) : FDC(dc), FPrevious(SelectObject(dc, object)) {}
  ~TSelectScope() { SelectObject(FDC, FPrevious); }
  TSelectScope(const TSelectScope&) = delete;
  TSelectScope& operator=(const TSelectScope&) = delete;

 private:
  HDC FDC;
  HGDIOBJ FPrevious;
};

}  // namespace

TClass TPanel::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TPanel>("TPanel", TWinControl::StaticClass())
          .String("Caption", &TPanel::Caption, &TPanel::SetCaption)
          .Enumeration("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter, kBevels, bvRaised)
          .Build();
  return &metaClass;
}

TPanel::TPanel(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 41); }

void TPanel::SetBevelOuter(TPanelBevel value) {
  FBevelOuter = value;
  if (HandleAllocated()) InvalidateRect(Handle(), nullptr, TRUE);
}

void TPanel::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  // Tab moves through the controls inside.
  params.ExStyle |= WS_EX_CONTROLPARENT;
}

void TPanel::CaptionChanged() {
  if (HandleAllocated()) InvalidateRect(Handle(), nullptr, TRUE);
}

void TPanel::WndProc(TMessage& message) {
  if (message.Msg == WM_PAINT) {
    Paint();
    return;
  }
  TWinControl::WndProc(message);
}

void TPanel::Paint() {
  const TPaintScope paint(Handle());
  RECT area = ClientRect();
  if (FBevelOuter != bvNone)
    DrawEdge(paint.DC(), &area, FBevelOuter == bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
  if (Caption().empty()) return;
  const TSelectScope font(paint.DC(), GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(paint.DC(), TRANSPARENT);
  SetTextColor(paint.DC(), GetSysColor(COLOR_BTNTEXT));
  DrawTextA(paint.DC(), Caption().c_str(), static_cast<int>(Caption().size()), &area,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
