#pragma once
// Fixed ports (161, 162) in the Windows tests: a program that a test before
// stopped may hold its port for a moment longer (Wine releases a socket a
// little after its process ends), so a bind is tried again for a few seconds
// before it counts as failed, and then the failure names who holds the port.
#include <chrono>
#include <cstdint>
#include <string>
#include <thread>

#include "platform/net/UdpSocket.h"
#include "tests/support/UdpPortHolders.h"

namespace fixed_port_detail {

constexpr auto kFreeWithin = std::chrono::seconds(5);
constexpr auto kRetryPause = std::chrono::milliseconds(50);

inline bool TryBind(TUdpSocket& socket, const std::string& address, uint16_t port) {
  try {
    socket.Bind(address, port);
    return true;
  } catch (const ESocketError&) {
    return false;
  }
}

}  // namespace fixed_port_detail

inline void BindWhenFree(TUdpSocket& socket, const std::string& address, uint16_t port) {
  using namespace fixed_port_detail;
  const auto deadline = std::chrono::steady_clock::now() + kFreeWithin;
  while (!TryBind(socket, address, port)) {
    if (std::chrono::steady_clock::now() > deadline)
      throw ESocketError("Could not bind socket. Address and port are already in use. " + DescribeUdpPortHolders(port));
    std::this_thread::sleep_for(kRetryPause);
  }
}

// Waits until the port is free on that address (an empty one: every address),
// so the next test that binds it does not race the one that just let it go;
// false when it is still taken after a few seconds.
inline bool WaitUntilUdpPortFree(const std::string& address, uint16_t port) {
  using namespace fixed_port_detail;
  const auto deadline = std::chrono::steady_clock::now() + kFreeWithin;
  for (;;) {
    TUdpSocket probe;
    if (TryBind(probe, address, port)) return true;
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(kRetryPause);
  }
}
