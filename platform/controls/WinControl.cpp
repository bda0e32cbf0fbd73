#include "platform/controls/WinControl.h"

#include <algorithm>

#include "platform/classes/ClassBuilder.h"
#include "platform/controls/Application.h"
#include "platform/controls/Screen.h"
#include "platform/rtl/Exceptions.h"

TClass TWinControl::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TWinControl>("TWinControl", TControl::StaticClass()).Build();
  return &metaClass;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  // Child controls outliving this one (their owner is elsewhere) lose their parent here.
  for (TControl* control : FControls) control->FParent = nullptr;
  FControls.clear();
  DestroyHandle();
}

HWND TWinControl::Handle() {
  if (!FHandle) CreateHandle();
  return FHandle;
}

void TWinControl::SetFocus() { ::SetFocus(Handle()); }

void TWinControl::CreateHandle() {
  // A parent's window makes its children's windows, this one's included.
  if (Parent()) Parent()->HandleNeeded();
  if (FHandle) return;
  CreateWnd();
  for (TControl* control : FControls)
    if (control->InheritsFrom(TWinControl::StaticClass())) static_cast<TWinControl*>(control)->HandleNeeded();
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.WinClassName = ClassName();
  params.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  if (Parent()) {
    params.Style |= WS_CHILD;
    params.WndParent = Parent()->Handle();
  }
  if (Visible()) params.Style |= WS_VISIBLE;
  if (!Enabled()) params.Style |= WS_DISABLED;
  params.X = Left();
  params.Y = Top();
  params.Width = Width();
  params.Height = Height();
}

void TWinControl::RegisterWindowClass(const TCreateParams& params) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExA(instance, params.WinClassName.c_str(), &windowClass)) return;
  if (params.BaseClassName.empty()) {
    windowClass.style = CS_DBLCLKS;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  } else if (!GetClassInfoExA(nullptr, params.BaseClassName.c_str(), &windowClass)) {
    throw EOSError("Window class " + params.BaseClassName + " does not exist");
  }
  windowClass.cbSize = sizeof windowClass;
  windowClass.style &= ~CS_GLOBALCLASS;
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = params.WinClassName.c_str();
  if (!RegisterClassExA(&windowClass)) throw EOSError("Cannot register window class " + params.WinClassName);
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  RegisterWindowClass(params);
  if (!params.BaseClassName.empty()) {
    WNDCLASSEXA base{};
    base.cbSize = sizeof base;
    GetClassInfoExA(nullptr, params.BaseClassName.c_str(), &base);
    FDefWndProc = base.lpfnWndProc;
  }
  CreateWindowExA(params.ExStyle, params.WinClassName.c_str(), Caption().c_str(), params.Style, params.X, params.Y,
                  params.Width, params.Height, params.WndParent, nullptr, GetModuleHandleA(nullptr), this);
  if (!FHandle) throw EOSError("Cannot create a window for " + Name());
}

void TWinControl::DestroyHandle() {
  if (FHandle) DestroyWindow(FHandle);
}

LRESULT CALLBACK TWinControl::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* control = reinterpret_cast<TWinControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!control && message == WM_NCCREATE) {
    control = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
    control->FHandle = window;
  }
  if (!control) return DefWindowProcA(window, message, wParam, lParam);
  TMessage decoded{message, wParam, lParam, 0};
  try {
    control->WndProc(decoded);
  } catch (...) {
    Application().HandleException(control);
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    control->FHandle = nullptr;
  }
  return decoded.Result;
}

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_SETCURSOR:
      if (SetScreenCursor()) {
        message.Result = TRUE;
        return;
      }
      break;
    case WM_GETMINMAXINFO: ApplyTrackingLimits(*reinterpret_cast<MINMAXINFO*>(message.LParam)); break;
    case WM_WINDOWPOSCHANGED: WindowPositionChanged(); break;
  }
  DefaultHandler(message);
}

void TWinControl::DefaultHandler(TMessage& message) {
  message.Result = CallWindowProcA(FDefWndProc, FHandle, message.Msg, message.WParam, message.LParam);
}

// The screen cursor (the hourglass during an exchange) wins over the window's own.
bool TWinControl::SetScreenCursor() {
  if (Screen().Cursor() == crDefault) return false;
  ::SetCursor(Screen().CursorHandle(Screen().Cursor()));
  return true;
}

void TWinControl::ApplyTrackingLimits(MINMAXINFO& limits) {
  const TSizeConstraints& constraints = Constraints();
  if (constraints.MinWidth() > 0) limits.ptMinTrackSize.x = constraints.MinWidth();
  if (constraints.MinHeight() > 0) limits.ptMinTrackSize.y = constraints.MinHeight();
  if (constraints.MaxWidth() > 0) limits.ptMaxTrackSize.x = constraints.MaxWidth();
  if (constraints.MaxHeight() > 0) limits.ptMaxTrackSize.y = constraints.MaxHeight();
}

void TWinControl::WindowPositionChanged() {
  RECT bounds;
  GetWindowRect(FHandle, &bounds);
  if (HWND parent = GetParent(FHandle); parent && (GetWindowLongA(FHandle, GWL_STYLE) & WS_CHILD))
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bounds), 2);
  UpdateBoundsFromWindow(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
}

void TWinControl::BoundsChanged() {
  if (FHandle) SetWindowPos(FHandle, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::VisibleChanged() {
  if (FHandle) ShowWindow(FHandle, Visible() ? SW_SHOW : SW_HIDE);
}

void TWinControl::EnabledChanged() {
  if (FHandle) EnableWindow(FHandle, Enabled());
}

void TWinControl::CaptionChanged() {
  if (FHandle) SetWindowTextA(FHandle, Caption().c_str());
}

void TWinControl::ParentChanged() {
  DestroyHandle();
  if (Parent() && Parent()->HandleAllocated()) HandleNeeded();
}

void TWinControl::InsertControl(TControl* control) { FControls.push_back(control); }

void TWinControl::RemoveControl(TControl* control) { std::erase(FControls, control); }
