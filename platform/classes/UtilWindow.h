#pragma once
// Hidden windows that hand their messages to a closure: the application
// window, the popup menus' command window, the UDP server's hand-off, and the
// timer and notification windows of the control library. They are hidden
// top-level windows, not message-only ones, so that broadcasts such as
// WM_SYSCOLORCHANGE, WM_SETTINGCHANGE and WM_THEMECHANGED reach them.
//
// The closure is bound to the window at WM_NCCREATE, like every control, and
// answers whether it handled the message; the rest goes to DefWindowProc. An
// exception it throws goes to the application's handler, never through Win32.
#include <windows.h>

#include <functional>
#include <string>
#include <utility>

#include "platform/classes/Component.h"
#include "platform/classes/Messages.h"

using TWndMethod = std::function<bool(TMessage& message)>;

struct TUtilWindowParams {
  // One class serves every hidden window; the application window alone needs
  // a class of its own name, by which another copy of the program finds it.
  std::string ClassName = "TPUtilWindow";
  std::string Title;
  DWORD Style = WS_POPUP;
  DWORD ExStyle = 0;
};

HWND AllocateHWnd(TWndMethod method, const TUtilWindowParams& params = {});
void DeallocateHWnd(HWND window);

// Where an exception from a window procedure or a hand-off goes; the
// application installs its handler when it starts.
using TExceptionHandler = std::function<void(TObject* sender)>;
void SetApplicationExceptionHandler(TExceptionHandler handler);
// Called inside a catch block.
void HandleApplicationException(TObject* sender) noexcept;

// Owns a window made by AllocateHWnd.
class TUtilWindow {
 public:
  TUtilWindow() = default;
  TUtilWindow(TWndMethod method, const TUtilWindowParams& params = {})
      : FHandle(AllocateHWnd(std::move(method), params)) {}
  ~TUtilWindow() { Reset(); }
  TUtilWindow(TUtilWindow&& other) noexcept : FHandle(std::exchange(other.FHandle, nullptr)) {}
  TUtilWindow& operator=(TUtilWindow&& other) noexcept {
    if (this != &other) {
      Reset();
      FHandle = std::exchange(other.FHandle, nullptr);
    }
    return *this;
  }

  HWND Handle() const { return FHandle; }
  explicit operator bool() const { return FHandle != nullptr; }
  void Reset();

 private:
  HWND FHandle = nullptr;
};

// Owns a window of a control; the control lets go of it when the system
// destroys the window with its parent.
class TWindowHandle {
 public:
  TWindowHandle() = default;
  ~TWindowHandle() { Reset(); }
  TWindowHandle(const TWindowHandle&) = delete;
  TWindowHandle& operator=(const TWindowHandle&) = delete;

  HWND Get() const { return FHandle; }
  void Attach(HWND window) { FHandle = window; }
  void Detach() { FHandle = nullptr; }
  // Destroys the window; its WM_NCDESTROY detaches it.
  void Reset();

 private:
  HWND FHandle = nullptr;
};
