// The main window as the communication form's monitor (the status bar shows
// each exchange, traps of the selected device change its flags) and its
// port-state display: the block's decoding, the grid, the lamps and the
// indicators as painted, and the Help menu.
#include <windows.h>
// The common controls' declarations build on windows.h.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "application/core/Share.h"
#include "application/main/ApplicationClasses.h"
#include "application/main/Legend.h"
#include "application/main/Main.h"
#include "platform/controls/core/Application.h"
#include "platform/graphics/GdiHandles.h"
#include "tests/application/main/MainWindowPicture.h"

namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    RegisterApplicationClasses();
    FMain = CreateUnowned<TMainW>();
    CurrentDevice = TNE_Attr();
    CurrentDevice.IP = "127.0.0.3";
    CurrentDevice.Addr = 7;
  }

  std::string PanelText(int panel) {
    char text[128] = {};
    SendMessageA(FMain->StatusBar->Handle(), SB_GETTEXTA, panel, reinterpret_cast<LPARAM>(text));
    return text;
  }

  // A trap of the selected device unless told otherwise.
  static TPDU Trap(int32_t port, int32_t index, int32_t state) {
    TPDU trap;
    trap.SenderIP = "127.0.0.3";
    trap.NEAddr = 7;
    trap.Port = port;
    trap.TrapIndex = index;
    trap.State = state;
    return trap;
  }

  TOwned<TMainW> FMain;
};

// A port-state block of 87 octets, zero but for `octets` (position, value).
std::string Block(std::initializer_list<std::pair<size_t, uint8_t>> octets, size_t length = 87) {
  std::string block(length, '\0');
  for (const auto& [position, value] : octets) block[position] = static_cast<char>(value);
  return block;
}

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kLime = RGB(0, 255, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kSilver = RGB(192, 192, 192);
constexpr COLORREF kTickColour = RGB(0, 0, 0);

// The window shown, as the operator sees it, with the device reached or not.
class MainDisplayTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    FMain->Show();
  }
  void TearDown() override { Application().SetMessageBoxHandler(nullptr); }

  void ShowDevice(const std::string& block, bool connected) {
    FMain->ShowExchange("Connected", "Read successful!", connected);
    FMain->ShowState(block);
    FMain->PaintIndicators();
  }
};

}  // namespace

// Labels, lamps, images and the splitter draw on the window they sit on: a
// window each would cost the start-up for nothing.
TEST_F(MainWindowTest, TheMainWindowHasAtMostTenChildWindows) {
  FMain->Show();
  int windows = 0;
  EnumChildWindows(
      FMain->Handle(),
      [](HWND, LPARAM count) {
        ++*reinterpret_cast<int*>(count);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  EXPECT_GT(windows, 0);
  EXPECT_LE(windows, 10);
  FMain->Hide();
}

TEST_F(MainWindowTest, StatusBarShowsTheConnectionAndTheOutcome) {
  EXPECT_EQ(PanelText(0), "0.0.0.0");
  EXPECT_EQ(PanelText(1), "Disconnected");
  EXPECT_FALSE(FMain->Connected());
  FMain->ShowExchange("Connected", "Read successful!", true);
  EXPECT_EQ(PanelText(1), "Connected");
  EXPECT_EQ(PanelText(2), "Read successful!");
  EXPECT_TRUE(FMain->Connected());
  FMain->ShowExchange("Connected", "Read failed!", false);
  EXPECT_FALSE(FMain->Connected());
}

TEST_F(MainWindowTest, PortOneTrapsSetAndClearTheirIndicator) {
  FMain->ShowAlarm(Trap(1, 11, 1));
  FMain->ShowAlarm(Trap(1, 12, 1));
  FMain->ShowAlarm(Trap(1, 15, 1));
  FMain->ShowAlarm(Trap(1, 14, 1));
  EXPECT_TRUE(FMain->Indicators()[indLOA]);
  EXPECT_TRUE(FMain->Indicators()[indGID]);
  EXPECT_TRUE(FMain->Indicators()[indLOF]);
  EXPECT_TRUE(FMain->EthStates()[0].LinkUp);
  EXPECT_FALSE(FMain->Indicators()[indALM]);

  FMain->ShowAlarm(Trap(1, 12, 0));
  FMain->ShowAlarm(Trap(1, 14, 0));
  FMain->ShowAlarm(Trap(1, 13, 1));
  EXPECT_FALSE(FMain->Indicators()[indGID]);
  EXPECT_FALSE(FMain->EthStates()[0].LinkUp);
  EXPECT_TRUE(FMain->Indicators()[indLOA]);
  EXPECT_FALSE(FMain->Indicators()[indCV]);
}

TEST_F(MainWindowTest, EthernetPortTrapsMeanLinkUpUnlessALinkTrapIsCleared) {
  FMain->ShowAlarm(Trap(3, 5, 1));
  EXPECT_TRUE(FMain->EthStates()[2].LinkUp);
  FMain->ShowAlarm(Trap(3, 14, 0));
  EXPECT_FALSE(FMain->EthStates()[2].LinkUp);
  FMain->ShowAlarm(Trap(3, 14, 2));
  EXPECT_TRUE(FMain->EthStates()[2].LinkUp);
  FMain->ShowAlarm(Trap(5, 14, 1));
  FMain->ShowAlarm(Trap(0, 11, 1));
  EXPECT_FALSE(FMain->EthStates()[3].LinkUp);
  EXPECT_FALSE(FMain->Indicators()[indLOA]);
}

TEST_F(MainWindowTest, TrapsOfAnotherDeviceChangeNothing) {
  TPDU otherAddress = Trap(1, 11, 1);
  otherAddress.SenderIP = "127.0.0.4";
  TPDU otherNe = Trap(2, 14, 1);
  otherNe.NEAddr = 8;
  FMain->ShowAlarm(otherAddress);
  FMain->ShowAlarm(otherNe);
  EXPECT_FALSE(FMain->Indicators()[indLOA]);
  EXPECT_FALSE(FMain->EthStates()[1].LinkUp);
}

TEST_F(MainWindowTest, TheBlockSetsTheAlarmMaskOfItsPortsOnly) {
  FMain->ShowState(Block({{0, 0x81}, {1, 0x01}}));
  for (int port = 1; port <= kE1PortCount; ++port) {
    EXPECT_EQ(FMain->PortStates()[port - 1].AlarmMask, port == 1 || port == 8 || port == 9) << "port " << port;
  }
}

TEST_F(MainWindowTest, TheBlockSetsTheFlagsOfEachPortFromItsOctet) {
  FMain->ShowState(Block({{2, 0x01}, {3, 0x02}, {4, 0x04}, {5, 0x08}, {6, 0x10}, {7, 0x20}, {8, 0x40}, {17, 0x80}}));
  const TPortStates& ports = FMain->PortStates();
  EXPECT_TRUE(ports[0].LOS);
  EXPECT_TRUE(ports[1].CV);
  EXPECT_TRUE(ports[2].AIS);
  EXPECT_TRUE(ports[3].LOF);
  EXPECT_TRUE(ports[4].ErrOver);
  EXPECT_TRUE(ports[5].CRC);
  EXPECT_TRUE(ports[6].Loop);
  EXPECT_TRUE(ports[15].VactErr);
  EXPECT_FALSE(ports[0].CV || ports[1].LOS || ports[6].VactErr || ports[15].Loop);
}

TEST_F(MainWindowTest, TheBlockSetsTheEthernetStatesTheIndicatorsAndTheLcasWords) {
  FMain->ShowState(Block(
      {{18, 0x0C}, {19, 0x02}, {20, 0x04}, {21, 0xF1}, {22, 0xEA}, {23, 7}, {24, 2}, {25, 9}, {26, 4}, {86, 15}}));
  const auto& eth = FMain->EthStates();
  EXPECT_TRUE(eth[0].LinkUp && eth[0].Speed100 && eth[0].FullDuplex);
  EXPECT_FALSE(eth[1].LinkUp || eth[1].Speed100 || eth[1].FullDuplex);
  EXPECT_TRUE(eth[2].LinkUp && eth[2].Speed100 && !eth[2].FullDuplex);
  EXPECT_TRUE(eth[3].LinkUp && !eth[3].Speed100 && !eth[3].FullDuplex);
  // 0xEA: CV, GID and ETH ERR; bits 6 and 7 carry nothing.
  EXPECT_EQ(FMain->Indicators(), (std::array<bool, IndicatorCount>{false, true, false, true, false, true}));
  const TPortState& first = FMain->PortStates()[0];
  EXPECT_EQ(first.TxSQ, 7);
  EXPECT_EQ(first.TxCtrl, 2);
  EXPECT_EQ(first.RxSQ, 9);
  EXPECT_EQ(first.RxCtrl, 4);
  EXPECT_EQ(FMain->PortStates()[15].RxCtrl, 15);
}

TEST_F(MainWindowTest, EachBlockReplacesTheFlagsOfTheLastOneAndOtherLengthsChangeNothing) {
  FMain->ShowState(Block({{0, 0xFF}, {2, 0xFF}, {18, 0x0C}, {22, 0x3F}}));
  FMain->ShowState(Block({{3, 0x01}, {18, 0x02}}, 86));
  FMain->ShowState(Block({{3, 0x01}}, 88));
  EXPECT_TRUE(FMain->PortStates()[0].AlarmMask && FMain->PortStates()[0].VactErr);
  EXPECT_FALSE(FMain->PortStates()[1].LOS);
  EXPECT_TRUE(FMain->EthStates()[0].LinkUp);

  FMain->ShowState(Block({{3, 0x01}}));
  EXPECT_FALSE(FMain->PortStates()[0].AlarmMask || FMain->PortStates()[0].LOS || FMain->PortStates()[0].VactErr);
  EXPECT_TRUE(FMain->PortStates()[1].LOS);
  EXPECT_EQ(FMain->Indicators(), (std::array<bool, IndicatorCount>{}));
}

TEST(ClearPortStatesTest, ClearsTheFlagsOfTheFirstRecordsAndKeepsTheLcasWords) {
  TPortStates states{};
  for (TPortState& state : states) {
    state = TPortState{true, true, true, true, true, true, true, true, true, 3, 2, 5, 1};
  }
  ClearPortStates(states, 1);
  for (int i : {0, 1}) {
    EXPECT_FALSE(states[i].AlarmMask || states[i].Loop || states[i].LOS || states[i].CV || states[i].AIS ||
                 states[i].LOF || states[i].ErrOver || states[i].CRC || states[i].VactErr);
    EXPECT_EQ(states[i].TxSQ + states[i].TxCtrl + states[i].RxSQ + states[i].RxCtrl, 11);
  }
  EXPECT_TRUE(states[2].AlarmMask && states[2].VactErr);
}

TEST_F(MainDisplayTest, TheGridHasItsHeadersAndPortNumbers) {
  TStringGrid& grid = *FMain->port_state_table;
  EXPECT_EQ(grid.ColCount(), 14);
  EXPECT_EQ(grid.RowCount(), 17);
  EXPECT_EQ(grid.Cells(0, 0), "\xB9");
  EXPECT_EQ(grid.Cells(1, 0), "Alarm Mask");
  EXPECT_EQ(grid.Cells(7, 0), "ERR OVER");
  EXPECT_EQ(grid.Cells(13, 0), "RxCtrl");
  EXPECT_EQ(grid.Cells(0, 1), "1");
  EXPECT_EQ(grid.Cells(0, 16), "16");
  EXPECT_EQ(grid.RowHeights(16), 24);
}

TEST_F(MainDisplayTest, EveryHeaderAndCellTextFitsItsColumn) {
  TStringGrid& grid = *FMain->port_state_table;
  const TWindowDC dc(grid.Handle());
  grid.Canvas().SetHandle(dc.Get());
  grid.Canvas().Font().Assign(grid.Font());
  // A text starts 2 pixels into its cell.
  const auto fits = [&grid](const std::string& text, int col) {
    return grid.Canvas().TextWidth(text) + 2 * 2 <= grid.ColWidths(col);
  };
  for (int col = 0; col < grid.ColCount(); ++col) EXPECT_TRUE(fits(grid.Cells(col, 0), col)) << grid.Cells(col, 0);
  EXPECT_TRUE(fits("16", 0));
  EXPECT_TRUE(fits("255", 10));
  EXPECT_TRUE(fits("Unknow", 11));
  EXPECT_TRUE(fits("fixed", 13));
  grid.Canvas().SetHandle(nullptr);
}

// The grid's frame follows the window; at the window's least width the last
// column can still be brought into view.
TEST_F(MainDisplayTest, TheGridFollowsTheWindowAndScrollsToItsLastColumn) {
  TStringGrid& grid = *FMain->port_state_table;
  const int frame = FMain->TablePlace->Width();
  FMain->SetWidth(FMain->Width() - 50);
  EXPECT_EQ(FMain->TablePlace->Width(), frame - 50);
  // Inside the frame's margins.
  EXPECT_EQ(grid.Width(), frame - 50 - 16);

  FMain->SetBounds(0, 0, 0, 400);
  ASSERT_EQ(FMain->Width(), FMain->Constraints().MinWidth());
  SendMessageA(grid.Handle(), WM_HSCROLL, SB_BOTTOM, 0);
  SendMessageA(grid.Handle(), WM_VSCROLL, SB_BOTTOM, 0);
  const TRect last = grid.CellRect(13, 16);
  RECT client;
  GetClientRect(grid.Handle(), &client);
  EXPECT_GT(last.right, last.left);
  EXPECT_LE(last.right, client.right);
  EXPECT_LE(last.bottom, client.bottom);
}

TEST_F(MainDisplayTest, TheTwelveLampsStandUnderThePortLabelsBesideTheRowLabels) {
  for (int port = 0; port < kEthPortCount; ++port) {
    for (TEthLed led : {elLink, elSpeed, elDuplex}) {
      TShape* lamp = FMain->EthLed(port, led);
      ASSERT_NE(lamp, nullptr);
      EXPECT_EQ(lamp->Parent(), FMain->ETHState);
      EXPECT_EQ(lamp->Owner(), FMain.get());
      EXPECT_EQ(lamp->Shape(), stCircle);
      EXPECT_EQ(lamp->Width(), 10);
      EXPECT_EQ(lamp->Left(), FMain->LabelETH1->Left() + port * (FMain->LabelETH2->Left() - FMain->LabelETH1->Left()));
      EXPECT_EQ(lamp->Top(), FMain->LabelLink->Top() + led * (FMain->LabelSpeed->Top() - FMain->LabelLink->Top()));
    }
  }
}

TEST_F(MainDisplayTest, LampsShowLinkSpeedAndDuplexOnlyWhileTheDeviceIsReached) {
  ShowDevice(Block({{18, 0x0C}, {19, 0x02}, {20, 0x04}, {21, 0x08}}), true);
  TMainWindowPicture reached(*FMain);
  EXPECT_EQ(reached.Lamp(0, elLink), kLime);
  EXPECT_EQ(reached.Lamp(0, elSpeed), kLime);
  EXPECT_EQ(reached.Lamp(0, elDuplex), kLime);
  for (TEthLed led : {elLink, elSpeed, elDuplex}) EXPECT_EQ(reached.Lamp(1, led), kSilver);
  EXPECT_EQ(reached.Lamp(2, elLink), kLime);
  EXPECT_EQ(reached.Lamp(2, elSpeed), kLime);
  EXPECT_EQ(reached.Lamp(2, elDuplex), kYellow);
  EXPECT_EQ(reached.Lamp(3, elSpeed), kYellow);
  EXPECT_EQ(reached.Lamp(3, elDuplex), kLime);

  FMain->ShowExchange("Disconnected", "Read failed!", false);
  FMain->PaintIndicators();
  TMainWindowPicture lost(*FMain);
  for (int port = 0; port < kEthPortCount; ++port) {
    for (TEthLed led : {elLink, elSpeed, elDuplex}) EXPECT_EQ(lost.Lamp(port, led), kSilver);
  }
}

TEST_F(MainDisplayTest, IndicatorsAreRedForRaisedFlagsWhileTheDeviceIsReached) {
  ShowDevice(Block({{22, 0x25}}), true);
  TMainWindowPicture reached(*FMain);
  EXPECT_EQ(reached.Centre(*FMain->IndicALM), kRed);
  EXPECT_EQ(reached.Centre(*FMain->IndicCV), kSilver);
  EXPECT_EQ(reached.Centre(*FMain->IndicLOA), kRed);
  EXPECT_EQ(reached.Centre(*FMain->IndicGID), kSilver);
  EXPECT_EQ(reached.Centre(*FMain->IndicLOF), kSilver);
  EXPECT_EQ(reached.Centre(*FMain->IndicETH_ERR), kRed);

  FMain->ShowExchange("Connected", "Read failed!", false);
  FMain->PaintIndicators();
  EXPECT_EQ(TMainWindowPicture(*FMain).Centre(*FMain->IndicALM), kSilver);
}

// A flood of traps repaints nothing but the lamps it changes: under Wine each
// repaint asked for is a round trip to the window server.
TEST_F(MainDisplayTest, ATrapRepaintsOnlyTheLampsItChanges) {
  ShowDevice(Block({{18, 0x0C}}), true);
  const HWND host = HostWindow(*FMain->IndicLOA);
  // How many windows the trap leaves with something to repaint, and what in the indicators' window.
  const auto markedBy = [&](const TPDU& trap) {
    RedrawWindow(FMain->Handle(), nullptr, nullptr, RDW_VALIDATE | RDW_ALLCHILDREN);
    FMain->ShowAlarm(trap);
    int marked = 0;
    EnumChildWindows(
        FMain->Handle(),
        [](HWND window, LPARAM count) {
          *reinterpret_cast<int*>(count) += GetUpdateRect(window, nullptr, FALSE) ? 1 : 0;
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&marked));
    RECT area{};
    marked += GetUpdateRect(FMain->Handle(), nullptr, FALSE) ? 1 : 0;
    GetUpdateRect(host, &area, FALSE);
    return std::pair(marked, area);
  };
  // LOA is clear and ETH1's link up already.
  EXPECT_EQ(markedBy(Trap(1, 11, 0)).first, 0);
  EXPECT_EQ(markedBy(Trap(1, 14, 1)).first, 0);
  const auto [marked, area] = markedBy(Trap(1, 11, 1));
  const POINT corner = HostPoint(*FMain->IndicLOA, 0, 0);
  const RECT lamp = {corner.x, corner.y, corner.x + FMain->IndicLOA->Width(), corner.y + FMain->IndicLOA->Height()};
  EXPECT_EQ(marked, 1);
  EXPECT_TRUE(EqualRect(&area, &lamp));
}

TEST_F(MainDisplayTest, CellsShowTicksDotsAndLcasTexts) {
  // Port 1: mask and loop set, LOS raised; port 2: nothing set.
  ShowDevice(Block({{0, 0x01}, {2, 0x41}, {23, 7}, {24, 2}, {25, 9}, {26, 4}}), true);
  TMainWindowPicture reached(*FMain);
  EXPECT_GT(reached.CellPixels(1, 1, kTickColour), 10);
  EXPECT_GT(reached.CellPixels(2, 1, kTickColour), 10);
  EXPECT_EQ(reached.CellPixels(1, 2, kTickColour), 0);
  EXPECT_EQ(reached.CellCentre(3, 1), kRed);
  EXPECT_EQ(reached.CellCentre(4, 1), kLime);
  EXPECT_EQ(reached.CellCentre(9, 2), kLime);
  // The texts: 7, "norm", 9 and "Unknow" are drawn in the LCAS columns.
  for (int col = 10; col <= 13; ++col) EXPECT_GT(reached.CellPixels(col, 1, kTickColour), 0) << "column " << col;

  FMain->ShowExchange("Disconnected", "Read failed!", false);
  TMainWindowPicture lost(*FMain);
  EXPECT_EQ(lost.CellPixels(1, 1, kTickColour), 0);
  EXPECT_EQ(lost.CellPixels(2, 1, kTickColour), 0);
  EXPECT_EQ(lost.CellCentre(3, 1), kSilver);
  EXPECT_EQ(lost.CellCentre(4, 1), kSilver);
}

TEST_F(MainDisplayTest, LcasControlWordsAreDrawnByName) {
  ShowDevice(Block({{24, 2}, {28, 4}}), true);
  TMainWindowPicture picture(*FMain);
  // "norm" and "Unknow" differ in width, so their black pixels differ in number.
  EXPECT_NE(picture.CellPixels(11, 1, kTickColour), picture.CellPixels(11, 2, kTickColour));
}

TEST_F(MainDisplayTest, HelpSaysItIsNotSupportedAndLegendOpensAFreshWindowEachTime) {
  std::string message;
  Application().SetMessageBoxHandler([&](const std::string& text, const std::string&, UINT) {
    message = text;
    return IDOK;
  });
  FMain->MenuItemHelp->Click();
  EXPECT_EQ(message, "In current version the help is not supported ");

  std::vector<TForm*> shown;
  const int components = FMain->ComponentCount();
  Application().SetModalHandler([&](TForm& form) {
    EXPECT_NE(dynamic_cast<TLegend*>(&form), nullptr);
    EXPECT_EQ(form.Owner(), FMain.get());
    shown.push_back(&form);
    form.SetModalResult(mrOk);
  });
  FMain->MenuItemLegend->Click();
  EXPECT_TRUE(FMain->ShowDialogModal(TLegend::StaticClass()));
  Application().SetModalHandler(nullptr);
  EXPECT_EQ(shown.size(), 2u);
  EXPECT_EQ(FMain->ComponentCount(), components);
}
