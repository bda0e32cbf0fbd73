// net-snmp's command-line tools as an independent peer of the agent.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "platform/rtl/SysUtils.h"
#include "tests/support/AgentProcess.h"
#include "tools/agent/DeviceModel.h"

namespace {

std::string RunTool(const std::string& command) {
  FILE* pipe = popen(("MIBS= " + command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return "cannot run " + command;
  std::string output;
  char buffer[512];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
  pclose(pipe);
  return output;
}

// The octets of a "Hex-STRING:" answer.
std::vector<int> HexOctets(const std::string& output) {
  std::vector<int> octets;
  const size_t start = output.find("Hex-STRING:");
  if (start == std::string::npos) return octets;
  std::istringstream words(output.substr(start + 11));
  for (std::string word; words >> word;) octets.push_back(StrToInt("$" + word));
  return octets;
}

class AgentPeer : public testing::Test {
 protected:
  std::string Object(const std::string& arcs) const { return std::string(kEnterprisePrefix) + "." + arcs; }
  std::string Target() const { return " -t 1 -r 0 -On 127.0.0.1:" + IntToStr(FAgent.Port()) + " "; }
  std::string Get(const std::string& version, const std::string& community, const std::string& arcs) const {
    return RunTool("snmpget -v" + version + " -c " + community + Target() + Object(arcs));
  }
  std::string Set(const std::string& version, const std::string& arcs, const std::string& typeAndValue) const {
    return RunTool("snmpset -v" + version + " -c drastun" + Target() + Object(arcs) + " " + typeAndValue);
  }

  AgentProcess FAgent{{"--device", "127.0.0.1:0", "--ne", "5", "--manager", "none"}};
};

TEST_F(AgentPeer, ReadsTheBlockAndSetsAnIntegerInBothVersions) {
  EXPECT_EQ(HexOctets(Get("1", "kolmer", "1.1.1.4.5")).size(), 87u);
  EXPECT_EQ(HexOctets(Get("2c", "drastun", "1.1.1.4.5")).size(), 87u);
  EXPECT_NE(Set("1", "2.7.1.11.5", "i 0").find("INTEGER: 0"), std::string::npos);
  EXPECT_NE(Get("2c", "kolmer", "2.7.1.11.5").find("INTEGER: 0"), std::string::npos);
  EXPECT_NE(Set("2c", "2.7.1.11.5", "i 1").find("INTEGER: 1"), std::string::npos);
  EXPECT_NE(Get("1", "kolmer", "2.7.1.11.5").find("INTEGER: 1"), std::string::npos);
}

TEST_F(AgentPeer, AVlanEntrySetShowsInTheTable) {
  const std::string set = Set("2c", "2.3.1.2.5.2", "x 012C0015000301");
  EXPECT_EQ(HexOctets(set), (std::vector<int>{0x01, 0x2C, 0x00, 0x15, 0x00, 0x03, 0x01})) << set;
  const std::vector<int> table = HexOctets(Get("1", "kolmer", "2.7.1.8.5"));
  ASSERT_EQ(table.size(), 80u);
  EXPECT_EQ(std::vector<int>(table.begin() + 5, table.begin() + 10), (std::vector<int>{0x01, 0x2C, 0x00, 0x15, 0x01}));
}

TEST_F(AgentPeer, StationAddressesAreIpAddressesBothWays) {
  EXPECT_NE(Set("2c", "1.1.3.1.2.5.3", "a 10.1.2.3").find("IpAddress: 10.1.2.3"), std::string::npos);
  EXPECT_NE(Get("1", "kolmer", "1.1.3.1.2.5.3").find("IpAddress: 10.1.2.3"), std::string::npos);
  EXPECT_NE(Set("2c", "1.1.3.1.2.5.3", "x 0A010203").find("wrongType"), std::string::npos);
  EXPECT_NE(Set("1", "1.1.3.1.6.5.3", "i 1").find("INTEGER: 1"), std::string::npos);
}

TEST_F(AgentPeer, RefusesUnknownObjectsBadValuesAndWrongCommunities) {
  EXPECT_NE(Get("1", "kolmer", "1.1.1.4.6").find("noSuchName"), std::string::npos);
  EXPECT_NE(Get("2c", "kolmer", "1.1.1.4.6").find("No Such Object"), std::string::npos);
  EXPECT_NE(Set("2c", "2.7.1.5.5", "x 0011").find("wrongLength"), std::string::npos);
  EXPECT_NE(Set("2c", "2.7.1.5.5", "i 1").find("wrongType"), std::string::npos);
  EXPECT_NE(Set("2c", "1.1.1.4.5", "x 00").find("notWritable"), std::string::npos);
  EXPECT_NE(Get("2c", "public", "1.1.1.4.5").find("Timeout"), std::string::npos);
  EXPECT_NE(FAgent.Log().find("wrong community"), std::string::npos);
}

}  // namespace
