#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <future>
#include <thread>

#include "application/core/IdSNMP.h"

namespace {

const std::string kOid = "1.3.6.1.4.1.6215.1.4.1.1.1.1.4.5";

// A device on 127.0.0.1 that runs one script on its own thread; the script
// ends by itself, at the latest when a receive times out.
class TFakeDevice {
 public:
  explicit TFakeDevice(std::function<void(TFakeDevice&)> script) {
    FSocket.Bind("127.0.0.1", 0);
    FThread = std::thread([this, script] { script(*this); });
  }
  ~TFakeDevice() { FThread.join(); }

  uint16_t Port() const { return FSocket.LocalPort(); }

  // The next request, or "" when none came within two seconds.
  std::string Receive() { return FSocket.WaitReadable(2000) ? FSocket.ReceiveFrom(FManager) : std::string(); }
  void Answer(const std::string& reply) { FSocket.SendTo(FManager.IP, FManager.Port, reply); }

 private:
  TUdpSocket FSocket;
  TPeer FManager;
  std::thread FThread;
};

// A GetResponse for kOid with the given value text and error status.
std::string Response(const std::string& value, int32_t errorStatus = 0) {
  TIdSNMP encoder;
  TSNMPInfo& response = encoder.Query();
  response.PDUType = PDU_GET_RESPONSE;
  response.ErrorStatus = errorStatus;
  response.AddVarBind(kOid, value, ASN1_OCTET_STRING);
  return response.EncodeMessage();
}

void PrepareGet(TIdSNMP& snmp, uint16_t port) {
  snmp.SetHost("LOCALHOST");
  snmp.SetPort(port);
  snmp.Query().Clear();
  snmp.Reply().Clear();
  snmp.Query().PDUType = PDU_GET;
  snmp.Query().AddVarBind(kOid, "", ASN1_OCTET_STRING);
}

}  // namespace

TEST(IdSNMPSendRequest, ReplyIsDecodedAndItsSenderNoted) {
  std::string request;
  TFakeDevice device([&request](TFakeDevice& self) {
    request = self.Receive();
    self.Answer(Response("ABC"));
  });
  TIdSNMP snmp;
  PrepareGet(snmp, device.Port());
  ASSERT_TRUE(snmp.SendRequest());
  EXPECT_EQ(snmp.Reply().PDUType, PDU_GET_RESPONSE);
  ASSERT_EQ(snmp.Reply().Values.Count(), 1);
  EXPECT_EQ(snmp.Reply().Values[0], "ABC");
  EXPECT_EQ(snmp.Query().Host, "127.0.0.1");
  EXPECT_EQ(snmp.Query().Port, device.Port());
  EXPECT_EQ(snmp.Query().Buffer, snmp.Query().EncodeMessage());
  EXPECT_EQ(request, snmp.Query().Buffer);
}

TEST(IdSNMPSendRequest, ErrorStatusFailsButKeepsTheReply) {
  TFakeDevice device([](TFakeDevice& self) {
    self.Receive();
    self.Answer(Response("x", 2));
  });
  TIdSNMP snmp;
  PrepareGet(snmp, device.Port());
  EXPECT_FALSE(snmp.SendRequest());
  EXPECT_EQ(snmp.Reply().ErrorStatus, 2);
  EXPECT_EQ(snmp.Reply().Oids.Count(), 1);
}

TEST(IdSNMPSendRequest, TimeOutFailsWithoutPeerAfterTheReceiveTimeout) {
  TFakeDevice device([](TFakeDevice& self) { self.Receive(); });
  TIdSNMP snmp;
  PrepareGet(snmp, device.Port());
  snmp.SetReceiveTimeout(300);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(snmp.SendRequest());
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_GE(elapsed, std::chrono::milliseconds(250));
  EXPECT_LT(elapsed, std::chrono::milliseconds(2000));
  EXPECT_EQ(snmp.Query().Host, "");
  EXPECT_EQ(snmp.Query().Port, 0);
  EXPECT_EQ(snmp.Reply().Buffer, "");
}

TEST(IdSNMPSendRequest, LateReplyIsNotTakenForTheNextRequestsReply) {
  std::promise<void> firstTimedOut;
  std::promise<void> lateReplySent;
  TFakeDevice device([&](TFakeDevice& self) {
    self.Receive();
    firstTimedOut.get_future().wait_for(std::chrono::seconds(2));
    self.Answer(Response("late"));
    lateReplySent.set_value();
    self.Receive();
    self.Answer(Response("fresh"));
  });
  TIdSNMP snmp;
  PrepareGet(snmp, device.Port());
  snmp.SetReceiveTimeout(100);
  EXPECT_FALSE(snmp.SendRequest());
  firstTimedOut.set_value();
  lateReplySent.get_future().wait_for(std::chrono::seconds(2));
  PrepareGet(snmp, device.Port());
  snmp.SetReceiveTimeout(2000);
  ASSERT_TRUE(snmp.SendRequest());
  EXPECT_EQ(snmp.Reply().Values[0], "fresh");
}
