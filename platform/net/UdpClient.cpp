#include "platform/net/UdpClient.h"

#include "platform/classes/ClassBuilder.h"
#include "platform/net/AntiFreeze.h"

namespace {

bool WaitOneSlice(TUdpSocket& socket, uint32_t sliceMs, TIdAntiFreeze& antiFreeze) {
  if (socket.WaitReadable(sliceMs)) return true;
  antiFreeze.DoProcess();
  return false;
}

// A wait longer than the idle slice is cut into the bulk of the time and a last
// idle slice; window messages are processed after each slice that ends empty.
bool WaitInSlices(TUdpSocket& socket, uint32_t timeoutMs, TIdAntiFreeze& antiFreeze) {
  const uint32_t idleSlice = antiFreeze.IdleTimeOut();
  if (timeoutMs <= idleSlice) return WaitOneSlice(socket, timeoutMs, antiFreeze);
  return WaitOneSlice(socket, timeoutMs - idleSlice, antiFreeze) || WaitOneSlice(socket, idleSlice, antiFreeze);
}

bool WaitForDatagram(TUdpSocket& socket, uint32_t timeoutMs) {
  TIdAntiFreeze* antiFreeze = TIdAntiFreeze::Active();
  if (antiFreeze == nullptr) return socket.WaitReadable(timeoutMs);
  return WaitInSlices(socket, timeoutMs, *antiFreeze);
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

std::string TIdUDPClient::ReceiveString(uint32_t timeoutMs, TPeer& peer) {
  peer = TPeer();
  if (!WaitForDatagram(Socket(), timeoutMs)) return "";
  return Socket().ReceiveFrom(peer);
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
