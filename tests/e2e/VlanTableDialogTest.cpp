// The VLAN table dialog against the simulated device: the list shows the used
// slots in slot order, an add takes the first free slot and a delete frees
// the selected row's slot, and every refused add or delete sends nothing.
#include "application/dialogs/Conf_VLAN.h"
#include "tests/e2e/DialogFixture.h"

using namespace dialogs;

namespace {

std::string EntryOid(int slot) { return P + ".2.3.1.2.7." + IntToStr(slot); }

// The shown columns of each row and its slot number beyond them.
std::vector<std::string> Rows(const TStringGrid& grid) {
  std::vector<std::string> rows;
  for (int row = 1; row < grid.RowCount(); ++row) {
    rows.push_back(grid.Cells(0, row) + " " + grid.Cells(1, row) + " slot " + grid.Cells(2, row));
  }
  return rows;
}

void SelectRows(TStringGrid& grid, int top, int bottom) { grid.SetSelection({1, top, 1, bottom}); }

class VlanTableDialogTest : public DialogE2ETest {
 protected:
  void OpenVlanTable(const std::function<void(TConf_VLANW&)>& act) {
    WithDialog<TConf_VLANW>(*MainW->MenuItemVlanTable, act);
  }
};

}  // namespace

TEST_F(VlanTableDialogTest, AnAddTakesTheFirstFreeSlotAndTheReadShowsIt) {
  AgentProcess agent = StartAgent();
  TakeBoxes();
  OpenVlanTable([&](TConf_VLANW& dialog) {
    EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"Infomation: Read successful!"});
    EXPECT_EQ(dialog.StringGridvlan->Cells(0, 0), "VLAN ID");
    EXPECT_EQ(dialog.StringGridvlan->ColWidths(0), 50);
    EXPECT_EQ(Rows(*dialog.StringGridvlan), std::vector<std::string>{"1 ETH1;ETH2;ETH3;ETH4;ETH5; slot 1"});
    dialog.EditID->SetText("300");
    dialog.ckbEth1->SetChecked(true);
    dialog.ckbEth3->SetChecked(true);
    dialog.cmdAdd->Click();
    EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"Infomation: Set successful!"});
    dialog.cmdRead->Click();
    EXPECT_EQ(Rows(*dialog.StringGridvlan),
              (std::vector<std::string>{"1 ETH1;ETH2;ETH3;ETH4;ETH5; slot 1", "300 ETH1;ETH3;ETH5; slot 2"}));
    EXPECT_TRUE(IsWindowEnabled(dialog.Handle()));
  });
  EXPECT_EQ(SetLines(agent), std::vector<std::string>{SetLine(
                                 EntryOid(2), 4, Octets({0x01, 0x2C, 0x00, 0x15, 0x00, 0x00, 0x01}), "drastun")});
}

TEST_F(VlanTableDialogTest, ADeleteSendsTheRowsMembersAndFreesItsSlot) {
  AgentProcess agent = StartAgent();
  Store("2.3.1.2", Octets({0x00, 0x01, 0x00, 0x1F, 0x00, 0x00, 0x00}), ".1");
  Store("2.3.1.2", Octets({0x00, 0x64, 0x00, 0x03, 0x00, 0x00, 0x01}), ".2");
  Store("2.3.1.2", Octets({0x00, 0xC8, 0x00, 0x12, 0x00, 0x03, 0x01}), ".5");
  OpenVlanTable([&](TConf_VLANW& dialog) {
    TStringGrid& grid = *dialog.StringGridvlan;
    EXPECT_EQ(Rows(grid), (std::vector<std::string>{"100 ETH1;ETH2; slot 2", "200 ETH2;ETH5; slot 5"}));
    SelectRows(grid, 2, 2);
    TakeBoxes();
    dialog.cmdDel->Click();
    EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"Infomation: Set successful!"});
    EXPECT_EQ(Rows(grid), std::vector<std::string>{"100 ETH1;ETH2; slot 2"});
    dialog.cmdRead->Click();
    EXPECT_EQ(Rows(grid), std::vector<std::string>{"100 ETH1;ETH2; slot 2"});
    // The free slot 1 comes before the freed slot 5.
    dialog.EditID->SetText("200");
    dialog.ckbEth4->SetChecked(true);
    dialog.cmdAdd->Click();
    EXPECT_EQ(Rows(grid), (std::vector<std::string>{"200 ETH4;ETH5; slot 1", "100 ETH1;ETH2; slot 2"}));
  });
  const std::vector<std::string> sets = SetLines(agent);
  ASSERT_EQ(sets.size(), 5u);
  EXPECT_EQ(sets[3], SetLine(EntryOid(5), 4, Octets({0x00, 0xC8, 0x00, 0x12, 0x00, 0x00, 0x00}), "drastun"));
  EXPECT_EQ(sets[4], SetLine(EntryOid(1), 4, Octets({0x00, 0xC8, 0x00, 0x18, 0x00, 0x00, 0x01}), "drastun"));
}

// The checks in their order, each refusing with its own text; only the last add is sent.
TEST_F(VlanTableDialogTest, AddChecksTheIdentifierByNumberAndTheMembers) {
  AgentProcess agent = StartAgent();
  struct TCase {
    std::string Id;
    bool Eth2;
    std::string Box;
  };
  const TCase cases[] = {
      {"abc", false, "Invalid VLAN ID!"},
      {"1", false, "The VLAN ID has been existent,please set that again!"},
      {"0001", true, "The VLAN ID has been existent,please set that again!"},
      {"$1", true, "The VLAN ID has been existent,please set that again!"},
      {"4095", false, "Invalid VLAN ID!"},
      {"0", false, "Invalid VLAN ID!"},
      {"-5", true, "Invalid VLAN ID!"},
      {"4094", false, "Please select members of the VLAN!"},
      {"4094", true, "Set successful!"},
  };
  OpenVlanTable([&](TConf_VLANW& dialog) {
    for (const TCase& each : cases) {
      TakeBoxes();
      dialog.EditID->SetText(each.Id);
      dialog.ckbEth2->SetChecked(each.Eth2);
      dialog.cmdAdd->Click();
      EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"Infomation: " + each.Box}) << each.Id;
    }
  });
  EXPECT_EQ(SetLines(agent), std::vector<std::string>{SetLine(
                                 EntryOid(2), 4, Octets({0x0F, 0xFE, 0x00, 0x12, 0x00, 0x00, 0x01}), "drastun")});
}

TEST_F(VlanTableDialogTest, RefusalsUseTheStopIconAndGiveTheIdentifierTheFocus) {
  AgentProcess agent = StartAgent();
  OpenVlanTable([&](TConf_VLANW& dialog) {
    dialog.cmdRead->SetFocus();
    TakeBoxes();
    dialog.EditID->SetText("4095");
    dialog.cmdAdd->Click();
    EXPECT_EQ(FBoxFlags, std::vector<UINT>{MB_ICONSTOP});
    EXPECT_EQ(GetFocus(), dialog.EditID->Handle());
  });
}

TEST_F(VlanTableDialogTest, AFullTableRefusesAnyAddBeforeItsOtherChecks) {
  AgentProcess agent = StartAgent();
  for (int slot = 2; slot <= 16; ++slot) {
    Store("2.3.1.2", Octets({0x00, static_cast<uint8_t>(slot), 0x00, 0x01, 0x00, 0x00, 0x01}), "." + IntToStr(slot));
  }
  const size_t stored = SetLines(agent).size();
  OpenVlanTable([&](TConf_VLANW& dialog) {
    EXPECT_EQ(dialog.StringGridvlan->RowCount(), 17);
    TakeBoxes();
    dialog.EditID->SetText("abc");
    dialog.cmdAdd->Click();
    EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"Infomation: unknown9"});
  });
  EXPECT_EQ(SetLines(agent).size(), stored);
}

TEST_F(VlanTableDialogTest, ADeleteNeedsExactlyOneRow) {
  AgentProcess agent = StartAgent();
  Store("2.3.1.2", Octets({0x00, 0x02, 0x00, 0x01, 0x00, 0x00, 0x01}), ".2");
  const size_t stored = SetLines(agent).size();
  OpenVlanTable([&](TConf_VLANW& dialog) {
    SelectRows(*dialog.StringGridvlan, 1, 2);
    TakeBoxes();
    dialog.cmdDel->Click();
    EXPECT_EQ(FBoxFlags, std::vector<UINT>{0});
    EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"Infomation: Please select  a recorder!"});
  });
  EXPECT_EQ(SetLines(agent).size(), stored);
}

// Nothing was read, so the list offers nothing a delete could send.
TEST_F(VlanTableDialogTest, AFailedReadOnShowLeavesAnEmptyListAndAUsableDialog) {
  AgentProcess agent = StartAgent({"--fault", "drop"});
  WaitBriefly();
  OpenVlanTable([&](TConf_VLANW& dialog) {
    EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"Infomation: Read failed!"});
    EXPECT_EQ(dialog.StringGridvlan->RowCount(), 1);
    EXPECT_TRUE(IsWindowEnabled(dialog.Handle()));
    EXPECT_EQ(Screen().Cursor(), crDefault);
    dialog.cmdDel->Click();
    EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"Infomation: Please select  a recorder!"});
  });
  EXPECT_TRUE(SetLines(agent).empty());
}
