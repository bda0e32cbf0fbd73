#pragma once
// TApplication: the program's application object. The message loop of the GUI
// thread lives here; every wait that must keep the window responsive goes
// through ProcessMessages.
#include <cstdint>

class TApplication {
 public:
  // Dispatches every window message already queued for this thread, then returns.
  // A WM_QUIT taken from the queue marks the application as terminated.
  void ProcessMessages();
  // Sleeps until a message arrives for this thread or the time runs out.
  void WaitForMessages(uint32_t timeoutMs);

  bool Terminated() const { return FTerminated; }

 private:
  bool FTerminated = false;
};

TApplication& Application();
