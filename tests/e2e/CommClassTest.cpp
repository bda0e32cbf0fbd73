// The communication form's exchanges and trap reception against the simulated
// device agent and hand-made datagrams, with the form's real trap server on
// port 162.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "application/core/CommClass.h"
#include "platform/rtl/Exceptions.h"
#include "tests/e2e/Pump.h"
#include "tests/e2e/RecordingMonitor.h"
#include "tests/support/AgentProcess.h"
#include "tests/support/SpoofedUdp.h"
#include "tests/support/TemporaryFolder.h"
#include "tools/agent/SnmpMessage.h"

namespace {

const std::string P = "1.3.6.1.4.1.6215.1.4.1";
const std::string kPortStateOid = P + ".1.1.1.4.5";
const std::string kErrorOverOid = P + ".2.7.1.11.5";
const std::string kBandwidthOid = P + ".2.7.1.5.5";
const std::string kAlarmOid = "1.3.6.1.4.1.6215.1.2.1.1.1.1.1.5";

struct TGetOutcome {
  std::string Result;
  std::vector<std::string> Values;
};

TStringList Oids(std::initializer_list<std::string> oids) {
  TStringList list;
  for (const std::string& oid : oids) list.Add(oid);
  return list;
}

std::vector<std::string> Texts(const TStringList& list) {
  std::vector<std::string> texts;
  for (int i = 0; i < list.Count(); ++i) texts.push_back(list[i]);
  return texts;
}

std::vector<std::string> DeviceArguments(std::vector<std::string> extra = {}) {
  std::vector<std::string> arguments = {"--device", "127.0.0.1:0", "--ne", "5", "--manager", "none"};
  arguments.insert(arguments.end(), extra.begin(), extra.end());
  return arguments;
}

class CommClassTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Application().Initialize();
    RegisterCommClasses();
    Application().CreateForm(FMonitor);
    Application().CreateForm(CommClassW);
  }
  static void TearDownTestSuite() {
    CommClassW->Free();
    CommClassW = nullptr;
    delete FMonitor;
  }

  void SetUp() override {
    CommClassW->SNMP->SetReceiveTimeout(5000);
    FMonitor->Connected = true;
    FMonitor->Traps.clear();
  }

  TGetOutcome Get(const AgentProcess& agent, const TStringList& oids, int32_t version = 1,
                  const std::string& community = "kolmer") {
    CommClassW->SNMP->SetPort(agent.Port());
    TStringList values;
    TGetOutcome outcome;
    CommClassW->SnmpGet(version, community, "127.0.0.1", oids, values, outcome.Result);
    outcome.Values = Texts(values);
    return outcome;
  }

  std::string Set(const AgentProcess& agent, const std::vector<TSetOid>& items,
                  const std::string& community = "drastun") {
    CommClassW->SNMP->SetPort(agent.Port());
    std::string result;
    CommClassW->SnmpSet(1, community, "127.0.0.1", items, result);
    return result;
  }

  void ExpectStatus(const std::string& connection, const std::string& outcome, bool connected) {
    EXPECT_EQ(FMonitor->Connection, connection);
    EXPECT_EQ(FMonitor->Outcome, outcome);
    EXPECT_EQ(FMonitor->Connected, connected);
  }

  static inline TRecordingMonitor* FMonitor = nullptr;
};

}  // namespace

TEST_F(CommClassTest, GetReadsThePortStateBlockInBothVersions) {
  AgentProcess agent(DeviceArguments());
  for (int32_t version : {0, 1}) {
    FMonitor->Connected = false;
    const TGetOutcome outcome = Get(agent, Oids({kPortStateOid}), version);
    EXPECT_EQ(outcome.Result, "1");
    ASSERT_EQ(outcome.Values.size(), 1u);
    EXPECT_EQ(outcome.Values[0].size(), 87u);
    ExpectStatus("Connected", "Read successful!", true);
  }
}

TEST_F(CommClassTest, GetWithoutAnAnswerReportsTheDeviceDisconnected) {
  AgentProcess agent(DeviceArguments({"--fault", "drop"}));
  CommClassW->SNMP->SetReceiveTimeout(400);
  const TGetOutcome outcome = Get(agent, Oids({kPortStateOid}));
  EXPECT_EQ(outcome.Result, "0");
  EXPECT_TRUE(outcome.Values.empty());
  ExpectStatus("Disconnected", "Read failed!", false);

  AgentProcess quiet(DeviceArguments());
  const TGetOutcome wrongCommunity = Get(quiet, Oids({kPortStateOid}), 1, "guess");
  EXPECT_EQ(wrongCommunity.Result, "0");
  ExpectStatus("Disconnected", "Read failed!", false);
}

TEST_F(CommClassTest, GetTakesAReplyWhoseIdentifierExtendsTheRequestedOne) {
  AgentProcess agent(DeviceArguments({"--fault", "extended-oid"}));
  const TGetOutcome outcome = Get(agent, Oids({kPortStateOid}));
  EXPECT_EQ(outcome.Result, "1");
  ASSERT_EQ(outcome.Values.size(), 1u);
  ExpectStatus("Connected", "Read successful!", true);
}

namespace {

// Two objects of NE 1, so that a binding more or fewer shows.
const std::string kNe1ErrorOver = P + ".2.7.1.11.1";
const std::string kNe1Bandwidth = P + ".2.7.1.5.1";
const std::string kElsewhere = "127.0.0.9";

// The device's own answer: the request's objects, valued "A", "B", ...
TSnmpMessage Answer(const std::string& request) {
  TSnmpMessage answer = ParseSnmpMessage(request);
  answer.PduType = PduTag::GetResponse;
  for (size_t i = 0; i < answer.Bindings.size(); ++i) {
    answer.Bindings[i] = {answer.Bindings[i].Oid, BerTag::OctetString, std::string(1, static_cast<char>('A' + i))};
  }
  return answer;
}

std::string Answered(const std::string& request) { return EncodeSnmpMessage(Answer(request)); }

std::string AnsweredAltered(const std::string& request, void (*alter)(TSnmpMessage&)) {
  TSnmpMessage answer = Answer(request);
  alter(answer);
  return EncodeSnmpMessage(answer);
}

// A refusal that ends after its request id (0, as every request's).
std::string RefusalCutBeforeItsErrorStatus(const std::string& request) {
  const std::string whole = AnsweredAltered(request, [](TSnmpMessage& refusal) {
    refusal.ErrorStatus = 5;
    refusal.ErrorIndex = 1;
  });
  return whole.substr(0, whole.find(std::string("\x02\x01\x00\x02\x01\x05", 6)) + 3);
}

// The answer, every value of it the exception `tag` in its place.
std::string AnsweredWithException(const std::string& request, uint8_t tag) {
  TSnmpMessage answer = Answer(request);
  for (TVarBind& binding : answer.Bindings) binding = {binding.Oid, tag, {}};
  return EncodeSnmpMessage(answer);
}

// The answer, its second value an item of `tag` holding `content`.
std::string AnsweredWithSecondValue(const std::string& request, uint8_t tag, const std::string& content = {}) {
  TSnmpMessage answer = Answer(request);
  answer.Bindings[1] = {answer.Bindings[1].Oid, tag, content};
  return EncodeSnmpMessage(answer);
}

// A device's answer to a question about another object: NE 12 for NE 1.
std::string AnsweredForAnotherObject(const std::string& request) {
  return AnsweredAltered(request, [](TSnmpMessage& a) { a.Bindings.back().Oid += "2"; });
}

// 2^32 + low: an INTEGER of five octets whose low 32 bits are `low`.
std::string FiveOctetInteger(uint8_t low) { return std::string("\x01\x00\x00\x00", 4) + static_cast<char>(low); }

// The answer with the version 2^32 + 1: SNMPv2c in its low bits.
std::string AnsweredWithAFiveOctetVersion(const std::string& request) {
  TBerNode answer = BerParse(Answered(request));
  answer.Children[0].Content = FiveOctetInteger(1);
  return BerEncode(answer);
}

// A refusal whose error status, 2^32, is noError in its low bits.
std::string RefusedWithAFiveOctetErrorStatus(const std::string& request) {
  TBerNode refusal = BerParse(AnsweredAltered(request, [](TSnmpMessage& r) { r.ErrorIndex = 1; }));
  refusal.Children[2].Children[1].Content = FiveOctetInteger(0);
  return BerEncode(refusal);
}

constexpr uint32_t kTimeoutMs = 500;
constexpr auto kStrayStream = std::chrono::seconds(5);

// The first datagram again, `Burst` at a time every `PeriodMs` until
// kStrayStream has passed, to whichever request came last; none without a burst.
struct TStrays {
  uint32_t PeriodMs = 0;
  int Burst = 0;
};

constexpr TStrays kStrayEvery50Ms{50, 1};
// Bursts with no pause between them: faster than the program reads them.
constexpr TStrays kStraysBackToBack{0, 64};

// What the device sends first; in the rows that say so, its own answer follows.
struct TAnswerCase {
  const char* Name;
  std::string (*First)(const std::string& request);
  bool FromElsewhere;
  bool FollowedByTheAnswer;
  // When not 0, the read and the set together end within this many milliseconds.
  uint32_t EndsWithinMs = 0;
  TStrays Strays = {};
  // When set, the first datagram is itself the answer, and its second value reads as this.
  const char* SecondValueRead = nullptr;
};

std::string Junk(const std::string&) { return std::string(1, '\0'); }
std::string Echo(const std::string& request) { return request; }

const TAnswerCase kAnswerCases[] = {
    {"one junk octet", Junk, false, false},
    {"the request echoed", Echo, false, false},
    {"no bindings",
     [](const std::string& r) { return AnsweredAltered(r, [](TSnmpMessage& a) { a.Bindings.clear(); }); }, false,
     false},
    {"one binding fewer",
     [](const std::string& r) { return AnsweredAltered(r, [](TSnmpMessage& a) { a.Bindings.pop_back(); }); }, false,
     false},
    {"one binding more",
     [](const std::string& r) {
       return AnsweredAltered(r, [](TSnmpMessage& a) {
         a.Bindings.push_back({a.Bindings[0].Oid + ".1", BerTag::OctetString, "C"});
       });
     },
     false, false},
    {"cut before its error status", RefusalCutBeforeItsErrorStatus, false, false},
    {"NE 12 for NE 1", AnsweredForAnotherObject, false, false},
    {"from another address", Answered, true, false},
    {"a GetRequest",
     [](const std::string& r) { return AnsweredAltered(r, [](TSnmpMessage& a) { a.PduType = PduTag::GetRequest; }); },
     false, false},
    {"junk, then the answer", Junk, false, true},
    {"the request echoed, then the answer", Echo, false, true},
    {"noSuchObject", [](const std::string& r) { return AnsweredWithException(r, 0x80); }, false, false},
    {"noSuchInstance", [](const std::string& r) { return AnsweredWithException(r, 0x81); }, false, false},
    {"the second value only noSuchObject",
     [](const std::string& r) { return AnsweredWithSecondValue(r, BerTag::NoSuchObject); }, false, false},
    {"the second value NULL", [](const std::string& r) { return AnsweredWithSecondValue(r, BerTag::Null); }, false,
     false},
    {"the second value of an unknown tag", [](const std::string& r) { return AnsweredWithSecondValue(r, 0x83); }, false,
     false},
    {"the second value a Counter64 above 2^32",
     [](const std::string& r) { return AnsweredWithSecondValue(r, 0x46, std::string("\x01\x00\x00\x00\x02", 5)); },
     false, false, 0, TStrays(), "4294967298"},
    {"an error status of five octets", RefusedWithAFiveOctetErrorStatus, false, false},
    {"a version of five octets", AnsweredWithAFiveOctetVersion, false, false},
    {"tooBig without bindings",
     [](const std::string& r) {
       return AnsweredAltered(r, [](TSnmpMessage& a) {
         a.ErrorStatus = 1;
         a.Bindings.clear();
       });
     },
     false, false, 2 * kTimeoutMs / 5},
    {"a stray every 50 ms for 5 s", Answered, true, false, 4000, kStrayEvery50Ms},
    {"answers for another object back to back from the device's address", AnsweredForAnotherObject, false, false,
     2 * kTimeoutMs + 300, kStraysBackToBack},
};

void SendFirst(TUdpSocket& device, const TAnswerCase& c, const TPeer& manager, const std::string& first) {
  if (c.FromElsewhere)
    SendUdpFrom(kElsewhere, device.LocalPort(), manager.IP, manager.Port, first);
  else
    device.SendTo(manager.IP, manager.Port, first);
}

// Plays the case for each of `requests` requests; what went wrong is noted
// for the test's own thread.
void PlayCase(TUdpSocket& device, const TAnswerCase& c, int requests, std::string& failure) {
  try {
    const auto streamEnd = std::chrono::steady_clock::now() + kStrayStream;
    for (int i = 0; i < requests && device.WaitReadable(3000); ++i) {
      TPeer manager;
      const std::string request = device.ReceiveFrom(manager);
      const std::string first = c.First(request);
      SendFirst(device, c, manager, first);
      if (c.FollowedByTheAnswer) device.SendTo(manager.IP, manager.Port, Answered(request));
      while (c.Strays.Burst > 0 && std::chrono::steady_clock::now() < streamEnd &&
             !device.WaitReadable(c.Strays.PeriodMs)) {
        for (int stray = 0; stray < c.Strays.Burst; ++stray) SendFirst(device, c, manager, first);
      }
    }
  } catch (const std::exception& error) {
    failure = error.what();
  }
}

}  // namespace

// Only the device's own answer to a request ends its wait: whatever else comes
// first is dropped, and without the answer the exchange fails as a time-out,
// which no stream of strays puts off. A refusal ends the wait at once, and an
// answer without a value the program can show for each object fails as one
// does.
TEST_F(CommClassTest, OnlyTheDevicesOwnAnswerIsTheReply) {
  CommClassW->SNMP->SetReceiveTimeout(kTimeoutMs);
  for (const TAnswerCase& c : kAnswerCases) {
    SCOPED_TRACE(c.Name);
    TUdpSocket device;
    device.Bind("127.0.0.1", 0);
    std::string failure;
    std::thread responder([&] { PlayCase(device, c, 2, failure); });
    CommClassW->SNMP->SetPort(device.LocalPort());
    const bool answered = c.FollowedByTheAnswer || c.SecondValueRead != nullptr;
    const std::string result = answered ? "1" : "0";
    const char* const connection = answered ? "Connected" : "Disconnected";
    TStringList values;
    std::string read;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_NO_THROW(CommClassW->SnmpGet(1, "kolmer", "127.0.0.1", Oids({kNe1ErrorOver, kNe1Bandwidth}), values, read));
    EXPECT_EQ(read, result);
    const std::vector<std::string> answer{"A", c.SecondValueRead != nullptr ? c.SecondValueRead : "B"};
    EXPECT_EQ(Texts(values), answered ? answer : std::vector<std::string>());
    ExpectStatus(connection, answered ? "Read successful!" : "Read failed!", answered);
    std::string set;
    EXPECT_NO_THROW(CommClassW->SnmpSet(
        1, "drastun", "127.0.0.1",
        {{kNe1ErrorOver, int32_t{3}, ASN1_INTEGER}, {kNe1Bandwidth, std::string("x"), ASN1_OCTET_STRING}}, set));
    if (c.EndsWithinMs != 0) {
      EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(c.EndsWithinMs));
    }
    EXPECT_EQ(set, result);
    ExpectStatus(connection, answered ? "Set successful!" : "Set failed!", answered);
    responder.join();
    EXPECT_EQ(failure, "");
  }
}

TEST_F(CommClassTest, SetSendsEachItemWithItsTypeAndTheDeviceKeepsIt) {
  AgentProcess agent(DeviceArguments());
  const std::string bandwidth("\x01\x00\xFF\x10\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B\x0C\x0D", 16);
  FMonitor->Connected = false;
  EXPECT_EQ(Set(agent, {{kErrorOverOid, int32_t{3}, ASN1_INTEGER}, {kBandwidthOid, bandwidth, ASN1_OCTET_STRING}}),
            "1");
  ExpectStatus("Connected", "Set successful!", true);

  const TGetOutcome readBack = Get(agent, Oids({kErrorOverOid, kBandwidthOid}));
  EXPECT_EQ(readBack.Result, "1");
  EXPECT_EQ(readBack.Values, (std::vector<std::string>{"3", bandwidth}));
}

TEST_F(CommClassTest, SetRefusedOrUnansweredFails) {
  AgentProcess refusing(DeviceArguments({"--fault", "error:5"}));
  EXPECT_EQ(Set(refusing, {{kErrorOverOid, int32_t{2}, ASN1_INTEGER}}), "0");
  ExpectStatus("Disconnected", "Set failed!", false);

  AgentProcess agent(DeviceArguments());
  FMonitor->Connected = true;
  EXPECT_EQ(Set(agent, {{kErrorOverOid, int32_t{2}, ASN1_INTEGER}}, "kolmer"), "0");
  ExpectStatus("Disconnected", "Set failed!", false);

  // The read's reply comes after the read gave up, while the set of the same
  // object waits; the device drops the set, whose community it does not know.
  AgentProcess late(DeviceArguments({"--fault", "late:1500@1"}));
  CommClassW->SNMP->SetReceiveTimeout(1000);
  EXPECT_EQ(Get(late, Oids({kErrorOverOid})).Result, "0");
  FMonitor->Connected = true;
  EXPECT_EQ(Set(late, {{kErrorOverOid, int32_t{2}, ASN1_INTEGER}}, "unknown"), "0");
  ExpectStatus("Disconnected", "Set failed!", false);
}

TEST_F(CommClassTest, SingleShotGetAsksPort161AndGivesUpAfterHalfASecond) {
  const TStringList oids = Oids({kPortStateOid});
  // The address asked is the one Wine's agent answers from, whatever loopback address it was given.
  AgentProcess agent({"--device", "127.0.0.1", "--ne", "5", "--manager", "none", "--fault", "drop@1"});
  TStringList values;
  std::string result;
  const auto start = std::chrono::steady_clock::now();
  CommClassW->SnmpGetOnce(1, "kolmer", "127.0.0.1", oids, values, result);
  const auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(result, "0");
  ExpectStatus("Disconnected", "Read failed!", false);
  EXPECT_GE(waited, std::chrono::milliseconds(450));
  EXPECT_LT(waited, std::chrono::milliseconds(1500));

  CommClassW->SnmpGetOnce(1, "kolmer", "127.0.0.1", oids, values, result);
  EXPECT_EQ(result, "1");
  ASSERT_EQ(values.Count(), 1);
  EXPECT_EQ(values[0].size(), 87u);
  ExpectStatus("Connected", "Read successful!", true);

  EXPECT_THROW(CommClassW->SnmpGetOnce(1, "kolmer", "no-such-device.invalid", oids, values, result), ESocketError);
}

TEST_F(CommClassTest, TrapsFromTheAgentArriveAsDecodedRecords) {
  TemporaryFolder folder;
  folder.Write("events", "100 1 link 2 down\n200 2 link 1 up\n");
  AgentProcess agent({"--device", "127.0.0.1:0", "--ne", "5", "--trap-version", "1", "--device", "127.0.0.1:0", "--ne",
                      "6", "--trap-version", "2c", "--manager", "127.0.0.1:162", "--script", folder.File("events")});
  ASSERT_TRUE(PumpUntil([] { return FMonitor->Traps.size() >= 4; }));
  const std::vector<TPDU>& traps = FMonitor->Traps;
  int coldStarts = 0;
  for (const TPDU& trap : traps) {
    EXPECT_EQ(trap.SenderIP, "127.0.0.1");
    if (trap.TrapIndex == 101) {
      ++coldStarts;
      EXPECT_EQ(trap.State, 1);
      EXPECT_TRUE(trap.NEAddr == 5 || trap.NEAddr == 6);
    }
  }
  EXPECT_EQ(coldStarts, 2);
  const TPDU& linkDown = traps[2];
  EXPECT_EQ(linkDown.NEAddr, 5);
  EXPECT_EQ(linkDown.Port, 2);
  EXPECT_EQ(linkDown.TrapIndex, 14);
  EXPECT_EQ(linkDown.State, 0);
  const TPDU& linkUp = traps[3];
  EXPECT_EQ(linkUp.NEAddr, 6);
  EXPECT_EQ(linkUp.Port, 1);
  EXPECT_EQ(linkUp.TrapOid, "1.3.6.1.4.1.6215.1.4.1.3.14");
  EXPECT_EQ(linkUp.State, 1);
}

namespace {

// An SNMPv1 trap of the device family, built with the agent's own encoder.
std::string V1Trap(int32_t generic, int32_t specific, const std::string& testedOid, const std::string& neAddr,
                   uint8_t neAddrType = BerTag::Integer) {
  TSnmpMessage trap;
  trap.Version = SnmpVersion::V1;
  trap.Community = "public";
  trap.PduType = PduTag::TrapV1;
  trap.Trap = {P, std::string("\x7F\x00\x00\x01", 4), generic, specific, 42};
  trap.Bindings = {{testedOid, BerTag::Integer, BerIntegerContent(1)},
                   {"1.3.6.1.4.1.6215.1.2.1.1.2", neAddrType, neAddr},
                   {"1.3.6.1.4.1.6215.1.2.1.1.3", BerTag::Integer, BerIntegerContent(1)},
                   {"1.3.6.1.4.1.6215.1.2.1.1.4", BerTag::Integer, BerIntegerContent(0x40)}};
  return EncodeSnmpMessage(trap);
}

void SendToTrapPort(const std::string& datagram) {
  TUdpSocket sender;
  sender.SendTo("127.0.0.1", 162, datagram);
}

}  // namespace

TEST_F(CommClassTest, OnlyTrapsOfTheDeviceFamilyArriveAndABadOneIsDropped) {
  SendToTrapPort(V1Trap(6, 5, "1.3.6.1.4.1.6215.1.2.1.1.1.1.5", BerIntegerContent(5)));
  SendToTrapPort(V1Trap(6, 5, kAlarmOid + ".1", BerIntegerContent(5)));
  SendToTrapPort(V1Trap(6, 5, kAlarmOid, "not a number", BerTag::OctetString));
  SendToTrapPort(std::string("\x30\x84\xFF\xFF\xFF\xFF\x02\x01", 8));
  SendToTrapPort(V1Trap(6, 17, kAlarmOid, BerIntegerContent(9)));
  SendToTrapPort(V1Trap(6, 5, kAlarmOid, BerIntegerContent(9)));
  ASSERT_TRUE(PumpUntil([] { return FMonitor->Traps.size() >= 2; }));
  PumpUntil([] { return false; }, 200);
  ASSERT_EQ(FMonitor->Traps.size(), 2u);
  const TPDU& beyondSixteen = FMonitor->Traps[0];
  EXPECT_EQ(beyondSixteen.NEAddr, 9);
  EXPECT_EQ(beyondSixteen.TrapOid, "");
  EXPECT_EQ(beyondSixteen.TrapIndex, 255);
  EXPECT_EQ(beyondSixteen.State, 2);
  const TPDU& alarm = FMonitor->Traps[1];
  EXPECT_EQ(alarm.TrapIndex, 5);
  EXPECT_EQ(alarm.Value, 0x40);
  EXPECT_EQ(alarm.State, 1);
}
