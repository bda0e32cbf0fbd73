// The port VLAN dialog against the simulated device: the read on show fills
// the grid and the member boxes from the port records, a set sends one record
// per port of the side shown in port order, and what one side shows never
// reaches the ports of the other.
#include "application/dialogs/Conf_SetVlan.h"
#include "tests/e2e/DialogFixture.h"

using namespace dialogs;

namespace {

const std::string kEnableOid = P + ".2.7.1.9.7";
constexpr int kEnablePage = 0;
constexpr int kConfigPage = 1;
std::string PortOid(int port) { return P + ".2.2.1.4.7." + IntToStr(port); }

// The identifiers of the GETs the agent logged, in order.
std::vector<std::string> GetOids(const AgentProcess& agent) {
  std::vector<std::string> oids;
  std::istringstream lines(agent.Log());
  for (std::string line; std::getline(lines, line);) {
    const size_t at = line.find(" GET ");
    if (at != std::string::npos) oids.push_back(line.substr(at + 5, line.find(" ->") - at - 5));
  }
  return oids;
}

std::string PortSet(int port, const std::string& octets) { return SetLine(PortOid(port), 4, octets, "drastun"); }

// Each shown port row as "label mode id", and the caption of its page.
std::vector<std::string> Rows(const TConf_SetVlanW& dialog) {
  std::vector<std::string> rows;
  const TStringGrid& grid = *dialog.StringGridVlan;
  for (int row = 1; row < grid.RowCount(); ++row) {
    rows.push_back(grid.Cells(vcPort, row) + " " + grid.Cells(vcMode, row) + " " + grid.Cells(vcId, row));
  }
  return rows;
}

uint8_t CheckedMask(const TcxCustomCheckComboBox& box) {
  uint8_t mask = 0;
  for (int item = 0; item < kVlanPortCount; ++item) {
    if (box.GetItemState(item) == cbsChecked) mask |= static_cast<uint8_t>(1 << item);
  }
  return mask;
}

// The shown form, a line each: a column's header and width, the port rows'
// heights, and a member box's items ("-" before a disabled one) and whether
// it shows an empty text.
std::vector<std::string> FormLines(const TConf_SetVlanW& dialog) {
  std::vector<std::string> lines;
  const TStringGrid& grid = *dialog.StringGridVlan;
  for (int column = 0; column < vcCount; ++column)
    lines.push_back(grid.Cells(column, 0) + " " + IntToStr(grid.ColWidths(column)));
  std::string heights = "rows";
  for (int row = 1; row < grid.RowCount(); ++row) heights += " " + IntToStr(grid.RowHeights(row));
  lines.push_back(heights);
  for (const TcxCheckComboBox* box :
       {dialog.chkPort1, dialog.chkPort2, dialog.chkPort3, dialog.chkPort4, dialog.chkPort5}) {
    const TcxCustomCheckComboBoxProperties& properties = box->CheckProperties();
    std::string line = box->Name() + ":";
    for (int item = 0; item < properties.Items().Count(); ++item) {
      const TcxCheckComboBoxItem& shown = properties.Items().Items(item);
      line += (shown.Enabled() ? " " : " -") + shown.Description();
    }
    lines.push_back(line + (properties.ShowEmptyText() ? ", empty text" : ""));
  }
  return lines;
}

void SetPortRow(TConf_SetVlanW& dialog, int row, const std::string& mode, const std::string& id) {
  dialog.StringGridVlan->SetCells(vcMode, row, mode);
  dialog.StringGridVlan->SetCells(vcId, row, id);
}

void ChooseSide(TConf_SetVlanW& dialog, int item) { dialog.RDGVlan->SetItemIndex(item); }

class PortVlanDialogTest : public DialogE2ETest {
 protected:
  void OpenPortVlan(const std::function<void(TConf_SetVlanW&)>& act) {
    WithDialog<TConf_SetVlanW>(*MainW->MenuItemPortVlan, act);
  }
  void OpenConfigPage(const std::function<void(TConf_SetVlanW&)>& act) {
    OpenPortVlan([&](TConf_SetVlanW& dialog) {
      dialog.PgcVlan->SetActivePageIndex(kConfigPage);
      act(dialog);
    });
  }
};

}  // namespace

TEST_F(PortVlanDialogTest, TheReadOnShowFillsTheGridAndTheBoxesAndASetSendsThemBack) {
  AgentProcess agent = StartAgent();
  StoreInteger("2.7.1.9", 1);
  Store("2.2.1.4", Octets({0x01, 0x2C, 0x01, 0x00, 0x05}), ".2");
  Store("2.2.1.4", Octets({0x00, 0x1E, 0x02, 0x00, 0x1B}), ".3");
  Store("2.2.1.4", Octets({0x0F, 0xFE, 0x00, 0x00, 0x03}), ".5");
  const size_t stored = SetLines(agent).size();
  TakeBoxes();
  OpenConfigPage([&](TConf_SetVlanW& dialog) {
    EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"Infomation: Read successful!"});
    EXPECT_EQ(GetOids(agent),
              (std::vector<std::string>{kEnableOid, PortOid(1), PortOid(2), PortOid(3), PortOid(4), PortOid(5)}));
    EXPECT_EQ(dialog.RdgEnable->ItemIndex(), 0);
    EXPECT_EQ(dialog.TbsVlan->Caption(), "Output");
    EXPECT_EQ(Rows(dialog),
              (std::vector<std::string>{"ETH1 Access 1", "ETH2 Trunk 300", "ETH3 Multi 30", "ETH4 Access 1"}));
    EXPECT_EQ(CheckedMask(*dialog.chkPort2), 0x05);
    EXPECT_EQ(CheckedMask(*dialog.chkPort3), 0x1B);
    EXPECT_EQ(CheckedMask(*dialog.chkPort5), 0x03);
    EXPECT_TRUE(dialog.chkPort1->Visible());
    EXPECT_FALSE(dialog.chkPort5->Visible());
    dialog.cmdSet->Click();
    EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"Infomation: Set successful!"});
  });
  const std::vector<std::string> sets = SetLines(agent);
  EXPECT_EQ(
      std::vector<std::string>(sets.begin() + static_cast<ptrdiff_t>(stored), sets.end()),
      (std::vector<std::string>{
          PortSet(1, Octets({0x00, 0x01, 0x00, 0x00, 0x10})), PortSet(2, Octets({0x01, 0x2C, 0x01, 0x00, 0x05})),
          PortSet(3, Octets({0x00, 0x1E, 0x02, 0x00, 0x1B})), PortSet(4, Octets({0x00, 0x01, 0x00, 0x00, 0x10}))}));
}

// Each port's box disables the port itself and ETH5.
TEST_F(PortVlanDialogTest, TheShownFormHasItsHeadersWidthsRowHeightsAndDisabledMembers) {
  AgentProcess agent = StartAgent();
  OpenConfigPage([&](TConf_SetVlanW& dialog) {
    EXPECT_EQ(FormLines(dialog), (std::vector<std::string>{
                                     "Port 42", "Mode 80", "VLAN ID 60", "Priority 50", "Ports 170", "rows 21 21 21 21",
                                     "chkPort1: -ETH1 ETH2 ETH3 ETH4 -ETH5", "chkPort2: ETH1 -ETH2 ETH3 ETH4 -ETH5",
                                     "chkPort3: ETH1 ETH2 -ETH3 ETH4 -ETH5", "chkPort4: ETH1 ETH2 ETH3 -ETH4 -ETH5",
                                     "chkPort5: ETH1 ETH2 ETH3 ETH4 ETH5, empty text"}));
  });
}

// Port 5 shows in row 1 of the "Input" side; a value typed for port 1 stays
// with port 1.
TEST_F(PortVlanDialogTest, TheInputSideReadsAndSetsPortFiveOnly) {
  AgentProcess agent = StartAgent();
  Store("2.2.1.4", Octets({0x0F, 0xFE, 0x01, 0x00, 0x00}), ".5");
  const size_t stored = SetLines(agent).size();
  OpenConfigPage([&](TConf_SetVlanW& dialog) {
    SetPortRow(dialog, 1, "Multi", "99");
    ChooseSide(dialog, 1);
    EXPECT_EQ(dialog.TbsVlan->Caption(), "Input");
    EXPECT_EQ(Rows(dialog), std::vector<std::string>{"ETH1 Trunk 4094"});
    EXPECT_FALSE(dialog.chkPort1->Visible());
    EXPECT_TRUE(dialog.chkPort5->Visible());
    EXPECT_FALSE(dialog.chkPort5->Enabled());
    const size_t gets = GetOids(agent).size();
    TakeBoxes();
    dialog.cmdRead->Click();
    EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"Infomation: Read successful!"});
    const std::vector<std::string> oids = GetOids(agent);
    EXPECT_EQ(std::vector<std::string>(oids.begin() + static_cast<ptrdiff_t>(gets), oids.end()),
              std::vector<std::string>{PortOid(5)});
    dialog.StringGridVlan->SetCells(vcId, 1, "5");
    dialog.cmdSet->Click();
    ChooseSide(dialog, 0);
    EXPECT_EQ(Rows(dialog)[0], "ETH1 Multi 99");
  });
  const std::vector<std::string> sets = SetLines(agent);
  EXPECT_EQ(std::vector<std::string>(sets.begin() + static_cast<ptrdiff_t>(stored), sets.end()),
            std::vector<std::string>{PortSet(5, Octets({0x00, 0x05, 0x01, 0x00, 0x00}))});
}

// Every identifier shown is checked before anything goes out; 4094 is the
// highest that goes.
TEST_F(PortVlanDialogTest, OnlyIdentifiersFromOneTo4094AreSentAndOneOutsideRefusesTheWholeSet) {
  AgentProcess agent = StartAgent();
  struct TIdsCase {
    std::vector<std::string> Ids;
    std::string Box;
    UINT Flags;
  };
  const std::string refused = "Error: Invalid VLAN ID!";
  const std::vector<TIdsCase> cases = {{{"10", "20", "4094", "4095"}, refused, MB_ICONSTOP},
                                       {{"0", "20", "30", "40"}, refused, MB_ICONSTOP},
                                       {{"10", "abc", "30", "40"}, refused, MB_ICONSTOP},
                                       {{"10", "20", "", "40"}, refused, MB_ICONSTOP},
                                       {{"10", "20", "4094", "40"}, "Infomation: Set successful!", MB_OK}};
  OpenConfigPage([&](TConf_SetVlanW& dialog) {
    for (const TIdsCase& row : cases) {
      for (int port = 1; port <= 4; ++port) dialog.StringGridVlan->SetCells(vcId, port, row.Ids[port - 1]);
      TakeBoxes();
      dialog.cmdSet->Click();
      EXPECT_EQ(FBoxFlags, std::vector<UINT>{row.Flags}) << row.Ids[3];
      EXPECT_EQ(TakeBoxes(), std::vector<std::string>{row.Box}) << row.Ids[3];
    }
  });
  EXPECT_EQ(SetLines(agent), (std::vector<std::string>{PortSet(1, Octets({0x00, 0x0A, 0x00, 0x00, 0x10})),
                                                       PortSet(2, Octets({0x00, 0x14, 0x00, 0x00, 0x10})),
                                                       PortSet(3, Octets({0x0F, 0xFE, 0x00, 0x00, 0x10})),
                                                       PortSet(4, Octets({0x00, 0x28, 0x00, 0x00, 0x10}))}));
}

// The mode comes from the popup of the mode column; an empty mode goes as
// access, and a grayed member counts as none.
TEST_F(PortVlanDialogTest, EachPortsRecordPacksItsIdentifierModeAndCheckedMembers) {
  AgentProcess agent = StartAgent();
  for (int port = 1; port <= 4; ++port) Store("2.2.1.4", Octets({0x00, 0x01, 0x00, 0x00, 0x00}), "." + IntToStr(port));
  const size_t stored = SetLines(agent).size();
  OpenConfigPage([&](TConf_SetVlanW& dialog) {
    TStringGrid& grid = *dialog.StringGridVlan;
    SetPortRow(dialog, 1, "Access", "10");
    bool canSelect = false;
    dialog.StringGridVlanSelectCell(&grid, vcMode, 2, canSelect);
    EXPECT_TRUE(canSelect);
    grid.SetSelection({vcMode, 2, vcMode, 2});
    dialog.PopupMenu1->Items().Items(1)->Click();
    grid.SetCells(vcId, 2, "300");
    dialog.chkPort2->SetItemState(0, cbsChecked);
    dialog.chkPort2->SetItemState(2, cbsChecked);
    SetPortRow(dialog, 3, "", "20");
    SetPortRow(dialog, 4, "Multi", "40");
    dialog.chkPort4->CheckProperties().SetEditValueFormat(cvfStatesString);
    dialog.chkPort4->SetValue(Variant(std::string("12000")));
    dialog.cmdSet->Click();
  });
  const std::vector<std::string> sets = SetLines(agent);
  EXPECT_EQ(
      std::vector<std::string>(sets.begin() + static_cast<ptrdiff_t>(stored), sets.end()),
      (std::vector<std::string>{
          PortSet(1, Octets({0x00, 0x0A, 0x00, 0x00, 0x00})), PortSet(2, Octets({0x01, 0x2C, 0x01, 0x00, 0x05})),
          PortSet(3, Octets({0x00, 0x14, 0x00, 0x00, 0x00})), PortSet(4, Octets({0x00, 0x28, 0x02, 0x00, 0x01}))}));
}

TEST_F(PortVlanDialogTest, AFailedPortStopsTheSetAndTheLaterPortsAreNotSent) {
  WaitBriefly();
  // Six answered reads on show, port 1's set answered, port 2's not.
  ScriptedDevice device({"", "", "", "", "", "", "", std::nullopt});
  OpenConfigPage([&](TConf_SetVlanW& dialog) {
    for (int row = 1; row <= 4; ++row) dialog.StringGridVlan->SetCells(vcId, row, "1");
    TakeBoxes();
    dialog.cmdSet->Click();
    EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"Infomation: Set failed!"});
    EXPECT_TRUE(IsWindowEnabled(dialog.Handle()));
  });
  EXPECT_EQ(device.Requests(), 8);
}

TEST_F(PortVlanDialogTest, TheEnablePageReadsAndSetsTheEnableOnly) {
  AgentProcess agent = StartAgent();
  OpenPortVlan([&](TConf_SetVlanW& dialog) {
    dialog.PgcVlan->SetActivePageIndex(kEnablePage);
    EXPECT_EQ(dialog.RdgEnable->ItemIndex(), 1);
    const size_t gets = GetOids(agent).size();
    dialog.cmdRead->Click();
    EXPECT_EQ(GetOids(agent).size(), gets + 1);
    EXPECT_EQ(GetOids(agent).back(), kEnableOid);
    dialog.RdgEnable->SetItemIndex(0);
    dialog.cmdSet->Click();
    dialog.RdgEnable->SetItemIndex(1);
    dialog.cmdSet->Click();
  });
  EXPECT_EQ(SetLines(agent), (std::vector<std::string>{SetLine(kEnableOid, 2, Octets({0x01}), "drastun"),
                                                       SetLine(kEnableOid, 2, Octets({0x00}), "drastun")}));
}

// The read that raised did not succeed: "Read failed!" follows the Error box.
TEST_F(PortVlanDialogTest, AnExceptionNamesTheRoutineAndTheReadReportsFailure) {
  // A request too large for one datagram cannot be sent.
  CurrentDevice.CommunityRd = CurrentDevice.CommunityWr = std::string(70000, 'c');
  OpenPortVlan([&](TConf_SetVlanW& dialog) {
    dialog.PgcVlan->SetActivePageIndex(kEnablePage);
    dialog.cmdSet->Click();
    const std::vector<std::string> boxes = TakeBoxes();
    EXPECT_EQ(boxes, (std::vector<std::string>{"Error: Port VLAN  ReadVlanConfig\r\nPackage Size Too Big.",
                                               "Infomation: Read failed!",
                                               "Error: Port VLAN  SetVlanEnable\r\nPackage Size Too Big."}));
    EXPECT_TRUE(IsWindowEnabled(dialog.Handle()));
  });
}
