// Sends a flood of SNMPv2c LOA traps, raised and cleared in turn, for one NE
// address to a dotted IPv4 address and port, and prints how long the sending
// took. The datagrams are encoded before the clock starts and go out in
// batches of one system call each, so the flood takes a few hundredths of a
// second even on a loaded machine.
// Usage: TrapFlood <address> <port> <NE address> <count>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/agent/SnmpMessage.h"
#include "tools/agent/Traps.h"

namespace {

constexpr int kLoaTrap = 11;
constexpr int kDevicePort = 1;
constexpr uint32_t kUptimeTicks = 100;
constexpr int kBatch = 256;

std::string LoaTrap(uint32_t neAddress, bool raised) {
  const TTrapSource source{SnmpVersion::V2c, "public", std::string("\x7F\x00\x00\x01", 4), neAddress};
  return DeviceTrap(source, kLoaTrap, kDevicePort, raised ? 1 : 0, kUptimeTicks);
}

}  // namespace

int main(int argc, char** argv) {
  sockaddr_in target{};
  target.sin_family = AF_INET;
  if (argc != 5 || inet_pton(AF_INET, argv[1], &target.sin_addr) != 1) {
    std::fprintf(stderr, "usage: TrapFlood <address> <port> <NE address> <count>\n");
    return 2;
  }
  target.sin_port = htons(static_cast<uint16_t>(std::atoi(argv[2])));
  const auto neAddress = static_cast<uint32_t>(std::atoi(argv[3]));
  const int count = std::atoi(argv[4]);
  std::string traps[] = {LoaTrap(neAddress, true), LoaTrap(neAddress, false)};

  // Raised and cleared in turn, message i of a batch like trap i of the flood, the batch being even.
  std::vector<iovec> parts(kBatch);
  std::vector<mmsghdr> messages(kBatch);
  for (int i = 0; i < kBatch; ++i) {
    parts[i] = {traps[i % 2].data(), traps[i % 2].size()};
    messages[i].msg_hdr.msg_name = &target;
    messages[i].msg_hdr.msg_namelen = sizeof target;
    messages[i].msg_hdr.msg_iov = &parts[i];
    messages[i].msg_hdr.msg_iovlen = 1;
  }
  const int socket = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
  if (socket < 0) {
    std::perror("TrapFlood: socket");
    return 1;
  }
  const auto start = std::chrono::steady_clock::now();
  for (int sent = 0; sent < count;) {
    // After a batch sent in part, the next one goes on from where it stopped.
    const int first = sent % kBatch;
    const int batch = std::min(kBatch - first, count - sent);
    const int result = sendmmsg(socket, messages.data() + first, static_cast<unsigned>(batch), 0);
    if (result < 0) {
      std::perror("TrapFlood: sendmmsg");
      return 1;
    }
    sent += result;
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  close(socket);
  std::printf("%d traps sent in %.3f s\n", count, seconds);
  return 0;
}
