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
  // Win32 controls start with the bold system font; dialogs use the GUI font.
  SendMessageA(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
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
      if (SetScreenCursor() || SetControlCursor(message)) {
        message.Result = TRUE;
        return;
      }
      break;
    case WM_COMMAND:
    case WM_NOTIFY:
      if (ReflectNotification(message)) return;
      break;
    case WM_GETMINMAXINFO: ApplyTrackingLimits(*reinterpret_cast<MINMAXINFO*>(message.LParam)); break;
    case WM_WINDOWPOSCHANGED: WindowPositionChanged(); break;
    case WM_SIZE: AlignControls(); break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      // Labels, frames and buttons sit on the face colour of the window they
      // are in; the system would give them the colour of an edit's page.
      SetBkColor(reinterpret_cast<HDC>(message.WParam), GetSysColor(COLOR_BTNFACE));
      message.Result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      return;
  }
  DefaultHandler(message);
}

std::string TWinControl::WindowText(HWND window) {
  std::string text(GetWindowTextLengthA(window) + 1, '\0');
  text.resize(GetWindowTextA(window, text.data(), static_cast<int>(text.size())));
  return text;
}

bool TWinControl::ReflectNotification(TMessage& message) {
  const HWND sender = message.Msg == WM_COMMAND ? reinterpret_cast<HWND>(message.LParam)
                                                : reinterpret_cast<NMHDR*>(message.LParam)->hwndFrom;
  TWinControl* control = FindChildControl(sender);
  if (!control) return false;
  message.Result = SendMessageA(sender, CN_BASE + message.Msg, message.WParam, message.LParam);
  return true;
}

// The dialog manager sends a button's click to the form, whatever the button sits in.
TWinControl* TWinControl::FindChildControl(HWND window) const {
  if (!window) return nullptr;
  for (TControl* control : FControls)
    if (control->InheritsFrom(TWinControl::StaticClass())) {
      auto* child = static_cast<TWinControl*>(control);
      if (child->FHandle == window) return child;
      if (TWinControl* inner = child->FindChildControl(window)) return inner;
    }
  return nullptr;
}

bool TWinControl::DialogKey(WORD key) {
  for (TControl* control : FControls)
    if (control->Visible() && control->Enabled() && control->InheritsFrom(TWinControl::StaticClass()) &&
        static_cast<TWinControl*>(control)->DialogKey(key))
      return true;
  return false;
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

bool TWinControl::SetControlCursor(const TMessage& message) {
  if (Cursor() == crDefault || reinterpret_cast<HWND>(message.WParam) != FHandle || LOWORD(message.LParam) != HTCLIENT)
    return false;
  ::SetCursor(Screen().CursorHandle(Cursor()));
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
  // With a window, WM_SIZE lays out the children.
  if (FHandle)
    SetWindowPos(FHandle, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  else
    AlignControls();
}

RECT TWinControl::ClientRect() const {
  RECT rect{0, 0, Width(), Height()};
  if (FHandle) GetClientRect(FHandle, &rect);
  return rect;
}

std::vector<TControl*> TWinControl::AlignedControls(TAlign align) const {
  std::vector<TControl*> controls;
  for (TControl* control : FControls)
    if (control->Align() == align && control->Visible()) controls.push_back(control);
  // Edge controls stack from their edge inwards in the order they sit.
  auto key = [align](const TControl* control) {
    switch (align) {
      case alTop: return control->Top();
      case alBottom: return -(control->Top() + control->Height());
      case alLeft: return control->Left();
      case alRight: return -(control->Left() + control->Width());
      default: return 0;
    }
  };
  std::stable_sort(controls.begin(), controls.end(),
                   [&key](const TControl* a, const TControl* b) { return key(a) < key(b); });
  return controls;
}

void TWinControl::AlignControls() {
  if (FAligning) return;
  FAligning = true;
  struct TAligningDone {
    bool& Flag;
    ~TAligningDone() { Flag = false; }
  } done{FAligning};
  RECT rest = ClientRect();
  AdjustClientRect(rest);
  auto width = [&rest] { return std::max(0, static_cast<int>(rest.right - rest.left)); };
  auto height = [&rest] { return std::max(0, static_cast<int>(rest.bottom - rest.top)); };
  for (TControl* control : AlignedControls(alTop)) {
    control->SetBounds(rest.left, rest.top, width(), control->Height());
    rest.top = control->Top() + control->Height();
  }
  for (TControl* control : AlignedControls(alBottom)) {
    control->SetBounds(rest.left, rest.bottom - control->Height(), width(), control->Height());
    rest.bottom = control->Top();
  }
  for (TControl* control : AlignedControls(alLeft)) {
    control->SetBounds(rest.left, rest.top, control->Width(), height());
    rest.left = control->Left() + control->Width();
  }
  for (TControl* control : AlignedControls(alRight)) {
    control->SetBounds(rest.right - control->Width(), rest.top, control->Width(), height());
    rest.right = control->Left();
  }
  for (TControl* control : AlignedControls(alClient)) control->SetBounds(rest.left, rest.top, width(), height());
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
