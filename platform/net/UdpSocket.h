#pragma once
// TUdpSocket: one IPv4 UDP socket over the system's socket API (Winsock on
// Windows, BSD sockets elsewhere), so the same code serves the program and the
// simulated device agent.
#include <cstdint>
#include <string>

#include "platform/rtl/Exceptions.h"

class ESocketError : public Exception {
 public:
  using Exception::Exception;
};

// The address and port a datagram came from.
struct TPeer {
  std::string IP;
  uint16_t Port = 0;
};

// The largest datagram a receive returns; longer ones are cut.
constexpr size_t kMaxDatagramSize = 8192;

class TUdpSocket {
 public:
  TUdpSocket();
  ~TUdpSocket();
  TUdpSocket(const TUdpSocket&) = delete;
  TUdpSocket& operator=(const TUdpSocket&) = delete;

  // An empty address binds all local addresses. A port in use raises
  // "Could not bind socket. Address and port are already in use.".
  void Bind(const std::string& address, uint16_t port);
  uint16_t LocalPort() const;
  void SetBroadcast(bool enabled);
  // Room the system keeps for datagrams not yet read (it may grant less).
  void SetReceiveBufferSize(int octets);

  // One datagram. Raises "Package Size Too Big." when the network refuses its
  // size and "Not all bytes sent." when fewer octets left than were given.
  void SendTo(const std::string& host, uint16_t port, const std::string& datagram);
  // True when a datagram is waiting; false when the time ran out.
  bool WaitReadable(uint32_t timeoutMs);
  // One waiting datagram, at most kMaxDatagramSize octets, and its sender.
  std::string ReceiveFrom(TPeer& peer);
  // Drops every datagram already queued, without waiting.
  void DiscardPending();

 private:
  intptr_t FHandle;
};

// "LOCALHOST" in any case is 127.0.0.1, a dotted address stays as it is, any
// other name goes through the system's resolver (ESocketError when unknown).
std::string ResolveHost(const std::string& host);
// True for the limited broadcast address 255.255.255.255 and for the directed
// broadcast address of a network one of this machine's interfaces is on.
// `dottedAddress` comes from ResolveHost.
bool IsBroadcastAddress(const std::string& dottedAddress);
