// The clock source dialog against the simulated device: the mode and the line
// of the clock record, the second read of the line that supplies the clock
// now, and the two octets Set sends.
#include "application/dialogs/Conf_Clock.h"
#include "tests/e2e/DialogFixture.h"

using namespace dialogs;

namespace {

const std::string kClock = P + ".2.7.1.1.7";
const std::string kCurrentClock = P + ".2.7.1.10.7";

class ClockDialogTest : public DialogE2ETest {};

bool AskedFor(const AgentProcess& agent, const std::string& oid) {
  return agent.Log().find(" GET " + oid + " ") != std::string::npos;
}

}  // namespace

TEST_F(ClockDialogTest, TheRecordChoosesModeAndLineAndTheCurrentLineIsReadOnlyFromE1) {
  const struct {
    std::string Record;
    int Mode;
    int Line;
    bool LineEnabled;
    std::string Current;
  } cases[] = {
      {Octets({0x01, 0x03}), 1, 2, true, "E1_3"},
      // Internal: the mode rule clears the line, then octet 1 chooses one in the disabled box.
      {Octets({0x00, 0x05}), 0, 4, false, ""},
      // Values outside the ranges leave both boxes as they were.
      {Octets({0x02, 0x11}), -1, -1, true, "before"},
      // The device names no line: the box is cleared and the edit left alone.
      {Octets({0x01, 0x00}), 1, -1, true, "before"},
  };
  for (const auto& item : cases) {
    AgentProcess agent = StartAgent();
    Store("2.7.1.1", item.Record);
    TakeBoxes();
    WithDialog<TConf_ClockW>(*MainW->MenuItemClockSource, [&](TConf_ClockW& dialog) {
      dialog.EditClock->SetText("before");
      dialog.cmdReadClick(nullptr);
      EXPECT_EQ(dialog.cmbMode->ItemIndex(), item.Mode) << Hex(item.Record);
      EXPECT_EQ(dialog.CmbClock->ItemIndex(), item.Line) << Hex(item.Record);
      EXPECT_EQ(dialog.CmbClock->Enabled(), item.LineEnabled) << Hex(item.Record);
      EXPECT_EQ(dialog.EditClock->Text(), item.Current) << Hex(item.Record);
    });
    EXPECT_EQ(AskedFor(agent, kCurrentClock), item.Mode == 1) << Hex(item.Record);
    EXPECT_EQ(TakeBoxes(), std::vector<std::string>(2, "Infomation: Read successful!"));
  }
}

TEST_F(ClockDialogTest, SetSendsTheModeAndTheLine) {
  AgentProcess agent = StartAgent();
  WithDialog<TConf_ClockW>(*MainW->MenuItemClockSource, [&](TConf_ClockW& dialog) {
    dialog.cmbMode->SetItemIndex(1);
    dialog.CmbClock->SetItemIndex(15);
    dialog.cmdSet->Click();
    dialog.CmbClock->SetItemIndex(-1);
    dialog.cmdSet->Click();
    dialog.cmbMode->SetItemIndex(0);
    dialog.CmbClock->SetItemIndex(3);
    dialog.cmdSet->Click();
  });
  EXPECT_EQ(SetLines(agent), (std::vector<std::string>{SetLine(kClock, 4, Octets({0x01, 0x10}), "drastun"),
                                                       SetLine(kClock, 4, Octets({0x01, 0x00}), "drastun"),
                                                       SetLine(kClock, 4, Octets({0x00, 0x00}), "drastun")}));
}
