#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/rtl/Exceptions.h"
#include "tools/agent/CommandLine.h"
#include "tools/agent/Script.h"

namespace {

std::string FailureOf(const std::vector<std::string>& arguments) {
  try {
    ParseCommandLine(arguments);
  } catch (const EConvertError& error) {
    return error.Message();
  }
  return "accepted";
}

std::string ScriptFailureOf(const std::string& text) {
  try {
    ParseScript(text, 2);
  } catch (const EConvertError& error) {
    return error.Message();
  }
  return "accepted";
}

TEST(AgentCommandLine, GivesEachDeviceItsOwnSettings) {
  const TAgentOptions defaults = ParseCommandLine({});
  ASSERT_EQ(defaults.Devices.size(), 1u);
  EXPECT_EQ(defaults.Devices[0].Address, "127.0.0.1");
  EXPECT_EQ(defaults.Devices[0].Port, 161);
  EXPECT_TRUE(defaults.SendTraps);
  EXPECT_EQ(defaults.ManagerPort, 162);

  const TAgentOptions options = ParseCommandLine(
      {"--device", "127.0.0.5", "--ne", "7", "--trap-version", "1", "--fault", "late:250@2", "--device", "127.0.0.6:0",
       "--write-community", "w", "--fault", "error:5", "--manager", "none", "--script-cycle", "90000"});
  ASSERT_EQ(options.Devices.size(), 2u);
  EXPECT_EQ(options.Devices[0].Port, 161);
  EXPECT_EQ(options.Devices[0].NeAddress, 7u);
  EXPECT_EQ(options.Devices[0].TrapVersion, SnmpVersion::V1);
  EXPECT_EQ(options.Devices[0].Fault.Kind, TFaultKind::Late);
  EXPECT_EQ(options.Devices[0].Fault.Argument, 250);
  EXPECT_EQ(options.Devices[0].Fault.Count, 2);
  EXPECT_EQ(options.Devices[1].Address, "127.0.0.6");
  EXPECT_EQ(options.Devices[1].Port, 0);
  EXPECT_EQ(options.Devices[1].NeAddress, 0u);
  EXPECT_EQ(options.Devices[1].WriteCommunity, "w");
  EXPECT_EQ(options.Devices[1].Fault.Kind, TFaultKind::ErrorStatus);
  EXPECT_EQ(options.Devices[1].Fault.Count, 0);
  EXPECT_FALSE(options.SendTraps);
  EXPECT_EQ(options.ScriptCycleMs, 90000u);
  EXPECT_EQ(defaults.ScriptCycleMs, 0u);
}

TEST(AgentCommandLine, RefusesWhatItCannotRead) {
  EXPECT_EQ(FailureOf({"--ne", "5"}), "--ne belongs to a --device given before it");
  EXPECT_EQ(FailureOf({"--device"}), "--device needs a value");
  EXPECT_EQ(FailureOf({"--device", "127.0.0.1:70000"}), "port '70000' is not a number from 0 to 65535");
  EXPECT_EQ(FailureOf({"--device", "h", "--fault", "late"}), "fault 'late': late needs value after ':'");
  EXPECT_EQ(FailureOf({"--device", "h", "--fault", "drop:1"}), "fault 'drop:1': drop takes no value after ':'");
  EXPECT_EQ(FailureOf({"--device", "h", "--fault", "drop@0"}), "fault count '0' is not a number from 1 to 2147483647");
  EXPECT_EQ(FailureOf({"--device", "h", "--fault", "slow"}), "'slow' is not a fault (see --help)");
  EXPECT_EQ(FailureOf({"--device", "h", "--trap-version", "3"}), "trap version '3' is neither 1 nor 2c");
  EXPECT_EQ(FailureOf({"--script-cycle", "0"}), "script cycle '0' is not a number from 1 to 2147483647");
  EXPECT_EQ(FailureOf({"--verbose"}), "unknown option '--verbose' (see --help)");
}

TEST(AgentScript, ReadsTimedEventsInTimeOrder) {
  const std::vector<TScriptEvent> events = ParseScript(
      "# demo\n"
      "2000 1 link 2 down\n"
      "\n"
      "500 2 e1 16 lof on\n"
      "2000 1 link 2 up\r\n"
      "2500 2 alarm gid off\n",
      2);
  ASSERT_EQ(events.size(), 4u);
  EXPECT_EQ(events[0].AtMs, 500u);
  EXPECT_EQ(events[0].Device, 2);
  EXPECT_EQ(events[0].Kind, TEventKind::E1Alarm);
  EXPECT_EQ(events[0].Port, 16);
  EXPECT_EQ(events[0].Alarm, TE1Alarm::LOF);
  EXPECT_TRUE(events[0].On);
  EXPECT_EQ(events[1].Kind, TEventKind::Link);
  EXPECT_FALSE(events[1].On);
  EXPECT_TRUE(events[2].On);  // same moment: the order of the file
  EXPECT_EQ(events[3].Kind, TEventKind::DeviceAlarm);
  EXPECT_EQ(events[3].DeviceAlarm, TDeviceAlarm::GID);
  EXPECT_FALSE(events[3].On);
}

TEST(AgentScript, NamesTheLineItCannotRead) {
  EXPECT_EQ(ScriptFailureOf("10 1 link 2 down\n10 3 link 1 up"),
            "script line 2: device '3' is not a number from 1 to 2");
  EXPECT_EQ(ScriptFailureOf("10 1 link 5 up"), "script line 1: Ethernet port '5' is not a number from 1 to 4");
  EXPECT_EQ(ScriptFailureOf("10 1 e1 17 los on"), "script line 1: E1 port '17' is not a number from 1 to 16");
  EXPECT_EQ(ScriptFailureOf("10 1 e1 3 rai on"), "script line 1: 'rai' is not an alarm (los, cv, ais, lof)");
  EXPECT_EQ(ScriptFailureOf("10 1 link 2 off"), "script line 1: 'off' is neither up nor down");
  EXPECT_EQ(ScriptFailureOf("-5 1 link 2 up"), "script line 1: time '-5' is not a number from 0 to 2147483647");
  EXPECT_EQ(ScriptFailureOf("10 1 reboot"), "script line 1: 'reboot' is not an event (link, e1, alarm)");
  EXPECT_EQ(ScriptFailureOf("10 1 alarm los on"), "script line 1: 'los' is not a device alarm (loa, gid, lof)");
  EXPECT_EQ(ScriptFailureOf("10 1 link 2 up now"), "script line 1: unexpected 'now'");
  EXPECT_EQ(ScriptFailureOf("10 1 link"), "script line 1: Ethernet port missing");
}

}  // namespace
