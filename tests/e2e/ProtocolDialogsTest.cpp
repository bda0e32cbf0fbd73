// The protocol mode and monitor settings dialogs against the simulated
// device: the version decides whether the mode can be chosen, the station
// addresses travel as IpAddress values with their statuses after them, and
// invalid addresses or failed reads change nothing on the device or on screen.
#include "application/dialogs/Conf_Monitor.h"
#include "application/dialogs/Conf_ProMode.h"
#include "tests/e2e/DialogFixture.h"

using namespace dialogs;

namespace {

const std::string kMode = P + ".1.1.1.10.7";

std::string StationOid(const std::string& object, int entry) { return P + "." + object + ".7." + IntToStr(entry); }

std::vector<std::string> EditTexts(const TConf_MonitorW& dialog) {
  return {dialog.Edit1->Text(), dialog.Edit2->Text(), dialog.Edit3->Text(),
          dialog.Edit4->Text(), dialog.Edit5->Text(), dialog.Edit6->Text()};
}

void FillEdits(TConf_MonitorW& dialog, const std::vector<std::string>& texts) {
  TEdit* const edits[] = {dialog.Edit1, dialog.Edit2, dialog.Edit3, dialog.Edit4, dialog.Edit5, dialog.Edit6};
  for (size_t i = 0; i < texts.size(); ++i) edits[i]->SetText(texts[i]);
}

bool ModeChoiceEnabled(const TConf_ProModeW& dialog) {
  return dialog.RadioGroup1->Enabled() && dialog.RadioButton1->Enabled() && dialog.RadioButton2->Enabled() &&
         dialog.cmdSet->Enabled();
}

class ProtocolDialogsTest : public DialogE2ETest {
 protected:
  static void StoreStation(int entry, const std::string& address, int32_t status) {
    std::string result;
    CommClassW->SnmpSet(1, "drastun", kDeviceIP,
                        {{StationOid("1.1.3.1.2", entry), address, ASN1_IPADDRESS},
                         {StationOid("1.1.3.1.6", entry), status, ASN1_INTEGER}},
                        result);
    ASSERT_EQ(result, "1");
  }
};

}  // namespace

TEST_F(ProtocolDialogsTest, VersionsBeforeF2KnowNoModeAndSetSendsNothing) {
  const std::pair<std::string, std::string> versions[] = {{Octets({0xF1, 0x00}), "VF1.00"},
                                                          {Octets({0x05, 0x1A}), "V05.1A"}};
  for (const auto& [octets, text] : versions) {
    ScriptedDevice device({octets});
    WithDialog<TConf_ProModeW>([&](TConf_ProModeW& dialog) {
      EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"Infomation: Read successful!"}) << text;
      EXPECT_EQ(dialog.EditProVer->Text(), text);
      EXPECT_FALSE(dialog.RadioGroup1->Enabled() || dialog.RadioButton1->Enabled() || dialog.RadioButton2->Enabled() ||
                   dialog.cmdSet->Enabled());
      std::string result;
      dialog.SetProMode(result);
      EXPECT_EQ(result, "0");
      EXPECT_TRUE(TakeBoxes().empty());
    });
    EXPECT_EQ(device.Requests(), 1) << text;
  }
}

TEST_F(ProtocolDialogsTest, FromF2OnTheModeIsReadAndSet) {
  AgentProcess agent = StartAgent();
  WithDialog<TConf_ProModeW>([&](TConf_ProModeW& dialog) {
    EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"Infomation: Read successful!"});
    EXPECT_EQ(dialog.EditProVer->Text(), "VF2.00");
    EXPECT_TRUE(ModeChoiceEnabled(dialog));
    EXPECT_TRUE(dialog.RadioButton1->Checked());
    dialog.RadioButton2->SetChecked(true);
    dialog.cmdSet->Click();
    dialog.cmdRead->Click();
    EXPECT_TRUE(dialog.RadioButton2->Checked());
    dialog.RadioButton1->SetChecked(true);
    dialog.cmdSet->Click();
  });
  // Any mode but 1 is mode B.
  StoreInteger("1.1.1.10", 2);
  WithDialog<TConf_ProModeW>([&](TConf_ProModeW& dialog) { EXPECT_TRUE(dialog.RadioButton2->Checked()); });
  EXPECT_EQ(TakeBoxes(), (std::vector<std::string>{"Infomation: Set successful!", "Infomation: Read successful!",
                                                   "Infomation: Set successful!", "Infomation: Read successful!"}));
  const std::vector<std::string> sets = SetLines(agent);
  ASSERT_EQ(sets.size(), 3u);
  EXPECT_EQ(sets[0], SetLine(kMode, 2, Octets({0x00}), "drastun"));
  EXPECT_EQ(sets[1], SetLine(kMode, 2, Octets({0x01}), "drastun"));
}

// The version is shown, but a mode that cannot be read leaves the choice as
// it was and shows no box.
TEST_F(ProtocolDialogsTest, AFailedModeReadShowsOnlyTheVersion) {
  WaitBriefly();
  ScriptedDevice device({Octets({0xF3, 0x01}), std::nullopt});
  WithDialog<TConf_ProModeW>([&](TConf_ProModeW& dialog) {
    EXPECT_TRUE(TakeBoxes().empty());
    EXPECT_EQ(dialog.EditProVer->Text(), "VF3.01");
    EXPECT_FALSE(dialog.RadioButton1->Checked() || dialog.RadioButton2->Checked());
    EXPECT_TRUE(IsWindowEnabled(dialog.Handle()));
  });
  EXPECT_EQ(device.Requests(), 2);
}

TEST_F(ProtocolDialogsTest, AnInvalidAddressStopsTheSetAndTakesTheFocus) {
  AgentProcess agent = StartAgent();
  struct TCase {
    std::vector<std::string> Edits;
    int Invalid;  // 1..6
  };
  const TCase cases[] = {{{"10.0.0.1", "10.0.0.2", "10.0.0.256"}, 3},
                         {{"", "1.2.3", "", "", "x"}, 2},
                         {{"", "", "", "", "", "10.0.0.1.1"}, 6}};
  for (const TCase& c : cases) {
    WithDialog<TConf_MonitorW>([&](TConf_MonitorW& dialog) {
      TakeBoxes();
      FillEdits(dialog, c.Edits);
      dialog.cmdSet->Click();
      TEdit* const edits[] = {dialog.Edit1, dialog.Edit2, dialog.Edit3, dialog.Edit4, dialog.Edit5, dialog.Edit6};
      EXPECT_EQ(dialog.ActiveControl(), edits[c.Invalid - 1]) << c.Invalid;
      EXPECT_EQ(FBoxFlags, std::vector<UINT>{MB_ICONSTOP});
      EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"Infomation: Invalid IP address!"});
    });
  }
  EXPECT_TRUE(SetLines(agent).empty());
}

TEST_F(ProtocolDialogsTest, AddressesGoAsIpAddressesAndThenTheirStatuses) {
  AgentProcess agent = StartAgent();
  WithDialog<TConf_MonitorW>([&](TConf_MonitorW& dialog) {
    EXPECT_EQ(EditTexts(dialog), std::vector<std::string>(6, ""));
    FillEdits(dialog, {"192.168.1.10", " 10.0.0.1 "});
    dialog.cmdSet->Click();
    FillEdits(dialog, {"", "", "", "", "", ""});
    dialog.cmdRead->Click();
    EXPECT_EQ(EditTexts(dialog), (std::vector<std::string>{"192.168.1.10", "10.0.0.1", "", "", "", ""}));
  });
  EXPECT_EQ(TakeBoxes(), (std::vector<std::string>{"Infomation: Read successful!", "Infomation: Set successful!",
                                                   "Infomation: Read successful!"}));
  std::vector<std::string> expected;
  const std::string addresses[] = {Octets({192, 168, 1, 10}), Octets({10, 0, 0, 1})};
  for (int entry = 1; entry <= 6; ++entry)
    expected.push_back(SetLine(StationOid("1.1.3.1.2", entry), 64,
                               entry <= 2 ? addresses[entry - 1] : Octets({0, 0, 0, 0}), "drastun"));
  for (int entry = 1; entry <= 6; ++entry)
    expected.push_back(
        SetLine(StationOid("1.1.3.1.6", entry), 2, Octets({entry <= 2 ? uint8_t{1} : uint8_t{0}}), "drastun"));
  EXPECT_EQ(SetLines(agent), expected);
}

TEST_F(ProtocolDialogsTest, UnusedEntriesReadAsEmptyEdits) {
  AgentProcess agent = StartAgent();
  const int32_t statuses[] = {1, 0, 1, 0, 0, 0};
  for (int entry = 1; entry <= 6; ++entry) StoreStation(entry, "10.0.0." + IntToStr(entry), statuses[entry - 1]);
  WithDialog<TConf_MonitorW>([&](TConf_MonitorW& dialog) {
    EXPECT_EQ(EditTexts(dialog), (std::vector<std::string>{"10.0.0.1", "", "10.0.0.3", "", "", ""}));
  });
}

// Failed reads keep what the edits show; a refused first set sends no statuses.
TEST_F(ProtocolDialogsTest, FailuresLeaveTheEditsAndTheDialogUsable) {
  AgentProcess agent = StartAgent({"--fault", "drop"});
  WaitBriefly();
  WithDialog<TConf_MonitorW>([&](TConf_MonitorW& dialog) {
    EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"Infomation: Read failed!"});
    FillEdits(dialog, {"1.2.3.4"});
    dialog.cmdRead->Click();
    EXPECT_EQ(dialog.Edit1->Text(), "1.2.3.4");
    dialog.cmdSet->Click();
    EXPECT_EQ(TakeBoxes(), (std::vector<std::string>{"Infomation: Read failed!", "Infomation: Set failed!"}));
    EXPECT_TRUE(IsWindowEnabled(dialog.Handle()));
  });
  EXPECT_EQ(SetLines(agent).size(), 6u);
}

// Addresses that came are shown, trimmed, even when the statuses cannot be read.
TEST_F(ProtocolDialogsTest, AddressesShowWhenTheStatusesDoNotCome) {
  WaitBriefly();
  ScriptedDevice device({std::string(" 10.0.0.9\r\n"), std::nullopt});
  WithDialog<TConf_MonitorW>([&](TConf_MonitorW& dialog) {
    EXPECT_TRUE(TakeBoxes().empty());
    EXPECT_EQ(EditTexts(dialog), (std::vector<std::string>{"10.0.0.9", "", "", "", "", ""}));
  });
}
