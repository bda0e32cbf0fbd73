#pragma once
// TApplication: the program's application object. It owns the forms the
// program body creates (the first is the main form), a hidden top-level
// window of class "TApplication" titled with the application's title, and
// the message loop of the GUI thread; every wait that must keep the windows
// responsive goes through ProcessMessages. Message boxes and modal forms pass
// through two replaceable handlers, so tests record and answer them.
#include <windows.h>
// The class library's own MessageBox is the member below; Win32 is called as MessageBoxA.
#undef MessageBox

#include <cstdint>
#include <functional>
#include <string>

#include "platform/classes/Component.h"
#include "platform/classes/UtilWindow.h"
#include "platform/rtl/Units.h"

class TControl;
class TForm;
class TWinControl;

class TApplication : public TComponent {
 public:
  using TMessageBoxHandler = std::function<int(const std::string& text, const std::string& caption, UINT flags)>;
  using TModalHandler = std::function<void(TForm& form)>;

  TApplication();
  ~TApplication() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  // Registers the control classes the form reader creates, loads the common
  // controls, makes the hidden application window and starts the units the
  // program names, in their order (the class library's own first).
  void Initialize(const std::vector<TUnitInfo>& units = {});
  HWND Handle() const { return FHandle.Handle(); }
  const std::string& Title() const { return FTitle; }
  // Whether the formats built from the regional settings follow a change of
  // the settings while the program runs; a program with fixed formats of
  // its own clears it.
  bool UpdateFormatSettings() const { return FUpdateFormatSettings; }
  void SetUpdateFormatSettings(bool value) { FUpdateFormatSettings = value; }
  void SetTitle(const std::string& title);

  // Creates a form of class T owned by the application and points `reference`
  // at it; the first form created is the main form.
  template <class T>
  void CreateForm(T*& reference) {
    reference = CreateComponent<T>(this);
    if (!FMainForm) FMainForm = reference;
  }
  TForm* MainForm() const { return FMainForm; }

  // Shows the main form and runs messages until Terminate; then finishes.
  void Run();
  // Frees the forms, newest first, and ends the units in reverse order of
  // their start: the end of Run, and of a start-up that failed.
  void Finish();
  // Ends Run (and any modal loop) once the messages posted before it have
  // run; input still queued then is never dispatched.
  void Terminate();
  bool Terminated() const { return FTerminated; }

  // Dispatches every window message already queued for this thread, then returns.
  // A WM_QUIT taken from the queue marks the application as terminated, and
  // from then on nothing more is dispatched; the quit is queued again, with
  // its exit code, for every loop around this one.
  void ProcessMessages();
  // Sleeps until a message arrives for this thread or the time runs out.
  void WaitForMessages(uint32_t timeoutMs);
  // Waits for at least one message and dispatches what is queued. Once the
  // application is terminated the queued quit wakes it at once, so a loop
  // around it must end on Terminated or it spins.
  void HandleMessage();

  // Called inside a catch block: shows the exception being handled in a
  // message box and returns, so the program goes on.
  void HandleException(TObject* sender) noexcept;

  // A message box owned by the active form (the main form, or the application
  // window before there is one) and modal to the program; the result is the
  // button pressed (IDOK, IDYES...). A handler set here answers instead.
  int MessageBox(const std::string& text, const std::string& caption, UINT flags);
  void SetMessageBoxHandler(TMessageBoxHandler handler) { FMessageBoxHandler = std::move(handler); }

  // Runs when a form has become modal and is shown; it may set controls,
  // press buttons or set the form's ModalResult.
  void SetModalHandler(TModalHandler handler) { FModalHandler = std::move(handler); }
  void ModalStarted(TForm& form);

  // The control that has the mouse capture: a windowed control whose window
  // holds it, or a graphic control while its parent's window holds it.
  TControl* CaptureControl() const;
  void SetCaptureControl(TControl* control);
  // The window of `window` lost the capture (WM_CAPTURECHANGED): a graphic control on it lost it too.
  void CaptureLost(TWinControl* window);
  // The control under the pointer. A change sends CM_MOUSELEAVE to the old
  // one and CM_MOUSEENTER to the new one.
  TControl* MouseControl() const { return FMouseControl; }
  void SetMouseControl(TControl* control);
  // The pointer left the window of `control` (WM_MOUSELEAVE).
  void MouseLeftWindow(TWinControl* control);
  // A control on its way out: nothing here points at it any more.
  void ControlDestroying(TControl* control);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void CreateHandle();
  bool WindowMessage(TMessage& message);
  // A key for one of our controls goes to it as CN_KEYDOWN, CN_CHAR... first;
  // true when it took the key.
  bool IsKeyMessage(const MSG& message);
  // The active form's window, else the shown main form's, else the application window.
  HWND ActiveFormHandle() const;
  // Tab, Enter, Escape and mnemonics in a form go to the dialog manager,
  // which handles or dispatches the message itself.
  bool IsDialogKeyMessage(MSG& message);

  TUtilWindow FHandle;
  std::string FTitle;
  TForm* FMainForm = nullptr;
  bool FTerminated = false;
  bool FUpdateFormatSettings = true;
  TMessageBoxHandler FMessageBoxHandler;
  TModalHandler FModalHandler;
  TControl* FCaptureControl = nullptr;
  TControl* FMouseControl = nullptr;
};

TApplication& Application();

// A message box with the application's title and an OK button.
void ShowMessage(const std::string& text);
