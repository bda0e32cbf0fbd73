#pragma once
// TIdAntiFreeze: while one exists, a client that waits for a datagram on the
// GUI thread lets that thread process its window messages between wait slices,
// so the windows stay responsive during a request.
#include <cstdint>
#include <functional>

#include "platform/classes/Component.h"

class TIdAntiFreeze : public TComponent {
 public:
  explicit TIdAntiFreeze(TComponent* owner = nullptr);
  ~TIdAntiFreeze() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  // What dispatches the window messages pending for the GUI thread; the
  // socket layer knows no windows, so the application supplies it.
  void SetOnProcessMessages(std::function<void()> processMessages) { FProcessMessages = std::move(processMessages); }

  // The last slice of a wait, in milliseconds.
  uint32_t IdleTimeOut() const { return kIdleTimeOut; }
  void DoProcess() {
    if (FProcessMessages) FProcessMessages();
  }

  // The newest anti-freeze still alive, or nullptr when there is none.
  static TIdAntiFreeze* Active();

 private:
  static constexpr uint32_t kIdleTimeOut = 250;

  std::function<void()> FProcessMessages;
};
