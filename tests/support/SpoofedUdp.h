#pragma once
// A UDP datagram that really leaves from another loopback address. Wine binds
// a socket meant for 127.0.0.x to every address and sends its datagrams from
// 127.0.0.1, so the datagram is written whole, IPv4 header included, through a
// raw socket (the tests run as root, as the fixed ports need anyway).
#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstdint>
#include <string>

#include "platform/net/UdpSocket.h"

namespace spoofed_udp_detail {

inline void PutBigEndian16(std::string& octets, size_t at, size_t value) {
  octets[at] = static_cast<char>(value >> 8);
  octets[at + 1] = static_cast<char>(value);
}

inline void PutAddress(std::string& octets, size_t at, const std::string& dotted) {
  in_addr address{};
  inet_pton(AF_INET, dotted.c_str(), &address);
  octets.replace(at, 4, reinterpret_cast<const char*>(&address), 4);
}

}  // namespace spoofed_udp_detail

// The UDP checksum is left out (0), which IPv4 allows; the system fills in the
// IP header's checksum and length.
inline void SendUdpFrom(const std::string& sourceIP, uint16_t sourcePort, const std::string& destinationIP,
                        uint16_t destinationPort, const std::string& payload) {
  using namespace spoofed_udp_detail;
  constexpr size_t kIpHeader = 20;
  constexpr size_t kUdpHeader = 8;
  std::string packet(kIpHeader + kUdpHeader, '\0');
  packet[0] = 0x45;  // version 4, five header words
  PutBigEndian16(packet, 2, packet.size() + payload.size());
  packet[8] = 64;  // time to live
  packet[9] = IPPROTO_UDP;
  PutAddress(packet, 12, sourceIP);
  PutAddress(packet, 16, destinationIP);
  PutBigEndian16(packet, kIpHeader, sourcePort);
  PutBigEndian16(packet, kIpHeader + 2, destinationPort);
  PutBigEndian16(packet, kIpHeader + 4, kUdpHeader + payload.size());
  packet += payload;

  const SOCKET raw = socket(AF_INET, SOCK_RAW, IPPROTO_RAW);
  if (raw == INVALID_SOCKET) throw ESocketError("No raw socket: " + std::to_string(WSAGetLastError()));
  const DWORD headerIncluded = 1;
  setsockopt(raw, IPPROTO_IP, IP_HDRINCL, reinterpret_cast<const char*>(&headerIncluded), sizeof headerIncluded);
  sockaddr_in destination{};
  destination.sin_family = AF_INET;
  inet_pton(AF_INET, destinationIP.c_str(), &destination.sin_addr);
  const int sent = sendto(raw, packet.data(), static_cast<int>(packet.size()), 0,
                          reinterpret_cast<const sockaddr*>(&destination), sizeof destination);
  const int error = WSAGetLastError();
  closesocket(raw);
  if (sent != static_cast<int>(packet.size())) throw ESocketError("Raw send failed: " + std::to_string(error));
}
