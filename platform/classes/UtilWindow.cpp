#include "platform/classes/UtilWindow.h"

#include <memory>

#include "platform/rtl/Exceptions.h"

namespace {

TExceptionHandler& ExceptionHandler() {
  static TExceptionHandler handler;
  return handler;
}

// The closure of one window. A method may destroy its own window (a handler
// that stops what owns it); the closure then goes when the method returns.
struct TBoundMethod {
  TWndMethod Method;
  int Calls = 0;
  bool WindowGone = false;
};

// Set when a window under creation has taken its closure over.
thread_local bool closureTaken = false;

TBoundMethod* BoundMethod(HWND window) {
  return reinterpret_cast<TBoundMethod*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

bool CallMethod(TBoundMethod& bound, TMessage& message) {
  ++bound.Calls;
  bool handled = false;
  try {
    handled = bound.Method(message);
  } catch (...) {
    HandleApplicationException(nullptr);
    handled = true;
  }
  if (--bound.Calls == 0 && bound.WindowGone) delete &bound;
  return handled;
}

LRESULT CALLBACK UtilWindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* bound = static_cast<TBoundMethod*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(bound));
    closureTaken = true;
  }
  TBoundMethod* bound = BoundMethod(window);
  if (msg == WM_NCDESTROY && bound) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    if (bound->Calls > 0)
      bound->WindowGone = true;
    else
      delete bound;
    return DefWindowProcA(window, msg, wParam, lParam);
  }
  TMessage message{msg, wParam, lParam, 0};
  if (bound && CallMethod(*bound, message)) return message.Result;
  return DefWindowProcA(window, msg, wParam, lParam);
}

void RegisterUtilWindowClass(const std::string& className) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExA(instance, className.c_str(), &windowClass)) return;
  windowClass.lpfnWndProc = UtilWindowProcedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = className.c_str();
  if (!RegisterClassExA(&windowClass)) throw EOSError("Cannot register the window class " + className);
}

}  // namespace

HWND AllocateHWnd(TWndMethod method, const TUtilWindowParams& params) {
  RegisterUtilWindowClass(params.ClassName);
  auto bound = std::make_unique<TBoundMethod>(TBoundMethod{std::move(method)});
  closureTaken = false;
  const HWND window = CreateWindowExA(params.ExStyle, params.ClassName.c_str(), params.Title.c_str(), params.Style, 0,
                                      0, 0, 0, nullptr, nullptr, GetModuleHandleA(nullptr), bound.get());
  // From WM_NCCREATE on the window owns the closure and deletes it at
  // WM_NCDESTROY, even when its creation fails after that.
  if (closureTaken) bound.release();
  if (!window) throw EOSError("Cannot create a window of class " + params.ClassName);
  return window;
}

void DeallocateHWnd(HWND window) {
  if (window) DestroyWindow(window);
}

void SetApplicationExceptionHandler(TExceptionHandler handler) { ExceptionHandler() = std::move(handler); }

void HandleApplicationException(TObject* sender) noexcept {
  if (!ExceptionHandler()) return;
  try {
    ExceptionHandler()(sender);
  } catch (...) {
  }
}

void TUtilWindow::Reset() { DeallocateHWnd(std::exchange(FHandle, nullptr)); }

void TWindowHandle::Reset() {
  if (FHandle) DestroyWindow(FHandle);
}
