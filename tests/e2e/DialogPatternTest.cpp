// What every configuration dialog shares: how its exchanges show that the
// dialog is busy, how the NE address ends each identifier, and what an empty
// value does.
#include "application/dialogs/Alarm_Shielded.h"
#include "application/dialogs/Conf_CRCeable.h"
#include "application/dialogs/Conf_Clock.h"
#include "application/dialogs/Conf_FlowCon.h"
#include "application/dialogs/Conf_Lcase.h"
#include "application/dialogs/Conf_Loop.h"
#include "application/dialogs/Conf_Monitor.h"
#include "application/dialogs/Conf_Operation.h"
#include "application/dialogs/Conf_PFI.h"
#include "application/dialogs/Conf_Parameter.h"
#include "application/dialogs/Conf_ProMode.h"
#include "application/dialogs/Conf_Reset.h"
#include "application/dialogs/Conf_SetVlan.h"
#include "application/dialogs/Conf_VLAN.h"
#include "application/dialogs/PortEnable.h"
#include "application/dialogs/Sys_Ver.h"
#include "tests/e2e/DialogFixture.h"
#include "tests/support/SystemBox.h"

namespace dialogs {
namespace {

// The texts of the system's boxes a timer answered, in order.
std::vector<std::string> answeredBoxes;

// A thread timer's call, from within a real box's own loop: it presses OK.
void CALLBACK AnswerOpenBox(HWND, UINT, UINT_PTR, DWORD) {
  constexpr int kBoxTextId = 0xFFFF;
  const HWND box = OpenSystemBox();
  if (!box) return;
  char text[64] = {};
  GetDlgItemTextA(box, kBoxTextId, text, sizeof text);
  answeredBoxes.push_back(text);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
}

class DialogPatternTest : public DialogE2ETest {
 protected:
  static void OpenAndClose(TClass dialog) {
    Application().SetModalHandler([](TForm& form) { form.SetModalResult(mrCancel); });
    MainW->ShowDialogModal(dialog);
    Application().SetModalHandler(nullptr);
  }
};

// The read on show: the box of a routine comes while the dialog is still
// disabled (under the hourglass where the dialog shows it); the dialogs whose
// show reports the routine's result afterwards find themselves enabled again.
TEST_F(DialogPatternTest, TheReadOnShowReportsWhileTheDialogIsBusy) {
  struct TCase {
    TClass Dialog;
    bool EnabledAtBox;
  };
  const TCase cases[] = {
      {TfrmPortEnable::StaticClass(), false},   {TConf_LoopW::StaticClass(), false},
      {TConf_CRCeableW::StaticClass(), false},  {TConf_ClockW::StaticClass(), false},
      {TConf_ParameterW::StaticClass(), true},  {TConf_VLANW::StaticClass(), true},
      {TConf_LcaseW::StaticClass(), false},     {TConf_PFIW::StaticClass(), false},
      {TAlarm_ShieldedW::StaticClass(), false}, {TSys_VerW::StaticClass(), false},
      {TConf_ProModeW::StaticClass(), false},   {TConf_MonitorW::StaticClass(), false},
      {TConf_SetVlanW::StaticClass(), true},
  };
  AgentProcess agent = StartAgent();
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Dialog->ClassName());
    FMoments.clear();
    OpenAndClose(c.Dialog);
    EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"Infomation: Read successful!"});
    ASSERT_EQ(FMoments.size(), 1u);
    EXPECT_EQ(FMoments[0].Dialog, c.Dialog->ClassName());
    EXPECT_EQ(FMoments[0].DialogEnabled, c.EnabledAtBox);
    EXPECT_EQ(FMoments[0].Cursor, c.EnabledAtBox ? crDefault : ExchangeCursor(c.Dialog->ClassName()));
  }
  EXPECT_EQ(Screen().Cursor(), crDefault);
}

TEST_F(DialogPatternTest, NeAddressZeroEndsEveryIdentifierInZero) {
  CurrentDevice.Addr = 0;
  AgentProcess agent({"--device", kDeviceIP, "--ne", "0", "--manager", "none"});
  WithDialog<TConf_LoopW>(*MainW->MenuItemLoopback, [](TConf_LoopW& dialog) { dialog.cmdSet->Click(); });
  WithDialog<TConf_ResetW>([](TConf_ResetW& dialog) { dialog.cmdSet->Click(); });
  EXPECT_EQ(TakeBoxes(), (std::vector<std::string>{"Infomation: Read successful!", "Infomation: Set successful!",
                                                   "Infomation: Set successful!"}));
  EXPECT_EQ(SetLines(agent), (std::vector<std::string>{SetLine(P + ".2.7.1.2.0", 4, std::string(16, '\0'), "drastun"),
                                                       SetLine(P + ".2.7.1.7.0", 4, std::string(4, '\0'), "kolmer")}));
}

// An empty value decodes nothing and, on the common read path, shows no box;
// the pause and the combined dialog's loop read report success all the same.
TEST_F(DialogPatternTest, AnEmptyValueIsSilentUnlessTheRoutineSaysOtherwise) {
  struct TCase {
    const char* Read;
    std::function<void()> Run;
    std::vector<std::string> Boxes;
  };
  const std::vector<std::string> success = {"Infomation: Read successful!"};
  const TCase cases[] = {
      {"loopback on show",
       [this] {
         WithDialog<TConf_LoopW>(*MainW->MenuItemLoopback,
                                 [](TConf_LoopW& dialog) { EXPECT_EQ(dialog.StringGridLoop->Cells(1, 1), ""); });
       },
       {}},
      {"pause", [this] { WithDialog<TConf_FlowConW>([](TConf_FlowConW& dialog) { dialog.Button1->Click(); }); },
       success},
      {"combined loop page",
       [this] {
         WithDialog<TConf_OperationW>([](TConf_OperationW& dialog) {
           dialog.PageControl1->SetActivePageIndex(TConf_OperationW::pgLoop);
           dialog.cmdRead->Click();
         });
       },
       success},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Read);
    ScriptedDevice device({std::string()});
    c.Run();
    EXPECT_EQ(TakeBoxes(), c.Boxes);
    EXPECT_EQ(device.Requests(), 1);
  }
}

// The read's box is the system's own: as it closes it enables the window it
// belongs to, the main window, which the dialog disabled. That window takes no
// input until the dialog closes, so nothing the operator does there reaches
// the device or opens a second dialog meanwhile.
TEST_F(DialogPatternTest, TheMainWindowStaysDisabledWhileTheDialogIsOpenAfterTheReadOnShow) {
  struct TCase {
    TMenuItem* TMainW::*Item;
    TClass Dialog;
  };
  const TCase cases[] = {
      {&TMainW::MenuItemE1Errover, TConf_CRCeableW::StaticClass()},
      {&TMainW::MenuItemClockSource, TConf_ClockW::StaticClass()},
      {&TMainW::MenuItemGfpConfig, TConf_PFIW::StaticClass()},
      {&TMainW::MenuItemBandwidth, TfrmPortEnable::StaticClass()},
      {&TMainW::MenuItemLoopback, TConf_LoopW::StaticClass()},
      {&TMainW::MenuItemParameter, TConf_ParameterW::StaticClass()},
      {&TMainW::MenuItemVlanTable, TConf_VLANW::StaticClass()},
      {&TMainW::MenuItemPortVlan, TConf_SetVlanW::StaticClass()},
      {&TMainW::MenuItemVcgConfig, TConf_LcaseW::StaticClass()},
      {&TMainW::MenuItemAlarmShield, TAlarm_ShieldedW::StaticClass()},
      {&TMainW::MenuItemVersion, TSys_VerW::StaticClass()},
  };
  Application().SetMessageBoxHandler(nullptr);
  MainW->Show();
  AgentProcess agent = StartAgent();
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Dialog->ClassName());
    answeredBoxes.clear();
    const UINT_PTR answering = SetTimer(nullptr, 0, 20, AnswerOpenBox);
    bool mainEnabled = true;
    WithDialog<TForm>(*(MainW->*c.Item), [&](TForm& dialog) {
      EXPECT_EQ(dialog.ClassType(), c.Dialog);
      mainEnabled = IsWindowEnabled(MainW->Handle());
    });
    KillTimer(nullptr, answering);
    EXPECT_EQ(answeredBoxes, std::vector<std::string>{"Read successful!"});
    EXPECT_FALSE(mainEnabled);
    EXPECT_TRUE(IsWindowEnabled(MainW->Handle()));
    EXPECT_EQ(GetActiveWindow(), MainW->Handle());
  }
  MainW->Hide();
}

}  // namespace
}  // namespace dialogs
