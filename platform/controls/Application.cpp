#include "platform/controls/Application.h"

#include <commctrl.h>

#include "platform/classes/ClassBuilder.h"
#include "platform/controls/ControlClasses.h"
#include "platform/controls/DisabledWindows.h"
#include "platform/controls/Form.h"
#include "platform/controls/Screen.h"
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

TApplication::~TApplication() {
  DestroyComponents();
  if (FHandle) DestroyWindow(FHandle);
}

void TApplication::Initialize() {
  RegisterControlClasses();
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  if (!FHandle) CreateHandle();
}

void TApplication::CreateHandle() {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (!GetClassInfoExA(instance, kApplicationWindowClass, &windowClass)) {
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kApplicationWindowClass;
    if (!RegisterClassExA(&windowClass)) throw EOSError("Cannot register the application window class");
  }
  FHandle = CreateWindowExA(0, kApplicationWindowClass, FTitle.c_str(),
                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0, nullptr,
                            nullptr, instance, nullptr);
  if (!FHandle) throw EOSError("Cannot create the application window");
}

void TApplication::SetTitle(const std::string& title) {
  FTitle = title;
  if (FHandle) SetWindowTextA(FHandle, FTitle.c_str());
}

void TApplication::Run() {
  try {
    if (FMainForm) FMainForm->Show();
  } catch (...) {
    HandleException(this);
  }
  while (!FTerminated) HandleMessage();
}

void TApplication::Terminate() { PostQuitMessage(0); }

void TApplication::ProcessMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      FTerminated = true;
      return;
    }
    if (IsDialogKeyMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
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
int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags) {
  if (FMessageBoxHandler) return FMessageBoxHandler(text, caption, flags);
  const HWND owner = ActiveFormHandle();
  const HWND focus = GetFocus();
  int result = 0;
  {
    const TDisabledWindows disabledWindows(nullptr);
    result = MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
  }
  if (owner != FHandle && IsWindowEnabled(owner)) SetActiveWindow(owner);
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
  return FHandle;
}

void TApplication::ModalStarted(TForm& form) {
  if (FModalHandler) FModalHandler(form);
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
