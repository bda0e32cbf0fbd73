#include "platform/controls/core/Form.h"

#include "platform/classes/ClassBuilder.h"
#include "platform/classes/FormReader.h"
#include "platform/controls/core/Application.h"
#include "platform/controls/core/DisabledWindows.h"
#include "platform/controls/core/FormResources.h"
#include "platform/controls/core/Menus.h"
#include "platform/controls/core/Screen.h"

namespace {

const TIdentMap kBorderStyles = {{bsNone, "bsNone"},
                                 {bsSingle, "bsSingle"},
                                 {bsSizeable, "bsSizeable"},
                                 {bsDialog, "bsDialog"},
                                 {bsToolWindow, "bsToolWindow"}};
const TIdentMap kBorderIcons = {
    {biSystemMenu, "biSystemMenu"}, {biMinimize, "biMinimize"}, {biMaximize, "biMaximize"}, {biHelp, "biHelp"}};
const TIdentMap kPositions = {
    {poDesigned, "poDesigned"}, {poScreenCenter, "poScreenCenter"}, {poMainFormCenter, "poMainFormCenter"}};

// The style bits the border style and the border icons decide.
constexpr DWORD kFrameStyles =
    WS_POPUP | WS_CAPTION | WS_BORDER | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
constexpr DWORD kFrameExStyles = WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW | WS_EX_CONTEXTHELP;

RECT WorkArea() {
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

}  // namespace

TClass TForm::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TForm>("TForm", TWinControl::StaticClass())
          .String("Caption", &TForm::Caption, &TForm::SetCaption)
          .Enumeration("BorderStyle", &TForm::BorderStyle, &TForm::SetBorderStyle, kBorderStyles, bsSizeable)
          .Set("BorderIcons", &TForm::BorderIcons, &TForm::SetBorderIcons, kBorderIcons,
               TBorderIcons{biSystemMenu, biMinimize, biMaximize})
          .Enumeration("Position", &TForm::Position, &TForm::SetPosition, kPositions, poDesigned)
          .Component("ActiveControl", &TForm::ActiveControl, &TForm::SetActiveControl)
          .Boolean("KeyPreview", &TForm::KeyPreview, &TForm::SetKeyPreview, false)
          .Component("Menu", &TForm::Menu, &TForm::SetMenu)
          .Event("OnCreate", &TForm::SetOnCreate)
          .Event("OnShow", &TForm::SetOnShow)
          .Event("OnClose", &TForm::SetOnClose)
          .Event("OnDestroy", &TForm::SetOnDestroy)
          .Build();
  return &metaClass;
}

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  SetVisible(false);
  Screen().AddForm(this);
}

TForm::~TForm() { Screen().RemoveForm(this); }

void TForm::BeforeDestruction() {
  if (MarkDestroying() && FOnDestroy) {
    try {
      FOnDestroy(this);
    } catch (...) {
      Application().HandleException(this);
    }
  }
  Screen().RemoveForm(this);
  TWinControl::BeforeDestruction();
}

void TForm::AfterConstruction() {
  ReadComponentResource(*this, FormResourceText(ClassName()), ClassName());
  if (FOnCreate) FOnCreate(this);
}

void TForm::SetActiveControl(TWinControl* control) {
  FActiveControl = control;
  if (control) control->FreeNotification(this);
  if (control && Visible()) FocusActiveControl();
}

void TForm::SetMenu(TMainMenu* menu) {
  if (menu == FMenu) return;
  if (FMenu) FMenu->SetWindowHandle(nullptr);
  FMenu = menu;
  if (!FMenu) return;
  FMenu->FreeNotification(this);
  if (HandleAllocated()) FMenu->SetWindowHandle(Handle());
}

void TForm::SetBorderStyle(TFormBorderStyle value) {
  if (value == FBorderStyle) return;
  FBorderStyle = value;
  if (HandleAllocated()) ApplyFrameStyle();
}

void TForm::ApplyFrameStyle() {
  TCreateParams params;
  CreateParams(params);
  const HWND window = Handle();
  const DWORD style = GetWindowLongA(window, GWL_STYLE);
  const DWORD exStyle = GetWindowLongA(window, GWL_EXSTYLE);
  SetWindowLongA(window, GWL_STYLE, static_cast<LONG>((style & ~kFrameStyles) | (params.Style & kFrameStyles)));
  SetWindowLongA(window, GWL_EXSTYLE,
                 static_cast<LONG>((exStyle & ~kFrameExStyles) | (params.ExStyle & kFrameExStyles)));
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  AlignControls();
}

void TForm::SetFormStyle(TFormStyle value) {
  if (value == FFormStyle) return;
  FFormStyle = value;
  RecreateWnd();
}

void TForm::SetPopupParent(TForm* value) {
  if (value == FPopupParent) return;
  if (FPopupParent) FPopupParent->RemoveFreeNotification(this);
  FPopupParent = value;
  if (value) value->FreeNotification(this);
  // A window of the right owner stays, with whatever is queued for it.
  const HWND owner = value ? value->Handle() : Application().Handle();
  if (HandleAllocated() && !Parent() && GetWindow(Handle(), GW_OWNER) != owner) RecreateWnd();
}

void TForm::FocusedControlChanged(TWinControl* control) {
  if (control == FActiveControl || control == this) return;
  TWinControl* previous = FActiveControl;
  FActiveControl = control;
  control->FreeNotification(this);
  if (previous && !previous->Destroying()) previous->Perform(CM_EXIT);
  control->Perform(CM_ENTER);
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
}

void TForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == FActiveControl) FActiveControl = nullptr;
  if (component == FMenu) FMenu = nullptr;
  if (component == FPopupParent) FPopupParent = nullptr;
}

void TForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  // A form placed on another control is a child window like any control;
  // on its own it is made hidden and shown apart.
  if (!Parent()) {
    params.Style &= ~(WS_VISIBLE | WS_CHILD);
    params.WndParent = FPopupParent ? FPopupParent->Handle() : Application().Handle();
  }
  if (FFormStyle == fsStayOnTop) params.ExStyle |= WS_EX_TOPMOST;
  const bool hasMinMax = FBorderStyle == bsSingle || FBorderStyle == bsSizeable;
  switch (FBorderStyle) {
    case bsNone:
      if (!Parent()) params.Style |= WS_POPUP;
      break;
    case bsSingle: params.Style |= WS_CAPTION | WS_BORDER; break;
    case bsSizeable: params.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog:
      params.Style |= WS_POPUP | WS_CAPTION;
      params.ExStyle |= WS_EX_DLGMODALFRAME;
      break;
    case bsToolWindow:
      params.Style |= WS_CAPTION;
      params.ExStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  if (FBorderStyle != bsNone && FBorderIcons.Contains(biSystemMenu)) params.Style |= WS_SYSMENU;
  if (hasMinMax && FBorderIcons.Contains(biMinimize)) params.Style |= WS_MINIMIZEBOX;
  if (hasMinMax && FBorderIcons.Contains(biMaximize)) params.Style |= WS_MAXIMIZEBOX;
  if (FBorderIcons.Contains(biHelp) && !(params.Style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)))
    params.ExStyle |= WS_EX_CONTEXTHELP;
}

void TForm::CreateWnd() {
  TWinControl::CreateWnd();
  if (FMenu) FMenu->SetWindowHandle(Handle());
}

void TForm::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_CLOSE: Close(); return;
    case CM_RELEASE: Free(); return;
    case CM_VISIBLECHANGED: VisibleChanged(); return;
    case CM_DIALOGKEY: message.Result = DialogKeyMessage(KeyCode(message)) ? 1 : 0; return;
    case WM_COMMAND:
      if (NotifyingWindow(message, Handle())) break;
      Command(CommandId(message));
      return;
    case WM_NEXTDLGCTL: FocusNextControl(message); return;
    case WM_ACTIVATE:
      // Sent, not performed: whoever watches the messages of the thread sees them.
      SendMessageA(Handle(), IsDeactivation(message) ? CM_DEACTIVATE : CM_ACTIVATE, 0, 0);
      if (IsDeactivation(message)) Deactivate();
      break;
    case WM_DESTROY:
      // The window would destroy its menu bar with it; the menu component owns that.
      if (FMenu) FMenu->SetWindowHandle(nullptr);
      break;
  }
  TWinControl::WndProc(message);
}

void TForm::PaintWindow(HDC dc) {
  TWinControl::PaintWindow(dc);
  const TControlCanvas::TPaintScope scope(FCanvas, dc);
  FCanvas.Font().Assign(Font());
  Paint();
}

bool TForm::DialogKeyMessage(WORD key) {
  if (key != VK_RETURN && key != VK_ESCAPE) return false;
  // A focused push button answers Enter itself, through the dialog manager.
  if (key == VK_RETURN && (SendMessageA(GetFocus(), WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)) return false;
  return DialogKey(key);
}

void TForm::Command(WORD command) {
  if (command == IDOK)
    DialogKey(VK_RETURN);
  else if (command == IDCANCEL)
    DialogKey(VK_ESCAPE);
  else if (FMenu)
    FMenu->DispatchCommand(command);
}

void TForm::FocusNextControl(const TMessage& message) {
  // WM_NEXTDLGCTL names the window in wParam when lParam says so, else wParam asks for the previous one.
  const HWND target = message.LParam ? reinterpret_cast<HWND>(message.WParam)
                                     : GetNextDlgTabItem(Handle(), GetFocus(), message.WParam != 0);
  if (!target) return;
  ::SetFocus(target);
  // As in dialogs, tabbing into an edit selects its text.
  if (SendMessageA(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageA(target, EM_SETSEL, 0, -1);
}

void TForm::VisibleChanged() {
  if (!Visible()) {
    if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
    return;
  }
  if (Dying()) return;
  HandleNeeded();
  PlaceOnScreen();
  if (FOnShow) FOnShow(this);
  ShowWindow(Handle(), SW_SHOW);
  FocusActiveControl();
}

void TForm::PlaceOnScreen() {
  if (FPosition == poDesigned) return;
  RECT area = WorkArea();
  const TForm* mainForm = Application().MainForm();
  if (FPosition == poMainFormCenter && mainForm && mainForm != this && mainForm->HandleAllocated())
    GetWindowRect(const_cast<TForm*>(mainForm)->Handle(), &area);
  SetBounds(area.left + (area.right - area.left - Width()) / 2, area.top + (area.bottom - area.top - Height()) / 2,
            Width(), Height());
}

void TForm::FocusActiveControl() {
  if (FActiveControl && FActiveControl->Visible() && FActiveControl->Enabled()) FActiveControl->SetFocus();
}

void TForm::DoClose(TCloseAction& action) {
  if (FOnClose) FOnClose(this, action);
}

bool TForm::CloseQuery() {
  bool canClose = true;
  if (FOnCloseQuery) FOnCloseQuery(this, canClose);
  return canClose;
}

void TForm::Close() {
  if (FModal) {
    FModalResult = mrCancel;
    return;
  }
  TCloseAction action = caHide;
  DoClose(action);
  if (action == caNone) return;
  if (Application().MainForm() == this)
    Application().Terminate();
  else if (action == caHide)
    Hide();
  else if (action == caMinimize)
    ShowWindow(Handle(), SW_MINIMIZE);
  else
    Release();
}

void TForm::Release() { PostMessageA(Handle(), CM_RELEASE, 0, 0); }

TModalResult TForm::ShowModal() {
  if (Visible() || FModal) throw EInvalidOperation("Cannot make a visible window modal");
  // The other windows come back before this one hides, so activation returns to them.
  struct TModalState {
    TForm& Form;
    ~TModalState() {
      Form.FModal = false;
      Form.Hide();
    }
  } modalState{*this};
  TDisabledWindows disabledWindows(Handle());
  FModal = true;
  FModalResult = mrNone;
  Show();
  Application().ModalStarted(*this);
  while (!ModalLoopDone()) Application().HandleMessage();
  return FModalResult;
}

bool TForm::ModalLoopDone() {
  if (Application().Terminated() && FModalResult == mrNone) FModalResult = mrCancel;
  if (FModalResult == mrNone) return false;
  return CloseModal() || Application().Terminated();
}

// OnClose may keep a modal form open (caNone) or have it freed afterwards (caFree).
bool TForm::CloseModal() {
  TCloseAction action = caHide;
  DoClose(action);
  if (action == caNone) {
    FModalResult = mrNone;
    return false;
  }
  if (action == caFree) Release();
  return true;
}

TForm* GetParentForm(const TControl& control) {
  for (TWinControl* parent = control.Parent(); parent; parent = parent->Parent())
    if (parent->InheritsFrom(TForm::StaticClass())) return static_cast<TForm*>(parent);
  return nullptr;
}
