#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "platform/net/UdpServer.h"

namespace {

using namespace std::chrono;

constexpr uint32_t kArrivalMs = 3000;

uint16_t FreePort() {
  TUdpSocket probe;
  probe.Bind("", 0);
  return probe.LocalPort();
}

// Runs this thread's message loop, as the GUI thread does, until `done` holds
// or the time runs out.
bool PumpUntil(const std::function<bool()>& done, uint32_t timeoutMs = kArrivalMs) {
  const auto deadline = steady_clock::now() + milliseconds(timeoutMs);
  while (!done()) {
    const auto left = duration_cast<milliseconds>(deadline - steady_clock::now()).count();
    if (left <= 0) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left), QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  }
  return true;
}

struct TReceived {
  std::string Datagram;
  TPeer Peer;
  DWORD ThreadId;
};

class TIdUDPServerTest : public ::testing::Test {
 protected:
  TIdUDPServerTest() {
    Server.SetDefaultPort(FreePort());
    Server.SetOnUDPRead([this](const std::string& datagram, const TPeer& peer) {
      Received.push_back({datagram, peer, GetCurrentThreadId()});
      if (OnRead) OnRead(datagram);
    });
    Server.SetOnException([this](const std::exception& error) { Errors.push_back(error.what()); });
  }

  void Send(const std::string& datagram, const std::string& address = "127.0.0.1") {
    Sender.SendTo(address, Server.DefaultPort(), datagram);
  }

  bool PumpUntilReceived(size_t count) {
    return PumpUntil([&] { return Received.size() >= count; });
  }

  TUdpSocket Sender;
  TIdUDPServer Server;
  std::vector<TReceived> Received;
  std::vector<std::string> Errors;
  std::function<void(const std::string&)> OnRead;
};

int64_t MillisecondsToRun(const std::function<void()>& action) {
  const auto start = steady_clock::now();
  action();
  return duration_cast<milliseconds>(steady_clock::now() - start).count();
}

}  // namespace

TEST_F(TIdUDPServerTest, HandsEachDatagramToTheActivatingThreadInOrder) {
  Server.SetActive(true);
  Sender.Bind("127.0.0.1", 0);
  for (int i = 0; i < 20; ++i) Send("trap " + std::to_string(i));
  ASSERT_TRUE(PumpUntilReceived(20));
  for (int i = 0; i < 20; ++i) {
    EXPECT_EQ(Received[i].Datagram, "trap " + std::to_string(i));
    EXPECT_EQ(Received[i].ThreadId, GetCurrentThreadId());
    EXPECT_EQ(Received[i].Peer.IP, "127.0.0.1");
    EXPECT_EQ(Received[i].Peer.Port, Sender.LocalPort());
  }
}

TEST_F(TIdUDPServerTest, ListensOnEveryLocalAddress) {
  Server.SetActive(true);
  Send("to the first loopback", "127.0.0.1");
  Send("to another loopback", "127.0.0.2");
  ASSERT_TRUE(PumpUntilReceived(2));
  EXPECT_EQ(Received[0].Datagram, "to the first loopback");
  EXPECT_EQ(Received[1].Datagram, "to another loopback");
}

TEST_F(TIdUDPServerTest, KeepsABurstWhileTheGuiThreadIsBusy) {
  Server.SetActive(true);
  const std::string trap(70, 't');
  for (int i = 0; i < 1500; ++i) Send(trap);
  EXPECT_TRUE(PumpUntil([&] { return Received.size() == 1500; }, 10000)) << Received.size() << " arrived";
}

TEST_F(TIdUDPServerTest, HandsOverTheNextDatagramOnlyAfterTheHandlerReturned) {
  bool inHandler = false;
  bool nested = false;
  OnRead = [&](const std::string& datagram) {
    if (inHandler) nested = true;
    if (datagram != "first") return;
    inHandler = true;
    Send("second");
    // A handler that runs a message loop (a dialog, a request) must not see
    // the next datagram inside it.
    PumpUntil([] { return false; }, 300);
    inHandler = false;
  };
  Server.SetActive(true);
  Send("first");
  ASSERT_TRUE(PumpUntilReceived(2));
  EXPECT_FALSE(nested);
  EXPECT_EQ(Received[1].Datagram, "second");
}

TEST_F(TIdUDPServerTest, ReportsWhatTheHandlerRaisesAndKeepsListening) {
  OnRead = [](const std::string& datagram) {
    if (datagram == "bad") throw Exception("'x' is not a valid integer value");
  };
  Server.SetActive(true);
  Send("bad");
  Send("good");
  ASSERT_TRUE(PumpUntilReceived(2));
  EXPECT_EQ(Received[1].Datagram, "good");
  EXPECT_EQ(Errors, std::vector<std::string>{"'x' is not a valid integer value"});
  EXPECT_TRUE(Server.Active());
}

TEST_F(TIdUDPServerTest, StopsPromptlyWhileAHandOffWaitsForTheGuiThread) {
  Server.SetActive(true);
  Send("pending");
  // The listener now blocks in its hand-off until this thread takes it.
  ASSERT_EQ(MsgWaitForMultipleObjects(0, nullptr, FALSE, kArrivalMs, QS_SENDMESSAGE), WAIT_OBJECT_0);
  EXPECT_LT(MillisecondsToRun([&] { Server.SetActive(false); }), 900);
  EXPECT_FALSE(Server.Active());
  EXPECT_TRUE(Received.empty());
}

TEST_F(TIdUDPServerTest, StopsFromInsideItsOwnHandler) {
  OnRead = [&](const std::string&) { Server.SetActive(false); };
  Server.SetActive(true);
  Send("stop");
  ASSERT_TRUE(PumpUntilReceived(1));
  EXPECT_FALSE(Server.Active());
  Send("after the stop");
  EXPECT_FALSE(PumpUntil([&] { return Received.size() > 1; }, 200));
}

TEST_F(TIdUDPServerTest, StopsAtOnceWhenIdleAndListensAgainAfterReactivation) {
  Server.SetActive(true);
  Send("once");
  ASSERT_TRUE(PumpUntilReceived(1));
  // The listener is back in its one-second wait: closing the program must not
  // wait for that slice to end.
  EXPECT_LT(MillisecondsToRun([&] { Server.SetActive(false); }), 500);
  Server.SetActive(true);
  Send("again");
  ASSERT_TRUE(PumpUntilReceived(2));
  EXPECT_EQ(Received[1].Datagram, "again");
}

TEST_F(TIdUDPServerTest, RefusesAPortInUseAndStaysInactive) {
  {
    TUdpSocket holder;
    holder.Bind("127.0.0.1", Server.DefaultPort());
    try {
      Server.SetActive(true);
      FAIL() << "activated on a port in use";
    } catch (const ESocketError& error) {
      EXPECT_STREQ(error.what(), "Could not bind socket. Address and port are already in use.");
    }
    EXPECT_FALSE(Server.Active());
  }
  Server.SetActive(true);
  Send("free again");
  EXPECT_TRUE(PumpUntilReceived(1));
}
