#include "platform/net/UdpClient.h"

#include <chrono>

#include "platform/classes/ClassBuilder.h"
#include "platform/net/AntiFreeze.h"

namespace {

using TClock = std::chrono::steady_clock;

uint32_t MillisecondsUntil(TClock::time_point end) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(end - TClock::now()).count();
  return left > 0 ? static_cast<uint32_t>(left) : 0;
}

// One wait that ends at `end` or with a datagram `accept` takes; the ones it
// refuses are dropped, and a stream of them cannot keep the wait going.
bool ReceiveUntil(TUdpSocket& socket, TClock::time_point end, const TIdUDPClient::TDatagramFilter& accept,
                  std::string& datagram, TPeer& peer) {
  do {
    if (!socket.WaitReadable(MillisecondsUntil(end))) return false;
    datagram = socket.ReceiveFrom(peer);
    if (!accept || accept(datagram, peer)) return true;
  } while (TClock::now() < end);
  return false;
}

// A wait longer than the idle slice is cut into the bulk of the time and a last
// idle slice; window messages are processed after each slice that ends without
// the datagram waited for.
bool ReceiveInSlices(TUdpSocket& socket, uint32_t timeoutMs, const TIdUDPClient::TDatagramFilter& accept,
                     std::string& datagram, TPeer& peer) {
  const TClock::time_point end = TClock::now() + std::chrono::milliseconds(timeoutMs);
  TIdAntiFreeze* antiFreeze = TIdAntiFreeze::Active();
  if (antiFreeze == nullptr) return ReceiveUntil(socket, end, accept, datagram, peer);
  const std::chrono::milliseconds idleSlice(antiFreeze->IdleTimeOut());
  if (std::chrono::milliseconds(timeoutMs) > idleSlice) {
    if (ReceiveUntil(socket, end - idleSlice, accept, datagram, peer)) return true;
    antiFreeze->DoProcess();
  }
  if (ReceiveUntil(socket, end, accept, datagram, peer)) return true;
  antiFreeze->DoProcess();
  return false;
}

}  // namespace

TIdUDPClient::TIdUDPClient(TComponent* owner) : TComponent(owner) {}

TClass TIdUDPClient::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TIdUDPClient>("TIdUDPClient", TComponent::StaticClass())
          .String("Host", &TIdUDPClient::Host, &TIdUDPClient::SetHost)
          .Integer("Port", &TIdUDPClient::Port, &TIdUDPClient::SetPort)
          .Integer("ReceiveTimeout", &TIdUDPClient::ReceiveTimeout, &TIdUDPClient::SetReceiveTimeout)
          .Boolean("BroadcastEnabled", &TIdUDPClient::BroadcastEnabled, &TIdUDPClient::SetBroadcastEnabled, false)
          .Build();
  return &metaClass;
}

TIdUDPClient::~TIdUDPClient() = default;

void TIdUDPClient::SetBroadcastEnabled(bool enabled) {
  FBroadcastEnabled = enabled;
  if (FSocket) FSocket->SetBroadcast(enabled);
}

void TIdUDPClient::Send(const std::string& host, uint16_t port, const std::string& datagram) {
  Socket().SendTo(host, port, datagram);
}

std::string TIdUDPClient::ReceiveString(uint32_t timeoutMs, TPeer& peer, const TDatagramFilter& accept) {
  std::string datagram;
  if (ReceiveInSlices(Socket(), timeoutMs, accept, datagram, peer)) return datagram;
  peer = TPeer();
  return "";
}

void TIdUDPClient::DiscardPending() {
  if (FSocket) FSocket->DiscardPending();
}

// Bound at once to an ephemeral port, so a receive before the first send
// waits like any other instead of failing on an unbound socket.
TUdpSocket& TIdUDPClient::Socket() {
  if (!FSocket) {
    auto socket = std::make_unique<TUdpSocket>();
    socket->Bind("", 0);
    if (FBroadcastEnabled) socket->SetBroadcast(true);
    FSocket = std::move(socket);
  }
  return *FSocket;
}
