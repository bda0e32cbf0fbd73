// The alarm shield, performance query and version dialogs against the
// simulated device and against scripted replies: the mask record box by box,
// the panels over the E1 ports a device lacks, the counters in their columns,
// and the version digits.
#include "application/dialogs/Alarm_Shielded.h"
#include "application/dialogs/Prefor_Query.h"
#include "application/dialogs/Sys_Ver.h"
#include "tests/e2e/DialogFixture.h"

using namespace dialogs;

namespace {

const std::string kAlarmMask = P + ".2.7.1.6.7";

std::string Checks(const TAlarm_ShieldedW& dialog) {
  const TCheckBox* const boxes[] = {dialog.ckbE1,  dialog.ckbE2,  dialog.ckbE3,   dialog.ckbE4,   dialog.ckbE5,
                                    dialog.ckbE6,  dialog.ckbE7,  dialog.ckbE8,   dialog.ckbE9,   dialog.ckbE10,
                                    dialog.ckbE11, dialog.ckbE12, dialog.ckbE13,  dialog.ckbE14,  dialog.ckbE15,
                                    dialog.ckbE16, dialog.ckbFx1, dialog.ckbEth2, dialog.ckbEth3, dialog.ckbEth4};
  std::string checks;
  for (const TCheckBox* box : boxes) checks += box->Checked() ? '1' : '0';
  return checks;
}

// The window a click at the middle of the box would reach in its group box.
HWND WindowOver(TCheckBox& box) {
  const POINT middle{box.Left() + box.Width() / 2, box.Top() + box.Height() / 2};
  return ChildWindowFromPointEx(box.Parent()->Handle(), middle, CWP_SKIPINVISIBLE);
}

std::string Row(const TStringGrid& grid, int row) {
  std::string text;
  for (int col = 0; col < grid.ColCount(); ++col) text += (col > 0 ? "," : "") + grid.Cells(col, row);
  return text;
}

std::string Counters(std::initializer_list<int64_t> values) {
  std::string octets;
  for (int64_t value : values) {
    for (int i = 0; i < 8; ++i) octets += static_cast<char>((static_cast<uint64_t>(value) >> (8 * i)) & 0xFF);
  }
  return octets;
}

class AlarmPerformanceVersionTest : public DialogE2ETest {};

}  // namespace

TEST_F(AlarmPerformanceVersionTest, TheMaskRecordRoundTripsAndOtherOctetsLeaveTheirBoxes) {
  AgentProcess agent = StartAgent();
  const std::string record = Octets({1, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1, 0});
  Store("2.7.1.6", record);
  WithDialog<TAlarm_ShieldedW>(*MainW->MenuItemAlarmShield, [&](TAlarm_ShieldedW& dialog) {
    EXPECT_EQ(Checks(dialog), "10011000000000011010");
    dialog.cmdSet->Click();
    std::string others(20, '\0');
    others[0] = 0x02;
    others[16] = 0x02;
    others[19] = 0x01;
    Store("2.7.1.6", others);
    TakeBoxes();
    dialog.cmdRead->Click();
    EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"Infomation: Read successful!"});
    EXPECT_EQ(Checks(dialog), "10000000000000001001");
  });
  EXPECT_EQ(SetLines(agent)[1], SetLine(kAlarmMask, 4, record, "drastun"));
}

TEST_F(AlarmPerformanceVersionTest, PanelsCoverTheE1PortsADeviceLacksWhoseOctetsAreStillSent) {
  AgentProcess agent = StartAgent();
  struct TCase {
    std::string Type;
    std::string PortOne;
    bool Over9To16;
    bool Over5To8;
  };
  const TCase cases[] = {{"116*16", "FX1", false, false}, {"11*8", "ETH1", true, false}, {"111*4", "ETH1", true, true}};
  const std::string record = Octets({0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0});
  Store("2.7.1.6", record);
  for (const TCase& each : cases) {
    CurrentDevice.Type = each.Type;
    WithDialog<TAlarm_ShieldedW>(*MainW->MenuItemAlarmShield, [&](TAlarm_ShieldedW& dialog) {
      EXPECT_EQ(dialog.ckbFx1->Caption(), each.PortOne) << each.Type;
      EXPECT_EQ(WindowOver(*dialog.ckbE9) == dialog.Panel1->Handle(), each.Over9To16) << each.Type;
      EXPECT_EQ(WindowOver(*dialog.ckbE16) == dialog.Panel1->Handle(), each.Over9To16) << each.Type;
      EXPECT_EQ(WindowOver(*dialog.ckbE5) == dialog.Panel2->Handle(), each.Over5To8) << each.Type;
      EXPECT_EQ(WindowOver(*dialog.ckbE4), dialog.ckbE4->Handle()) << each.Type;
      dialog.cmdSet->Click();
    });
  }
  const std::vector<std::string> sets = SetLines(agent);
  ASSERT_EQ(sets.size(), 4u);
  for (size_t i = 1; i < sets.size(); ++i) EXPECT_EQ(sets[i], SetLine(kAlarmMask, 4, record, "drastun"));
}

TEST_F(AlarmPerformanceVersionTest, EthernetCountersGoToTheirColumnsUntilAPortFails) {
  ScriptedDevice device({Counters({10000, 1, 2, 3, 4, 5, 6}), std::string(56, '\xFF'), std::nullopt});
  WaitBriefly();
  WithDialog<TPrefor_QueryW>(*MainW->MenuItemPerformanceQuery, [&](TPrefor_QueryW& dialog) {
    TStringGrid& grid = *dialog.StringGridPerfor;
    EXPECT_TRUE(TakeBoxes().empty());
    EXPECT_EQ(Row(grid, 0),
              "Ports,Packet (in),Packet (out),Bytes (in),Bytes (out),Broadcast Packet (in),Broadcast Packet (out),"
              "Error Packet");
    grid.SetCells(1, 3, "old");
    grid.SetCells(1, 4, "old");
    dialog.cmdRead->Click();
    EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"Infomation: Read failed!"});
    EXPECT_EQ(Row(grid, 1), "ETH1,10000,4,1,5,3,6,2");
    EXPECT_EQ(Row(grid, 2), "ETH2,-1,-1,-1,-1,-1,-1,-1");
    EXPECT_EQ(Row(grid, 3), "ETH3,old,,,,,,");
    EXPECT_EQ(Row(grid, 4), "ETH4,old,,,,,,");
    EXPECT_TRUE(IsWindowEnabled(dialog.Handle()));
  });
  EXPECT_EQ(device.Requests(), 3);
}

TEST_F(AlarmPerformanceVersionTest, TheE1PageReadsEveryPortsCrcCounter) {
  AgentProcess agent = StartAgent();
  CurrentDevice.Type = "111*8";
  WithDialog<TPrefor_QueryW>(*MainW->MenuItemPerformanceQuery, [&](TPrefor_QueryW& dialog) {
    TStringGrid& grid = *dialog.StringGridE1;
    EXPECT_EQ(grid.RowCount(), 9);
    EXPECT_EQ(Row(grid, 0), "E1,CRC Error");
    dialog.PageControl1->SetActivePageIndex(1);
    TakeBoxes();
    dialog.cmdRead->Click();
    EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"Infomation: Read successful!"});
    EXPECT_EQ(Row(grid, 1), "E1_1,0");
    EXPECT_EQ(Row(grid, 16), "E1_16,15");
  });
}

// An empty value is no counter at all.
TEST_F(AlarmPerformanceVersionTest, AnEmptyCounterValueIsAFailedRead) {
  ScriptedDevice device({std::string()});
  WithDialog<TPrefor_QueryW>(*MainW->MenuItemPerformanceQuery, [&](TPrefor_QueryW& dialog) {
    dialog.cmdRead->Click();
    EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"Infomation: Read failed!"});
  });
  EXPECT_EQ(device.Requests(), 1);
}

TEST_F(AlarmPerformanceVersionTest, VersionsAreReadFromTheIdentificationOnShowAndOnRead) {
  {
    AgentProcess agent = StartAgent();
    WithDialog<TSys_VerW>(*MainW->MenuItemVersion, [&](TSys_VerW& dialog) {
      EXPECT_EQ(dialog.LabeledEditHard->EditLabel().Caption(), "Hardware Version:");
      EXPECT_EQ(dialog.LabeledEditHard->Text(), "V2.1.3");
      EXPECT_EQ(dialog.LabeledEditArm->Text(), "V1.2.3A4");
      EXPECT_EQ(dialog.ActiveControl(), dialog.BitBtnClose);
    });
  }
  ScriptedDevice device({Octets({0, 0, 0xAB, 0xCD, 0xFF}), Octets({0, 0, 0x00, 0x0F})});
  WithDialog<TSys_VerW>(*MainW->MenuItemVersion, [&](TSys_VerW& dialog) {
    EXPECT_EQ(dialog.LabeledEditHard->Text(), "V8.3.7");
    EXPECT_EQ(dialog.LabeledEditArm->Text(), "VA.B.CAD");
    // A record without its hardware octet leaves that version as it was.
    dialog.cmdRead->Click();
    EXPECT_EQ(dialog.LabeledEditHard->Text(), "V8.3.7");
    EXPECT_EQ(dialog.LabeledEditArm->Text(), "V0.0.0AF");
  });
}
