#include <gtest/gtest.h>

#include <chrono>
#include <functional>

#include "platform/net/AntiFreeze.h"
#include "platform/net/UdpClient.h"

namespace {

using namespace std::chrono;

constexpr uint32_t kArrivalMs = 2000;

// The device side of an exchange: a socket on an ephemeral loopback port.
struct TPeerSocket : TUdpSocket {
  TPeerSocket() { Bind("127.0.0.1", 0); }

  std::string Take(TPeer& from) {
    EXPECT_TRUE(WaitReadable(kArrivalMs));
    return ReceiveFrom(from);
  }
};

// Counts how often a client lets the GUI process its messages; the test may
// act at that moment.
struct TCountingAntiFreeze {
  int Calls = 0;
  std::function<void()> OnCall;
  TIdAntiFreeze AntiFreeze;

  TCountingAntiFreeze() {
    AntiFreeze.SetOnProcessMessages([this] {
      ++Calls;
      if (OnCall) OnCall();
    });
  }
};

struct TTimedReceive {
  std::string Text;
  TPeer Peer{"stale", 7};
  int64_t ElapsedMs = 0;
};

TTimedReceive ReceiveTimed(TIdUDPClient& client, uint32_t timeoutMs) {
  TTimedReceive result;
  const auto start = steady_clock::now();
  result.Text = client.ReceiveString(timeoutMs, result.Peer);
  result.ElapsedMs = duration_cast<milliseconds>(steady_clock::now() - start).count();
  return result;
}

}  // namespace

TEST(TIdUDPClient, ExchangesThroughOneSocketKeptBetweenRequests) {
  TPeerSocket device;
  TIdUDPClient client;
  TPeer requester;
  client.Send("127.0.0.1", device.LocalPort(), "first");
  EXPECT_EQ(device.Take(requester), "first");
  device.SendTo(requester.IP, requester.Port, "reply");
  TPeer replier;
  EXPECT_EQ(client.ReceiveString(kArrivalMs, replier), "reply");
  EXPECT_EQ(replier.IP, "127.0.0.1");
  EXPECT_EQ(replier.Port, device.LocalPort());

  client.Send("localhost", device.LocalPort(), "second");
  TPeer secondRequester;
  EXPECT_EQ(device.Take(secondRequester), "second");
  EXPECT_EQ(secondRequester.Port, requester.Port);
}

TEST(TIdUDPClient, TimesOutQuietlyWithAnEmptyPeer) {
  TIdUDPClient client;
  const TTimedReceive beforeAnySend = ReceiveTimed(client, 100);
  EXPECT_EQ(beforeAnySend.Text, "");

  // Nobody listens there: the system's "unreachable" report must not turn the
  // wait into an error.
  uint16_t silentPort;
  {
    TPeerSocket gone;
    silentPort = gone.LocalPort();
  }
  client.Send("127.0.0.1", silentPort, "anyone?");
  const TTimedReceive timedOut = ReceiveTimed(client, 300);
  EXPECT_EQ(timedOut.Text, "");
  EXPECT_EQ(timedOut.Peer.IP, "");
  EXPECT_EQ(timedOut.Peer.Port, 0);
  EXPECT_GE(timedOut.ElapsedMs, 280);
  EXPECT_LT(timedOut.ElapsedMs, 1000);
}

TEST(TIdUDPClient, DropsALateReplyBeforeTheNextRequest) {
  TPeerSocket device;
  TIdUDPClient client;
  TPeer requester;
  client.Send("127.0.0.1", device.LocalPort(), "request 1");
  device.Take(requester);
  TPeer replier;
  EXPECT_EQ(client.ReceiveString(50, replier), "");
  device.SendTo(requester.IP, requester.Port, "late reply 1");

  // Queued once the loopback send has returned.
  client.DiscardPending();
  client.Send("127.0.0.1", device.LocalPort(), "request 2");
  device.Take(requester);
  device.SendTo(requester.IP, requester.Port, "reply 2");
  EXPECT_EQ(client.ReceiveString(kArrivalMs, replier), "reply 2");
}

TEST(TIdUDPClient, LetsTheAntiFreezeRunAfterEachEmptySlice) {
  TIdUDPClient client;
  TCountingAntiFreeze counter;
  const TTimedReceive longWait = ReceiveTimed(client, 1000);
  EXPECT_EQ(counter.Calls, 2);
  EXPECT_GE(longWait.ElapsedMs, 980);
  EXPECT_LT(longWait.ElapsedMs, 1500);

  counter.Calls = 0;
  const TTimedReceive shortWait = ReceiveTimed(client, 200);
  EXPECT_EQ(counter.Calls, 1);
  EXPECT_GE(shortWait.ElapsedMs, 180);
  EXPECT_LT(shortWait.ElapsedMs, 700);
}

TEST(TIdUDPClient, ReturnsAsSoonAsADatagramIsThere) {
  TPeerSocket device;
  TIdUDPClient client;
  TCountingAntiFreeze counter;
  TPeer requester;
  client.Send("127.0.0.1", device.LocalPort(), "request");
  device.Take(requester);

  device.SendTo(requester.IP, requester.Port, "already there");
  const TTimedReceive queued = ReceiveTimed(client, 5000);
  EXPECT_EQ(queued.Text, "already there");
  EXPECT_EQ(counter.Calls, 0);
  EXPECT_LT(queued.ElapsedMs, 500);

  // The reply arrives while the first slice's messages are processed: the
  // last slice ends at once instead of after its 250 ms.
  counter.OnCall = [&] { device.SendTo(requester.IP, requester.Port, "during the wait"); };
  const TTimedReceive arrived = ReceiveTimed(client, 600);
  EXPECT_EQ(arrived.Text, "during the wait");
  EXPECT_EQ(arrived.Peer.Port, device.LocalPort());
  EXPECT_EQ(counter.Calls, 1);
  EXPECT_LT(arrived.ElapsedMs, 550);
}

TEST(TIdUDPClient, WaitsWithoutMessagesOnceTheAntiFreezeIsGone) {
  int calls = 0;
  {
    TIdAntiFreeze antiFreeze;
    antiFreeze.SetOnProcessMessages([&] { ++calls; });
  }
  TIdUDPClient client;
  const TTimedReceive wait = ReceiveTimed(client, 300);
  EXPECT_EQ(calls, 0);
  EXPECT_GE(wait.ElapsedMs, 280);
}
