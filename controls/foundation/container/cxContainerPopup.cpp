#include "controls/foundation/container/cxContainerPopup.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <set>

#include "controls/foundation/container/cxContainerControl.h"
#include "controls/foundation/container/cxContainerRoutines.h"
#include "controls/foundation/controls/cxControlsControl.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/Application.h"
#include "platform/controls/core/Screen.h"

namespace {

// Lives from the unit's start to its end only: the hooks may still run while
// the program exits, after the statics have gone.
struct TPopupUnitState {
  std::vector<TcxCustomPopupWindow*> ShownPopupWindows;
  // The windows whose next message is swallowed; each leaves the set with
  // that message (a window being destroyed still gets WM_DESTROY).
  std::set<HWND> SwallowPending;
};
TPopupUnitState* gState = nullptr;
int gPopupFocusLockCount = 0;
bool gPopupShowing = false;
HHOOK gCallWndProcHook = nullptr;
HHOOK gGetMessageHook = nullptr;
HHOOK gMouseHook = nullptr;
TcxHookCounts gHookCounts;

constexpr UINT_PTR kSwallowSubclassId = 1;

// Raises a counter for the length of a scope, also when an exception leaves it.
class TCountScope {
 public:
  explicit TCountScope(int& counter) : FCounter(counter) { ++FCounter; }
  ~TCountScope() { --FCounter; }
  TCountScope(const TCountScope&) = delete;
  TCountScope& operator=(const TCountScope&) = delete;

 private:
  int& FCounter;
};

class TPopupShowingScope {
 public:
  TPopupShowingScope() : FSaved(gPopupShowing) { gPopupShowing = true; }
  ~TPopupShowingScope() { gPopupShowing = FSaved; }
  TPopupShowingScope(const TPopupShowingScope&) = delete;
  TPopupShowingScope& operator=(const TPopupShowingScope&) = delete;

 private:
  bool FSaved;
};

// Empty, and nothing added to it sticks, while the unit is not running.
std::vector<TcxCustomPopupWindow*>& ShownList() {
  static std::vector<TcxCustomPopupWindow*>* none = new std::vector<TcxCustomPopupWindow*>;
  if (gState) return gState->ShownPopupWindows;
  none->clear();
  return *none;
}

void RemoveFromShownList(TcxCustomPopupWindow* popup) { std::erase(ShownList(), popup); }

bool Listed(TcxCustomPopupWindow* popup) {
  const auto& list = ShownList();
  return std::find(list.begin(), list.end(), popup) != list.end();
}

// Visits the shown popups from the first; after a visit that closed one the
// walk starts again from the first, since closing may close others too. Each
// restart follows a close, so the walk ends after at most as many restarts
// as there were popups.
template <class TVisit>
void WalkRestarting(TVisit visit) {
  int restartsLeft = static_cast<int>(ShownList().size());
  size_t i = 0;
  while (i < ShownList().size()) {
    if (!visit(ShownList()[i])) {
      ++i;
    } else if (restartsLeft-- > 0) {
      i = 0;
    } else {
      return;
    }
  }
}

HWND TopLevelWindow(HWND window) {
  while (window && (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD)) window = GetParent(window);
  return window;
}

// The window is visible and some of it lies inside each window it sits in.
bool IsWindowInSight(HWND window) {
  if (!IsWindowVisible(window)) return false;
  RECT visible;
  GetWindowRect(window, &visible);
  for (HWND parent = GetParent(window); parent && HasChildWindowStyle(window); parent = GetParent(window)) {
    RECT client;
    GetClientRect(parent, &client);
    const RECT parentClient = MapWindowRect(parent, nullptr, client);
    if (!IntersectRect(&visible, &visible, &parentClient)) return false;
    window = parent;
  }
  return !IsRectEmpty(&visible);
}

bool IsMouseClickMessage(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONDBLCLK: return true;
    default: return false;
  }
}

LRESULT CALLBACK SwallowProc(HWND window, UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, UINT_PTR id,
                             DWORD_PTR /*data*/) {
  RemoveWindowSubclass(window, SwallowProc, id);
  if (gState) gState->SwallowPending.erase(window);
  return 1;
}

// The hooks answer the system: nothing may leave them, and the next hook of
// the chain runs whatever happened here.
template <class TBody>
void Guarded(TBody body) {
  try {
    body();
  } catch (...) {
    Application().HandleException(nullptr);
  }
}

LRESULT CALLBACK CallWndProcHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && gState)
    Guarded([&] {
      const THookedMessage hooked = CallWndProcHookMessage(lParam);
      PopupCallWndProcMessage(hooked.Message, hooked.Window);
    });
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK GetMessageHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && gState)
    Guarded([&] {
      MSG& record = GetMessageHookRecord(lParam);
      TMessage message = QueuedMessage(record);
      PopupGetMessage(message, GetMessageHookRemoved(wParam));
      record.message = message.Msg;
    });
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK MouseHook(int code, WPARAM wParam, LPARAM lParam) {
  bool passOn = true;
  if (code == HC_ACTION && gState)
    Guarded([&] {
      const THookedMessage hooked = MouseHookMessage(wParam, lParam);
      if (IsMouseClickMessage(hooked.Message.Msg) && !ShownList().empty())
        passOn = PopupClickPassesOn(hooked.Window, hooked.Message.Msg, hooked.Point);
    });
  return passOn ? CallNextHookEx(nullptr, code, wParam, lParam) : 1;
}

HHOOK InstallThreadHook(int kind, HOOKPROC proc) {
  const HHOOK hook = cxHookApi().SetWindowsHookExA(kind, proc, nullptr, GetCurrentThreadId());
  if (hook) ++gHookCounts.Installs;
  return hook;
}

void RemoveThreadHook(HHOOK& hook) {
  if (!hook) return;
  cxHookApi().UnhookWindowsHookEx(hook);
  hook = nullptr;
  ++gHookCounts.Removals;
}

TcxCustomPopupWindow* PopupOfWindow(HWND window) {
  for (TWinControl* control = TWinControl::FindControl(window); control; control = control->Parent())
    if (control->InheritsFrom(TcxCustomPopupWindow::StaticClass())) return static_cast<TcxCustomPopupWindow*>(control);
  return nullptr;
}

HWND PopupOwnerWindow(HWND window) {
  const TcxCustomPopupWindow* popup = PopupOfWindow(window);
  TWinControl* owner = popup ? popup->OwnerControl() : nullptr;
  return owner && owner->HandleAllocated() ? owner->Handle() : window;
}

void CloseOnAppDeactivation() {
  WalkRestarting([](TcxCustomPopupWindow* popup) {
    TForm* form = popup->OwnerControl() ? GetParentForm(*popup->OwnerControl()) : nullptr;
    if (form && form->HandleAllocated()) PostMessageA(form->Handle(), WM_NCACTIVATE, FALSE, 0);
    if (popup->OwnedByParentForm() && Screen().ActiveForm() == popup) return false;
    if (!popup->HandleAllocated() || !IsWindowEnabled(popup->Handle())) return false;
    popup->CloseUpOnAppDeactivation();
    return true;
  });
}

void ClosePopupOfDestroyedWindow(HWND window) {
  for (TcxCustomPopupWindow* popup : ShownPopupWindows())
    if (!popup->Destroying() && popup->HandleAllocated() && popup->Handle() == window) {
      popup->Close();
      return;
    }
}

// Alt+F4 on a popup closes the owner's window too, as it would without the popup.
void ClosePopupOfClosedWindow(HWND window) {
  for (TcxCustomPopupWindow* popup : ShownPopupWindows()) {
    if (!Listed(popup) || popup->Destroying()) continue;
    TWinControl* owner = popup->OwnerControl();
    if (popup->HandleAllocated() && popup->Handle() == window) {
      if (!popup->CloseQuery()) return;
      popup->CloseUp();
      if (!popup->IsShown() && popup->OwnedByParentForm() && owner && !owner->Destroying() && owner->HandleAllocated())
        SendMessageA(TopLevelWindow(owner->Handle()), WM_CLOSE, 0, 0);
      return;
    }
    TForm* form = owner ? GetParentForm(*owner) : nullptr;
    if (!popup->OwnedByParentForm() && form && form->HandleAllocated() && form->Handle() == window) popup->CloseUp();
  }
}

bool OwnerWindowIs(TcxCustomPopupWindow* popup, HWND window) {
  TWinControl* owner = popup->OwnerControl();
  return owner && !owner->Destroying() && owner->HandleAllocated() && owner->Handle() == window;
}

// The popups opened from the hidden window close, and with them every popup
// opened after them (opened from inside them), the latest first.
void ClosePopupsOfHiddenWindow(HWND window) {
  auto& list = ShownList();
  for (size_t i = list.size(); i-- > 0;) {
    if (list[i]->Destroying() || !OwnerWindowIs(list[i], window)) continue;
    while (list.size() > i) {
      const size_t before = list.size();
      list.back()->CloseUp();
      if (list.size() == before) return;
    }
    return;
  }
}

void ClosePopupsOfMovedWindow(HWND window) {
  WalkRestarting([window](TcxCustomPopupWindow* popup) {
    if (!OwnerWindowIs(popup, window) || IsWindowInSight(window)) return false;
    popup->CloseUp();
    return true;
  });
}

// The owner's form keeps its active caption while its popup is open.
void KeepCaptionActive(HWND window) {
  if (gPopupShowing) {
    SwallowNextMessage(window);
    return;
  }
  for (TcxCustomPopupWindow* popup : ShownList()) {
    TForm* form = popup->OwnerControl() ? GetParentForm(*popup->OwnerControl()) : nullptr;
    if (form && form->HandleAllocated() && form->Handle() == window) {
      SwallowNextMessage(window);
      return;
    }
  }
}

// Whether `window` lies in `form`: the form's window or one inside it, or,
// for a form embedded in another window, the top-level window hosting it.
bool WindowInForm(TForm* form, HWND window) {
  if (!form || !form->HandleAllocated()) return false;
  const HWND formWindow = HasChildWindowStyle(form->Handle()) ? TopLevelWindow(form->Handle()) : form->Handle();
  return IsChildOrSelf(formWindow, window);
}

bool IsHiddenPopupForm(TForm* form) {
  return form && form->InheritsFrom(TcxCustomPopupWindow::StaticClass()) &&
         !static_cast<TcxCustomPopupWindow*>(form)->IsShown();
}

}  // namespace

TcxHookApi& cxHookApi() {
  static TcxHookApi api;
  return api;
}

TcxHookCounts cxPopupHookCounts() { return gHookCounts; }

std::vector<TcxCustomPopupWindow*> ShownPopupWindows() { return ShownList(); }

void SwallowNextMessage(HWND window) {
  if (!gState || !IsWindow(window) || IsSwallowPending(window)) return;
  if (SetWindowSubclass(window, SwallowProc, kSwallowSubclassId, 0)) gState->SwallowPending.insert(window);
}

bool IsSwallowPending(HWND window) { return gState && gState->SwallowPending.contains(window); }

void PopupCallWndProcMessage(const TMessage& message, HWND window) {
  if ((message.Msg == CM_ACTIVATE || message.Msg == CM_DEACTIVATE) && gPopupFocusLockCount > 0)
    SwallowNextMessage(window);
  if (ShownList().empty()) return;
  switch (message.Msg) {
    case WM_ACTIVATEAPP:
      if (!IsAppActivation(message)) CloseOnAppDeactivation();
      break;
    case WM_DESTROY: ClosePopupOfDestroyedWindow(window); break;
    case WM_CLOSE: ClosePopupOfClosedWindow(window); break;
    case WM_SHOWWINDOW:
      if (!IsBeingShown(message)) ClosePopupsOfHiddenWindow(window);
      break;
    case WM_WINDOWPOSCHANGED: ClosePopupsOfMovedWindow(window); break;
    case WM_NCACTIVATE:
      if (!IsNcActivation(message)) KeepCaptionActive(window);
      break;
    default: break;
  }
}

void PopupGetMessage(TMessage& message, bool removed) {
  if (!removed || message.Msg != WM_SYSKEYDOWN || ShownList().empty()) return;
  TcxCustomPopupWindow* topmost = ShownList().back();
  if (topmost->OwnedByParentForm() && topmost->ModalPopup()) return;
  if (!topmost->IsSysKeyAccepted(KeyCode(message))) message.Msg = WM_NULL;
}

// Holds a popup's lock count up while a click closes it; the popup may be
// freed by its close handlers.
class TPopupLock {
 public:
  explicit TPopupLock(TcxCustomPopupWindow* popup) : FPopup(popup), FAlive(popup) { ++popup->FLockCount; }
  ~TPopupLock() {
    if (FAlive.Alive()) --FPopup->FLockCount;
  }
  TPopupLock(const TPopupLock&) = delete;
  TPopupLock& operator=(const TPopupLock&) = delete;
  bool Alive() const { return FAlive.Alive(); }

 private:
  TcxCustomPopupWindow* FPopup;
  TcxWeakSelf FAlive;
};

bool PopupClickPassesOn(HWND window, UINT message, POINT point) {
  bool result = true;
  const TShiftState shift = KeyboardShiftState();
  WalkRestarting([&](TcxCustomPopupWindow* popup) {
    if (popup->OwnedByParentForm() && Screen().ActiveForm() != popup) return false;
    if (popup->HandleAllocated() && IsChildOrSelf(popup->Handle(), window)) return false;
    TWinControl* owner = popup->OwnerControl();
    TForm* form = owner ? GetParentForm(*owner) : nullptr;
    if (!WindowInForm(form, window) && !IsHiddenPopupForm(form)) return false;
    const HWND ownerWindow = popup->OwnerWindow();
    const RECT ownerBounds = popup->GetOwnerScreenBounds();
    const bool clickOnOwner = ownerWindow && IsChildOrSelf(ownerWindow, window) &&
                              (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) &&
                              PtInRect(&ownerBounds, point);
    if (clickOnOwner && popup->HandleOutsideMouseMessage(window, message, point, shift))
      popup->SetOwnerClickHandled(true);
    const TPopupShowingScope showing;
    const TPopupLock lock(popup);
    if (!clickOnOwner && popup->HandleOutsideMouseMessage(window, message, point, shift)) result = false;
    popup->CloseUp();
    if (clickOnOwner && lock.Alive() && (owner->Destroying() || !popup->IsOwnerControlVisible())) result = false;
    return true;
  });
  return result;
}

// ---- the popup

TClass TcxCustomPopupWindow::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxCustomPopupWindow>("TcxCustomPopupWindow", TForm::StaticClass()).Build();
  return &metaClass;
}

TcxCustomPopupWindow::TcxCustomPopupWindow(TWinControl* ownerControl) : TcxPopupWindow(ownerControl) {
  SetVisible(false);
  SetOwnerControl(ownerControl);
  if (ownerControl) ownerControl->FreeNotification(this);
  SetKeyPreview(true);
}

TcxCustomPopupWindow::~TcxCustomPopupWindow() { ClearObjectLinks(this); }

void TcxCustomPopupWindow::BeforeDestruction() {
  RemoveFromShownList(this);
  TcxPopupWindow::BeforeDestruction();
}

TOwned<TcxContainerStyle> TcxCustomPopupWindow::CreateStyle() {
  return TOwned<TcxContainerStyle>(new TcxContainerStyle(this, csNormal, nullptr, true));
}

TcxContainerStyle& TcxCustomPopupWindow::Style() {
  if (!FStyle) {
    FStyle = CreateStyle();
    FStyle->SetOnChanged([this](TObject*) { StyleChanged(); });
  }
  return *FStyle;
}

TcxContainerViewInfo& TcxCustomPopupWindow::ViewInfo() {
  if (!FViewInfo) FViewInfo = CreateViewInfo();
  return *FViewInfo;
}

RECT TcxCustomPopupWindow::ClientRect() const {
  if (FViewInfo && !IsRectEmpty(&FViewInfo->ClientRect)) return FViewInfo->ClientRect;
  return TcxPopupWindow::ClientRect();
}

void TcxCustomPopupWindow::Paint() { ViewInfo().Paint(Canvas()); }

bool TcxCustomPopupWindow::IsSysKeyAccepted(WORD key) { return (key >= VK_PRIOR && key <= VK_DOWN) || key == VK_F4; }

bool TcxCustomPopupWindow::HandleOutsideMouseMessage(HWND /*window*/, UINT /*message*/, POINT /*point*/,
                                                     TShiftState /*shift*/) {
  return false;
}

// The placement put the popup on the side of its owner with more room: cut
// to the work area it keeps its edge on the owner's and never covers it. A
// popup wholly outside the work area has no room to be cut to and stays whole.
void TcxCustomPopupWindow::FitIntoWorkArea(POINT& position) {
  const RECT area = GetDesktopWorkArea(position);
  const RECT bounds{position.x, position.y, position.x + Width(), position.y + Height()};
  RECT fitted{};
  if (!IntersectRect(&fitted, &bounds, &area)) return;
  position = POINT{fitted.left, fitted.top};
  SetBounds(Left(), Top(), fitted.right - fitted.left, fitted.bottom - fitted.top);
}

void TcxCustomPopupWindow::DoClosed() {
  if (FOnClosed) FOnClosed(this);
}

void TcxCustomPopupWindow::DoClosing() {
  if (FOnClosing) FOnClosing(this);
}

void TcxCustomPopupWindow::DoShowed() {
  if (FOnShowed) FOnShowed(this);
}

void TcxCustomPopupWindow::DoShowing() {
  if (FOnShowing) FOnShowing(this);
}

TForm* TcxCustomPopupWindow::OwnerParentForm() const {
  return OwnerControl() ? GetParentForm(*OwnerControl()) : nullptr;
}

HWND TcxCustomPopupWindow::OwnerWindow() const {
  TWinControl* owner = OwnerControl();
  return owner && owner->HandleAllocated() ? owner->Handle() : nullptr;
}

bool TcxCustomPopupWindow::IsShown() const { return Listed(const_cast<TcxCustomPopupWindow*>(this)); }

bool TcxCustomPopupWindow::IsOwnerControlVisible() const {
  const HWND window = OwnerWindow();
  return window && IsWindowVisible(window);
}

void TcxCustomPopupWindow::PostClosePopup() { PostMessageA(Handle(), CM_CLOSEPOPUPWINDOW, 0, 0); }

RECT TcxCustomPopupWindow::GetOwnerScreenBounds() {
  return OwnerWindow() ? TcxPopupWindow::GetOwnerScreenBounds() : OwnerBounds();
}

void TcxCustomPopupWindow::SetOwnedByParentForm(bool value) {
  if (value == FOwnedByParentForm) return;
  FOwnedByParentForm = value;
  ReopenWhenShown();
}

void TcxCustomPopupWindow::SetTopMostWithParentForm(bool value) {
  if (value == FTopMostWithParentForm) return;
  FTopMostWithParentForm = value;
  ReopenWhenShown();
}

void TcxCustomPopupWindow::ReopenWhenShown() {
  RecreateWnd();
  if (!IsShown()) return;
  CloseUp();
  Popup(FFocusedControl);
}

void TcxCustomPopupWindow::CreateParams(TCreateParams& params) {
  TcxPopupWindow::CreateParams(params);
  TForm* form = OwnerParentForm();
  if (FOwnedByParentForm) {
    if (form) params.WndParent = form->Handle();
    params.Style = (params.Style & ~WS_CHILD) | WS_POPUP;
    if (FTopMostWithParentForm) {
      if (form && !(GetWindowLongPtrA(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST))
        params.Style |= WS_CLIPCHILDREN;
      else
        params.ExStyle |= WS_EX_TOPMOST;
    }
  } else {
    // A child of no window: it never takes the activation from the owner's form.
    params.Style = WS_CHILD;
    params.ExStyle |= WS_EX_TOOLWINDOW;
    params.WndParent = GetDesktopWindow();
  }
  params.Style |= WS_CLIPCHILDREN;
}

void TcxCustomPopupWindow::CreateWnd() {
  // The hooks take the messages of the window's creation as those of a shown popup.
  const bool listed = IsShown();
  if (!listed) ShownList().push_back(this);
  struct TUnlist {
    TcxCustomPopupWindow* Popup;
    bool Listed;
    ~TUnlist() {
      if (!Listed) RemoveFromShownList(Popup);
    }
  } unlist{this, listed};
  TcxPopupWindow::CreateWnd();
  if (!FOwnedByParentForm) ::SetParent(Handle(), nullptr);
}

void TcxCustomPopupWindow::SetFocusedControl(TWinControl* control) {
  FFocusedControl = control;
  if (control && control != this) control->FreeNotification(this);
}

TWinControl* TcxCustomPopupWindow::ChooseFocusedControl(TWinControl* given) {
  if (!FOwnedByParentForm) return given;
  if (!given) return this;
  if (given->CanFocus() && given->TabStop()) return given;
  TWinControl* first = FirstTabStopControl();
  return first ? first : this;
}

HWND TcxCustomPopupWindow::ZOrderAfter() const {
  TForm* form = OwnerParentForm();
  if (!form || !FOwnedByParentForm) return HWND_TOPMOST;
  if (GetWindowLongPtrA(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) return HWND_TOPMOST;
  return HWND_TOP;
}

void TcxCustomPopupWindow::Popup(TWinControl* focusedControl) {
  if (IsShown() || !IsOwnerControlVisible()) return;
  TForm* popupParent = FOwnedByParentForm ? OwnerParentForm() : nullptr;
  if (popupParent != PopupParent()) SetPopupParent(popupParent);
  InitPopup();
  CalculateSize();
  const RECT owner = GetOwnerScreenBounds();
  POINT position{owner.left, owner.top};
  CalculatePosition(position);
  if (CanShrinkToWorkArea()) FitIntoWorkArea(position);
  {
    const TPopupShowingScope showing;
    ShownList().push_back(this);
    DoShowing();
    SetBounds(position.x, position.y, Width(), Height());
    Show();
    SetBounds(position.x, position.y, Width(), Height());
    FFocusedControl = ChooseFocusedControl(focusedControl);
    if (FFocusedControl && FFocusedControl != this) FFocusedControl->FreeNotification(this);
    (FFocusedControl ? FFocusedControl : this)->SetFocus();
    SetWindowPos(Handle(), ZOrderAfter(), 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  }
  SetModalResult(mrNone);
  DoShowed();
  if (FOwnedByParentForm && FModalPopup) RunModalLoop();
}

namespace {

// The system hands out the program's quit whatever the filter, its exit code
// where a key has its code: whatever that code reads as, it is no key.
bool IsDroppedSystemKey(const MSG& queued) {
  if (queued.message != WM_SYSKEYDOWN) return false;
  const WORD key = KeyCode(QueuedMessage(queued));
  return key == VK_RETURN || key == VK_MENU || key == VK_SPACE;
}

// Alt+Enter, Alt and Alt+Space would reach the owner's form (its system menu)
// while the modal popup runs.
void DropQueuedSystemKeys() {
  MSG queued;
  if (PeekMessageA(&queued, nullptr, WM_SYSKEYDOWN, WM_SYSKEYDOWN, PM_NOREMOVE) && IsDroppedSystemKey(queued))
    TakePendingMessage(nullptr, WM_SYSKEYDOWN, WM_SYSKEYDOWN, queued);
}

}  // namespace

// The owner's form may be freed while the loop runs (and this popup with it):
// the loop then ends without touching the popup again.
void TcxCustomPopupWindow::RunModalLoop() {
  const TcxWeakSelf alive(this);
  while (alive.Alive() && Visible() && !Application().Terminated()) {
    DropQueuedSystemKeys();
    if (ModalResult() != mrNone) {
      if (CloseQuery())
        ModalCloseUp();
      else
        SetModalResult(mrNone);
      if (!alive.Alive() || !Visible()) return;
    }
    Application().HandleMessage();
  }
}

// A closing or closed handler may free the popup (with its owner).
void TcxCustomPopupWindow::CloseUp() {
  if (!IsShown()) return;
  const TCountScope focusLock(gPopupFocusLockCount);
  const TcxWeakSelf alive(this);
  RemoveFromShownList(this);
  DoClosing();
  if (!alive.Alive()) return;
  if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
  SetVisible(false);
  DoClosed();
  if (!alive.Alive()) return;
  const HWND capture = GetCapture();
  if (HandleAllocated() && capture && IsChildOrSelf(Handle(), capture)) Application().SetCaptureControl(nullptr);
}

// The close handlers may free the owner, and this popup with it: only the
// weak link to the owner is read afterwards.
void TcxCustomPopupWindow::CloseUpOnAppDeactivation() {
  auto* container = dynamic_cast<TcxContainer*>(OwnerControl());
  const TcxWeakSelf ownerAlive(container);
  CloseUp();
  if (container && ownerAlive.Alive() && !container->IsDestroying()) container->FocusChanged();
}

bool TcxCustomPopupWindow::Focused() const {
  if (!IsShown() || !FOwnedByParentForm || !HandleAllocated()) return false;
  const HWND focus = GetFocus();
  return focus && IsChildOrSelf(const_cast<TcxCustomPopupWindow*>(this)->Handle(), focus);
}

void TcxCustomPopupWindow::FocusedControlChanged(TWinControl* control) {
  const TCountScope focusLock(gPopupFocusLockCount);
  TcxPopupWindow::FocusedControlChanged(control);
}

// The popups shown after the one taking the activation close, this one
// among them; a popup opened from this one keeps it open.
void TcxCustomPopupWindow::Deactivate() {
  TForm::Deactivate();
  if (FLockCount != 0 || ShownList().empty()) return;
  const HWND active = FActivatedWindow ? FActivatedWindow : GetActiveWindow();
  for (size_t i = ShownList().size(); i-- > 0;) {
    if (i >= ShownList().size()) continue;
    TcxCustomPopupWindow* popup = ShownList()[i];
    if (popup->HandleAllocated() && popup->Handle() == active) return;
    if (popup->HandleAllocated() && IsWindowEnabled(popup->Handle()) && popup->LockCount() == 0) popup->CloseUp();
  }
  if (!ShownList().empty()) CloseUp();
}

void TcxCustomPopupWindow::KeyDown(WORD& key, TShiftState shift) {
  const HWND capture = GetCapture();
  if (key == VK_ESCAPE && IsShown() && HandleAllocated() && capture && IsChildOrSelf(Handle(), capture)) {
    Application().SetCaptureControl(nullptr);
    key = 0;
    return;
  }
  TcxPopupWindow::KeyDown(key, shift);
}

void TcxCustomPopupWindow::ClosePopupMessage() {
  {
    const TCountScope lock(FLockCount);
    CloseUp();
  }
  if (const HWND owner = OwnerWindow()) SendMessageA(owner, WM_SETFOCUS, 0, 0);
}

void TcxCustomPopupWindow::Hidden() {
  if (!FOwnedByParentForm) return;
  TWinControl* owner = OwnerControl();
  TForm* form = OwnerParentForm();
  if (!owner || !form || !form->HandleAllocated()) return;
  if (GetFocus() == form->Handle() && owner->CanFocus() && !form->ComponentState().Contains(csDesigning))
    owner->SetFocus();
}

void TcxCustomPopupWindow::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_CLOSEPOPUPWINDOW: ClosePopupMessage(); return;
    case CM_SHOWPOPUPWINDOW: Popup(FFocusedControl); return;
    case WM_ERASEBKGND:
      if (NeedsEraseBackground()) break;
      message.Result = 1;
      return;
    // The call-wnd-proc hook closes the popups when the program loses the activation.
    case WM_ACTIVATEAPP: return;
    case WM_ACTIVATE: FActivatedWindow = IsDeactivation(message) ? ActivationPartner(message) : nullptr; break;
    case WM_WINDOWPOSCHANGED:
      TcxPopupWindow::WndProc(message);
      if (MessageRecord<WINDOWPOS>(message).flags & SWP_HIDEWINDOW) Hidden();
      return;
    default: break;
  }
  TcxPopupWindow::WndProc(message);
}

void TcxCustomPopupWindow::Notification(TComponent* component, TOperation operation) {
  TcxPopupWindow::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == FFocusedControl) FFocusedControl = nullptr;
  if (component == OwnerControl()) SetOwnerControl(nullptr);
}

void cxContainerPopupInitialize() {
  gState = new TPopupUnitState;
  gCallWndProcHook = InstallThreadHook(WH_CALLWNDPROC, CallWndProcHook);
  gGetMessageHook = InstallThreadHook(WH_GETMESSAGE, GetMessageHook);
  gMouseHook = InstallThreadHook(WH_MOUSE, MouseHook);
  SetPopupOwnerWindowFunc(PopupOwnerWindow);
}

void cxContainerPopupFinalize() {
  SetPopupOwnerWindowFunc(nullptr);
  RemoveThreadHook(gMouseHook);
  RemoveThreadHook(gGetMessageHook);
  RemoveThreadHook(gCallWndProcHook);
  delete gState;
  gState = nullptr;
}
