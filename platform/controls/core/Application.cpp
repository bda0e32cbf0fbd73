#include "platform/controls/core/Application.h"

#include <commctrl.h>

#include <utility>

#include "platform/classes/ClassBuilder.h"
#include "platform/classes/Messages.h"
#include "platform/controls/core/ControlClasses.h"
#include "platform/controls/core/DisabledWindows.h"
#include "platform/controls/core/DragObjects.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/core/Screen.h"
#include "platform/controls/core/WinControl.h"
#include "platform/rtl/Exceptions.h"

namespace {

const char kApplicationWindowClass[] = "TApplication";

// The executable's name without folder and extension, the title until the program sets one.
std::string ExecutableTitle() {
  char path[MAX_PATH] = {};
  const std::string name(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  const std::string file = name.substr(name.find_last_of("\\/") + 1);
  return file.substr(0, file.rfind('.'));
}

std::string CurrentExceptionText() {
  try {
    throw;
  } catch (const std::exception& error) {
    return error.what();
  } catch (...) {
    return "Unknown exception";
  }
}

}  // namespace

TClass TApplication::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TApplication>("TApplication", TComponent::StaticClass()).Build();
  return &metaClass;
}

TApplication::TApplication() : TComponent(nullptr), FTitle(ExecutableTitle()) {
  // Forms leave the screen's list when they go, so the screen must outlive the application.
  Screen();
}

// Forms still open when the object goes (a test's) are freed while it is whole.
TApplication::~TApplication() { BeforeDestruction(); }

void TApplication::Initialize(const std::vector<TUnitInfo>& units) {
  RegisterControlClasses();
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  if (!FHandle) CreateHandle();
  SetApplicationExceptionHandler([this](TObject* sender) { HandleException(sender); });
  InitializeUnits(units);
}

void TApplication::CreateHandle() {
  TUtilWindowParams params;
  params.ClassName = kApplicationWindowClass;
  params.Title = FTitle;
  params.Style = WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX;
  FHandle = TUtilWindow([](TMessage&) { return false; }, params);
}

void TApplication::SetTitle(const std::string& title) {
  FTitle = title;
  if (FHandle) SetWindowTextA(FHandle.Handle(), FTitle.c_str());
}

void TApplication::Run() {
  try {
    if (FMainForm) FMainForm->Show();
  } catch (...) {
    HandleException(this);
  }
  while (!FTerminated) HandleMessage();
  Finish();
}

void TApplication::Finish() {
  DestroyComponents();
  FinalizeUnits();
}

void TApplication::Terminate() { PostQuitMessage(0); }

// A nested pump (an exchange waiting for its reply) may take the quit: the
// pumps around it must then leave the operator's queued clicks and keys alone.
// The quit goes back into the queue, as the system's own loops put it back,
// so a message box opened afterwards ends at once instead of waiting for the
// operator, or being answered by a key queued before the Exit.
void TApplication::ProcessMessages() {
  MSG message;
  while (!FTerminated && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      FTerminated = true;
      PostQuitMessage(QuitExitCode(QueuedMessage(message)));
      return;
    }
    if (IsKeyMessage(message) || IsDialogKeyMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

bool TApplication::IsKeyMessage(const MSG& message) {
  // Escape cancels a drag wherever the focus is.
  if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE && DragControl()) {
    CancelDrag();
    return true;
  }
  switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
    case WM_SYSCHAR: break;
    default: return false;
  }
  // The edit inside a combo box is not ours: its combo box takes its keys.
  HWND window = message.hwnd;
  if (!TWinControl::FindControl(window)) window = GetParent(window);
  if (!TWinControl::FindControl(window)) return false;
  // Sent, not called, so a window hook sees the key before the dialog manager acts.
  return SendMessageA(window, CN_BASE + message.message, message.wParam, message.lParam) != 0;
}

bool TApplication::IsDialogKeyMessage(MSG& message) {
  if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
  const HWND root = GetAncestor(message.hwnd, GA_ROOT);
  for (int i = 0; i < Screen().FormCount(); ++i) {
    TForm* form = Screen().Forms(i);
    if (form->HandleAllocated() && form->Handle() == root) return IsDialogMessageA(root, &message);
  }
  return false;
}

void TApplication::WaitForMessages(uint32_t timeoutMs) {
  MsgWaitForMultipleObjectsEx(0, nullptr, timeoutMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

void TApplication::HandleMessage() {
  WaitForMessages(INFINITE);
  ProcessMessages();
}

void TApplication::HandleException(TObject*) noexcept {
  MessageBox(CurrentExceptionText(), FTitle, MB_OK | MB_ICONSTOP);
}

// The box is modal to the whole program, as a modal form is: owned by the
// form the operator works in, every other window disabled while it is open,
// and that form active again with its focus where it was when it closes.
// The system's box enables its owner as it closes, even an owner that a modal
// form or an exchange had disabled before it opened (a dialog's read on show
// reports while the main window is its owner): such an owner is disabled
// again before any input can reach it, and stays so until whoever disabled
// it enables it.
int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags) {
  if (FMessageBoxHandler) return FMessageBoxHandler(text, caption, flags);
  const HWND owner = ActiveFormHandle();
  const bool ownerEnabled = IsWindowEnabled(owner);
  const HWND focus = GetFocus();
  int result = 0;
  {
    const TDisabledWindows disabledWindows(nullptr);
    result = MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
    if (!ownerEnabled) EnableWindow(owner, FALSE);
  }
  if (owner != FHandle.Handle() && IsWindowEnabled(owner)) SetActiveWindow(owner);
  if (focus && IsWindow(focus) && IsWindowEnabled(focus)) ::SetFocus(focus);
  return result;
}

HWND TApplication::ActiveFormHandle() const {
  const HWND active = GetActiveWindow();
  for (int i = 0; i < Screen().FormCount(); ++i) {
    TForm* form = Screen().Forms(i);
    if (form->HandleAllocated() && form->Handle() == active) return active;
  }
  if (FMainForm && FMainForm->HandleAllocated() && IsWindowVisible(FMainForm->Handle())) return FMainForm->Handle();
  return FHandle.Handle();
}

void TApplication::ModalStarted(TForm& form) {
  if (FModalHandler) FModalHandler(form);
}

TControl* TApplication::CaptureControl() const {
  if (FCaptureControl) return FCaptureControl;
  return TWinControl::FindControl(GetCapture());
}

void TApplication::SetCaptureControl(TControl* control) {
  FCaptureControl = nullptr;
  if (GetCapture()) ReleaseCapture();
  if (!control) return;
  if (control->InheritsFrom(TWinControl::StaticClass())) {
    if (const HWND window = static_cast<TWinControl*>(control)->Handle()) SetCapture(window);
    return;
  }
  TWinControl* parent = control->Parent();
  if (!parent || !parent->HandleAllocated()) return;
  SetCapture(parent->Handle());
  FCaptureControl = control;
}

void TApplication::CaptureLost(TWinControl* window) {
  if (FCaptureControl && FCaptureControl->Parent() == window) FCaptureControl = nullptr;
}

void TApplication::SetMouseControl(TControl* control) {
  if (control == FMouseControl) return;
  TControl* previous = std::exchange(FMouseControl, control);
  if (previous) previous->Perform(CM_MOUSELEAVE);
  if (control && control == FMouseControl) control->Perform(CM_MOUSEENTER);
}

void TApplication::MouseLeftWindow(TWinControl* control) {
  if (!FMouseControl) return;
  const bool onWindow = FMouseControl == control || (FMouseControl->Parent() == control &&
                                                     !FMouseControl->InheritsFrom(TWinControl::StaticClass()));
  if (onWindow) SetMouseControl(nullptr);
}

void TApplication::ControlDestroying(TControl* control) {
  if (FMouseControl == control) FMouseControl = nullptr;
  if (FCaptureControl == control) {
    FCaptureControl = nullptr;
    ReleaseCapture();
  }
}

void TApplication::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == FMainForm) FMainForm = nullptr;
}

TApplication& Application() {
  static TApplication application;
  return application;
}

void ShowMessage(const std::string& text) { Application().MessageBox(text, Application().Title(), MB_OK); }
