#include "controls/foundation/container/cxContainerRoutines.h"

#include "controls/foundation/container/cxContainerViewInfo.h"
#include "controls/foundation/controls/cxControls.h"
#include "controls/foundation/graphics/dxUxTheme.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/core/Screen.h"

namespace {

// A paint of the window's update area, ended when it goes.
class TWindowPaint {
 public:
  explicit TWindowPaint(HWND window) : FWindow(window) { FDC = BeginPaint(window, &FPaint); }
  ~TWindowPaint() { EndPaint(FWindow, &FPaint); }
  TWindowPaint(const TWindowPaint&) = delete;
  TWindowPaint& operator=(const TWindowPaint&) = delete;
  HDC DC() const { return FDC; }
  const RECT& Area() const { return FPaint.rcPaint; }

 private:
  HWND FWindow;
  PAINTSTRUCT FPaint{};
  HDC FDC = nullptr;
};

// Renders the window's background and client area into `target` through a
// paint buffer, made opaque: on a composited parent the edit control's own
// painting leaves its pixels see-through.
void RenderThroughPaintBuffer(HWND window, HDC target, const RECT& area) {
  if (IsRectEmpty(&area)) return;
  HDC bufferDC = nullptr;
  const HPAINTBUFFER buffer = dxUxTheme::BeginBufferedPaint(target, area, BPBF_TOPDOWNDIB, nullptr, bufferDC);
  if (!buffer) return;
  HideCaret(window);
  SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(bufferDC), 0);
  SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(bufferDC), PRF_CLIENT);
  dxUxTheme::BufferedPaintSetAlpha(buffer, &area, 255);
  dxUxTheme::EndBufferedPaint(buffer, TRUE);
  ShowCaret(window);
}

bool HasRegion(HWND window, HRGN into) { return GetWindowRgn(window, into) != ERROR; }

}  // namespace

TcxContainerApi& cxContainerApi() {
  static TcxContainerApi api;
  return api;
}

void InvalidateRectFrame(HWND window, const TRect& outer, const TRect& inner, bool erase) {
  if (IsRectEmpty(&inner)) {
    InvalidateRect(window, &outer, erase);
    return;
  }
  for (const TRect& strip : RectFrameStrips(outer, inner))
    if (!IsRectEmpty(&strip)) InvalidateRect(window, &strip, erase);
}

bool UpdateWindowRegion(HWND window, std::unique_ptr<TcxRegion> region) {
  TcxRegion current;
  const bool hasRegion = HasRegion(window, current.Handle());
  if (!region) {
    if (!hasRegion) return false;
    SetWindowRgn(window, nullptr, TRUE);
    return true;
  }
  if (hasRegion && EqualRgn(current.Handle(), region->Handle())) return false;
  // The system owns a region it took; one it refused is still ours to free.
  if (SetWindowRgn(window, region->Handle(), TRUE)) region->Release();
  return true;
}

void PaintWindowWithBufferedPaint(HWND window) {
  const TWindowPaint paint(window);
  RenderThroughPaintBuffer(window, paint.DC(), paint.Area());
}

void RedrawWindowWithBufferedPaint(HWND window) {
  const TWindowDC dc(window);
  RECT client{};
  GetClientRect(window, &client);
  RenderThroughPaintBuffer(window, dc.Get(), client);
}

bool IsDescendantWindow(TWinControl* control, HWND window) {
  if (!control || !window) return false;
  if (control->HandleAllocated() && IsChild(control->Handle(), window)) return true;
  for (int i = 0; i < control->ControlCount(); ++i) {
    auto* child = dynamic_cast<TWinControl*>(control->Controls(i));
    if (child && IsDescendantWindow(child, window)) return true;
  }
  for (int i = 0; i < Screen().FormCount(); ++i) {
    TForm* form = Screen().Forms(i);
    if (form == control || !form->HandleAllocated() || !IsWindowVisible(form->Handle())) continue;
    if (form->Owner() != control) continue;
    if (form->Handle() == window || IsDescendantWindow(form, window)) return true;
  }
  return false;
}

bool TakePendingMessage(HWND window, UINT first, UINT last, MSG& message) {
  if (!PeekMessageA(&message, window, first, last, PM_REMOVE)) return false;
  if (message.message != WM_QUIT) return true;
  PostQuitMessage(QuitExitCode(QueuedMessage(message)));
  return false;
}

void RemovePendingMessages(HWND window, UINT first, UINT last, bool all) {
  MSG message{};
  while (TakePendingMessage(window, first, last, message) && all) {
  }
}

bool StringsEqual(const std::string& a, const std::string& b, bool caseSensitive) {
  if (caseSensitive)
    return CompareStringA(LOCALE_USER_DEFAULT, 0, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) == CSTR_EQUAL;
  auto upper = [](std::string text) {
    CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
  };
  return upper(a) == upper(b);
}

POINT GetMouseCursorPos() { return GetCursorPosition(); }

TShiftState GetCurrentShiftState() { return KeyboardShiftState(); }

TRect GetControlRect(const TControl& control) { return TRect{0, 0, control.Width(), control.Height()}; }

void AssignFont(TFont& destination, const TFont& source) { destination.Assign(source); }
