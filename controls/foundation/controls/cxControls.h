#pragma once
// The companions of the control base: the hidden message windows, the timer
// that fires on the shared timer window, mouse tracking (telling a control the
// pointer has left it), the settings controller and the placement of popups
// on the work area of a monitor.
//
// The pointer, the key state, the system timers and the monitor functions are
// reached through tables tests replace, so nothing here depends on the real
// pointer of the session or on the clock.
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "controls/foundation/graphics/cxGraphics.h"
#include "platform/classes/Component.h"
#include "platform/classes/UtilWindow.h"
#include "platform/controls/core/CustomControl.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/core/WinControl.h"

// Where the pointer is and which keys are down.
struct TcxInputApi {
  BOOL(WINAPI* GetCursorPos)(LPPOINT point) = ::GetCursorPos;
  SHORT(WINAPI* GetKeyState)(int key) = ::GetKeyState;
  UINT(WINAPI* GetDoubleClickTime)() = ::GetDoubleClickTime;
};
TcxInputApi& cxInputApi();

// The system timers of the timer window.
struct TcxTimerApi {
  UINT_PTR(WINAPI* SetTimer)(HWND window, UINT_PTR id, UINT elapse, TIMERPROC proc) = ::SetTimer;
  BOOL(WINAPI* KillTimer)(HWND window, UINT_PTR id) = ::KillTimer;
};
TcxTimerApi& cxTimerApi();

// The monitor functions, bound from user32 at start-up; nullptr where the
// system has none, and the work area comes from SPI_GETWORKAREA.
struct TcxMonitorApi {
  HMONITOR(WINAPI* MonitorFromPoint)(POINT point, DWORD flags) = nullptr;
  BOOL(WINAPI* GetMonitorInfoA)(HMONITOR monitor, LPMONITORINFO info) = nullptr;
};
TcxMonitorApi& cxMonitorApi();

// The pointer in screen coordinates; the last known point when the system
// cannot tell (the desktop is locked, say).
POINT GetCursorPosition();
bool IsCtrlPressed();
// Both distances from `start` below the mouse's drag threshold.
bool IsPointWithinDragThreshold(POINT start, int x, int y);
// The MK_ flags of a shift state.
WPARAM ShiftStateToKeys(TShiftState shift);
// A menu caption without its accelerator marks: "&&" keeps one ampersand and
// a final one shows as an underscore.
std::string RemoveAccelChars(const std::string& text);
bool IsChildOrSelf(HWND parent, HWND window);
// Code 32 or above: a character that types text rather than a control code.
bool IsTextChar(char ch);
POINT MapWindowPoint(HWND from, HWND to, POINT point);
RECT MapWindowRect(HWND from, HWND to, const RECT& rect);
bool HasChildWindowStyle(HWND window);
// Whether the control has a window or can make one: a window-backed parent
// somewhere up its chain.
bool CanAllocateHandle(TWinControl* control);

// Waits, holding the capture for `window`, for what the pressed button
// becomes: 0 released, 1 dragged beyond the drag threshold, 2 cancelled
// (Escape, the capture taken away, the program told to quit).
int DragDetect(HWND window);
// The work area of the monitor nearest to `point`.
RECT GetDesktopWorkArea(POINT point);

// The routines whose names the system uses too live apart, so they never
// stand in for the system's own.
namespace cxControls {
// The longest time between the clicks of a double click, in milliseconds.
UINT GetDoubleClickTime();
}  // namespace cxControls

// The key a control acts on: the arrows left and right trade places where
// the text reads right to left.
WORD TranslateKey(WORD key, bool rightToLeft = false);

// A menu a control opens on a right click or the context key, other than a
// TPopupMenu.
class IcxPopupMenu {
 public:
  virtual ~IcxPopupMenu() = default;
  // A key message that is the shortcut of one of its items runs the item;
  // true when one took it.
  virtual bool IsShortCut(const TMessage& message) = 0;
  // Opens at a screen point.
  virtual void Popup(int x, int y) = 0;
};

// Something that holds the mouse while it works (a drag, a scroll) and lets
// go when the control's mouse operations end.
class IcxMouseCaptureObject {
 public:
  virtual ~IcxMouseCaptureObject() = default;
  virtual void DoCancelMode() = 0;
};

// Opens `menu` at a screen point for `caller`: a menu of the interface
// always, a TPopupMenu only when it opens by itself (AutoPopup). False when
// nothing opened.
bool ShowPopupMenu(TComponent* caller, TComponent* menu, int x, int y);
// Whether the key message is the shortcut of an item of `menu`, which then runs it.
bool IsPopupMenuShortCut(TComponent* menu, const TMessage& message);
// Tells the form designer a component in design mode changed; nothing at run time.
void SetDesignerModified(TComponent* component);

// The window that answers for `window` where a popup's windows count as
// their owner's: the popups' unit sets the answer; without it, the window itself.
using TcxPopupOwnerWindowFunc = HWND (*)(HWND window);
void SetPopupOwnerWindowFunc(TcxPopupOwnerWindowFunc func);
HWND GetPopupOwnerWindow(HWND window);

// The window message the library registers at start-up; 0 before.
UINT cxControlsMessageID();

// The square where a control's two scroll bars meet: its colour and nothing
// more.
class TcxSizeGrip : public TCustomControl {
 public:
  explicit TcxSizeGrip(TComponent* owner);
  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

 protected:
  void Paint() override;
};

// What the library asks of the system's version, computed at start-up.
struct TcxSystemVersion {
  bool IsWin9X = false;
  bool IsWin2KOrLater = false;
  bool IsWinXPOrLater = false;
  bool IsWinNT4OrLater = false;
  bool IsWinVistaOrLater = false;
};
TcxSystemVersion SystemVersionFlags(DWORD platformId, DWORD major, DWORD minor);
const TcxSystemVersion& cxSystemVersion();

// A hidden top-level window whose messages reach the object's WndProc.
class TcxMessageWindow : public TObject {
 public:
  TcxMessageWindow();
  HWND Handle() const { return FWindow.Handle(); }

 protected:
  // Answers whether the message was handled; the rest goes to DefWindowProc.
  virtual bool WndProc(TMessage& /*message*/) { return false; }

 private:
  TUtilWindow FWindow;
};

// The window shared by whoever needs a hidden window only to receive
// messages; null once the unit has ended.
TcxMessageWindow* cxMessageWindow();

class TcxTimer : public TComponent {
 public:
  explicit TcxTimer(TComponent* owner);
  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }
  void BeforeDestruction() override;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  UINT Interval() const { return FInterval; }
  void SetInterval(UINT value);
  const TNotifyEvent& OnTimer() const { return FOnTimer; }
  void SetOnTimer(TNotifyEvent value);

  UINT_PTR TimerID() const { return FTimerID; }
  bool TimerOn() const { return FTimerOn; }

 private:
  friend class TcxTimerWindow;
  void UpdateTimer();
  void KillTimer();
  void SetTimer();
  void SetTimerOn(bool value);

  bool FEnabled = true;
  UINT FInterval = 1000;
  TNotifyEvent FOnTimer;
  // From a counter, never reused: a tick a freed timer left in the queue
  // finds no timer, not a newer one at the same address.
  UINT_PTR FTimerID;
  bool FTimerOn = false;
};

// The window the timers tick on; null until a timer first runs and after the unit ends.
HWND cxTimerWindowHandle();
// The ids of the running timers.
std::vector<UINT_PTR> cxRunningTimerIDs();

// A control told that the pointer left it.
class IcxMouseTrackingCaller {
 public:
  virtual ~IcxMouseTrackingCaller() = default;
  virtual void MouseLeave() = 0;
};

// A caller that decides itself whether a point (in the control's client
// coordinates) is inside it.
class IcxMouseTrackingCaller2 : public IcxMouseTrackingCaller {
 public:
  virtual bool PtInCaller(POINT point) = 0;
};

// Polls the pointer every 10 ms until it leaves the caller.
class TMouseTrackingTimer : public TcxTimer {
 public:
  TMouseTrackingTimer(TWinControl* control, RECT screenBounds, IcxMouseTrackingCaller* caller);
  IcxMouseTrackingCaller* Caller() const { return FCaller; }
  TWinControl* Control() const { return FControl; }
  const RECT& Bounds() const { return FBounds; }

 private:
  bool PointerInside() const;
  void Tick();

  TWinControl* FControl;
  RECT FBounds;
  IcxMouseTrackingCaller* FCaller;
};

// `bounds` is in `control`'s client coordinates, or in screen coordinates
// when there is no control.
void BeginMouseTracking(TWinControl* control, const RECT& bounds, IcxMouseTrackingCaller* caller);
void EndMouseTracking(IcxMouseTrackingCaller* caller);
bool IsMouseTracking(IcxMouseTrackingCaller* caller);
TMouseTrackingTimer* GetMouseTrackingTimer(IcxMouseTrackingCaller* caller);

// Sent to listening controls when the non-client metrics change.
constexpr UINT CM_NCSIZECHANGED = 0x8131;

// Tells the listening controls that the non-client metrics changed; its
// window lives only while someone listens.
class TcxSettingsController {
 public:
  void AddListener(TWinControl* control);
  void RemoveListener(TWinControl* control);
  HWND Window() const { return FWindow.Handle(); }

 private:
  bool WndProc(TMessage& message);

  std::vector<TWinControl*> FListeners;
  TUtilWindow FWindow;
};
TcxSettingsController& cxSettingsController();

// Where a popup goes relative to its owner's screen bounds.
struct TcxPopupPlacement {
  RECT OwnerBounds;
  int Width;
  int Height;
  int AlignHorz = 0;  // 0 left, 1 centred, 2 right
  int AlignVert = 2;  // 0 above, 1 centred, 2 below
  bool DirectionVertical = true;
};
// The top-left corner of the popup: aligned to the owner, flipped to the side
// with more room when it does not fit, then kept on the work area of the
// monitor nearest to `anchor` where it may slide.
POINT CalculatePopupPosition(const TcxPopupPlacement& placement, POINT anchor);

// A borderless form that opens beside its owner control and closes when the
// program loses the activation.
class TcxPopupWindow : public TForm {
 public:
  explicit TcxPopupWindow(TComponent* owner);

  bool AdjustableSize() const { return FAdjustableSize; }
  void SetAdjustableSize(bool value) { FAdjustableSize = value; }
  int AlignHorz() const { return FAlignHorz; }
  void SetAlignHorz(int value) { FAlignHorz = value; }
  int AlignVert() const { return FAlignVert; }
  void SetAlignVert(int value) { FAlignVert = value; }
  int ClientEdgeWidth() const { return FClientEdgeWidth; }
  void SetClientEdgeWidth(int value) { FClientEdgeWidth = value; }
  // 0 none, 1 a single line, 2 one raised edge, 3 two raised edges; the
  // form's own border stays none.
  int PopupBorderStyle() const { return FPopupBorderStyle; }
  void SetPopupBorderStyle(int value) { FPopupBorderStyle = value; }
  bool DirectionVertical() const { return FDirectionVertical; }
  void SetDirectionVertical(bool value) { FDirectionVertical = value; }
  TColor FrameColor() const { return FFrameColor; }
  void SetFrameColor(TColor value) { FFrameColor = value; }
  // In the owner control's client coordinates.
  const RECT& OwnerBounds() const { return FOwnerBounds; }
  void SetOwnerBounds(const RECT& value) { FOwnerBounds = value; }
  TWinControl* OwnerControl() const { return FOwnerControl; }
  void SetOwnerControl(TWinControl* value) { FOwnerControl = value; }
  HWND PrevActiveWindow() const { return FPrevActiveWindow; }

  virtual void CalculatePosition(POINT& position);
  virtual void CalculateSize();
  // Edge 0 left, 1 top, 2 right, 3 bottom.
  virtual int GetFrameWidth(int edge);
  virtual RECT GetClientBounds();
  virtual int GetBorderWidth(int edge);
  virtual RECT GetOwnerScreenBounds();
  virtual void InitPopup();
  virtual void DrawFrame(TcxCanvas& canvas);
  virtual void CloseUp();
  virtual void Popup();

  // The form's canvas, for the library's drawing.
  TcxCanvas& Canvas() { return FCanvas; }

 protected:
  void WndProc(TMessage& message) override;
  // The form's own painting, then the frame.
  void Paint() override;
  void Deactivate() override;

 private:
  bool FAdjustableSize = true;
  int FAlignHorz = 0;
  int FAlignVert = 2;
  int FClientEdgeWidth = 0;
  int FPopupBorderStyle = 0;
  bool FDirectionVertical = true;
  TColor FFrameColor = clWindowText;
  RECT FOwnerBounds{};
  TWinControl* FOwnerControl = nullptr;
  HWND FPrevActiveWindow = nullptr;
  // How far CalculateSize moved the children off their own positions.
  POINT FChildrenFrameOffset{};
  TcxCanvas FCanvas{TForm::Canvas()};
};

// The library's own cursors in the screen's cursor list.
constexpr TCursor crcxDragCopy = 2100;
constexpr TCursor crcxColorPicker = 2114;
constexpr TCursor crcxHandPoint = -2099;

void cxControlsInitialize();
void cxControlsFinalize();
