#pragma once
// TIdAntiFreeze: while one exists, a client that waits for a datagram on the
// GUI thread lets that thread process its window messages between wait slices,
// so the windows stay responsive during a request.
#include <cstdint>
#include <functional>

class TIdAntiFreeze {
 public:
  // `processMessages` dispatches the window messages pending for the calling thread.
  explicit TIdAntiFreeze(std::function<void()> processMessages);
  ~TIdAntiFreeze();
  TIdAntiFreeze(const TIdAntiFreeze&) = delete;
  TIdAntiFreeze& operator=(const TIdAntiFreeze&) = delete;

  // The last slice of a wait, in milliseconds.
  uint32_t IdleTimeOut() const { return kIdleTimeOut; }
  void DoProcess() { FProcessMessages(); }

  // The newest anti-freeze still alive, or nullptr when there is none.
  static TIdAntiFreeze* Active();

 private:
  static constexpr uint32_t kIdleTimeOut = 250;

  std::function<void()> FProcessMessages;
};
