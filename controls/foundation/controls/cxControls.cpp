#include "controls/foundation/controls/cxControls.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "controls/foundation/controls/cxControlsControl.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/classes/Messages.h"
#include "platform/controls/core/Mouse.h"
#include "platform/controls/core/Screen.h"
#include "platform/rtl/DynamicLibrary.h"
#include "platform/rtl/Units.h"

namespace {

constexpr UINT kMouseTrackingInterval = 10;
constexpr WPARAM kNonClientMetricsChanged = SPI_SETNONCLIENTMETRICS;

TUnitGuard gUnit;
// Once the unit has ended nothing may create what the end has freed.
bool gFinalized = false;
POINT gLastCursorPos{};
UINT_PTR gNextTimerID = 1;
UINT gControlsMessageID = 0;
TcxSystemVersion gSystemVersion;
std::unique_ptr<TcxMessageWindow> gMessageWindow;

std::map<UINT_PTR, TcxTimer*> gTimers;
std::vector<TMouseTrackingTimer*> gTrackingTimers;
std::unique_ptr<TcxSettingsController> gSettingsController;

TDynamicLibrary& User32Library() {
  static TDynamicLibrary library;
  return library;
}

}  // namespace

TcxInputApi& cxInputApi() {
  static TcxInputApi api;
  return api;
}

TcxTimerApi& cxTimerApi() {
  static TcxTimerApi api;
  return api;
}

TcxMonitorApi& cxMonitorApi() {
  static TcxMonitorApi api;
  return api;
}

POINT GetCursorPosition() {
  POINT point;
  if (cxInputApi().GetCursorPos(&point)) gLastCursorPos = point;
  return gLastCursorPos;
}

bool IsCtrlPressed() { return cxInputApi().GetKeyState(VK_CONTROL) < 0; }

bool IsPointWithinDragThreshold(POINT start, int x, int y) {
  const int threshold = Mouse().DragThreshold();
  return std::abs(x - start.x) < threshold && std::abs(y - start.y) < threshold;
}

WPARAM ShiftStateToKeys(TShiftState shift) {
  WPARAM keys = 0;
  if (shift.Contains(ssShift)) keys |= MK_SHIFT;
  if (shift.Contains(ssCtrl)) keys |= MK_CONTROL;
  if (shift.Contains(ssLeft)) keys |= MK_LBUTTON;
  if (shift.Contains(ssRight)) keys |= MK_RBUTTON;
  if (shift.Contains(ssMiddle)) keys |= MK_MBUTTON;
  return keys;
}

std::string RemoveAccelChars(const std::string& text) {
  std::string result;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '&')
      result += text[i];
    else if (i + 1 == text.size())
      result += '_';
    else
      result += text[++i];
  }
  return result;
}

bool IsChildOrSelf(HWND parent, HWND window) { return parent && (window == parent || IsChild(parent, window)); }

bool IsTextChar(char ch) { return static_cast<unsigned char>(ch) >= 32; }

POINT MapWindowPoint(HWND from, HWND to, POINT point) {
  MapWindowPoints(from, to, &point, 1);
  return point;
}

RECT MapWindowRect(HWND from, HWND to, const RECT& rect) {
  POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
  MapWindowPoints(from, to, corners, 2);
  return RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

bool HasChildWindowStyle(HWND window) { return (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) != 0; }

bool CanAllocateHandle(TWinControl* control) {
  if (control->HandleAllocated()) return true;
  TWinControl* parent = control->Parent();
  return parent && CanAllocateHandle(parent);
}

namespace {

constexpr int kDragReleased = 0;
constexpr int kDragStarted = 1;
constexpr int kDragCancelled = 2;

// What a message means for a drag still undecided; -1 while it is.
int DragOutcome(const MSG& msg, HWND window, const RECT& dragRect) {
  const TMessage message = QueuedMessage(msg);
  switch (message.Msg) {
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: return kDragReleased;
    case WM_KEYDOWN:
    case WM_KEYUP: return KeyCode(message) == VK_ESCAPE ? kDragCancelled : -1;
    case WM_MOUSEMOVE: {
      if (msg.hwnd != window) return -1;
      POINT point = MessagePoint(message);
      ClientToScreen(window, &point);
      return PtInRect(&dragRect, point) ? -1 : kDragStarted;
    }
    default: return -1;
  }
}

}  // namespace

int DragDetect(HWND window) {
  const POINT start = GetCursorPosition();
  const int threshold = Mouse().DragThreshold();
  const RECT dragRect{start.x - threshold, start.y - threshold, start.x + threshold, start.y + threshold};
  SetCapture(window);
  // Losing the capture without an ending message cancels.
  int outcome = kDragCancelled;
  while (GetCapture() == window) {
    MSG message;
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == -1) break;
    if (!got) {
      // The quit is for the program's own loop.
      PostQuitMessage(QuitExitCode(QueuedMessage(message)));
      break;
    }
    const int decided = DragOutcome(message, window, dragRect);
    TranslateMessage(&message);
    DispatchMessageA(&message);
    if (decided >= 0) {
      outcome = decided;
      break;
    }
  }
  if (GetCapture() == window) ReleaseCapture();
  return outcome;
}

RECT GetDesktopWorkArea(POINT point) {
  const TcxMonitorApi& api = cxMonitorApi();
  if (api.MonitorFromPoint && api.GetMonitorInfoA) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (api.GetMonitorInfoA(api.MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), &info)) return info.rcWork;
  }
  RECT area{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

TcxSystemVersion SystemVersionFlags(DWORD platformId, DWORD major, DWORD minor) {
  const bool nt = platformId == VER_PLATFORM_WIN32_NT;
  TcxSystemVersion flags;
  flags.IsWin9X = platformId == VER_PLATFORM_WIN32s || platformId == VER_PLATFORM_WIN32_WINDOWS;
  flags.IsWin2KOrLater = nt && major >= 5;
  flags.IsWinXPOrLater = nt && major >= 5 && minor > 0;
  flags.IsWinNT4OrLater = nt && major >= 4;
  flags.IsWinVistaOrLater = major >= 6;
  return flags;
}

const TcxSystemVersion& cxSystemVersion() { return gSystemVersion; }

UINT cxControlsMessageID() { return gControlsMessageID; }

TcxMessageWindow::TcxMessageWindow() : FWindow([this](TMessage& message) { return WndProc(message); }) {}

// The shared window every timer ticks on. A tick finds its timer by id; the
// handler may free the timer, so the dispatch runs a copy of the handler and
// touches nothing of the timer once the handler has returned.
class TcxTimerWindow : public TcxMessageWindow {
 protected:
  bool WndProc(TMessage& message) override {
    if (message.Msg != WM_TIMER) return false;
    const auto found = gTimers.find(TimerId(message));
    if (found != gTimers.end() && found->second->FOnTimer) {
      TcxTimer* timer = found->second;
      const TNotifyEvent handler = timer->FOnTimer;
      handler(timer);
    }
    message.Result = 0;
    return true;
  }
};

namespace {
std::unique_ptr<TcxTimerWindow> gTimerWindow;

HWND TimerWindow() {
  if (!gTimerWindow && !gFinalized) gTimerWindow = std::make_unique<TcxTimerWindow>();
  return gTimerWindow ? gTimerWindow->Handle() : nullptr;
}
}  // namespace

TcxMessageWindow* cxMessageWindow() {
  if (!gMessageWindow && !gFinalized) gMessageWindow = std::make_unique<TcxMessageWindow>();
  return gMessageWindow.get();
}

HWND cxTimerWindowHandle() { return gTimerWindow ? gTimerWindow->Handle() : nullptr; }

std::vector<UINT_PTR> cxRunningTimerIDs() {
  std::vector<UINT_PTR> ids;
  for (const auto& entry : gTimers) ids.push_back(entry.first);
  return ids;
}

TClass TcxTimer::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TcxTimer>("TcxTimer", TComponent::StaticClass())
                                          .Boolean("Enabled", &TcxTimer::Enabled, &TcxTimer::SetEnabled, true)
                                          .Integer("Interval", &TcxTimer::Interval, &TcxTimer::SetInterval, 1000)
                                          .Event("OnTimer", &TcxTimer::SetOnTimer)
                                          .Build();
  return &metaClass;
}

TcxTimer::TcxTimer(TComponent* owner) : TComponent(owner), FTimerID(gNextTimerID++) {}

void TcxTimer::BeforeDestruction() {
  KillTimer();
  TComponent::BeforeDestruction();
}

void TcxTimer::SetEnabled(bool value) {
  if (FEnabled == value) return;
  FEnabled = value;
  UpdateTimer();
}

void TcxTimer::SetInterval(UINT value) {
  if (value == 0 || value == FInterval) return;
  FInterval = value;
  UpdateTimer();
}

void TcxTimer::SetOnTimer(TNotifyEvent value) {
  FOnTimer = std::move(value);
  UpdateTimer();
}

void TcxTimer::UpdateTimer() {
  KillTimer();
  SetTimer();
}

void TcxTimer::KillTimer() {
  if (!FTimerOn) return;
  cxTimerApi().KillTimer(cxTimerWindowHandle(), FTimerID);
  SetTimerOn(false);
}

void TcxTimer::SetTimer() {
  if (!FEnabled || FTimerOn || !FOnTimer) return;
  const HWND window = TimerWindow();
  SetTimerOn(window && cxTimerApi().SetTimer(window, FTimerID, FInterval, nullptr) != 0);
}

void TcxTimer::SetTimerOn(bool value) {
  FTimerOn = value;
  if (value)
    gTimers[FTimerID] = this;
  else
    gTimers.erase(FTimerID);
}

TMouseTrackingTimer::TMouseTrackingTimer(TWinControl* control, RECT screenBounds, IcxMouseTrackingCaller* caller)
    : TcxTimer(nullptr), FControl(control), FBounds(screenBounds), FCaller(caller) {
  SetInterval(kMouseTrackingInterval);
  SetOnTimer([this](TObject*) { Tick(); });
}

bool TMouseTrackingTimer::PointerInside() const {
  const POINT cursor = GetCursorPosition();
  if (auto* extended = dynamic_cast<IcxMouseTrackingCaller2*>(FCaller)) {
    if (!FControl || !FControl->HandleAllocated()) return false;
    POINT local = cursor;
    ScreenToClient(FControl->Handle(), &local);
    return extended->PtInCaller(local);
  }
  return PtInRect(&FBounds, cursor) != FALSE;
}

void TMouseTrackingTimer::Tick() {
  if (PointerInside()) return;
  // The caller's MouseLeave may end the tracking and free this timer: only
  // locals are used from here on, and the end goes through the lookup.
  IcxMouseTrackingCaller* caller = FCaller;
  TWinControl* control = FControl;
  if (control && control->HandleAllocated()) {
    POINT local = GetCursorPosition();
    ScreenToClient(control->Handle(), &local);
    const RECT client = control->ClientRect();
    if (!PtInRect(&client, local)) SendMessageA(control->Handle(), CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(control));
  }
  caller->MouseLeave();
  EndMouseTracking(caller);
}

TMouseTrackingTimer* GetMouseTrackingTimer(IcxMouseTrackingCaller* caller) {
  const auto found = std::find_if(gTrackingTimers.begin(), gTrackingTimers.end(),
                                  [caller](const TMouseTrackingTimer* timer) { return timer->Caller() == caller; });
  return found == gTrackingTimers.end() ? nullptr : *found;
}

bool IsMouseTracking(IcxMouseTrackingCaller* caller) { return GetMouseTrackingTimer(caller) != nullptr; }

void BeginMouseTracking(TWinControl* control, const RECT& bounds, IcxMouseTrackingCaller* caller) {
  if (gFinalized || IsMouseTracking(caller)) return;
  RECT screenBounds = bounds;
  if (control) {
    const POINT topLeft = control->ClientToScreen(POINT{bounds.left, bounds.top});
    OffsetRect(&screenBounds, topLeft.x - bounds.left, topLeft.y - bounds.top);
  }
  gTrackingTimers.push_back(new TMouseTrackingTimer(control, screenBounds, caller));
}

void EndMouseTracking(IcxMouseTrackingCaller* caller) {
  TMouseTrackingTimer* timer = GetMouseTrackingTimer(caller);
  if (!timer) return;
  gTrackingTimers.erase(std::find(gTrackingTimers.begin(), gTrackingTimers.end(), timer));
  timer->Free();
}

void TcxSettingsController::AddListener(TWinControl* control) {
  if (std::find(FListeners.begin(), FListeners.end(), control) != FListeners.end()) return;
  FListeners.push_back(control);
  if (!FWindow) FWindow = TUtilWindow([this](TMessage& message) { return WndProc(message); });
}

void TcxSettingsController::RemoveListener(TWinControl* control) {
  const auto found = std::find(FListeners.begin(), FListeners.end(), control);
  if (found == FListeners.end()) return;
  FListeners.erase(found);
  if (FListeners.empty()) FWindow.Reset();
}

bool TcxSettingsController::WndProc(TMessage& message) {
  if (message.Msg != WM_SETTINGCHANGE || SettingChangeParameter(message) != kNonClientMetricsChanged) return false;
  for (TWinControl* control : FListeners)
    if (control->HandleAllocated()) SendNotifyMessageA(control->Handle(), CM_NCSIZECHANGED, 0, 0);
  message.Result = 0;
  return true;
}

TcxSettingsController& cxSettingsController() {
  if (!gSettingsController) gSettingsController = std::make_unique<TcxSettingsController>();
  return *gSettingsController;
}

namespace {

// Aligned placement along each axis, for the current vertical (0 before the
// owner, 2 after it) and horizontal alignments.
POINT AlignedPosition(const TcxPopupPlacement& p, int alignHorz, int alignVert) {
  const RECT& r = p.OwnerBounds;
  POINT result{(r.left + r.right - p.Width) / 2, (r.top + r.bottom - p.Height) / 2};
  if (p.DirectionVertical) {
    if (alignHorz == 0) result.x = r.left;
    if (alignHorz == 2) result.x = r.right - p.Width;
    if (alignVert == 0) result.y = r.top - p.Height;
    if (alignVert == 2) result.y = r.bottom;
  } else {
    if (alignHorz == 0) result.x = r.left - p.Width;
    if (alignHorz == 2) result.x = r.right;
    if (alignVert == 0) result.y = r.top;
    if (alignVert == 2) result.y = r.bottom - p.Height;
  }
  return result;
}

// The side along the direction: 0 before the owner, 2 after; flipped only
// towards more room.
int FlippedSide(int side, int position, int size, int roomBefore, int roomAfter, int areaStart, int areaEnd) {
  if (side == 0 && position < areaStart && roomAfter >= roomBefore) return 2;
  if (side == 2 && position + size > areaEnd && roomBefore > roomAfter) return 0;
  return side;
}

int Clamped(int position, int size, int areaStart, int areaEnd) {
  if (position + size > areaEnd) position = areaEnd - size;
  return std::max(position, areaStart);
}

}  // namespace

POINT CalculatePopupPosition(const TcxPopupPlacement& p, POINT anchor) {
  const RECT& r = p.OwnerBounds;
  const RECT area = GetDesktopWorkArea(anchor);
  int alignHorz = p.AlignHorz;
  int alignVert = p.AlignVert;
  POINT result = AlignedPosition(p, alignHorz, alignVert);
  if (p.DirectionVertical && alignVert != 1)
    alignVert =
        FlippedSide(alignVert, result.y, p.Height, r.top - area.top, area.bottom - r.bottom, area.top, area.bottom);
  if (!p.DirectionVertical && alignHorz != 1)
    alignHorz =
        FlippedSide(alignHorz, result.x, p.Width, r.left - area.left, area.right - r.right, area.left, area.right);
  result = AlignedPosition(p, alignHorz, alignVert);
  if (p.DirectionVertical || p.AlignHorz == 1) result.x = Clamped(result.x, p.Width, area.left, area.right);
  if (!p.DirectionVertical || p.AlignVert == 1) result.y = Clamped(result.y, p.Height, area.top, area.bottom);
  return result;
}

namespace {

TcxPopupOwnerWindowFunc gPopupOwnerWindowFunc = nullptr;

}  // namespace

void SetPopupOwnerWindowFunc(TcxPopupOwnerWindowFunc func) { gPopupOwnerWindowFunc = func; }

HWND GetPopupOwnerWindow(HWND window) { return gPopupOwnerWindowFunc ? gPopupOwnerWindowFunc(window) : window; }

TcxPopupWindow::TcxPopupWindow(TComponent* owner) : TForm(owner) {
  SetBorderStyle(bsNone);
  TControlState state = ControlState();
  state.Include(csCustomPaint);
  SetControlState(state);
}

void TcxPopupWindow::CalculatePosition(POINT& position) {
  const TcxPopupPlacement placement{GetOwnerScreenBounds(), Width(), Height(), FAlignHorz, FAlignVert,
                                    FDirectionVertical};
  position = CalculatePopupPosition(placement, position);
}

// The children are laid out as if there were no frame; the offset they
// were moved by last time is taken off again, so each opening places them
// inside the frame the popup has now instead of moving them further.
void TcxPopupWindow::CalculateSize() {
  if (!FAdjustableSize) return;
  const POINT frameOffset{GetFrameWidth(0), GetFrameWidth(1)};
  int maxRight = 0;
  int maxBottom = 0;
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* control = Controls(i);
    RECT bounds = control->BoundsRect();
    OffsetRect(&bounds, -FChildrenFrameOffset.x, -FChildrenFrameOffset.y);
    maxRight = std::max<int>(maxRight, bounds.right);
    maxBottom = std::max<int>(maxBottom, bounds.bottom);
    control->SetBounds(bounds.left + frameOffset.x, bounds.top + frameOffset.y, control->Width(), control->Height());
  }
  FChildrenFrameOffset = frameOffset;
  if (ControlCount() > 0 || maxRight != 0)
    SetBounds(Left(), Top(), GetFrameWidth(0) + maxRight + GetFrameWidth(2),
              GetFrameWidth(1) + maxBottom + GetFrameWidth(3));
}

int TcxPopupWindow::GetFrameWidth(int edge) { return GetBorderWidth(edge) + FClientEdgeWidth; }

RECT TcxPopupWindow::GetClientBounds() {
  RECT bounds = ClientRect();
  bounds.left += GetFrameWidth(0);
  bounds.top += GetFrameWidth(1);
  bounds.right -= GetFrameWidth(2);
  bounds.bottom -= GetFrameWidth(3);
  return bounds;
}

int TcxPopupWindow::GetBorderWidth(int /*edge*/) {
  if (FPopupBorderStyle == 1 || FPopupBorderStyle == 2) return 1;
  return FPopupBorderStyle == 3 ? 2 : 0;
}

RECT TcxPopupWindow::GetOwnerScreenBounds() {
  if (!FOwnerControl) return FOwnerBounds;
  RECT bounds = FOwnerBounds;
  const POINT topLeft = FOwnerControl->ClientToScreen(POINT{bounds.left, bounds.top});
  OffsetRect(&bounds, topLeft.x - bounds.left, topLeft.y - bounds.top);
  return bounds;
}

void TcxPopupWindow::InitPopup() {
  if (FOwnerControl) SetFont(FOwnerControl->Font());
}

void TcxPopupWindow::DrawFrame(TcxCanvas& canvas) {
  TRect bounds{0, 0, Width(), Height()};
  switch (FPopupBorderStyle) {
    case 1: canvas.FrameRect(bounds, FFrameColor); break;
    case 2: canvas.DrawEdge(bounds, false, false); break;
    case 3:
      canvas.DrawEdge(bounds, false, true);
      InflateRect(&bounds, -1, -1);
      canvas.DrawEdge(bounds, false, false);
      break;
    default: break;
  }
}

void TcxPopupWindow::CloseUp() { Hide(); }

void TcxPopupWindow::Popup() {
  InitPopup();
  CalculateSize();
  const RECT owner = GetOwnerScreenBounds();
  POINT position{owner.left, owner.top};
  CalculatePosition(position);
  SetBounds(position.x, position.y, Width(), Height());
  Show();
}

void TcxPopupWindow::WndProc(TMessage& message) {
  // The owner's form keeps an active caption while its popup has the focus,
  // and loses it with the popup when another program is activated.
  if (message.Msg == WM_ACTIVATE && !IsDeactivation(message)) {
    FPrevActiveWindow = ActivationPartner(message);
    if (FPrevActiveWindow) SendMessageA(FPrevActiveWindow, WM_NCACTIVATE, TRUE, 0);
  } else if (message.Msg == WM_ACTIVATEAPP && !IsAppActivation(message)) {
    if (FPrevActiveWindow) SendMessageA(FPrevActiveWindow, WM_NCACTIVATE, FALSE, 0);
    CloseUp();
  }
  TForm::WndProc(message);
}

void TcxPopupWindow::Paint() {
  TForm::Paint();
  DrawFrame(FCanvas);
}

void TcxPopupWindow::Deactivate() {
  TForm::Deactivate();
  CloseUp();
}

namespace {

constexpr const char* kCursorNames[] = {
    "CX_DRAGCOPYCURSOR",    "CX_FULLSCROLLCURSOR", "CX_HORSCROLLCURSOR",  "CX_VERSCROLLCURSOR", "CX_UPSCROLLCURSOR",
    "CX_RIGHTSCROLLCURSOR", "CX_DOWNSCROLLCURSOR", "CX_LEFTSCROLLCURSOR", "CX_REMOVECURSOR",    "CX_VERTSIZECURSOR",
    "CX_HORZSIZECURSOR",    "CX_MULTIDRAGCURSOR",  "CX_NODROPCURSOR",     "CX_DRAGCURSOR",      "CX_COLORPICKERCURSOR",
};
static_assert(std::size(kCursorNames) == crcxColorPicker - crcxDragCopy + 1);

// Cursors loaded from the program's resources are shared: nothing destroys them.
void RegisterCursors() {
  const HINSTANCE program = GetModuleHandleA(nullptr);
  for (TCursor id = crcxDragCopy; id <= crcxColorPicker; ++id)
    Screen().SetCursorResource(id, program, kCursorNames[id - crcxDragCopy]);
  Screen().SetCursors(crcxHandPoint, LoadCursorA(nullptr, IDC_HAND));
}

}  // namespace

void cxControlsInitialize() {
  if (!gUnit.Enter()) return;
  gFinalized = false;
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof(version);
  if (GetVersionExA(&version))
    gSystemVersion = SystemVersionFlags(version.dwPlatformId, version.dwMajorVersion, version.dwMinorVersion);
  RegisterCursors();
  gControlsMessageID = RegisterWindowMessageA("{B2CE3777-44D8-4998-9701-47BBBC10B656}");
  GroupDescendentsWith(TcxControlChildComponent::StaticClass(), TControl::StaticClass());
  if (User32Library().Load("USER32")) {
    User32Library().Bind("MonitorFromPoint", cxMonitorApi().MonitorFromPoint);
    User32Library().Bind("GetMonitorInfoA", cxMonitorApi().GetMonitorInfoA);
  }
}

void cxControlsFinalize() {
  if (!gUnit.Leave()) return;
  gFinalized = true;
  // Tracking left running by a caller that never ended it is a caller's bug,
  // but raising here would abort the exit and leave the later units up.
#ifndef NDEBUG
  if (!gTrackingTimers.empty()) OutputDebugStringA("cxControls: mouse tracking timers left at exit\n");
#endif
  while (!gTrackingTimers.empty()) EndMouseTracking(gTrackingTimers.back()->Caller());
  cxMonitorApi() = TcxMonitorApi{};
  User32Library().Unload();
  gSettingsController.reset();
  gTimerWindow.reset();
  gMessageWindow.reset();
}
