#pragma once
// The drop-down window of the container controls, the list of the popups
// shown now, and the three hooks of the GUI thread that close them when the
// user clicks elsewhere, when the program loses the activation, or when the
// owner's window is hidden, moved out of sight, closed or destroyed, and that
// keep system keys from an open popup.
//
// Each hook procedure only decodes what the system hands it and calls one of
// the functions below, which tests call with messages of their own.
#include <windows.h>

#include <memory>
#include <vector>

#include "controls/foundation/cxContainerStyles.h"
#include "controls/foundation/cxContainerViewInfo.h"
#include "controls/foundation/cxControls.h"

class TcxCustomPopupWindow;

// How the hooks reach the system; the thread id passed is always the GUI
// thread's, so no hook reaches another program of the session.
struct TcxHookApi {
  HHOOK(WINAPI* SetWindowsHookExA)(int kind, HOOKPROC proc, HINSTANCE module, DWORD threadId) = ::SetWindowsHookExA;
  BOOL(WINAPI* UnhookWindowsHookEx)(HHOOK hook) = ::UnhookWindowsHookEx;
};
TcxHookApi& cxHookApi();

struct TcxHookCounts {
  int Installs = 0;
  int Removals = 0;
};
// How many hooks the popups installed and removed since the program started.
TcxHookCounts cxPopupHookCounts();

// The popups shown now, in show order (the last is the topmost); empty once
// the unit has ended.
std::vector<TcxCustomPopupWindow*> ShownPopupWindows();

// The next message `window` receives is answered 1 and not handled. Pending
// on many windows at once, each its own; asking twice for one window changes
// nothing.
void SwallowNextMessage(HWND window);
bool IsSwallowPending(HWND window);

// What the call-wnd-proc hook does with a message about to reach `window`.
void PopupCallWndProcMessage(const TMessage& message, HWND window);
// What the get-message hook does with a message taken from the queue
// (`removed`) or peeked at: a system key the topmost popup does not accept
// becomes WM_NULL.
void PopupGetMessage(TMessage& message, bool removed);
// Whether a click (`message` on `window`, at a screen point) goes on to its
// window; popups it falls outside of are closed on the way.
bool PopupClickPassesOn(HWND window, UINT message, POINT point);

// Asks a popup to close itself, from a handler that must not close it at once.
constexpr UINT CM_CLOSEPOPUPWINDOW = 0x8065;
// Asks a popup to open again with the control it had focused.
constexpr UINT CM_SHOWPOPUPWINDOW = 0x8066;

class TcxCustomPopupWindow : public TcxPopupWindow {
 public:
  explicit TcxCustomPopupWindow(TWinControl* ownerControl);
  ~TcxCustomPopupWindow() override;
  void BeforeDestruction() override;
  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  virtual bool CanShrinkToWorkArea() { return false; }
  virtual bool NeedsEraseBackground() { return false; }
  // Arrows, page and home/end keys and F4 reach the popup with Alt held.
  virtual bool IsSysKeyAccepted(WORD key);
  virtual void ModalCloseUp() { CloseUp(); }
  // A click outside the popup (screen point); true: it was handled here and
  // goes no further.
  virtual bool HandleOutsideMouseMessage(HWND window, UINT message, POINT point, TShiftState shift);
  // Cuts the size to the work area and moves a corner left of or above it onto it.
  virtual void FitIntoWorkArea(POINT& position);
  // Opens the popup, once, while its owner control is visible; with
  // ModalPopup (and owned by the parent form) returns when it is hidden.
  virtual void Popup(TWinControl* focusedControl);
  void Popup() override { Popup(FFocusedControl); }
  void CloseUp() override;
  // CloseUp for the program losing the activation: a container owner then
  // redraws itself as no longer focused in an active program.
  void CloseUpOnAppDeactivation();
  // In screen coordinates once the owner has a window; as set before.
  RECT GetOwnerScreenBounds() override;
  void InitPopup() override {}
  // The popup counts as focused while the focus is on it or a window inside it.
  bool Focused() const override;
  bool CanFocus() const override { return Visible(); }
  void FocusedControlChanged(TWinControl* control) override;

  bool IsShown() const;
  bool IsOwnerControlVisible() const;
  void PostClosePopup();

  TcxContainerStyle& Style();
  TcxContainerViewInfo& ViewInfo();
  // The view info's client rectangle once a descendant has calculated one;
  // the window's own before.
  RECT ClientRect() const override;
  bool OwnedByParentForm() const { return FOwnedByParentForm; }
  void SetOwnedByParentForm(bool value);
  bool TopMostWithParentForm() const { return FTopMostWithParentForm; }
  void SetTopMostWithParentForm(bool value);
  bool ModalPopup() const { return FModalPopup; }
  void SetModalPopup(bool value) { FModalPopup = value; }
  bool OwnerClickHandled() const { return FOwnerClickHandled; }
  void SetOwnerClickHandled(bool value) { FOwnerClickHandled = value; }
  TWinControl* FocusedControl() const { return FFocusedControl; }
  // The control the next show message focuses.
  void SetFocusedControl(TWinControl* control);
  int LockCount() const { return FLockCount; }
  void SetOnClosed(TNotifyEvent handler) { FOnClosed = std::move(handler); }
  void SetOnClosing(TNotifyEvent handler) { FOnClosing = std::move(handler); }
  void SetOnShowed(TNotifyEvent handler) { FOnShowed = std::move(handler); }
  void SetOnShowing(TNotifyEvent handler) { FOnShowing = std::move(handler); }

 protected:
  virtual void DoClosed();
  virtual void DoClosing();
  virtual void DoShowed();
  virtual void DoShowing();
  virtual void StyleChanged() {}
  // The style and the view info a popup of this class takes.
  virtual TOwned<TcxContainerStyle> CreateStyle();
  virtual std::unique_ptr<TcxContainerViewInfo> CreateViewInfo() { return CreateContainerViewInfo(); }
  void Paint() override;

  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  void Deactivate() override;
  void KeyDown(WORD& key, TShiftState shift) override;

 private:
  friend bool PopupClickPassesOn(HWND, UINT, POINT);
  friend class TPopupLock;
  TForm* OwnerParentForm() const;
  HWND OwnerWindow() const;
  bool IsOwnedAndActive() const;
  TWinControl* ChooseFocusedControl(TWinControl* given);
  HWND ZOrderAfter() const;
  void RunModalLoop();
  void ClosePopupMessage();
  void Hidden();
  void ReopenWhenShown();

  bool FOwnedByParentForm = true;
  int FLockCount = 0;
  // The window taking the activation from this one, while it is deactivated.
  HWND FActivatedWindow = nullptr;
  TWinControl* FFocusedControl = nullptr;
  bool FTopMostWithParentForm = false;
  bool FOwnerClickHandled = false;
  bool FModalPopup = true;
  TNotifyEvent FOnClosed;
  TNotifyEvent FOnClosing;
  TNotifyEvent FOnShowed;
  TNotifyEvent FOnShowing;
  // The view info goes first: the style outlives it.
  TOwned<TcxContainerStyle> FStyle;
  std::unique_ptr<TcxContainerViewInfo> FViewInfo;
};

// The start and end of the popup part of the container unit: the shown list,
// the hooks, the control base's popup-owner answer.
void cxContainerPopupInitialize();
void cxContainerPopupFinalize();
