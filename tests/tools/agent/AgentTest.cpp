#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/rtl/SysUtils.h"
#include "tools/agent/Agent.h"

namespace {

const std::string kPrefix = std::string(kEnterprisePrefix) + ".";
const std::string kBlock = kPrefix + "1.1.1.4.5";
const std::string kErrorOver = kPrefix + "2.7.1.11.5";
const std::string kUnknown = kPrefix + "2.7.1.11.6";

std::string Request(int32_t version, const std::string& community, uint8_t pdu, const std::vector<TVarBind>& bindings,
                    int32_t requestId = 0x12345678) {
  TSnmpMessage message;
  message.Version = version;
  message.Community = community;
  message.PduType = pdu;
  message.RequestId = requestId;
  message.Bindings = bindings;
  return EncodeSnmpMessage(message);
}

// What the program puts in a GET: empty OCTET STRING values.
std::vector<TVarBind> Asking(const std::vector<std::string>& oids) {
  std::vector<TVarBind> bindings;
  for (const std::string& oid : oids) bindings.push_back({oid, BerTag::OctetString, ""});
  return bindings;
}

TVarBind Integer(const std::string& oid, int32_t value) { return {oid, BerTag::Integer, BerIntegerContent(value)}; }

TDeviceConfig Device(TFault fault = {}) {
  TDeviceConfig config;
  config.NeAddress = 5;
  config.Fault = fault;
  return config;
}

TSnmpMessage Reply(const TAnswer& answer) {
  EXPECT_TRUE(answer.Reply) << answer.Log;
  return ParseSnmpMessage(answer.Datagram);
}

// The program keeps a trap only when this binding's name has 15 components
// with 6215, 2 and 1 as the 7th, 9th and 10th.
void ExpectProgramAcceptsName(const std::string& oid) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t dot; (dot = oid.find('.', start)) != std::string::npos; start = dot + 1) {
    parts.push_back(oid.substr(start, dot - start));
  }
  parts.push_back(oid.substr(start));
  ASSERT_EQ(parts.size(), 15u) << oid;
  EXPECT_EQ(parts[6], "6215");
  EXPECT_EQ(parts[8], "2");
  EXPECT_EQ(parts[9], "1");
}

int32_t IntegerOf(const TVarBind& binding) {
  EXPECT_EQ(binding.Type, BerTag::Integer) << binding.Oid;
  return BerIntegerValue(binding.Value);
}

TEST(AgentDevice, AnswersAGetWithTheRequestsIdAndTheValuesInOrder) {
  TAgentDevice agent(Device(), "127.0.0.1");
  const TSnmpMessage reply =
      Reply(agent.Answer(Request(SnmpVersion::V2c, "kolmer", PduTag::GetRequest, Asking({kErrorOver, kBlock}))));
  EXPECT_EQ(reply.PduType, PduTag::GetResponse);
  EXPECT_EQ(reply.RequestId, 0x12345678);
  EXPECT_EQ(reply.ErrorStatus, 0);
  ASSERT_EQ(reply.Bindings.size(), 2u);
  EXPECT_EQ(reply.Bindings[0].Oid, kErrorOver);
  EXPECT_EQ(IntegerOf(reply.Bindings[0]), 1);
  EXPECT_EQ(reply.Bindings[1].Type, BerTag::OctetString);
  EXPECT_EQ(reply.Bindings[1].Value.size(), 87u);
  // The program's one-octet request id 200 comes back as it went.
  const TAnswer small = agent.Answer(Request(SnmpVersion::V1, "drastun", PduTag::GetRequest, Asking({kBlock}), -56));
  EXPECT_EQ(small.Datagram.substr(small.Datagram.find('\xA2') + 2, 3), std::string("\x02\x01\xC8", 3));
}

TEST(AgentDevice, AnswersUnknownObjectsBySnmpVersion) {
  TAgentDevice agent(Device(), "127.0.0.1");
  const TSnmpMessage v1 =
      Reply(agent.Answer(Request(SnmpVersion::V1, "kolmer", PduTag::GetRequest, Asking({kBlock, kUnknown}))));
  EXPECT_EQ(v1.ErrorStatus, 2);  // noSuchName
  EXPECT_EQ(v1.ErrorIndex, 2);
  EXPECT_EQ(v1.Bindings[0].Value, "");  // the request's bindings come back
  const TSnmpMessage v2c =
      Reply(agent.Answer(Request(SnmpVersion::V2c, "kolmer", PduTag::GetRequest, Asking({kBlock, kUnknown}))));
  EXPECT_EQ(v2c.ErrorStatus, 0);
  EXPECT_EQ(v2c.Bindings[0].Value.size(), 87u);
  EXPECT_EQ(v2c.Bindings[1].Type, BerTag::NoSuchObject);
}

TEST(AgentDevice, ChecksCommunitiesAndLeavesMalformedRequestsUnanswered) {
  TAgentDevice agent(Device(), "127.0.0.1");
  EXPECT_FALSE(agent.Answer(Request(SnmpVersion::V2c, "public", PduTag::GetRequest, Asking({kBlock}))).Reply);
  EXPECT_FALSE(agent.Answer(Request(SnmpVersion::V2c, "public", PduTag::SetRequest, {Integer(kErrorOver, 0)})).Reply);
  const TAnswer malformed =
      agent.Answer(Request(SnmpVersion::V2c, "kolmer", PduTag::GetRequest, Asking({kBlock})) + "x");
  EXPECT_FALSE(malformed.Reply);
  EXPECT_NE(malformed.Log.find("malformed"), std::string::npos);
  // The read community may read but not write.
  EXPECT_EQ(
      Reply(agent.Answer(Request(SnmpVersion::V1, "kolmer", PduTag::SetRequest, {Integer(kErrorOver, 0)}))).ErrorStatus,
      2);
  EXPECT_EQ(Reply(agent.Answer(Request(SnmpVersion::V2c, "kolmer", PduTag::SetRequest, {Integer(kErrorOver, 0)})))
                .ErrorStatus,
            6);  // noAccess
  const TSnmpMessage read =
      Reply(agent.Answer(Request(SnmpVersion::V2c, "kolmer", PduTag::GetRequest, Asking({kErrorOver}))));
  EXPECT_EQ(IntegerOf(read.Bindings[0]), 1);
}

TEST(AgentDevice, AppliesASetWholeOrNotAtAll) {
  TAgentDevice agent(Device(), "127.0.0.1");
  const TVarBind shortBandwidth{kPrefix + "2.7.1.5.5", BerTag::OctetString, std::string(15, '\0')};
  const struct {
    int32_t Version;
    TVarBind Second;
    int32_t Status;
  } refusals[] = {{SnmpVersion::V2c, shortBandwidth, 8},        {SnmpVersion::V1, shortBandwidth, 3},
                  {SnmpVersion::V2c, Integer(kBlock, 1), 17},   {SnmpVersion::V1, Integer(kBlock, 1), 2},
                  {SnmpVersion::V2c, Integer(kUnknown, 1), 11}, {SnmpVersion::V2c, Asking({kErrorOver})[0], 7}};
  for (const auto& refusal : refusals) {
    const TSnmpMessage reply = Reply(agent.Answer(
        Request(refusal.Version, "drastun", PduTag::SetRequest, {Integer(kErrorOver, 0), refusal.Second})));
    EXPECT_EQ(reply.ErrorStatus, refusal.Status) << refusal.Second.Oid;
    EXPECT_EQ(reply.ErrorIndex, 2);
    EXPECT_EQ(IntegerOf(agent.Model().Get(kErrorOver).value()), 1) << "first binding applied";
  }
  const TSnmpMessage done =
      Reply(agent.Answer(Request(SnmpVersion::V2c, "drastun", PduTag::SetRequest, {Integer(kErrorOver, 0)})));
  EXPECT_EQ(done.ErrorStatus, 0);
  EXPECT_EQ(done.Bindings[0].Oid, kErrorOver);
  EXPECT_EQ(IntegerOf(agent.Model().Get(kErrorOver).value()), 0);
}

// The device takes the pause, port-reset and VCG settings with the read
// community, as the program sends them; every other object needs the write community.
TEST(AgentDevice, TakesSomeSetsWithTheReadCommunity) {
  TAgentDevice agent(Device(), "127.0.0.1");
  const TVarBind pause{kPrefix + "2.7.1.2.5", BerTag::OctetString, std::string(1, '\x01')};
  const TVarBind portReset{kPrefix + "2.7.1.7.5", BerTag::OctetString, std::string(4, '\x01')};
  const TVarBind vcg{kPrefix + "2.1.1.2.5.1", BerTag::OctetString, std::string(2, '\0')};
  const struct {
    std::vector<TVarBind> Bindings;
    int32_t Status;
  } cases[] = {{{pause}, 0}, {{portReset}, 0}, {{vcg}, 0}, {{pause, Integer(kErrorOver, 0)}, 6}, {{}, 6}};
  for (const auto& item : cases) {
    const TSnmpMessage reply =
        Reply(agent.Answer(Request(SnmpVersion::V2c, "kolmer", PduTag::SetRequest, item.Bindings)));
    EXPECT_EQ(reply.ErrorStatus, item.Status) << item.Bindings.size();
  }
  EXPECT_EQ(agent.Model().Get(vcg.Oid).value().Value, vcg.Value);
  EXPECT_EQ(IntegerOf(agent.Model().Get(kErrorOver).value()), 1);
}

TEST(AgentDevice, LogsEveryBindingOfASet) {
  TAgentDevice agent(Device(), "127.0.0.1");
  const TVarBind clock{kPrefix + "2.7.1.1.5", BerTag::OctetString, std::string("\x01\x0A", 2)};
  const TAnswer taken =
      agent.Answer(Request(SnmpVersion::V2c, "drastun", PduTag::SetRequest, {clock, Integer(kErrorOver, -1)}));
  EXPECT_EQ(taken.SetLog, (std::vector<std::string>{"set " + clock.Oid + " type 4 octets 01 0A community drastun",
                                                    "set " + kErrorOver + " type 2 octets FF community drastun"}));
  const TAnswer refused = agent.Answer(
      Request(SnmpVersion::V2c, "kolmer", PduTag::SetRequest, {{kErrorOver, BerTag::Integer, std::string(4, '\xFF')}}));
  EXPECT_EQ(refused.SetLog,
            std::vector<std::string>{"set " + kErrorOver + " type 2 octets FF FF FF FF community kolmer"});
  EXPECT_TRUE(agent.Answer(Request(SnmpVersion::V2c, "kolmer", PduTag::GetRequest, Asking({kBlock}))).SetLog.empty());
}

TEST(AgentDevice, InjectsItsFaultIntoReplies) {
  const std::string get = Request(SnmpVersion::V2c, "kolmer", PduTag::GetRequest, Asking({kBlock}));
  EXPECT_FALSE(TAgentDevice(Device({TFaultKind::Drop}), "127.0.0.1").Answer(get).Reply);
  EXPECT_EQ(TAgentDevice(Device({TFaultKind::Late, 300}), "127.0.0.1").Answer(get).DelayMs, 300u);

  const TSnmpMessage other = Reply(TAgentDevice(Device({TFaultKind::OtherOid}), "127.0.0.1").Answer(get));
  EXPECT_NE(other.Bindings[0].Oid.compare(0, kBlock.size(), kBlock), 0) << other.Bindings[0].Oid;
  const TSnmpMessage extended = Reply(TAgentDevice(Device({TFaultKind::ExtendedOid}), "127.0.0.1").Answer(get));
  EXPECT_EQ(extended.Bindings[0].Oid, kBlock + ".0");
  const TSnmpMessage failed = Reply(TAgentDevice(Device({TFaultKind::ErrorStatus, 5}), "127.0.0.1").Answer(get));
  EXPECT_EQ(failed.ErrorStatus, 5);
  EXPECT_EQ(failed.ErrorIndex, 1);

  const TAnswer sound = TAgentDevice(Device(), "127.0.0.1").Answer(get);
  const TAnswer truncated = TAgentDevice(Device({TFaultKind::Truncated}), "127.0.0.1").Answer(get);
  EXPECT_EQ(truncated.Datagram, sound.Datagram.substr(0, sound.Datagram.size() / 2));
  const TAnswer malformed = TAgentDevice(Device({TFaultKind::Malformed}), "127.0.0.1").Answer(get);
  EXPECT_EQ(malformed.Datagram.size(), sound.Datagram.size());
  EXPECT_THROW(ParseSnmpMessage(malformed.Datagram), EBerError);

  TAgentDevice firstOnly(Device({TFaultKind::Drop, 0, 2}), "127.0.0.1");
  EXPECT_FALSE(firstOnly.Answer(get).Reply);
  EXPECT_FALSE(firstOnly.Answer(get).Reply);
  EXPECT_TRUE(firstOnly.Answer(get).Reply);
}

TEST(AgentTraps, ColdStartInBothVersions) {
  TDeviceConfig config = Device();
  config.TrapVersion = SnmpVersion::V1;
  const TSnmpMessage v1 = ParseSnmpMessage(TAgentDevice(config, "127.0.0.5").ColdStartTrap(1234));
  EXPECT_EQ(v1.PduType, PduTag::TrapV1);
  EXPECT_EQ(v1.Trap.GenericTrap, 0);
  EXPECT_EQ(v1.Trap.AgentAddress, std::string("\x7F\x00\x00\x05", 4));
  EXPECT_EQ(v1.Trap.TimeStamp, 1234u);
  ASSERT_EQ(v1.Bindings.size(), 2u);
  ExpectProgramAcceptsName(v1.Bindings[0].Oid);
  EXPECT_EQ(IntegerOf(v1.Bindings[1]), 5);

  config.TrapVersion = SnmpVersion::V2c;
  const TSnmpMessage v2c = ParseSnmpMessage(TAgentDevice(config, "127.0.0.5").ColdStartTrap(1234));
  EXPECT_EQ(v2c.PduType, PduTag::TrapV2);
  ASSERT_EQ(v2c.Bindings.size(), 4u);
  EXPECT_EQ(v2c.Bindings[0].Type, BerTag::TimeTicks);
  EXPECT_EQ(BerOidText(v2c.Bindings[1].Value), "1.3.6.1.6.3.1.1.5.1");
  ExpectProgramAcceptsName(v2c.Bindings[2].Oid);
  EXPECT_EQ(IntegerOf(v2c.Bindings[3]), 5);
}

TEST(AgentTraps, EventsChangeTheDeviceAndSendTheMatchingTrap) {
  TDeviceConfig config = Device();
  config.TrapVersion = SnmpVersion::V1;
  TAgentDevice v1(config, "127.0.0.1");
  const TSnmpMessage down = ParseSnmpMessage(v1.ApplyEvent({100, 1, TEventKind::Link, 2, {}, false}, 10));
  EXPECT_EQ(down.Trap.GenericTrap, 6);
  EXPECT_EQ(down.Trap.SpecificTrap, 14);
  ASSERT_EQ(down.Bindings.size(), 4u);
  ExpectProgramAcceptsName(down.Bindings[0].Oid);
  EXPECT_EQ(IntegerOf(down.Bindings[1]), 5);  // NE address
  EXPECT_EQ(IntegerOf(down.Bindings[2]), 2);  // port
  EXPECT_EQ(IntegerOf(down.Bindings[3]) & 0x02, 0);
  EXPECT_EQ(static_cast<uint8_t>(v1.Model().Get(kBlock)->Value[19]) & 0x02, 0x02);
  const TSnmpMessage up = ParseSnmpMessage(v1.ApplyEvent({200, 1, TEventKind::Link, 2, {}, true}, 20));
  EXPECT_EQ(IntegerOf(up.Bindings[3]) & 0x02, 0x02);

  config.TrapVersion = SnmpVersion::V2c;
  TAgentDevice v2c(config, "127.0.0.1");
  const TSnmpMessage los = ParseSnmpMessage(v2c.ApplyEvent({0, 1, TEventKind::E1Alarm, 7, TE1Alarm::LOS, true}, 0));
  ASSERT_EQ(los.Bindings.size(), 6u);
  EXPECT_EQ(BerOidText(los.Bindings[1].Value), std::string(kEnterprisePrefix) + ".3.1");
  ExpectProgramAcceptsName(los.Bindings[2].Oid);
  EXPECT_EQ(IntegerOf(los.Bindings[4]), 7);
  EXPECT_EQ(IntegerOf(los.Bindings[5]), 0x01);
  EXPECT_EQ(v2c.Model().Get(kBlock)->Value[2 + 6], '\x01');
}

// Device-wide alarms are traps of port 1 whose alarm variable carries the bit
// the program tests, and the indicator octet of the block follows them.
TEST(AgentTraps, DeviceAlarmsRaiseAndClearTheirIndicator) {
  TAgentDevice device(Device(), "127.0.0.1");
  const struct {
    TDeviceAlarm Alarm;
    int Number;
    int32_t RaisedValue;
    uint8_t Indicator;
  } alarms[] = {
      {TDeviceAlarm::LOA, 11, 0x01, 0x04}, {TDeviceAlarm::GID, 12, 0x02, 0x08}, {TDeviceAlarm::LOF, 15, 0x01, 0x10}};
  for (const auto& alarm : alarms) {
    for (const bool on : {true, false}) {
      const TSnmpMessage trap =
          ParseSnmpMessage(device.ApplyEvent({0, 1, TEventKind::DeviceAlarm, 1, {}, on, alarm.Alarm}, 0));
      ASSERT_EQ(trap.Bindings.size(), 6u);
      EXPECT_EQ(BerOidText(trap.Bindings[1].Value), std::string(kEnterprisePrefix) + ".3." + IntToStr(alarm.Number));
      EXPECT_EQ(IntegerOf(trap.Bindings[4]), 1);  // port
      EXPECT_EQ(IntegerOf(trap.Bindings[5]), on ? alarm.RaisedValue : 0);
      EXPECT_EQ(static_cast<uint8_t>(device.Model().Get(kBlock)->Value[22]) & alarm.Indicator, on ? alarm.Indicator : 0)
          << alarm.Number;
    }
  }
}

}  // namespace
