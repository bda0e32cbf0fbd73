#pragma once
// Runs the GUI thread's messages until a condition holds, as the program's own
// loop would, for at most `timeoutMs`.
#include <chrono>
#include <functional>

#include "platform/controls/core/Application.h"

inline bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    Application().WaitForMessages(20);
    Application().ProcessMessages();
  }
  return true;
}
