// The Ethernet port dialogs against the simulated device: each port's record
// on its page, the optical port 1, Set of the active page only, the port
// reset and the pause setting with the read community.
#include "application/dialogs/Conf_FlowCon.h"
#include "application/dialogs/Conf_Parameter.h"
#include "application/dialogs/Conf_Reset.h"
#include "tests/e2e/DialogFixture.h"

using namespace dialogs;

namespace {

std::string PortRecordOid(int port) { return P + ".2.2.1.2.7." + IntToStr(port); }

class EthernetDialogsTest : public DialogE2ETest {};

}  // namespace

TEST_F(EthernetDialogsTest, EachPortsRecordFillsItsPageAndSetSendsTheActivePageOnly) {
  AgentProcess agent = StartAgent();
  Store("2.2.1.2", Octets({0x01, 0x01, 0x00, 0x01, 0x00}), ".1");
  Store("2.2.1.2", Octets({0x02, 0x00, 0x02, 0x02, 0x02}), ".2");
  TakeBoxes();
  WithDialog<TConf_ParameterW>(*MainW->MenuItemParameter, [&](TConf_ParameterW& dialog) {
    EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"Infomation: Read successful!"});
    EXPECT_EQ(dialog.TabSheet6->Caption(), "ETH1 ");
    EXPECT_EQ(dialog.RdgFx1Enable->ItemIndex(), 0);
    EXPECT_TRUE(dialog.rdbNego1->Checked());
    EXPECT_EQ(dialog.RdgSpeed1->ItemIndex(), 1);
    EXPECT_EQ(dialog.rdgFX->ItemIndex(), 0);
    EXPECT_EQ(dialog.rdgFX1C->ItemIndex(), 1);
    EXPECT_FALSE(dialog.RdgSpeed1->Enabled());
    EXPECT_FALSE(dialog.rdgFX->Enabled());
    // Every value but 1 is the second item here.
    EXPECT_EQ(dialog.RdgEth2->ItemIndex(), 1);
    EXPECT_FALSE(dialog.rdbNego2->Checked());
    EXPECT_EQ(dialog.rdgSpeed2->ItemIndex(), 1);
    EXPECT_EQ(dialog.rdgMode2->ItemIndex(), 1);
    EXPECT_EQ(dialog.RdgFlowC2->ItemIndex(), 1);
    EXPECT_TRUE(dialog.rdgSpeed2->Enabled());

    // Clearing auto-negotiation gives speed and duplex back to the operator.
    dialog.rdbNego1->SetChecked(false);
    EXPECT_TRUE(dialog.RdgSpeed1->Enabled() && dialog.rdgFX->Enabled());

    dialog.PgcPara->SetActivePageIndex(2);
    dialog.RdgEth3->SetItemIndex(1);
    dialog.cmdSet->Click();
    dialog.cmdRead->Click();
    EXPECT_EQ(TakeBoxes(), (std::vector<std::string>{"Infomation: Set successful!", "Infomation: Read successful!"}));
  });
  const std::vector<std::string> sets = SetLines(agent);
  ASSERT_EQ(sets.size(), 3u);
  EXPECT_EQ(sets[2], SetLine(PortRecordOid(3), 4, Octets({0x00, 0x01, 0x01, 0x01, 0x00}), "drastun"));
  EXPECT_NE(agent.Log().find(" GET " + PortRecordOid(3) + " "), agent.Log().rfind(" GET " + PortRecordOid(3) + " "));
}

TEST_F(EthernetDialogsTest, AnOpticalPortOneHasFixedSpeedAndDuplexButSendsThem) {
  AgentProcess agent = StartAgent();
  Store("2.2.1.2", Octets({0x01, 0x00, 0x00, 0x00, 0x01}), ".1");
  CurrentDevice.Type = "116*16";
  WithDialog<TConf_ParameterW>(*MainW->MenuItemParameter, [&](TConf_ParameterW& dialog) {
    EXPECT_EQ(dialog.TabSheet6->Caption(), "FX1 ");
    EXPECT_FALSE(dialog.rdbNego1->Enabled());
    EXPECT_FALSE(dialog.RdgSpeed1->Enabled());
    EXPECT_FALSE(dialog.rdgFX->Enabled());
    EXPECT_EQ(dialog.RdgSpeed1->ItemIndex(), 1);
    dialog.cmdSet->Click();
  });
  EXPECT_EQ(SetLines(agent).back(), SetLine(PortRecordOid(1), 4, Octets({0x01, 0x00, 0x00, 0x00, 0x01}), "drastun"));
}

TEST_F(EthernetDialogsTest, AFailedPortStopsTheReadAndShortRecordsFillWhatTheyCover) {
  WaitBriefly();
  ScriptedDevice device({Octets({0x00, 0x01}), std::nullopt});
  WithDialog<TConf_ParameterW>(*MainW->MenuItemParameter, [&](TConf_ParameterW& dialog) {
    EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"Infomation: Read failed!"});
    EXPECT_EQ(dialog.RdgFx1Enable->ItemIndex(), 1);
    EXPECT_TRUE(dialog.rdbNego1->Checked());
    EXPECT_EQ(dialog.RdgSpeed1->ItemIndex(), 0);
    EXPECT_TRUE(IsWindowEnabled(dialog.Handle()));
    EXPECT_EQ(Screen().Cursor(), crDefault);
  });
  EXPECT_EQ(device.Requests(), 2);
}

TEST_F(EthernetDialogsTest, PortResetAndPauseGoWithTheReadCommunity) {
  AgentProcess agent = StartAgent();
  std::string loopback(16, '\0');
  loopback[0] = 1;
  Store("2.7.1.2", loopback);
  TakeBoxes();
  WithDialog<TConf_ResetW>([&](TConf_ResetW& dialog) {
    EXPECT_EQ(dialog.Caption(), "");
    dialog.ckbFx1->SetChecked(true);
    dialog.ckbEth3->SetChecked(true);
    dialog.cmdSet->Click();
    EXPECT_TRUE(dialog.ckbFx1->Checked());
  });
  WithDialog<TConf_FlowConW>([&](TConf_FlowConW& dialog) {
    // The last octet that is 0 or 1 decides.
    dialog.Button1->Click();
    EXPECT_EQ(dialog.RDGEnable->ItemIndex(), 1);
    dialog.RDGEnable->SetItemIndex(0);
    dialog.Button2->Click();
    dialog.RDGEnable->SetItemIndex(1);
    dialog.Button1->Click();
    EXPECT_EQ(dialog.RDGEnable->ItemIndex(), 0);
  });
  EXPECT_EQ(TakeBoxes(), (std::vector<std::string>{"Infomation: Set successful!", "Infomation: Read successful!",
                                                   "Infomation: Set successful!", "Infomation: Read successful!"}));
  EXPECT_EQ(SetLines(agent),
            (std::vector<std::string>{SetLine(P + ".2.7.1.2.7", 4, loopback, "drastun"),
                                      SetLine(P + ".2.7.1.7.7", 4, Octets({0x01, 0x00, 0x01, 0x00}), "kolmer"),
                                      SetLine(P + ".2.7.1.2.7", 4, Octets({0x01}), "kolmer")}));
}
