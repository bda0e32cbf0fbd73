// Traps sent by net-snmp's snmptrap reach the communication form's trap server
// and decode into the records the main window expects. A shell script runs
// this program and snmptrap side by side: the program says when it listens by
// creating a file in the folder NEPL_TRAP_HANDSHAKE names.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "application/core/CommClass.h"
#include "tests/e2e/Pump.h"
#include "tests/e2e/RecordingMonitor.h"
#include "tests/support/WindowsPath.h"

TEST(NetSnmpTraps, ArriveAsTheRecordsTheMainWindowExpects) {
  const char* handshake = std::getenv("NEPL_TRAP_HANDSHAKE");
  if (!handshake) GTEST_SKIP() << "run through net-snmp-traps.sh, which sends the traps";
  Application().Initialize();
  RegisterCommClasses();
  TRecordingMonitor* monitor = nullptr;
  Application().CreateForm(monitor);
  Application().CreateForm(CommClassW);
  std::ofstream(WindowsPath(handshake) + "\\listening") << "162\n";

  ASSERT_TRUE(PumpUntil([&] { return monitor->Traps.size() >= 4; }, 20000));
  const TPDU& v1 = monitor->Traps[0];
  EXPECT_EQ(v1.SenderIP, "127.0.0.1");
  EXPECT_EQ(v1.Value0, 7);
  EXPECT_EQ(v1.NEAddr, 5);
  EXPECT_EQ(v1.Port, 2);
  EXPECT_EQ(v1.TrapIndex, 14);
  EXPECT_EQ(v1.TrapOid, "1.3.6.1.4.1.6215.1.4.1.3.14");
  EXPECT_EQ(v1.VarOid, "1.3.6.1.4.1.6215.1.2.1.1.4");
  EXPECT_EQ(v1.Value, 2);
  EXPECT_EQ(v1.State, 1);

  const TPDU& v2 = monitor->Traps[1];
  EXPECT_EQ(v2.NEAddr, 6);
  EXPECT_EQ(v2.Port, 1);
  EXPECT_EQ(v2.TrapOid, "1.3.6.1.4.1.6215.1.4.1.3.11");
  EXPECT_EQ(v2.TrapIndex, 11);
  EXPECT_EQ(v2.Value, 0);
  EXPECT_EQ(v2.State, 0);

  const TPDU& coldStart = monitor->Traps[2];
  EXPECT_EQ(coldStart.TrapIndex, 101);
  EXPECT_EQ(coldStart.NEAddr, 8);
  EXPECT_EQ(coldStart.Port, 1);
  EXPECT_EQ(coldStart.Value, 0);

  const TPDU& warmStart = monitor->Traps[3];
  EXPECT_EQ(warmStart.TrapIndex, 102);
  EXPECT_EQ(warmStart.TrapOid, "1.3.6.1.6.3.1.1.5.2");
  EXPECT_EQ(warmStart.Value0, 4);
  EXPECT_EQ(warmStart.NEAddr, 9);
  EXPECT_EQ(warmStart.State, 1);
  EXPECT_EQ(warmStart.Port, 1);
  EXPECT_EQ(warmStart.VarOid, v2.VarOid);

  CommClassW->Free();
  CommClassW = nullptr;
  delete monitor;
}
