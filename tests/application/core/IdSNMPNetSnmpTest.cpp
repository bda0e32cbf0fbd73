// Our client against net-snmp's own agent: snmpd, started for the test on a
// loopback port with a minimal configuration, answers a standard object.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "application/core/IdSNMP.h"
#include "tests/support/TemporaryFolder.h"

extern char** environ;

namespace {

const char kSysDescr[] = "NEPL test agent";
const std::string kSysDescrOid = "1.3.6.1.2.1.1.1.0";

uint16_t FreeUdpPort() {
  TUdpSocket probe;
  probe.Bind("127.0.0.1", 0);
  return probe.LocalPort();
}

class TNetSnmpAgent {
 public:
  TNetSnmpAgent() : FPort(FreeUdpPort()) {
    FFolder.Write("snmpd.conf", "agentAddress udp:127.0.0.1:" + std::to_string(FPort) +
                                    "\nrocommunity kolmer default\nsysDescr " + kSysDescr + "\n");
    const std::string config = FFolder.File("snmpd.conf");
    const char* arguments[] = {"snmpd", "-f", "-Lf", "/dev/null", "-C", "-c", config.c_str(), nullptr};
    if (posix_spawnp(&FPid, "snmpd", nullptr, nullptr, const_cast<char**>(arguments), environ) != 0) FPid = 0;
  }
  ~TNetSnmpAgent() {
    if (FPid <= 0) return;
    kill(FPid, SIGTERM);
    waitpid(FPid, nullptr, 0);
  }

  bool Started() const { return FPid > 0; }
  uint16_t Port() const { return FPort; }

 private:
  TemporaryFolder FFolder;
  uint16_t FPort;
  pid_t FPid = 0;
};

bool GetSysDescr(TIdSNMP& snmp, uint16_t port, int32_t version) {
  snmp.SetHost("127.0.0.1");
  snmp.SetPort(port);
  snmp.Query().Clear();
  snmp.Reply().Clear();
  snmp.Query().Version = version;
  snmp.Query().PDUType = PDU_GET;
  snmp.Query().AddVarBind(kSysDescrOid, "", ASN1_NULL);
  return snmp.SendRequest();
}

}  // namespace

TEST(IdSNMPWithNetSnmp, ReadsAStandardObjectFromSnmpdInBothVersions) {
  TNetSnmpAgent agent;
  ASSERT_TRUE(agent.Started()) << "snmpd could not be started";
  TIdSNMP snmp;
  snmp.SetReceiveTimeout(200);
  // snmpd needs a moment to bind its port: ask until it answers.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  bool answered = false;
  while (!(answered = GetSysDescr(snmp, agent.Port(), 0)) && std::chrono::steady_clock::now() < deadline) {
  }
  ASSERT_TRUE(answered);
  for (int32_t version : {0, 1}) {
    ASSERT_TRUE(GetSysDescr(snmp, agent.Port(), version)) << version;
    const TSNMPInfo& reply = snmp.Reply();
    EXPECT_EQ(reply.Version, version);
    EXPECT_EQ(reply.PDUType, PDU_GET_RESPONSE);
    ASSERT_EQ(reply.Oids.Count(), 1);
    EXPECT_EQ(reply.Oids[0], kSysDescrOid);
    EXPECT_EQ(reply.Values[0], kSysDescr);
    EXPECT_EQ(reply.Values.Tags(0), ASN1_OCTET_STRING);
  }
}
