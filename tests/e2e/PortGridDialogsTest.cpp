// The bandwidth allocation and loopback dialogs against the simulated device:
// the read on show decodes the device's record into the grid, the popup fills
// the selected rows, and Set sends exactly the sixteen octets the grid says.
#include "application/dialogs/Conf_Loop.h"
#include "application/dialogs/PortEnable.h"
#include "tests/e2e/DialogFixture.h"

using namespace dialogs;

namespace {

const std::string kBandwidth = P + ".2.7.1.5.7";
const std::string kLoopback = P + ".2.7.1.2.7";

std::string Column(const TStringGrid& grid, int col) {
  std::string text;
  for (int row = 1; row <= 16; ++row) text += (row > 1 ? "," : "") + grid.Cells(col, row);
  return text;
}

// Presses the left button on one cell and lets it go on another, as the operator selects a range.
void DragSelect(TStringGrid& grid, int col, int fromRow, int toRow) {
  const auto at = [&grid](int c, int r) {
    const TRect rect = grid.CellRect(c, r);
    return MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  };
  SendMessageA(grid.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at(col, fromRow));
  SendMessageA(grid.Handle(), WM_MOUSEMOVE, MK_LBUTTON, at(col, toRow));
  SendMessageA(grid.Handle(), WM_LBUTTONUP, 0, at(col, toRow));
}

TMenuItem& PopupItem(TPopupMenu& popup, const std::string& caption) {
  for (int i = 0; i < popup.Items().Count(); ++i) {
    if (popup.Items().Items(i)->Caption() == caption) return *popup.Items().Items(i);
  }
  throw std::runtime_error("no popup item " + caption);
}

class PortGridDialogsTest : public DialogE2ETest {};

}  // namespace

TEST_F(PortGridDialogsTest, BandwidthReadsEachLineAndTheRangeFillReachesTheSet) {
  AgentProcess agent = StartAgent();
  std::string record(16, '\0');
  record.replace(0, 5, Octets({0x00, 0x01, 0x10, 0x11, 0x05}));
  Store("2.7.1.5", record);
  TakeBoxes();

  WithDialog<TfrmPortEnable>(*MainW->MenuItemBandwidth, [&](TfrmPortEnable& dialog) {
    TStringGrid& grid = *dialog.StringGridE1;
    EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"Infomation: Read successful!"});
    EXPECT_EQ(grid.RowCount(), 17);
    EXPECT_EQ(grid.Cells(1, 0), "Receive");
    EXPECT_EQ(grid.Cells(0, 16), "16");
    // 0x05 has a bit of no direction: line 5 stays as it was, never read.
    EXPECT_EQ(Column(grid, 1),
              "Inactive,Inactive,Active,Active,,Inactive,Inactive,Inactive,Inactive,Inactive,"
              "Inactive,Inactive,Inactive,Inactive,Inactive,Inactive");
    EXPECT_EQ(Column(grid, 2).substr(0, 33), "Inactive,Active,Inactive,Active,,");

    DragSelect(grid, 1, 3, 6);
    ASSERT_EQ(grid.PopupMenu(), dialog.PopupMenu1);
    PopupItem(*dialog.PopupMenu1, "Active").Click();
    EXPECT_EQ(Column(grid, 1).substr(0, 60), "Inactive,Inactive,Active,Active,Active,Active,Inactive,Inact");
    // Selecting again offers the two texts again, not four.
    DragSelect(grid, 2, 1, 1);
    EXPECT_EQ(dialog.PopupMenu1->Items().Count(), 2);

    dialog.cmdSet->Click();
    EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"Infomation: Set successful!"});
    EXPECT_TRUE(IsWindowEnabled(dialog.Handle()));
  });
  // Line 5 is "Active" one way and empty the other: no direction.
  std::string sent(16, '\0');
  sent.replace(0, 6, Octets({0x00, 0x01, 0x10, 0x11, 0x00, 0x10}));
  EXPECT_EQ(SetLines(agent).back(), SetLine(kBandwidth, 4, sent, "drastun"));
}

TEST_F(PortGridDialogsTest, LinesHiddenForASmallerDeviceKeepTheirLastReadAndAreSent) {
  AgentProcess agent = StartAgent();
  std::string record(16, '\x10');
  record[0] = 0x11;
  Store("2.7.1.5", record);
  CurrentDevice.Type = "111*8";
  WithDialog<TfrmPortEnable>(*MainW->MenuItemBandwidth, [&](TfrmPortEnable& dialog) {
    EXPECT_EQ(dialog.StringGridE1->RowCount(), 9);
    dialog.cmdSet->Click();
  });
  EXPECT_EQ(SetLines(agent).back(), SetLine(kBandwidth, 4, record, "drastun"));
}

TEST_F(PortGridDialogsTest, LoopbackReadsZeroAndOneAndSendsOnlyAnExactLoop) {
  AgentProcess agent = StartAgent();
  std::string record(16, '\0');
  record[1] = 1;
  record[2] = 2;
  Store("2.7.1.2", record);

  WithDialog<TConf_LoopW>(*MainW->MenuItemLoopback, [&](TConf_LoopW& dialog) {
    TStringGrid& grid = *dialog.StringGridLoop;
    EXPECT_EQ(grid.Cells(1, 0), "Enable");
    EXPECT_EQ(Column(grid, 1).substr(0, 20), "None,Loop,,None,None");
    DragSelect(grid, 1, 3, 3);
    PopupItem(*dialog.PopupMenu1, "Loop").Click();
    grid.SetCells(1, 4, "loop");
    dialog.cmdSet->Click();
  });
  std::string sent(16, '\0');
  sent[1] = sent[2] = 1;
  EXPECT_EQ(SetLines(agent).back(), SetLine(kLoopback, 4, sent, "drastun"));
}

TEST_F(PortGridDialogsTest, AShortValueFillsOnlyTheLinesItCovers) {
  {
    ScriptedDevice device({Octets({0x11, 0x01})});
    WithDialog<TfrmPortEnable>(*MainW->MenuItemBandwidth, [&](TfrmPortEnable& dialog) {
      EXPECT_EQ(Column(*dialog.StringGridE1, 2).substr(0, 17), "Active,Active,,,,");
      EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"Infomation: Read successful!"});
    });
  }
  ScriptedDevice device({Octets({0x01})});
  WithDialog<TConf_LoopW>(*MainW->MenuItemLoopback, [&](TConf_LoopW& dialog) {
    EXPECT_EQ(Column(*dialog.StringGridLoop, 1), "Loop,,,,,,,,,,,,,,,");
  });
}

TEST_F(PortGridDialogsTest, ATimeOutLeavesTheGridAndTheDialogUsable) {
  AgentProcess agent = StartAgent({"--fault", "drop"});
  WaitBriefly();
  WithDialog<TConf_LoopW>(*MainW->MenuItemLoopback, [&](TConf_LoopW& dialog) {
    EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"Infomation: Read failed!"});
    dialog.StringGridLoop->SetCells(1, 1, "Loop");
    dialog.cmdRead->Click();
    EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"Infomation: Read failed!"});
    EXPECT_EQ(dialog.StringGridLoop->Cells(1, 1), "Loop");
    EXPECT_TRUE(IsWindowEnabled(dialog.Handle()));
    EXPECT_EQ(Screen().Cursor(), crDefault);
  });
}

TEST_F(PortGridDialogsTest, AnExceptionNamesTheRoutineAndTheDialogStaysUsable) {
  // A request too large for one datagram cannot be sent.
  CurrentDevice.CommunityRd = CurrentDevice.CommunityWr = std::string(70000, 'c');
  WithDialog<TfrmPortEnable>(*MainW->MenuItemBandwidth, [&](TfrmPortEnable& dialog) {
    dialog.cmdSet->Click();
    const std::vector<std::string> boxes = TakeBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0], "Error: Bandwidth Allocation  ReadPortEnable\r\nPackage Size Too Big.");
    EXPECT_EQ(boxes[1], "Error: Bandwidth Allocation  SetPortEnable\r\nPackage Size Too Big.");
    EXPECT_TRUE(IsWindowEnabled(dialog.Handle()));
    EXPECT_EQ(Screen().Cursor(), crDefault);
  });
}
