#include "platform/net/UdpSocket.h"

#include <memory>

#include "platform/rtl/SysUtils.h"

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
// The interface table's declarations build on winsock2.h.
#include <iphlpapi.h>

#include <vector>
#else
#include <arpa/inet.h>
#include <ifaddrs.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>
#endif

namespace {

#ifdef _WIN32

using TNativeSocket = SOCKET;
using TTransferSize = int;
constexpr int kErrorAddressInUse = WSAEADDRINUSE;
constexpr int kErrorMessageSize = WSAEMSGSIZE;
// What a later receive reports when an earlier datagram could not be delivered.
constexpr int kErrorUndeliverable = WSAECONNRESET;
// Not in every toolchain's headers: _WSAIOW(IOC_VENDOR, 12).
constexpr DWORD kIoctlUdpConnectionReset = 0x9800000C;

int LastSocketError() { return WSAGetLastError(); }

std::string SystemErrorText(int code) {
  char* text = nullptr;
  const DWORD length =
      FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<char*>(&text), 0, nullptr);
  if (length == 0) return "System error " + IntToStr(code);
  std::string message(text, length);
  LocalFree(text);
  return Trim(message);
}

std::string ResolverErrorText(int code) { return SystemErrorText(code); }

// Winsock must be started once per process before its first use; it is left
// to the process's end to stop it.
void StartSockets() {
  static const int result = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data);
  }();
  if (result != 0) throw ESocketError(SystemErrorText(result));
}

TNativeSocket OpenNativeSocket() {
  StartSockets();
  // Not inheritable: a child process (the simulated devices a test starts)
  // would otherwise keep the port bound after this socket is closed.
  const SOCKET handle = WSASocketW(AF_INET, SOCK_DGRAM, IPPROTO_UDP, nullptr, 0, WSA_FLAG_NO_HANDLE_INHERIT);
  if (handle == INVALID_SOCKET) return handle;
  // Otherwise an ICMP "port unreachable" for a request to a silent device makes
  // the next receive fail instead of simply waiting for its time-out.
  BOOL reportUndeliverable = FALSE;
  DWORD unused = 0;
  WSAIoctl(handle, kIoctlUdpConnectionReset, &reportUndeliverable, sizeof reportUndeliverable, nullptr, 0, &unused,
           nullptr, nullptr);
  return handle;
}

bool IsValid(TNativeSocket handle) { return handle != INVALID_SOCKET; }
void CloseNativeSocket(TNativeSocket handle) { closesocket(handle); }

int WaitForInput(TNativeSocket handle, uint32_t timeoutMs) {
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(handle, &readable);
  timeval limit{static_cast<long>(timeoutMs / 1000), static_cast<long>(timeoutMs % 1000 * 1000)};
  return select(0, &readable, nullptr, nullptr, &limit);
}

// Calls `visit` with the address and mask (network order) of each IPv4
// address the interfaces have; an unreadable table gives none.
template <class F>
void ForEachInterfaceAddress(F&& visit) {
  ULONG size = 0;
  if (GetIpAddrTable(nullptr, &size, FALSE) != ERROR_INSUFFICIENT_BUFFER) return;
  std::vector<char> buffer(size);
  auto* table = reinterpret_cast<MIB_IPADDRTABLE*>(buffer.data());
  if (GetIpAddrTable(table, &size, FALSE) != NO_ERROR) return;
  for (DWORD i = 0; i < table->dwNumEntries; ++i) visit(table->table[i].dwAddr, table->table[i].dwMask);
}

#else

using TNativeSocket = int;
using TTransferSize = size_t;
constexpr int kErrorAddressInUse = EADDRINUSE;
constexpr int kErrorMessageSize = EMSGSIZE;
constexpr int kErrorUndeliverable = ECONNREFUSED;

int LastSocketError() { return errno; }
std::string SystemErrorText(int code) { return std::strerror(code); }
std::string ResolverErrorText(int code) { return code == EAI_SYSTEM ? SystemErrorText(errno) : gai_strerror(code); }
void StartSockets() {}

TNativeSocket OpenNativeSocket() { return socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_UDP); }
bool IsValid(TNativeSocket handle) { return handle >= 0; }
void CloseNativeSocket(TNativeSocket handle) { close(handle); }

// A signal interrupts a wait; it goes on until the time is really up.
int WaitForInput(TNativeSocket handle, uint32_t timeoutMs) {
  using namespace std::chrono;
  const auto deadline = steady_clock::now() + milliseconds(timeoutMs);
  for (;;) {
    pollfd entry{handle, POLLIN, 0};
    const auto left = duration_cast<milliseconds>(deadline - steady_clock::now()).count();
    const int result = poll(&entry, 1, static_cast<int>(std::clamp<decltype(left)>(left, 0, INT_MAX)));
    if (result >= 0 || errno != EINTR) return result;
  }
}

template <class F>
void ForEachInterfaceAddress(F&& visit) {
  ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) return;
  const std::unique_ptr<ifaddrs, decltype(&freeifaddrs)> owner(list, &freeifaddrs);
  for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
    if (entry->ifa_addr == nullptr || entry->ifa_netmask == nullptr || entry->ifa_addr->sa_family != AF_INET) continue;
    visit(reinterpret_cast<const sockaddr_in*>(entry->ifa_addr)->sin_addr.s_addr,
          reinterpret_cast<const sockaddr_in*>(entry->ifa_netmask)->sin_addr.s_addr);
  }
}

#endif

[[noreturn]] void RaiseSocketError(int code) { throw ESocketError(SystemErrorText(code)); }

TNativeSocket Native(intptr_t handle) { return static_cast<TNativeSocket>(handle); }

bool IsDottedAddress(const std::string& host) {
  in_addr address;
  return inet_pton(AF_INET, host.c_str(), &address) == 1;
}

std::string AddressText(const in_addr& address) {
  char text[INET_ADDRSTRLEN] = {};
  inet_ntop(AF_INET, &address, text, sizeof text);
  return text;
}

std::string LookUpName(const std::string& host) {
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_DGRAM;
  addrinfo* found = nullptr;
  const int result = getaddrinfo(host.c_str(), nullptr, &hints, &found);
  if (result != 0) throw ESocketError(ResolverErrorText(result));
  const std::unique_ptr<addrinfo, decltype(&freeaddrinfo)> owner(found, &freeaddrinfo);
  return AddressText(reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr);
}

// `dottedAddress` comes from ResolveHost; empty text stands for all local addresses.
sockaddr_in SocketAddress(const std::string& dottedAddress, uint16_t port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr.s_addr = htonl(INADDR_ANY);
  if (!dottedAddress.empty()) inet_pton(AF_INET, dottedAddress.c_str(), &address.sin_addr);
  return address;
}

void SetIntegerOption(intptr_t handle, int option, int value) {
  if (setsockopt(Native(handle), SOL_SOCKET, option, reinterpret_cast<const char*>(&value), sizeof value) != 0) {
    RaiseSocketError(LastSocketError());
  }
}

}  // namespace

std::string ResolveHost(const std::string& host) {
  if (SameText(host, "LOCALHOST")) return "127.0.0.1";
  StartSockets();
  if (IsDottedAddress(host)) return host;
  return LookUpName(host);
}

bool IsBroadcastAddress(const std::string& dottedAddress) {
  StartSockets();
  in_addr address;
  if (inet_pton(AF_INET, dottedAddress.c_str(), &address) != 1) return false;
  if (address.s_addr == htonl(INADDR_BROADCAST)) return true;
  bool directed = false;
  ForEachInterfaceAddress([&](uint32_t interfaceAddress, uint32_t mask) {
    // A network of one or two addresses has no broadcast address.
    const bool hasBroadcast = (ntohl(~mask) & 0xFFFFFFFE) != 0;
    directed = directed || (hasBroadcast && address.s_addr == ((interfaceAddress & mask) | ~mask));
  });
  return directed;
}

TUdpSocket::TUdpSocket() {
  const TNativeSocket handle = OpenNativeSocket();
  if (!IsValid(handle)) RaiseSocketError(LastSocketError());
  FHandle = static_cast<intptr_t>(handle);
}

TUdpSocket::~TUdpSocket() { CloseNativeSocket(Native(FHandle)); }

void TUdpSocket::Bind(const std::string& address, uint16_t port) {
  const sockaddr_in local = SocketAddress(address.empty() ? address : ResolveHost(address), port);
  if (bind(Native(FHandle), reinterpret_cast<const sockaddr*>(&local), sizeof local) == 0) return;
  const int error = LastSocketError();
  if (error == kErrorAddressInUse) throw ESocketError("Could not bind socket. Address and port are already in use.");
  RaiseSocketError(error);
}

uint16_t TUdpSocket::LocalPort() const {
  sockaddr_in local{};
  socklen_t size = sizeof local;
  if (getsockname(Native(FHandle), reinterpret_cast<sockaddr*>(&local), &size) != 0) {
    RaiseSocketError(LastSocketError());
  }
  return ntohs(local.sin_port);
}

void TUdpSocket::SetBroadcast(bool enabled) { SetIntegerOption(FHandle, SO_BROADCAST, enabled ? 1 : 0); }

void TUdpSocket::SetReceiveBufferSize(int octets) { SetIntegerOption(FHandle, SO_RCVBUF, octets); }

void TUdpSocket::SendTo(const std::string& host, uint16_t port, const std::string& datagram) {
  const sockaddr_in peer = SocketAddress(ResolveHost(host), port);
  const auto sent = sendto(Native(FHandle), datagram.data(), static_cast<TTransferSize>(datagram.size()), 0,
                           reinterpret_cast<const sockaddr*>(&peer), sizeof peer);
  if (sent < 0) {
    const int error = LastSocketError();
    if (error == kErrorMessageSize) throw ESocketError("Package Size Too Big.");
    RaiseSocketError(error);
  }
  if (static_cast<size_t>(sent) != datagram.size()) throw ESocketError("Not all bytes sent.");
}

bool TUdpSocket::WaitReadable(uint32_t timeoutMs) {
  const int result = WaitForInput(Native(FHandle), timeoutMs);
  if (result < 0) RaiseSocketError(LastSocketError());
  return result > 0;
}

std::string TUdpSocket::ReceiveFrom(TPeer& peer) {
  char buffer[kMaxDatagramSize];
  sockaddr_in source{};
  socklen_t size = sizeof source;
  auto received = recvfrom(Native(FHandle), buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&source), &size);
  if (received < 0) {
    // Winsock reports a datagram longer than the buffer as an error after
    // filling the buffer with its beginning; the rest is lost either way.
    if (LastSocketError() != kErrorMessageSize) RaiseSocketError(LastSocketError());
    received = sizeof buffer;
  }
  peer.IP = AddressText(source.sin_addr);
  peer.Port = ntohs(source.sin_port);
  return std::string(buffer, static_cast<size_t>(received));
}

void TUdpSocket::DiscardPending() {
  char buffer[1];
  while (WaitReadable(0)) {
    if (recv(Native(FHandle), buffer, sizeof buffer, 0) >= 0) continue;
    const int error = LastSocketError();
    if (error != kErrorMessageSize && error != kErrorUndeliverable) return;
  }
}
