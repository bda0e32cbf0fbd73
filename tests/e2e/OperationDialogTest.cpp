// The combined operation dialog against the simulated device: its grids and
// port VLAN layout after show, the loopback page's exchanges with the read
// community, pages that exchange nothing, and the shared popup that fills
// the grid it was opened on.
#include "application/dialogs/Conf_Operation.h"
#include "tests/e2e/DialogFixture.h"

using namespace dialogs;

namespace {

const std::string kLoopback = P + ".2.7.1.2.7";

// The grids' Chinese headers and port kinds, as the octets of code page 936.
const std::string kObject = "\xB6\xD4\xCF\xF3";
const std::string kUserPort = "\xD3\xC3\xBB\xA7\xB6\xCB\xBF\xDA";
const std::string kAggregationPort = "\xBB\xE3\xBE\xDB\xB6\xCB\xBF\xDA";

using W = TConf_OperationW;

std::vector<std::string> Column(const TStringGrid& grid, int col) {
  std::vector<std::string> cells;
  for (int row = 0; row < grid.RowCount(); ++row) cells.push_back(grid.Cells(col, row));
  return cells;
}

std::vector<std::string> PopupCaptions(W& dialog) {
  std::vector<std::string> captions;
  for (int i = 0; i < dialog.PopupMenu1->Items().Count(); ++i)
    captions.push_back(dialog.PopupMenu1->Items().Items(i)->Caption());
  return captions;
}

// Selects rows top..bottom of a column as the operator would, then chooses
// the popup's item with that caption.
void ChooseInColumn(W& dialog, TStringGrid& grid, int col, int top, int bottom, const std::string& caption) {
  bool canSelect = false;
  if (&grid == dialog.StringGridLoop) dialog.StringGridLoopSelectCell(&grid, col, top, canSelect);
  if (&grid == dialog.StringGridSwt) dialog.StringGridSwtSelectCell(&grid, col, top, canSelect);
  if (&grid == dialog.StringGridVlanS) dialog.StringGridVlanSSelectCell(&grid, col, top, canSelect);
  ASSERT_TRUE(canSelect);
  grid.SetSelection({col, top, col, bottom});
  for (int i = 0; i < dialog.PopupMenu1->Items().Count(); ++i)
    if (dialog.PopupMenu1->Items().Items(i)->Caption() == caption) dialog.PopupMenu1->Items().Items(i)->Click();
}

size_t GetCount(const AgentProcess& agent) {
  size_t count = 0;
  for (size_t at = agent.Log().find(" GET "); at != std::string::npos; at = agent.Log().find(" GET ", at + 1)) ++count;
  return count;
}

class OperationDialogTest : public DialogE2ETest {};

}  // namespace

TEST_F(OperationDialogTest, ShowLaysOutTheGridsAndReadsNothing) {
  ScriptedDevice device({});
  WithDialog<W>([&](W& dialog) {
    std::vector<std::string> ports = {kObject};
    for (int port = 1; port <= 16; ++port) ports.push_back("E1-" + IntToStr(port));
    EXPECT_EQ(Column(*dialog.StringGridLoop, 0), ports);
    EXPECT_EQ(dialog.StringGridLoop->Cells(1, 0), "\xBB\xB7\xBB\xD8");
    EXPECT_EQ(Column(*dialog.StringGridE1, 0), ports);
    EXPECT_EQ(dialog.StringGridE1->Cells(1, 0), "\xCA\xB9\xC4\xDC");
    EXPECT_EQ(Column(*dialog.StringGridSwt, 0), (std::vector<std::string>{kObject, "FX1", "ETH2", "ETH3", "ETH4"}));
    EXPECT_EQ(dialog.StringGridSwt->Cells(1, 0), "\xCA\xB9\xC4\xDC");
    EXPECT_EQ(dialog.StringGridVlan->RowCount(), 1);
    EXPECT_EQ(dialog.StringGridVlan->Cells(1, 0), "\xB3\xC9\xD4\xB1");
    EXPECT_EQ(dialog.RDGEnable->Items()[0], "Enable");
    EXPECT_EQ(dialog.RDGEnable->ItemIndex(), 0);

    const TStringGrid& vlans = *dialog.StringGridVlanS;
    EXPECT_EQ(vlans.Cells(1, 0), "---1 ");
    EXPECT_EQ(vlans.Cells(2, 0), " VLAN ID ");
    EXPECT_EQ(dialog.RDGVlan->Items().Count(), 2);
    EXPECT_EQ(dialog.RDGVlan->Items()[1], kAggregationPort);
    EXPECT_EQ(dialog.RDGVlan->ItemIndex(), 0);
    EXPECT_EQ(dialog.TbsVlan->Caption(), kUserPort);
    EXPECT_EQ(vlans.RowCount(), 5);
    EXPECT_EQ(Column(vlans, 3), (std::vector<std::string>{"---1", "---", "---", "---", "---"}));
    EXPECT_EQ(vlans.Cells(4, 4), "---");

    dialog.RDGVlan->SetItemIndex(1);
    EXPECT_EQ(dialog.TbsVlan->Caption(), kAggregationPort);
    EXPECT_EQ(vlans.RowCount(), 2);
    EXPECT_EQ(vlans.Cells(0, 1), "VCG 1");
    EXPECT_EQ(vlans.Cells(1, 1), "---");
    dialog.RDGVlan->SetItemIndex(0);
    EXPECT_EQ(vlans.RowCount(), 5);
    EXPECT_EQ(vlans.Cells(0, 1), "---");
  });
  EXPECT_TRUE(TakeBoxes().empty());
  EXPECT_EQ(device.Requests(), 0);
}

// Octet 2 is neither loop nor none: its row keeps what it showed.
TEST_F(OperationDialogTest, TheLoopPageReadsAndSetsWithTheReadCommunity) {
  AgentProcess agent = StartAgent();
  std::string loops(16, '\0');
  loops[0] = 1;
  loops[2] = 2;
  Store("2.7.1.2", loops);
  TakeBoxes();
  WithDialog<W>([&](W& dialog) {
    dialog.PageControl1->SetActivePageIndex(W::pgLoop);
    dialog.cmdRead->Click();
    EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"Infomation: Read successful!"});
    EXPECT_EQ(dialog.StringGridLoop->Cells(1, 1), "Loop");
    EXPECT_EQ(dialog.StringGridLoop->Cells(1, 2), "None");
    EXPECT_EQ(dialog.StringGridLoop->Cells(1, 3), "");
    ChooseInColumn(dialog, *dialog.StringGridLoop, 1, 15, 16, "Loop");
    ChooseInColumn(dialog, *dialog.StringGridLoop, 1, 15, 15, "None");
    dialog.cmdSet->Click();
    EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"Infomation: Set successful!"});
  });
  std::string sent(16, '\0');
  sent[0] = 1;
  sent[15] = 1;
  EXPECT_EQ(SetLines(agent).back(), SetLine(kLoopback, 4, sent, "kolmer"));
}

TEST_F(OperationDialogTest, OnlyTheLoopAndPausePagesExchange) {
  AgentProcess agent = StartAgent();
  Store("2.7.1.2", std::string(16, '\0'));
  TakeBoxes();
  WithDialog<W>([&](W& dialog) {
    for (int page :
         {W::pgEnable, W::pgParameter, W::pgReset, W::pgNewVlan, W::pgSetVlan, W::pgPause, W::pgPfiExi, W::pgLcase}) {
      dialog.PageControl1->SetActivePageIndex(page);
      EXPECT_EQ(dialog.cmdSet->Visible(), page != W::pgNewVlan) << page;
      EXPECT_EQ(dialog.cmdDel->Visible(), page == W::pgNewVlan) << page;
      dialog.cmdSet->Click();
      if (page != W::pgPause) dialog.cmdRead->Click();
    }
    EXPECT_TRUE(TakeBoxes().empty());
    EXPECT_EQ(GetCount(agent), 0u);

    // The pause page reads the loopback record's octets.
    dialog.PageControl1->SetActivePageIndex(W::pgPause);
    dialog.cmdRead->Click();
    EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"Infomation: Read successful!"});
    EXPECT_EQ(dialog.RDGEnable->ItemIndex(), 1);

    dialog.PgcPara->SetActivePageIndex(2);
    std::string result;
    dialog.ReadPortParameter(result);
    EXPECT_EQ(result, "2");
  });
  EXPECT_EQ(GetCount(agent), 1u);
  EXPECT_EQ(SetLines(agent).size(), 1u);
}

TEST_F(OperationDialogTest, ThePopupOffersEachColumnsValuesAndFillsItsOwnGrid) {
  ScriptedDevice device({});
  WithDialog<W>([&](W& dialog) {
    struct TCase {
      TStringGrid* Grid;
      int Col;
      std::vector<std::string> Captions;  // empty: no popup
      bool Editing;
    };
    const TCase cases[] = {{dialog.StringGridSwt, 1, {"Enable", "Disable"}, false},
                           {dialog.StringGridSwt, 0, {}, false},
                           {dialog.StringGridLoop, 1, {"None", "Loop"}, false},
                           {dialog.StringGridVlanS, 1, {"Access", "Tag Aware", "Hybrid", "unTag"}, false},
                           {dialog.StringGridVlanS, 2, {}, true}};
    for (const TCase& c : cases) {
      ChooseInColumn(dialog, *c.Grid, c.Col, 1, 1, "");
      EXPECT_EQ(c.Grid->PopupMenu(), c.Captions.empty() ? nullptr : dialog.PopupMenu1) << c.Col;
      if (!c.Captions.empty()) {
        EXPECT_EQ(PopupCaptions(dialog), c.Captions);
      }
      EXPECT_EQ(c.Grid->Options().Contains(goEditing), c.Editing) << c.Col;
    }
    ChooseInColumn(dialog, *dialog.StringGridVlanS, 1, 2, 4, "Hybrid");
    EXPECT_EQ(Column(*dialog.StringGridVlanS, 1),
              (std::vector<std::string>{"---1 ", "---", "Hybrid", "Hybrid", "Hybrid"}));
    ChooseInColumn(dialog, *dialog.StringGridSwt, 1, 3, 3, "Disable");
    EXPECT_EQ(Column(*dialog.StringGridSwt, 1), (std::vector<std::string>{"\xCA\xB9\xC4\xDC", "", "", "Disable", ""}));
    EXPECT_EQ(dialog.StringGridVlanS->Cells(1, 3), "Hybrid");
  });
}

// Routines no control runs, which the dialog still offers.
TEST_F(OperationDialogTest, LcasAndPauseRoutinesUseTheVcgWithoutIndexAndTheReadCommunity) {
  AgentProcess agent = StartAgent();
  Store("2.1.1.2", Octets({0x01, 0x00}), ".1");
  TakeBoxes();
  WithDialog<W>([&](W& dialog) {
    std::string result;
    dialog.ReadLcase(result);
    EXPECT_EQ(result, "1");
    EXPECT_EQ(dialog.RdgLcase->ItemIndex(), 1);
    dialog.RdgLcase->SetItemIndex(0);
    dialog.SetLcase(result);
    dialog.RDGEnable->SetItemIndex(1);
    dialog.SetPause(result);
    EXPECT_EQ(result, "1");
  });
  EXPECT_EQ(TakeBoxes(), (std::vector<std::string>{"Infomation: Read successful!", "Infomation: Set successful!",
                                                   "Infomation: Set successful!"}));
  const std::vector<std::string> sets = SetLines(agent);
  ASSERT_EQ(sets.size(), 3u);
  EXPECT_EQ(sets[1], SetLine(P + ".2.1.1.2.7", 4, Octets({0x01, 0x01}), "kolmer"));
  EXPECT_EQ(sets[2], SetLine(kLoopback, 4, Octets({0x00}), "kolmer"));
}
