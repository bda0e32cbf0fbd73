#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "platform/net/UdpSocket.h"
#include "platform/rtl/SysUtils.h"
#include "tests/support/AgentProcess.h"
#include "tests/support/TemporaryFolder.h"
#include "tools/agent/DeviceModel.h"
#include "tools/agent/SnmpMessage.h"

namespace {

constexpr uint32_t kWaitMs = 5000;

TSnmpMessage ReceiveMessage(TUdpSocket& socket) {
  if (!socket.WaitReadable(kWaitMs)) throw std::runtime_error("no datagram came");
  TPeer peer;
  return ParseSnmpMessage(socket.ReceiveFrom(peer));
}

std::string BlockGet(uint32_t neAddress) {
  TSnmpMessage get;
  get.Version = SnmpVersion::V2c;
  get.Community = "kolmer";
  get.Bindings = {{std::string(kEnterprisePrefix) + ".1.1.1.4." + IntToStr(neAddress), BerTag::OctetString, ""}};
  return EncodeSnmpMessage(get);
}

TEST(AgentProgram, ServesSeveralDevicesAndPlaysItsScript) {
  TUdpSocket manager;
  manager.Bind("127.0.0.1", 0);
  TemporaryFolder folder;
  folder.Write("events", "300 2 link 3 down\n");
  AgentProcess agent({"--device", "127.0.0.1:0", "--ne", "5", "--fault", "late:200@1", "--device", "127.0.0.1:0",
                      "--ne", "6", "--trap-version", "1", "--manager", "127.0.0.1:" + IntToStr(manager.LocalPort()),
                      "--script", folder.File("events")});
  ASSERT_NE(agent.Port(0), agent.Port(1));

  const TSnmpMessage coldStart2c = ReceiveMessage(manager);
  EXPECT_EQ(coldStart2c.PduType, PduTag::TrapV2);
  ASSERT_EQ(coldStart2c.Bindings.size(), 4u);
  EXPECT_EQ(BerIntegerValue(coldStart2c.Bindings[3].Value), 5);
  const TSnmpMessage coldStart1 = ReceiveMessage(manager);
  EXPECT_EQ(coldStart1.PduType, PduTag::TrapV1);
  EXPECT_EQ(coldStart1.Trap.GenericTrap, 0);
  EXPECT_EQ(coldStart1.Trap.AgentAddress, std::string("\x7F\x00\x00\x01", 4));
  const TSnmpMessage linkDown = ReceiveMessage(manager);
  EXPECT_EQ(linkDown.Trap.SpecificTrap, 14);
  ASSERT_EQ(linkDown.Bindings.size(), 4u);
  EXPECT_EQ(BerIntegerValue(linkDown.Bindings[2].Value), 3);

  TUdpSocket client;
  client.Bind("127.0.0.1", 0);
  client.SendTo("127.0.0.1", agent.Port(1), BlockGet(6));
  const TSnmpMessage block = ReceiveMessage(client);
  ASSERT_EQ(block.Bindings.size(), 1u);
  ASSERT_EQ(block.Bindings[0].Value.size(), 87u);
  EXPECT_EQ(block.Bindings[0].Value[18 + 2] & 0x02, 0x02);  // ETH3 down

  const auto sent = std::chrono::steady_clock::now();
  client.SendTo("127.0.0.1", agent.Port(0), BlockGet(5));
  EXPECT_EQ(ReceiveMessage(client).Bindings[0].Value.size(), 87u);
  EXPECT_GE(std::chrono::steady_clock::now() - sent, std::chrono::milliseconds(190));
  EXPECT_NE(agent.Log().find("device 1 127.0.0.1:" + IntToStr(client.LocalPort()) + " v2c GET"), std::string::npos)
      << agent.Log();

  // Asked to stop, it ends by itself and lets its ports go.
  const uint16_t ports[] = {agent.Port(0), agent.Port(1)};
  EXPECT_TRUE(agent.Stop());
  for (const uint16_t port : ports) {
    TUdpSocket again;
    EXPECT_NO_THROW(again.Bind("127.0.0.1", port)) << port;
  }
}

TEST(AgentProgram, PlaysItsScriptInACycle) {
  TUdpSocket manager;
  manager.Bind("127.0.0.1", 0);
  TemporaryFolder folder;
  folder.Write("events", "50 1 alarm loa on\n");
  AgentProcess agent({"--device", "127.0.0.1:0", "--trap-version", "1", "--manager",
                      "127.0.0.1:" + IntToStr(manager.LocalPort()), "--script", folder.File("events"), "--script-cycle",
                      "200"});
  EXPECT_EQ(ReceiveMessage(manager).Trap.GenericTrap, 0);  // cold start
  for (int round = 0; round < 3; ++round) EXPECT_EQ(ReceiveMessage(manager).Trap.SpecificTrap, 11) << round;
}

TEST(AgentProgram, NamesTheAddressAndPortItCannotHave) {
  TUdpSocket holder;
  holder.Bind("127.0.0.1", 0);
  const std::string taken = IntToStr(holder.LocalPort());
  std::string failure;
  try {
    AgentProcess agent({"--device", "127.0.0.1:" + taken, "--manager", "none"});
  } catch (const std::exception& error) {
    failure = error.what();
  }
  EXPECT_NE(failure.find("nepl-agent: cannot listen on UDP port " + taken + " of 127.0.0.1: "), std::string::npos)
      << failure;
#ifdef _WIN32
  EXPECT_NE(failure.find("UDP " + taken + " is held by this test (process "), std::string::npos) << failure;
#endif
}

#ifdef _WIN32
// A Winsock socket as any code would make it: inheritable.
SOCKET PlainSocketOnFreePort(uint16_t& port) {
  const SOCKET plain = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  int size = sizeof local;
  bind(plain, reinterpret_cast<sockaddr*>(&local), size);
  getsockname(plain, reinterpret_cast<sockaddr*>(&local), &size);
  port = ntohs(local.sin_port);
  return plain;
}

// A socket the test held while it started the agent is free the moment the
// test closes it: the agent inherits neither the program's sockets nor a
// plain inheritable one, only its log.
TEST(AgentProgram, KeepsNoneOfTheSocketsOfTheTestThatStartedIt) {
  for (const bool plain : {false, true}) {
    SCOPED_TRACE(plain ? "a plain inheritable socket" : "the program's own socket");
    uint16_t port = 0;
    auto own = std::make_unique<TUdpSocket>();
    SOCKET other = INVALID_SOCKET;
    if (plain) {
      other = PlainSocketOnFreePort(port);
    } else {
      own->Bind("127.0.0.1", 0);
      port = own->LocalPort();
    }
    AgentProcess agent({"--device", "127.0.0.1:0", "--manager", "none"});
    own.reset();
    closesocket(other);
    EXPECT_EQ(DescribeUdpPortHolders(port), "UDP " + IntToStr(port) + " is held by no Windows program");
    TUdpSocket again;
    EXPECT_NO_THROW(again.Bind("127.0.0.1", port));
  }
}
#endif

}  // namespace
