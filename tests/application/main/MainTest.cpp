// The main window as the communication form's monitor: the status bar shows
// each exchange, and traps of the selected device change its flags.
#include "application/main/Main.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include "application/core/Share.h"
#include "application/main/ApplicationClasses.h"
#include "platform/controls/Application.h"

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

  std::unique_ptr<TMainW> FMain;
};

}  // namespace

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
