// The error-over, VCG and GFP dialogs against the simulated device: each
// record's octets choose the radio groups' items, the VCAT rule governs LCAS,
// and Set sends exactly the octets, value type and community the groups say.
#include "application/dialogs/Conf_CRCeable.h"
#include "application/dialogs/Conf_Lcase.h"
#include "application/dialogs/Conf_PFI.h"
#include "tests/e2e/DialogFixture.h"

using namespace dialogs;

namespace {

const std::string kErrorOver = P + ".2.7.1.11.7";
const std::string kVcg = P + ".2.1.1.2.7.1";
const std::string kGfp = P + ".2.6.1.2.7.1";

class ChoiceDialogsTest : public DialogE2ETest {};

std::vector<int> Choices(const TConf_PFIW& dialog) {
  return {dialog.RdgPSCRD->ItemIndex(), dialog.RdgHSCRD->ItemIndex(), dialog.RdgPTI->ItemIndex(),
          dialog.rdgPFI->ItemIndex(), dialog.rdgEXI->ItemIndex()};
}

}  // namespace

TEST_F(ChoiceDialogsTest, ErrorOverIsOnOnlyForOneAndSetsAnInteger) {
  AgentProcess agent = StartAgent();
  const std::pair<int32_t, int> cases[] = {{1, 0}, {0, 1}, {2, 1}};
  for (const auto& [value, choice] : cases) {
    StoreInteger("2.7.1.11", value);
    WithDialog<TConf_CRCeableW>(*MainW->MenuItemE1Errover, [&](TConf_CRCeableW& dialog) {
      EXPECT_EQ(dialog.RdgCrc->ItemIndex(), choice) << value;
      dialog.cmdSet->Click();
    });
  }
  const std::vector<std::string> sets = SetLines(agent);
  ASSERT_EQ(sets.size(), 6u);
  EXPECT_EQ(sets[1], SetLine(kErrorOver, 2, Octets({0x01}), "drastun"));
  EXPECT_EQ(sets[3], SetLine(kErrorOver, 2, Octets({0x00}), "drastun"));
  EXPECT_EQ(sets[5], SetLine(kErrorOver, 2, Octets({0x00}), "drastun"));
}

// After a failed read nothing is chosen where the form chose nothing: error
// over is then unknown and sent not at all, the GFP groups without a choice go as 0.
TEST_F(ChoiceDialogsTest, SetsAfterAFailedReadSendOnlyWhatTheControlsSay) {
  AgentProcess agent = StartAgent({"--fault", "drop"});
  WaitBriefly();
  WithDialog<TConf_CRCeableW>(*MainW->MenuItemE1Errover, [&](TConf_CRCeableW& dialog) {
    EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"Infomation: Read failed!"});
    EXPECT_EQ(dialog.RdgCrc->ItemIndex(), -1);
    dialog.cmdSet->Click();
    EXPECT_TRUE(TakeBoxes().empty());
  });
  WithDialog<TConf_PFIW>(*MainW->MenuItemGfpConfig, [&](TConf_PFIW& dialog) {
    EXPECT_EQ(Choices(dialog), (std::vector<int>{-1, -1, -1, 0, 0}));
    dialog.cmdSet->Click();
    EXPECT_TRUE(IsWindowEnabled(dialog.Handle()));
  });
  EXPECT_EQ(SetLines(agent), std::vector<std::string>{SetLine(kGfp, 4, Octets({0, 0, 0, 1, 1}), "drastun")});
}

TEST_F(ChoiceDialogsTest, VcatRulesLcas) {
  AgentProcess agent = StartAgent();
  Store("2.1.1.2", Octets({0x00, 0x01}), ".1");
  WithDialog<TConf_LcaseW>(*MainW->MenuItemVcgConfig, [&](TConf_LcaseW& dialog) {
    // LCAS is switched off by the VCAT rule, then shows the device's octet, unchangeable.
    EXPECT_EQ(dialog.RdgVcat->ItemIndex(), 1);
    EXPECT_EQ(dialog.RdgLcase->ItemIndex(), 0);
    EXPECT_FALSE(dialog.RdgLcase->Enabled());
    dialog.cmdSet->Click();
    dialog.RdgVcat->SetItemIndex(0);
    EXPECT_TRUE(dialog.RdgLcase->Enabled());
    dialog.RdgLcase->SetItemIndex(1);
    dialog.cmdSet->Click();
  });
  Store("2.1.1.2", Octets({0x01, 0x02}), ".1");
  WithDialog<TConf_LcaseW>(*MainW->MenuItemVcgConfig, [&](TConf_LcaseW& dialog) {
    EXPECT_EQ(dialog.RdgVcat->ItemIndex(), 0);
    EXPECT_EQ(dialog.RdgLcase->ItemIndex(), 0);
    EXPECT_TRUE(dialog.RdgLcase->Enabled());
    dialog.cmdSet->Click();
  });
  const std::vector<std::string> sets = SetLines(agent);
  ASSERT_EQ(sets.size(), 5u);
  EXPECT_EQ(sets[1], SetLine(kVcg, 4, Octets({0x00, 0x00}), "drastun"));
  EXPECT_EQ(sets[2], SetLine(kVcg, 4, Octets({0x01, 0x00}), "drastun"));
  EXPECT_EQ(sets[4], SetLine(kVcg, 4, Octets({0x01, 0x01}), "drastun"));
}

TEST_F(ChoiceDialogsTest, GfpRecordChoosesEachGroupAndComesBackUnchanged) {
  AgentProcess agent = StartAgent();
  const std::string record = Octets({0x01, 0x00, 0x01, 0x00, 0x00});
  Store("2.6.1.2", record, ".1");
  WithDialog<TConf_PFIW>(*MainW->MenuItemGfpConfig, [&](TConf_PFIW& dialog) {
    EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"Infomation: Read successful!"});
    EXPECT_EQ(Choices(dialog), (std::vector<int>{0, 1, 0, 1, 1}));
    EXPECT_EQ(dialog.RdgPTI->Items()[0], "Manage data frame");
    dialog.cmdSet->Click();
  });
  EXPECT_EQ(SetLines(agent).back(), SetLine(kGfp, 4, record, "drastun"));
}

TEST_F(ChoiceDialogsTest, ShortValuesChooseOnlyWhatTheirOctetsCover) {
  ScriptedDevice device({Octets({0x00, 0x01}), Octets({0x00})});
  WithDialog<TConf_PFIW>(*MainW->MenuItemGfpConfig, [&](TConf_PFIW& dialog) {
    EXPECT_EQ(Choices(dialog), (std::vector<int>{1, 0, -1, 0, 0}));
  });
  WithDialog<TConf_LcaseW>(*MainW->MenuItemVcgConfig, [&](TConf_LcaseW& dialog) {
    EXPECT_EQ(dialog.RdgVcat->ItemIndex(), 1);
    EXPECT_EQ(dialog.RdgLcase->ItemIndex(), 1);
  });
}
