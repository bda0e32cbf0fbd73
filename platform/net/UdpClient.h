#pragma once
// TIdUDPClient: a UDP client that keeps one socket from request to request and
// waits for an answer in slices, letting the anti-freeze process window
// messages between them.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/classes/Component.h"
#include "platform/net/UdpSocket.h"

class TIdUDPClient : public TComponent {
 public:
  explicit TIdUDPClient(TComponent* owner = nullptr);
  ~TIdUDPClient() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  const std::string& Host() const { return FHost; }
  void SetHost(const std::string& host) { FHost = host; }
  uint16_t Port() const { return FPort; }
  void SetPort(uint16_t port) { FPort = port; }
  uint32_t ReceiveTimeout() const { return FReceiveTimeout; }
  void SetReceiveTimeout(uint32_t ms) { FReceiveTimeout = ms; }
  bool BroadcastEnabled() const { return FBroadcastEnabled; }
  void SetBroadcastEnabled(bool enabled);

  // One datagram to host and port (ESocketError on failure).
  void Send(const std::string& host, uint16_t port, const std::string& datagram);
  // Whether a datagram that came during a wait is the one waited for.
  using TDatagramFilter = std::function<bool(const std::string& datagram, const TPeer& peer)>;

  // Waits at most timeoutMs for one datagram that `accept` takes (any, when
  // none is given); the others are read and dropped while the same time runs
  // on. "" with an empty peer when none came.
  std::string ReceiveString(uint32_t timeoutMs, TPeer& peer, const TDatagramFilter& accept = {});
  // Drops what is already queued on the socket (a reply that came too late).
  void DiscardPending();

 private:
  TUdpSocket& Socket();

  std::string FHost;
  uint16_t FPort = 0;
  uint32_t FReceiveTimeout = 0;
  bool FBroadcastEnabled = false;
  std::unique_ptr<TUdpSocket> FSocket;
};
