#pragma once
// TWinControl: a control backed by a window of its own. The window is made
// when it is first needed (its parent's first), bound to this object once at
// WM_NCCREATE, and from then on one static window procedure forwards every
// message to the virtual WndProc, which handles what it knows and passes the
// rest to the default procedure (the Win32 control's own, for controls over
// one). No exception leaves the window procedure: the application shows it.
//
// A windowed control also serves the graphic controls on it: it paints them
// after its own painting, hands each the mouse messages over it (in its own
// coordinates), and shows its cursor. Notifications of the Win32 controls on
// it come back to them as CN_* messages.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/classes/UtilWindow.h"
#include "platform/controls/core/Control.h"

// What the input method of the keyboard does while a control has the focus.
enum TImeMode {
  imDisable,
  imClose,
  imOpen,
  imDontCare,
  imSAlpha,
  imAlpha,
  imHira,
  imSKata,
  imKata,
  imChinese,
  imSHanguel,
  imHanguel
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  // Destroys the window while the object is whole (every WM_DESTROY handler
  // runs), and leaves the controls on it without a parent.
  void BeforeDestruction() override;

  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;

  // Creates the window (and its parent's) when it does not exist yet. A
  // control on its way out gets none: the result is then nullptr.
  HWND Handle();
  bool HandleAllocated() const { return FHandle.Get() != nullptr; }
  void HandleNeeded() { Handle(); }
  // The control a window of this program belongs to, or nullptr.
  static TWinControl* FindControl(HWND window);

  // Lays the aligned controls out again, after one of them changed its size.
  void Realign() { AlignControls(); }

  int ControlCount() const { return static_cast<int>(FControls.size()); }
  TControl* Controls(int index) const { return FControls.at(index); }
  // The topmost graphic control on this one that is at `point`, or nullptr.
  TControl* ControlAtPos(POINT point, bool allowDisabled) const;
  // The control is this one or sits on it, at any depth.
  bool ContainsControl(const TControl* control) const;

  // A control may count as focused while the focus is on a window of its own
  // (a popup's child), so descendants may say more.
  virtual bool Focused() const { return HandleAllocated() && GetFocus() == FHandle.Get(); }
  void SetFocus();
  // The control and every parent up to the top are visible and enabled.
  virtual bool CanFocus() const;
  // The first control inside, in the order Tab visits them, that Tab reaches
  // and that can take the focus; nullptr when none can.
  TWinControl* FirstTabStopControl() const;
  // Makes the window again (new window parameters), when there is one.
  void RecreateWnd();
  // Tab reaches the control (WS_TABSTOP).
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool value);
  // The control lets its parent's background show through (csParentBackground).
  bool ParentBackground() const { return ControlStyle().Contains(csParentBackground); }
  void SetParentBackground(bool value);

  // Whether the control paints through an off-screen picture: controls on it
  // that draw its background then paint it into their own context.
  bool DoubleBuffered() const { return FDoubleBuffered; }
  void SetDoubleBuffered(bool value) { FDoubleBuffered = value; }

  // Whether the control draws sunken three-dimensional borders; the controls
  // here only keep the setting, which forms still write.
  bool Ctl3D() const { return FCtl3D; }
  void SetCtl3D(bool value);
  // Takes the parent's Ctl3D, now and whenever it changes.
  bool ParentCtl3D() const { return FParentCtl3D; }
  void SetParentCtl3D(bool value);

  // Offers Enter or Escape to the controls inside; true when one took it
  // (the default or cancel button).
  virtual bool DialogKey(WORD key);

  // The area the aligned controls share: the window's client area, or the
  // bounds while there is no window.
  RECT ClientRect() const override;
  bool Showing() const override;
  void Invalidate() override;
  void Update() override;
  void BringToFront() override;

 protected:
  struct TCreateParams {
    std::string WinClassName;   // the window class registered for this control
    std::string BaseClassName;  // a Win32 control class it extends; empty: a plain window
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    HWND WndParent = nullptr;
  };
  virtual void CreateParams(TCreateParams& params);
  // Makes the window; overrides call the base, then set up what lives in the window.
  virtual void CreateWnd();
  void DestroyHandle() { DestroyWindowHandle(); }
  // Destroys the window itself; the object stays and makes a new one when asked.
  virtual void DestroyWindowHandle() { FHandle.Reset(); }
  // True for a control whose window, and the windows on it, are made only when
  // it is first shown or its window is asked for, not with its parent's: a
  // hidden page whose place among its siblings does not matter.
  virtual bool DefersWindowUntilShown() const { return false; }

  // The window's own painting into `dc` (the Win32 control's, for one), before the graphic controls on it.
  virtual void PaintWindow(HDC dc);
  // Paints the graphic controls on this one into `dc`, each clipped to its bounds.
  void PaintControls(HDC dc);

  // The keyboard, decoded; setting the key to 0 keeps it from the window.
  virtual void KeyDown(WORD& key, TShiftState shift);
  virtual void KeyPress(char& key);
  virtual void KeyUp(WORD& key, TShiftState shift);

  // What the window shows now (the user may have typed it).
  static std::string WindowText(HWND window);
  // Lays out the aligned controls: top, bottom, left and right edges in
  // order of position, then the client control in what remains.
  void AlignControls();
  // Narrows the area the aligned controls share, for a frame drawn inside the client area.
  virtual void AdjustClientRect(RECT& /*rect*/) const {}

  void BoundsChanged() override;
  void ParentChanged() override;

 public:
  void SetOnKeyDown(TKeyEvent handler) { FOnKeyDown = std::move(handler); }
  void SetOnKeyPress(TKeyPressEvent handler) { FOnKeyPress = std::move(handler); }
  void SetOnKeyUp(TKeyEvent handler) { FOnKeyUp = std::move(handler); }

 private:
  friend class TControl;

  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static void RegisterWindowClass(const TCreateParams& params);
  void CreateHandle();
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  bool HasGraphicControls() const;
  bool MoveWindowToParent();

  void PaintMessage(TMessage& message);
  void MouseInput(TMessage& message);
  bool RouteMouseToGraphicControl(TMessage& message);
  void TrackMouseLeave();
  bool SetCursorMessage(const TMessage& message);
  TCursor CursorAt(POINT point) const;
  bool ReflectNotification(TMessage& message);
  bool DoKeyDown(TMessage& message);
  bool DoKeyPress(TMessage& message);
  bool DoKeyUp(TMessage& message);
  bool IsDialogKey(const TMessage& message);
  TWinControl* DialogRoot();
  void FocusReceived();
  void NotifyControls(UINT msg);
  void NotifyShowing();
  void TakeParentCtl3D();
  void TellWindowItsFont(bool redraw);

  void WindowPositionChanged();
  void ApplyTrackingLimits(MINMAXINFO& limits);
  std::vector<TControl*> AlignedControls(TAlign align) const;

  TWindowHandle FHandle;
  WNDPROC FDefWndProc = DefWindowProcA;
  std::vector<TControl*> FControls;
  bool FDoubleBuffered = false;
  bool FCtl3D = true;
  bool FParentCtl3D = true;
  bool FTabStop = false;
  TBrush FBrush;
  bool FAligning = false;
  bool FTrackingMouseLeave = false;
  TKeyEvent FOnKeyDown;
  TKeyPressEvent FOnKeyPress;
  TKeyEvent FOnKeyUp;
};
