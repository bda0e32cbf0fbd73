#pragma once
// TIdUDPServer: receives datagrams on one port of every local address. A
// listener thread takes the datagrams that wait and hands them, in the order
// they came, to the thread that activated the server, waiting until the
// handler has returned for each, so handlers run on the GUI thread only and
// one at a time.
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>

#include "platform/classes/Component.h"
#include "platform/net/UdpSocket.h"

class TIdUDPServer : public TComponent {
 public:
  using TUDPReadEvent = std::function<void(const std::string& datagram, const TPeer& peer)>;
  using TExceptionEvent = std::function<void(const std::exception& error)>;

  explicit TIdUDPServer(TComponent* owner = nullptr);
  ~TIdUDPServer() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  uint16_t DefaultPort() const { return FDefaultPort; }
  void SetDefaultPort(uint16_t port) { FDefaultPort = port; }
  bool Active() const { return FListener != nullptr; }
  // Activating binds DefaultPort on all addresses (ESocketError when it cannot)
  // and starts listening; deactivating stops the listener and returns once it
  // has ended. Both are called on the GUI thread. While a form reads the
  // server, activation waits until every property is set.
  void SetActive(bool active);
  void Loaded() override;

  const TUDPReadEvent& OnUDPRead() const { return FOnUDPRead; }
  void SetOnUDPRead(TUDPReadEvent handler) { FOnUDPRead = std::move(handler); }
  // Receives what the read handler raised (listening goes on) and a failure of
  // the listener's socket (listening ends).
  const TExceptionEvent& OnException() const { return FOnException; }
  void SetOnException(TExceptionEvent handler) { FOnException = std::move(handler); }

 private:
  class TListener;

  uint16_t FDefaultPort = 0;
  bool FActivateWhenLoaded = false;
  TUDPReadEvent FOnUDPRead;
  TExceptionEvent FOnException;
  // True while a hand-off runs the read handler on the GUI thread.
  bool FDelivering = false;
  std::unique_ptr<TListener> FListener;
};
