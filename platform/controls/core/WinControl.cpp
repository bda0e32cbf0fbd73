#include "platform/controls/core/WinControl.h"

#include <algorithm>

#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/Application.h"
#include "platform/controls/core/ControlCanvas.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/core/GraphicControl.h"
#include "platform/controls/core/Screen.h"
#include "platform/graphics/GdiHandles.h"
#include "platform/rtl/Exceptions.h"

namespace {

// Child windows get distinct ids, so an owner-drawn item (WM_MEASUREITEM) names its control.
int NextChildId() {
  static int id = 100;
  return ++id;
}

// Messages of the class library: they reach a window's own procedure only by mistake.
bool IsLibraryMessage(UINT msg) { return msg >= CM_BASE && msg < 0xC000; }

bool IsReflectedNotification(UINT msg) {
  switch (msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: return true;
    default: return false;
  }
}

// Only graphic controls live on their parent's window; other windowless
// controls (tool buttons) are drawn by the Win32 control they sit on.
bool IsGraphic(const TControl* control) { return control->InheritsFrom(TGraphicControl::StaticClass()); }

bool IsMouseInput(UINT msg) { return msg == WM_MOUSEMOVE || IsMouseButtonMessage(msg); }

// The messages of one window procedure call may nest (SendMessage from a
// handler); the device contexts controls took on demand go when the outermost ends.
int windowProcedureDepth = 0;

}  // namespace

TClass TWinControl::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TWinControl>("TWinControl", TControl::StaticClass())
          .Boolean("DoubleBuffered", &TWinControl::DoubleBuffered, &TWinControl::SetDoubleBuffered, false)
          .Build();
  return &metaClass;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {
  // A Win32 control presses and captures by itself.
  SetControlStyle(TControlStyle{csSetCaption, csDoubleClicks});
  FBrush.SetColor(Color());
}

TWinControl::~TWinControl() {
  // Deleted without Free: the controls on it still lose their parent.
  for (TControl* control : FControls) control->FParent = nullptr;
  FControls.clear();
  FHandle.Reset();
}

void TWinControl::BeforeDestruction() {
  MarkDestroying();
  FHandle.Reset();
  for (TControl* control : FControls) control->FParent = nullptr;
  FControls.clear();
  TControl::BeforeDestruction();
}

HWND TWinControl::Handle() {
  if (!FHandle.Get()) CreateHandle();
  return FHandle.Get();
}

// By the class's window procedure, not the window's: a control whose window
// someone has subclassed for a moment is still the control.
TWinControl* TWinControl::FindControl(HWND window) {
  if (!window || reinterpret_cast<WNDPROC>(GetClassLongPtrA(window, GCLP_WNDPROC)) != WindowProcedure) return nullptr;
  return reinterpret_cast<TWinControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void TWinControl::SetFocus() {
  if (const HWND window = Handle()) ::SetFocus(window);
}

void TWinControl::CreateHandle() {
  if (Dying()) return;
  // A parent's window makes its children's windows, this one's included.
  if (Parent()) Parent()->HandleNeeded();
  if (FHandle.Get() || Dying()) return;
  CreateWnd();
  for (TControl* control : std::vector<TControl*>(FControls)) {
    if (!control->InheritsFrom(TWinControl::StaticClass())) continue;
    auto* child = static_cast<TWinControl*>(control);
    if (child->Visible() || !child->DefersWindowUntilShown()) child->HandleNeeded();
  }
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
  if (FTabStop) params.Style |= WS_TABSTOP;
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
  const HMENU id = (params.Style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(NextChildId())) : nullptr;
  CreateWindowExA(params.ExStyle, params.WinClassName.c_str(), Caption().c_str(), params.Style, params.X, params.Y,
                  params.Width, params.Height, params.WndParent, id, GetModuleHandleA(nullptr), this);
  if (!FHandle.Get()) throw EOSError("Cannot create a window for " + Name());
  TellWindowItsFont(false);
}

// A system control (an edit, a button, a list) draws with the font it is told;
// a window of the program's own class paints with Font() and ignores WM_SETFONT,
// and every message sent costs, so it is not told.
void TWinControl::TellWindowItsFont(bool redraw) {
  if (FDefWndProc == DefWindowProcA) return;
  SendMessageA(FHandle.Get(), WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), redraw);
}

LRESULT CALLBACK TWinControl::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* control = reinterpret_cast<TWinControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!control && message == WM_NCCREATE) {
    control = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
    control->FHandle.Attach(window);
  }
  if (!control) return DefWindowProcA(window, message, wParam, lParam);
  TMessage decoded{message, wParam, lParam, 0};
  ++windowProcedureDepth;
  try {
    control->WndProc(decoded);
  } catch (...) {
    Application().HandleException(control);
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    control->FHandle.Detach();
  }
  if (--windowProcedureDepth == 0) TControlCanvas::FreeDeviceContexts();
  return decoded.Result;
}

void TWinControl::WndProc(TMessage& message) {
  if (IsMouseInput(message.Msg)) return MouseInput(message);
  if (IsReflectedNotification(message.Msg) && ReflectNotification(message)) return;
  switch (message.Msg) {
    case WM_SETCURSOR:
      if (SetCursorMessage(message)) {
        message.Result = TRUE;
        return;
      }
      break;
    case WM_CAPTURECHANGED: Application().CaptureLost(this); break;
    case WM_MOUSELEAVE:
      FTrackingMouseLeave = false;
      Application().MouseLeftWindow(this);
      break;
    case WM_PAINT: PaintMessage(message); return;
    case WM_PRINTCLIENT:
      if (ControlState().Contains(csCustomPaint))
        PaintWindow(MessageDC(message));
      else
        DefaultHandler(message);
      PaintControls(MessageDC(message));
      return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (DoKeyDown(message)) return;
      break;
    case WM_CHAR:
      if (DoKeyPress(message)) return;
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      if (DoKeyUp(message)) return;
      break;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN: message.Result = IsDialogKey(message) ? 1 : 0; return;
    case CN_CHAR:
    case CN_SYSCHAR:
    case CN_KEYUP: message.Result = 0; return;
    case WM_SETFOCUS: FocusReceived(); break;
    case WM_GETMINMAXINFO: ApplyTrackingLimits(MessageRecord<MINMAXINFO>(message)); break;
    case WM_WINDOWPOSCHANGED: WindowPositionChanged(); break;
    case WM_SIZE:
      AlignControls();
      Resize();
      break;
    case CM_ENABLEDCHANGED:
      if (HandleAllocated()) EnableWindow(FHandle.Get(), Enabled());
      break;
    case CM_VISIBLECHANGED:
      if (HandleAllocated())
        ShowWindow(FHandle.Get(), Visible() ? SW_SHOW : SW_HIDE);
      else if (Visible() && DefersWindowUntilShown() && Parent() && Parent()->HandleAllocated())
        HandleNeeded();
      NotifyShowing();
      return;
    case CM_TEXTCHANGED:
      if (HandleAllocated()) SetWindowTextA(FHandle.Get(), Caption().c_str());
      break;
    case CM_FONTCHANGED:
      if (HandleAllocated()) TellWindowItsFont(true);
      NotifyControls(CM_PARENTFONTCHANGED);
      break;
    case CM_COLORCHANGED:
      FBrush.SetColor(Color());
      NotifyControls(CM_PARENTCOLORCHANGED);
      break;
    case CM_CTL3DCHANGED: NotifyControls(CM_PARENTCTL3DCHANGED); break;
    case CM_PARENTCTL3DCHANGED: TakeParentCtl3D(); break;
  }
  TControl::WndProc(message);
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (message.Msg >= CN_CTLCOLORMSGBOX && message.Msg <= CN_CTLCOLORSTATIC) {
    const HDC dc = MessageDC(message);
    SetTextColor(dc, ColorToRGB(Font().Color()));
    SetBkColor(dc, ColorToRGB(Color()));
    message.Result = reinterpret_cast<LRESULT>(FBrush.Handle());
    return;
  }
  if (!HandleAllocated()) {
    TControl::DefaultHandler(message);
    return;
  }
  if (IsLibraryMessage(message.Msg)) return;
  message.Result = CallWindowProcA(FDefWndProc, FHandle.Get(), message.Msg, message.WParam, message.LParam);
  if (message.Msg == WM_SETTEXT && message.Result) UpdateCaptionFromWindow(SetTextText(message));
}

// ---- painting

void TWinControl::PaintMessage(TMessage& message) {
  if (const HDC dc = MessageDC(message)) {
    PaintWindow(dc);
    PaintControls(dc);
    return;
  }
  if (!HasGraphicControls() && !ControlState().Contains(csCustomPaint)) return DefaultHandler(message);
  const TPaintDC paint(FHandle.Get());
  PaintWindow(paint.Get());
  PaintControls(paint.Get());
}

void TWinControl::PaintWindow(HDC dc) {
  TMessage message{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
  DefaultHandler(message);
}

void TWinControl::PaintControls(HDC dc) {
  if (Dying()) return;
  // A control may free another while it paints: each is looked up again before it paints.
  for (TControl* control : std::vector<TControl*>(FControls)) {
    if (std::find(FControls.begin(), FControls.end(), control) == FControls.end()) continue;
    if (!IsGraphic(control) || !control->Visible() || control->Destroying()) continue;
    const RECT bounds = control->BoundsRect();
    if (!RectVisible(dc, &bounds)) continue;
    const int saved = SaveDC(dc);
    POINT origin;
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x + bounds.left, origin.y + bounds.top, nullptr);
    IntersectClipRect(dc, 0, 0, control->Width(), control->Height());
    control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
    RestoreDC(dc, saved);
  }
}

bool TWinControl::HasGraphicControls() const { return std::any_of(FControls.begin(), FControls.end(), IsGraphic); }

// A hidden window is painted whole when it shows: marking parts of it before is wasted.
void TWinControl::Invalidate() {
  if (Showing()) InvalidateRect(FHandle.Get(), nullptr, !ControlStyle().Contains(csOpaque));
}

void TWinControl::Update() {
  if (HandleAllocated()) UpdateWindow(FHandle.Get());
}

// ---- the mouse

TControl* TWinControl::ControlAtPos(POINT point, bool allowDisabled) const {
  if (Dying()) return nullptr;
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    TControl* control = *it;
    if (!IsGraphic(control) || !control->Visible() || control->Destroying()) continue;
    if (!control->Enabled() && !allowDisabled) continue;
    const RECT bounds = control->BoundsRect();
    if (!PtInRect(&bounds, point)) continue;
    const POINT local{point.x - bounds.left, point.y - bounds.top};
    if (control->Perform(CM_HITTEST, 0, PointToLParam(local)) != 0) return control;
  }
  return nullptr;
}

void TWinControl::MouseInput(TMessage& message) {
  if (message.Msg == WM_MOUSEMOVE) {
    TControl* under = ControlAtPos(MessagePoint(message), false);
    Application().SetMouseControl(under ? under : this);
    TrackMouseLeave();
  }
  if (RouteMouseToGraphicControl(message)) return;
  TControl::WndProc(message);
}

// A graphic control gets the mouse messages over it, or all of them while it has the capture.
bool TWinControl::RouteMouseToGraphicControl(TMessage& message) {
  TControl* target = Application().CaptureControl();
  if (target) {
    if (target->Parent() != this || !IsGraphic(target)) return false;
  } else {
    target = ControlAtPos(MessagePoint(message), false);
  }
  if (!target) return false;
  const POINT point = MessagePoint(message);
  const POINT local{point.x - target->Left(), point.y - target->Top()};
  message.Result = target->Perform(message.Msg, message.WParam, PointToLParam(local));
  return true;
}

void TWinControl::TrackMouseLeave() {
  if (FTrackingMouseLeave || !HandleAllocated()) return;
  TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, FHandle.Get(), 0};
  FTrackingMouseLeave = TrackMouseEvent(&track) != FALSE;
}

// The screen cursor (the hourglass during an exchange) wins over every control's own.
bool TWinControl::SetCursorMessage(const TMessage& message) {
  TCursor cursor = Screen().Cursor();
  if (cursor == crDefault && SetCursorWindow(message) == FHandle.Get() && SetCursorHitTest(message) == HTCLIENT) {
    POINT point;
    GetCursorPos(&point);
    cursor = CursorAt(ScreenToClient(point));
  }
  if (cursor == crDefault) return false;
  ::SetCursor(Screen().CursorHandle(cursor));
  return true;
}

TCursor TWinControl::CursorAt(POINT point) const {
  const TControl* control = ControlAtPos(point, false);
  if (control && control->Cursor() != crDefault) return control->Cursor();
  return Cursor();
}

POINT TControl::ClientToScreen(POINT point) const {
  if (InheritsFrom(TWinControl::StaticClass())) {
    auto* self = static_cast<const TWinControl*>(this);
    if (self->HandleAllocated()) {
      MapWindowPoints(self->FHandle.Get(), nullptr, &point, 1);
      return point;
    }
  }
  if (FParent) return FParent->ClientToScreen(POINT{point.x + FLeft, point.y + FTop});
  return point;
}

POINT TControl::ScreenToClient(POINT point) const {
  if (InheritsFrom(TWinControl::StaticClass())) {
    auto* self = static_cast<const TWinControl*>(this);
    if (self->HandleAllocated()) {
      MapWindowPoints(nullptr, self->FHandle.Get(), &point, 1);
      return point;
    }
  }
  if (!FParent) return point;
  const POINT inParent = FParent->ScreenToClient(point);
  return POINT{inParent.x - FLeft, inParent.y - FTop};
}

// ---- notifications of Win32 controls

bool TWinControl::ReflectNotification(TMessage& message) {
  TWinControl* control = FindControl(NotifyingWindow(message, FHandle.Get()));
  if (!control || control == this) return false;
  message.Result = control->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
  return true;
}

void TWinControl::NotifyControls(UINT msg) {
  for (TControl* control : std::vector<TControl*>(FControls)) control->Perform(msg);
}

void TWinControl::SetCtl3D(bool value) {
  FParentCtl3D = false;
  if (FCtl3D == value) return;
  FCtl3D = value;
  Perform(CM_CTL3DCHANGED);
}

void TWinControl::SetParentCtl3D(bool value) {
  if (FParentCtl3D == value) return;
  FParentCtl3D = value;
  TakeParentCtl3D();
}

void TWinControl::TakeParentCtl3D() {
  if (!FParentCtl3D || !Parent() || Parent()->Ctl3D() == FCtl3D) return;
  FCtl3D = Parent()->Ctl3D();
  Perform(CM_CTL3DCHANGED);
}

void TWinControl::NotifyShowing() {
  Perform(CM_SHOWINGCHANGED);
  for (TControl* control : std::vector<TControl*>(FControls))
    if (control->InheritsFrom(TWinControl::StaticClass())) static_cast<TWinControl*>(control)->NotifyShowing();
}

bool TWinControl::Showing() const { return HandleAllocated() && IsWindowVisible(FHandle.Get()); }

// ---- the keyboard

bool TWinControl::DoKeyDown(TMessage& message) {
  TForm* form = GetParentForm(*this);
  if (form && form->KeyPreview() && static_cast<TWinControl*>(form)->DoKeyDown(message)) return true;
  WORD key = KeyCode(message);
  KeyDown(key, KeyDataToShiftState(message.LParam));
  message.WParam = key;
  return key == 0;
}

bool TWinControl::DoKeyPress(TMessage& message) {
  TForm* form = GetParentForm(*this);
  if (form && form->KeyPreview() && static_cast<TWinControl*>(form)->DoKeyPress(message)) return true;
  char key = static_cast<char>(message.WParam);
  KeyPress(key);
  message.WParam = static_cast<unsigned char>(key);
  return key == 0;
}

bool TWinControl::DoKeyUp(TMessage& message) {
  TForm* form = GetParentForm(*this);
  if (form && form->KeyPreview() && static_cast<TWinControl*>(form)->DoKeyUp(message)) return true;
  WORD key = KeyCode(message);
  KeyUp(key, KeyDataToShiftState(message.LParam));
  message.WParam = key;
  return key == 0;
}

void TWinControl::KeyDown(WORD& key, TShiftState shift) {
  if (FOnKeyDown) FOnKeyDown(this, key, shift);
}

void TWinControl::KeyPress(char& key) {
  if (FOnKeyPress) FOnKeyPress(this, key);
}

void TWinControl::KeyUp(WORD& key, TShiftState shift) {
  if (FOnKeyUp) FOnKeyUp(this, key, shift);
}

// A key the message loop offers before the dialog manager: Tab, the arrows,
// Enter and Escape go to the form as CM_DIALOGKEY unless this control wants them.
bool TWinControl::IsDialogKey(const TMessage& message) {
  const WORD key = KeyCode(message);
  LRESULT wanted = 0;
  switch (key) {
    case VK_TAB: wanted = DLGC_WANTTAB; break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: wanted = DLGC_WANTARROWS; break;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL: wanted = DLGC_WANTALLKEYS; break;
    default: return false;
  }
  if (Perform(CM_WANTSPECIALKEY, key) != 0 || (Perform(WM_GETDLGCODE) & wanted) != 0) return false;
  TWinControl* root = DialogRoot();
  return root && root->Perform(CM_DIALOGKEY, key, message.LParam) != 0;
}

TWinControl* TWinControl::DialogRoot() {
  if (TForm* form = GetParentForm(*this)) return form;
  return InheritsFrom(TForm::StaticClass()) ? this : nullptr;
}

void TWinControl::FocusReceived() {
  if (TForm* form = static_cast<TForm*>(DialogRoot())) form->FocusedControlChanged(this);
}

bool TWinControl::DialogKey(WORD key) {
  for (TControl* control : FControls)
    if (control->Visible() && control->Enabled() && control->InheritsFrom(TWinControl::StaticClass()) &&
        static_cast<TWinControl*>(control)->DialogKey(key))
      return true;
  return false;
}

// ---- place and size

std::string TWinControl::WindowText(HWND window) {
  std::string text(GetWindowTextLengthA(window) + 1, '\0');
  text.resize(GetWindowTextA(window, text.data(), static_cast<int>(text.size())));
  return text;
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
  GetWindowRect(FHandle.Get(), &bounds);
  if (HWND parent = GetParent(FHandle.Get()); parent && (GetWindowLongA(FHandle.Get(), GWL_STYLE) & WS_CHILD))
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bounds), 2);
  const bool changed = bounds.left != Left() || bounds.top != Top() || bounds.right - bounds.left != Width() ||
                       bounds.bottom - bounds.top != Height();
  UpdateBoundsFromWindow(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
  // A window that sizes itself (a status bar to its font) moves its aligned
  // siblings at once, before their windows are made, not at the parent's next
  // size change when every one of them would have to be moved again.
  if (changed && Align() != alNone && Parent()) Parent()->AlignControls();
}

void TWinControl::BoundsChanged() {
  // With a window, WM_SIZE lays out the children.
  if (HandleAllocated())
    SetWindowPos(FHandle.Get(), nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  else
    AlignControls();
}

void TWinControl::BringToFront() {
  TControl::BringToFront();
  if (HandleAllocated()) SetWindowPos(FHandle.Get(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

RECT TWinControl::ClientRect() const {
  RECT rect{0, 0, Width(), Height()};
  if (HandleAllocated()) GetClientRect(FHandle.Get(), &rect);
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
  if (FAligning || Dying()) return;
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

void TWinControl::ParentChanged() {
  TakeParentCtl3D();
  if (MoveWindowToParent()) return;
  DestroyHandle();
  if (Parent() && Parent()->HandleAllocated()) HandleNeeded();
}

// A child window moves into the new parent's window and keeps what it holds
// (its children, the text typed in it); a window without a parent, or one
// that would change between child and top-level, is made again.
bool TWinControl::MoveWindowToParent() {
  if (!HandleAllocated() || !Parent() || !Parent()->HandleAllocated()) return false;
  if (!(GetWindowLongPtrA(FHandle.Get(), GWL_STYLE) & WS_CHILD)) return false;
  ::SetParent(FHandle.Get(), Parent()->Handle());
  SetWindowPos(FHandle.Get(), nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

bool TWinControl::ContainsControl(const TControl* control) const {
  for (; control; control = control->Parent())
    if (control == this) return true;
  return false;
}

void TWinControl::InsertControl(TControl* control) { FControls.push_back(control); }

void TWinControl::RemoveControl(TControl* control) { std::erase(FControls, control); }

TWinControl* TWinControl::FirstTabStopControl() const {
  for (TControl* control : FControls) {
    if (!control->InheritsFrom(TWinControl::StaticClass())) continue;
    auto* child = static_cast<TWinControl*>(control);
    if (child->TabStop() && child->CanFocus()) return child;
    if (TWinControl* inner = child->FirstTabStopControl()) return inner;
  }
  return nullptr;
}

void TWinControl::RecreateWnd() {
  if (!HandleAllocated()) return;
  DestroyHandle();
  HandleNeeded();
  // A form's window is made hidden and shown apart.
  if (Visible() && FHandle.Get() && !(GetWindowLongPtrA(FHandle.Get(), GWL_STYLE) & WS_VISIBLE))
    ShowWindow(FHandle.Get(), SW_SHOW);
}

bool TWinControl::CanFocus() const {
  for (const TControl* control = this; control; control = control->Parent())
    if (!control->Visible() || !control->Enabled()) return false;
  return true;
}

void TWinControl::SetTabStop(bool value) {
  if (value == FTabStop) return;
  FTabStop = value;
  if (!HandleAllocated()) return;
  const LONG_PTR style = GetWindowLongPtrA(FHandle.Get(), GWL_STYLE);
  SetWindowLongPtrA(FHandle.Get(), GWL_STYLE, value ? style | WS_TABSTOP : style & ~WS_TABSTOP);
}

void TWinControl::SetParentBackground(bool value) {
  if (value == ParentBackground()) return;
  TControlStyle style = ControlStyle();
  if (value)
    style.Include(csParentBackground);
  else
    style.Exclude(csParentBackground);
  SetControlStyle(style);
  Invalidate();
}
