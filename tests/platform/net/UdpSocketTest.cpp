#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "platform/net/UdpSocket.h"

namespace {

constexpr uint32_t kArrivalMs = 2000;

// A socket on an ephemeral loopback port.
struct TLoopbackSocket : TUdpSocket {
  TLoopbackSocket() { Bind("127.0.0.1", 0); }
};

std::string ReceiveOne(TUdpSocket& socket, TPeer& peer) {
  EXPECT_TRUE(socket.WaitReadable(kArrivalMs));
  return socket.ReceiveFrom(peer);
}

std::string ExpectSocketError(const std::function<void()>& action) {
  try {
    action();
  } catch (const ESocketError& error) {
    return error.Message();
  }
  ADD_FAILURE() << "no ESocketError";
  return "";
}

}  // namespace

TEST(TUdpSocket, CarriesEveryOctetAndReportsTheSender) {
  TLoopbackSocket sender;
  TLoopbackSocket receiver;
  const std::string octets("\x30\x00\xFF\x02\x01", 5);
  sender.SendTo("127.0.0.1", receiver.LocalPort(), octets);
  TPeer peer;
  EXPECT_EQ(ReceiveOne(receiver, peer), octets);
  EXPECT_EQ(peer.IP, "127.0.0.1");
  EXPECT_EQ(peer.Port, sender.LocalPort());
}

TEST(TUdpSocket, CutsALongDatagramAndRefusesOneTooBigForTheNetwork) {
  TLoopbackSocket sender;
  TLoopbackSocket receiver;
  std::string exact(kMaxDatagramSize, 'x');
  exact.back() = 'e';
  std::string longer(kMaxDatagramSize + 100, 'y');
  sender.SendTo("127.0.0.1", receiver.LocalPort(), exact);
  sender.SendTo("127.0.0.1", receiver.LocalPort(), longer);
  sender.SendTo("127.0.0.1", receiver.LocalPort(), "after");
  TPeer peer;
  EXPECT_EQ(ReceiveOne(receiver, peer), exact);
  EXPECT_EQ(ReceiveOne(receiver, peer), longer.substr(0, kMaxDatagramSize));
  EXPECT_EQ(peer.Port, sender.LocalPort());
  EXPECT_EQ(ReceiveOne(receiver, peer), "after");

  EXPECT_EQ(ExpectSocketError([&] { sender.SendTo("127.0.0.1", receiver.LocalPort(), std::string(70000, 'z')); }),
            "Package Size Too Big.");
}

TEST(TUdpSocket, ResolvesLocalhostInAnyCaseKeepsDottedAddressesAndLooksUpNames) {
  EXPECT_EQ(ResolveHost("LOCALHOST"), "127.0.0.1");
  EXPECT_EQ(ResolveHost("localhost"), "127.0.0.1");
  EXPECT_EQ(ResolveHost("LocalHost"), "127.0.0.1");
  EXPECT_EQ(ResolveHost("10.20.30.40"), "10.20.30.40");
  EXPECT_FALSE(ExpectSocketError([] { ResolveHost("no-such-host.invalid"); }).empty());

  TLoopbackSocket sender;
  TLoopbackSocket receiver;
  sender.SendTo("Localhost", receiver.LocalPort(), "by name");
  TPeer peer;
  EXPECT_EQ(ReceiveOne(receiver, peer), "by name");
}

TEST(TUdpSocket, RefusesAPortInUseWithTheOperatorText) {
  TLoopbackSocket holder;
  const std::string inUse = "Could not bind socket. Address and port are already in use.";
  TUdpSocket sameAddress;
  EXPECT_EQ(ExpectSocketError([&] { sameAddress.Bind("127.0.0.1", holder.LocalPort()); }), inUse);
  TUdpSocket allAddresses;
  EXPECT_EQ(ExpectSocketError([&] { allAddresses.Bind("", holder.LocalPort()); }), inUse);
}

TEST(TUdpSocket, WaitsTheWholeTimeWhenNothingComes) {
  using namespace std::chrono;
  TLoopbackSocket socket;
  const auto start = steady_clock::now();
  EXPECT_FALSE(socket.WaitReadable(300));
  const auto waited = duration_cast<milliseconds>(steady_clock::now() - start).count();
  EXPECT_GE(waited, 280);
  EXPECT_LT(waited, 1000);
}

TEST(TUdpSocket, DiscardsOnlyWhatIsAlreadyQueued) {
  TLoopbackSocket sender;
  TLoopbackSocket receiver;
  for (const char* stale : {"one", "two", "three"}) sender.SendTo("127.0.0.1", receiver.LocalPort(), stale);
  sender.SendTo("127.0.0.1", receiver.LocalPort(), std::string(kMaxDatagramSize + 1, 'l'));
  ASSERT_TRUE(receiver.WaitReadable(kArrivalMs));
  receiver.DiscardPending();
  EXPECT_FALSE(receiver.WaitReadable(0));
  receiver.DiscardPending();

  sender.SendTo("127.0.0.1", receiver.LocalPort(), "fresh");
  TPeer peer;
  EXPECT_EQ(ReceiveOne(receiver, peer), "fresh");
}

#ifdef _WIN32
#include <windows.h>

// A child started with every inheritable handle (as CreateProcess's callers
// often do) must not keep the port: closing the socket frees it at once.
TEST(TUdpSocket, IsNotInheritedByAChildProcess) {
  auto socket = std::make_unique<TLoopbackSocket>();
  const uint16_t port = socket->LocalPort();
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string commandLine = std::string("\"") + self + "\" --gtest_list_tests";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_SUSPENDED, nullptr, nullptr,
                             &startup, &child));
  socket.reset();
  TUdpSocket again;
  EXPECT_NO_THROW(again.Bind("127.0.0.1", port));
  TerminateProcess(child.hProcess, 1);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
}
#endif
