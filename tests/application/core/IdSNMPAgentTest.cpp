// The SNMP client against the simulated device: answers, refusals, silence,
// late answers and broken answers, each ending as the exchange rules say and
// none keeping the caller waiting longer than it must.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "application/core/IdSNMP.h"
#include "tests/support/AgentProcess.h"

namespace {

using TClock = std::chrono::steady_clock;

const std::string kPortStateOid = "1.3.6.1.4.1.6215.1.4.1.1.1.1.4.5";
const std::string kClockOid = "1.3.6.1.4.1.6215.1.4.1.2.7.1.1.5";

class IdSNMPAgentTest : public ::testing::Test {
 protected:
  // Sends a GetRequest for `oid` to the agent and says how long the answer took.
  bool Get(const AgentProcess& agent, const std::string& oid, std::chrono::milliseconds& took) {
    FSnmp.SetHost("127.0.0.1");
    FSnmp.SetPort(agent.Port());
    FSnmp.Query().Clear();
    FSnmp.Reply().Clear();
    FSnmp.Query().Version = 1;
    FSnmp.Query().PDUType = PDU_GET;
    FSnmp.Query().AddVarBind(oid, "", ASN1_OCTET_STRING);
    const auto start = TClock::now();
    const bool answered = FSnmp.SendRequest();
    took = std::chrono::duration_cast<std::chrono::milliseconds>(TClock::now() - start);
    return answered;
  }

  static std::vector<std::string> Device(const std::string& fault) {
    std::vector<std::string> arguments = {"--device", "127.0.0.1:0", "--ne", "5", "--manager", "none"};
    if (!fault.empty()) arguments.insert(arguments.end(), {"--fault", fault});
    return arguments;
  }

  TIdSNMP FSnmp;
  std::chrono::milliseconds FTook{0};
};

}  // namespace

TEST_F(IdSNMPAgentTest, AnAnswerIsDecodedAndItsSenderNoted) {
  AgentProcess agent(Device(""));
  ASSERT_TRUE(Get(agent, kPortStateOid, FTook));
  EXPECT_EQ(FSnmp.Reply().PDUType, PDU_GET_RESPONSE);
  ASSERT_EQ(FSnmp.Reply().Values.Count(), 1);
  EXPECT_EQ(FSnmp.Reply().Values[0].size(), 87u);
  EXPECT_EQ(FSnmp.Query().Port, agent.Port());
  EXPECT_FALSE(FSnmp.Query().Host.empty());
}

TEST_F(IdSNMPAgentTest, AnErrorStatusFailsButTheReplyIsKept) {
  AgentProcess agent(Device("error:5"));
  EXPECT_FALSE(Get(agent, kPortStateOid, FTook));
  EXPECT_EQ(FSnmp.Reply().ErrorStatus, 5);
  EXPECT_EQ(FSnmp.Reply().PDUType, PDU_GET_RESPONSE);
  EXPECT_FALSE(FSnmp.Reply().Buffer.empty());
}

TEST_F(IdSNMPAgentTest, SilenceFailsAfterTheReceiveTimeoutWithoutAPeer) {
  AgentProcess agent(Device("drop"));
  FSnmp.SetReceiveTimeout(400);
  EXPECT_FALSE(Get(agent, kPortStateOid, FTook));
  EXPECT_GE(FTook.count(), 380);
  EXPECT_LT(FTook.count(), 2000);
  EXPECT_EQ(FSnmp.Query().Host, "");
  EXPECT_EQ(FSnmp.Query().Port, 0);
  EXPECT_TRUE(FSnmp.Reply().Buffer.empty());
}

TEST_F(IdSNMPAgentTest, ALateAnswerIsNotTakenForTheNextRequestsAnswer) {
  AgentProcess agent(Device("late:600@1"));
  FSnmp.SetReceiveTimeout(300);
  EXPECT_FALSE(Get(agent, kPortStateOid, FTook));
  // Let the late answer to the first request arrive before the second is sent.
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  FSnmp.SetReceiveTimeout(3000);
  ASSERT_TRUE(Get(agent, kClockOid, FTook));
  ASSERT_EQ(FSnmp.Reply().Oids.Count(), 1);
  EXPECT_EQ(FSnmp.Reply().Oids[0], kClockOid);
}

TEST_F(IdSNMPAgentTest, BrokenAnswersAreDroppedAndTheWaitEndsAsATimeOut) {
  FSnmp.SetReceiveTimeout(400);
  for (const char* fault : {"truncated", "malformed"}) {
    AgentProcess agent(Device(fault));
    EXPECT_FALSE(Get(agent, kPortStateOid, FTook)) << fault;
    EXPECT_GE(FTook.count(), 380) << fault;
    EXPECT_LT(FTook.count(), 2000) << fault;
    EXPECT_TRUE(FSnmp.Reply().Buffer.empty()) << fault;
  }
}
