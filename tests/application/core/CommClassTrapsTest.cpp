#include <gtest/gtest.h>

#include "application/core/CommClassTraps.h"
#include "platform/rtl/Exceptions.h"

namespace {

const std::string kAlarmOid = "1.3.6.1.4.1.6215.1.2.1.1.1.1.1.5";
const std::string kTrapPrefix = "1.3.6.1.4.1.6215.1.4.1.3.";

class TrapDecodingTest : public ::testing::Test {
 protected:
  TSNMPInfo& Trap() { return FSnmp.Trap(); }

  // The bindings a device puts after the trap identifier: the tested OID with
  // Value0, the NE address, the port and the alarm variable.
  void AddAlarmBindings(const std::string& testedOid, const std::string& neAddr, const std::string& port,
                        const std::string& value) {
    Trap().AddVarBind(testedOid, "7", ASN1_INTEGER);
    Trap().AddVarBind("1.3.6.1.4.1.6215.1.2.1.1.2", neAddr, ASN1_INTEGER);
    Trap().AddVarBind("1.3.6.1.4.1.6215.1.2.1.1.3", port, ASN1_INTEGER);
    Trap().AddVarBind("1.3.6.1.4.1.6215.1.2.1.1.4.9", value, ASN1_INTEGER);
  }

  void PrepareV1(int32_t generic, int32_t specific) {
    Trap().Clear();
    Trap().GenericTrap = generic;
    Trap().SpecificTrap = specific;
  }

  void PrepareV2(const std::string& trapOid) {
    Trap().Clear();
    Trap().Version = 1;
    Trap().AddVarBind("1.3.6.1.2.1.1.3.0", "12345", ASN1_TIMETICKS);
    Trap().AddVarBind("1.3.6.1.6.3.1.1.4.1.0", trapOid, ASN1_OBJECT_ID);
  }

  TIdSNMP FSnmp;
  TPDU FPdu;
};

}  // namespace

TEST(TrapStateOf, TestsTheAlarmBitOfEachDeviceTrap) {
  const int32_t bits[] = {0x01, 0x02, 0x04, 0x08, 0x40, 0x01, 0x02, 0x04, 0x08, 0x10, 0x01, 0x02, 0x01, 0x02};
  for (int n = 1; n <= 14; ++n) {
    const std::string oid = kTrapPrefix + std::to_string(n);
    EXPECT_EQ(TrapStateOf(oid, bits[n - 1]), 1) << n;
    EXPECT_EQ(TrapStateOf(oid, 0xFF & ~bits[n - 1]), 0) << n;
  }
  EXPECT_EQ(TrapStateOf(kTrapPrefix + "5", 0x40), 1);
  EXPECT_EQ(TrapStateOf(kTrapPrefix + "5", 0x3F), 0);
  EXPECT_EQ(TrapStateOf(kTrapPrefix + "15", 2), 1);
  EXPECT_EQ(TrapStateOf(kTrapPrefix + "15", 0), 0);
  EXPECT_EQ(TrapStateOf(kTrapPrefix + "16", 0xFF), 2);
  EXPECT_EQ(TrapStateOf(kTrapPrefix + "17", 1), 2);
  EXPECT_EQ(TrapStateOf("", 1), 2);
}

TEST(TrapIndexOfOid, KnowsOnlyTheSixteenDeviceTraps) {
  EXPECT_EQ(TrapIndexOfOid(kTrapPrefix + "1"), 1);
  EXPECT_EQ(TrapIndexOfOid(kTrapPrefix + "16"), 16);
  EXPECT_EQ(TrapIndexOfOid(kTrapPrefix + "17"), 255);
  EXPECT_EQ(TrapIndexOfOid(kTrapPrefix + "01"), 255);
  EXPECT_EQ(TrapIndexOfOid(kTrapPrefix + "1.0"), 255);
  EXPECT_EQ(TrapIndexOfOid(""), 255);
}

TEST_F(TrapDecodingTest, V1EnterpriseTrapFillsEveryAlarmField) {
  PrepareV1(6, 14);
  AddAlarmBindings(kAlarmOid, "5", "2", "2");
  ASSERT_EQ(DecodeTrapV1(Trap(), FPdu), "1");
  EXPECT_EQ(FPdu.Value0, 7);
  EXPECT_EQ(FPdu.NEAddr, 5);
  EXPECT_EQ(FPdu.Port, 2);
  EXPECT_EQ(FPdu.TrapOid, kTrapPrefix + "14");
  EXPECT_EQ(FPdu.TrapIndex, 14);
  EXPECT_EQ(FPdu.VarOid, "1.3.6.1.4.1.6215.1.2.1.1.4.9");
  EXPECT_EQ(FPdu.Value, 2);
  EXPECT_EQ(FPdu.State, 1);
}

TEST_F(TrapDecodingTest, V1SpecificTrapBeyondSixteenIsPassedOnWithoutAnIdentity) {
  PrepareV1(6, 17);
  AddAlarmBindings(kAlarmOid, "5", "1", "1");
  ASSERT_EQ(DecodeTrapV1(Trap(), FPdu), "1");
  EXPECT_EQ(FPdu.TrapOid, "");
  EXPECT_EQ(FPdu.TrapIndex, 255);
  EXPECT_EQ(FPdu.State, 2);
}

TEST_F(TrapDecodingTest, RestartTrapsKeepTheAlarmFieldsOfThePreviousTrap) {
  PrepareV1(6, 11);
  AddAlarmBindings(kAlarmOid, "5", "1", "1");
  ASSERT_EQ(DecodeTrapV1(Trap(), FPdu), "1");

  PrepareV1(0, 0);
  Trap().AddVarBind(kAlarmOid, "3", ASN1_INTEGER);
  Trap().AddVarBind("1.3.6.1.4.1.6215.1.2.1.1.2", "9", ASN1_INTEGER);
  ASSERT_EQ(DecodeTrapV1(Trap(), FPdu), "1");
  EXPECT_EQ(FPdu.Value0, 3);
  EXPECT_EQ(FPdu.NEAddr, 9);
  EXPECT_EQ(FPdu.TrapOid, "1.3.6.1.6.3.1.1.5.1");
  EXPECT_EQ(FPdu.TrapIndex, 101);
  EXPECT_EQ(FPdu.State, 1);
  EXPECT_EQ(FPdu.Port, 1);
  EXPECT_EQ(FPdu.VarOid, "1.3.6.1.4.1.6215.1.2.1.1.4.9");
  EXPECT_EQ(FPdu.Value, 1);

  PrepareV1(1, 0);
  Trap().AddVarBind(kAlarmOid, "3", ASN1_INTEGER);
  Trap().AddVarBind("1.3.6.1.4.1.6215.1.2.1.1.2", "9", ASN1_INTEGER);
  ASSERT_EQ(DecodeTrapV1(Trap(), FPdu), "1");
  EXPECT_EQ(FPdu.TrapOid, "1.3.6.1.6.3.1.1.5.2");
  EXPECT_EQ(FPdu.TrapIndex, 102);
}

TEST_F(TrapDecodingTest, IgnoresTrapsOutsideTheDeviceAlarmSubtree) {
  const std::string others[] = {"1.3.6.1.4.1.6215.1.2.1.1.1.1.5", "1.3.6.1.4.1.6215.1.2.1.1.1.1.1.5.1",
                                "1.3.6.1.4.1.6216.1.2.1.1.1.1.1.5", "1.3.6.1.4.1.6215.1.4.1.1.1.1.1.5",
                                "1.3.6.1.4.1.6215.1.2.2.1.1.1.1.5"};
  for (const std::string& oid : others) {
    PrepareV1(6, 1);
    AddAlarmBindings(oid, "5", "1", "1");
    FPdu = TPDU();
    EXPECT_EQ(DecodeTrapV1(Trap(), FPdu), "0") << oid;
    EXPECT_EQ(FPdu.TrapIndex, 0) << oid;
  }
  PrepareV1(2, 0);
  AddAlarmBindings(kAlarmOid, "5", "1", "1");
  EXPECT_EQ(DecodeTrapV1(Trap(), FPdu), "0");
}

TEST_F(TrapDecodingTest, V2ReadsTheSameFieldsTwoBindingsLater) {
  PrepareV2(kTrapPrefix + "5");
  AddAlarmBindings(kAlarmOid, "6", "3", "64");
  ASSERT_EQ(DecodeTrapV2(Trap(), FPdu), "1");
  EXPECT_EQ(FPdu.Value0, 7);
  EXPECT_EQ(FPdu.NEAddr, 6);
  EXPECT_EQ(FPdu.Port, 3);
  EXPECT_EQ(FPdu.TrapOid, kTrapPrefix + "5");
  EXPECT_EQ(FPdu.TrapIndex, 5);
  EXPECT_EQ(FPdu.Value, 64);
  EXPECT_EQ(FPdu.State, 1);

  PrepareV2("1.3.6.1.6.3.1.1.5.2");
  Trap().AddVarBind(kAlarmOid, "4", ASN1_INTEGER);
  Trap().AddVarBind("1.3.6.1.4.1.6215.1.2.1.1.2", "8", ASN1_INTEGER);
  ASSERT_EQ(DecodeTrapV2(Trap(), FPdu), "1");
  EXPECT_EQ(FPdu.TrapIndex, 102);
  EXPECT_EQ(FPdu.NEAddr, 8);
  EXPECT_EQ(FPdu.Port, 3);

  PrepareV2("1.3.6.1.4.1.99.1");
  AddAlarmBindings("1.3.6.1.4.1.6215.1.2.1.1.1.1.1", "6", "3", "64");
  EXPECT_EQ(DecodeTrapV2(Trap(), FPdu), "0");
}

TEST_F(TrapDecodingTest, ABadTrapRaisesAndLeavesTheRecordWhole) {
  PrepareV1(6, 14);
  AddAlarmBindings(kAlarmOid, "5", "2", "2");
  ASSERT_EQ(DecodeTrapV1(Trap(), FPdu), "1");
  const TPDU before = FPdu;

  PrepareV1(6, 11);
  AddAlarmBindings(kAlarmOid, "6", "1", "not a number");
  EXPECT_THROW(DecodeTrapV1(Trap(), FPdu), EConvertError);
  PrepareV1(6, 11);
  Trap().AddVarBind(kAlarmOid, "1", ASN1_INTEGER);
  Trap().AddVarBind("1.3.6.1.4.1.6215.1.2.1.1.2", "6", ASN1_INTEGER);
  EXPECT_THROW(DecodeTrapV1(Trap(), FPdu), EListError);
  PrepareV2(kTrapPrefix + "1");
  EXPECT_THROW(DecodeTrapV2(Trap(), FPdu), EListError);

  EXPECT_EQ(FPdu.NEAddr, before.NEAddr);
  EXPECT_EQ(FPdu.TrapIndex, before.TrapIndex);
  EXPECT_EQ(FPdu.Value0, before.Value0);
}
