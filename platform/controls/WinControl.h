#pragma once
// TWinControl: a control backed by a window of its own. The window is made
// when it is first needed (its parent's first), bound to this object once at
// WM_NCCREATE, and from then on one static window procedure forwards every
// message to the virtual WndProc, which handles what it knows and passes the
// rest to the default procedure (the Win32 control's own, for controls over
// one). No exception leaves the window procedure: the application shows it.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/controls/Control.h"

// A Win32 control tells its parent window what happened to it (WM_COMMAND,
// WM_NOTIFY); the parent hands the message back to the control's object as
// CN_COMMAND or CN_NOTIFY, so each control handles its own notifications.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;

struct TMessage {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  LRESULT Result;
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  // Creates the window (and its parent's) when it does not exist yet.
  HWND Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded() { Handle(); }

  int ControlCount() const { return static_cast<int>(FControls.size()); }
  TControl* Controls(int index) const { return FControls.at(index); }

  bool Focused() const { return FHandle && GetFocus() == FHandle; }
  void SetFocus();

  // Offers Enter or Escape to the controls inside; true when one took it
  // (the default or cancel button).
  virtual bool DialogKey(WORD key);

  // The area the aligned controls share: the window's client area, or the
  // bounds while there is no window.
  RECT ClientRect() const;

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
  void DestroyHandle();

  virtual void WndProc(TMessage& message);
  void DefaultHandler(TMessage& message);
  // What the window shows now (the user may have typed it).
  static std::string WindowText(HWND window);
  // Lays out the aligned controls: top, bottom, left and right edges in
  // order of position, then the client control in what remains.
  void AlignControls();
  // Narrows the area the aligned controls share, for a frame drawn inside the client area.
  virtual void AdjustClientRect(RECT& /*rect*/) const {}

  void BoundsChanged() override;
  void VisibleChanged() override;
  void EnabledChanged() override;
  void CaptionChanged() override;
  void ParentChanged() override;

 private:
  friend class TControl;

  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static void RegisterWindowClass(const TCreateParams& params);
  void CreateHandle();
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void WindowPositionChanged();
  bool SetScreenCursor();
  void ApplyTrackingLimits(MINMAXINFO& limits);
  bool SetControlCursor(const TMessage& message);
  // The control of a window inside this one, or nullptr for a window not ours.
  TWinControl* FindChildControl(HWND window) const;
  bool ReflectNotification(TMessage& message);
  std::vector<TControl*> AlignedControls(TAlign align) const;

  HWND FHandle = nullptr;
  WNDPROC FDefWndProc = DefWindowProcA;
  std::vector<TControl*> FControls;
  bool FAligning = false;
};
