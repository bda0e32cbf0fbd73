#pragma once
// Binding a fixed port (161, 162) in a test: a program that a test before
// stopped may hold it for a moment longer, so the bind is tried again for a
// few seconds before it counts as failed.
#include <chrono>
#include <cstdint>
#include <string>
#include <thread>

#include "platform/net/UdpSocket.h"

inline void BindWhenFree(TUdpSocket& socket, const std::string& address, uint16_t port) {
  constexpr int kAttempts = 50;
  for (int attempt = 1;; ++attempt) {
    try {
      socket.Bind(address, port);
      return;
    } catch (const ESocketError&) {
      if (attempt == kAttempts) throw;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
  }
}
