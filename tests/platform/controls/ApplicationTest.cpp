#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/controls/core/Application.h"
#include "platform/controls/core/Screen.h"
#include "tests/platform/controls/TestForm.h"
#include "tests/support/SystemBox.h"

namespace {

struct TShownBox {
  std::string Text;
  std::string Caption;
  UINT Flags;
};

// Set when a box was still open after some seconds and had to be closed.
bool boxWaited = false;

// A thread timer's call, from within the box's own loop: a box that waits for
// the operator fails the test instead of hanging it.
void CALLBACK CloseWaitingBox(HWND, UINT, UINT_PTR, DWORD) {
  const HWND box = OpenSystemBox();
  if (!box) return;
  boxWaited = true;
  PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
}

// The owner of the box the operator answered.
HWND answeredBoxOwner = nullptr;

// A thread timer's call that presses OK in the box once it is open.
void CALLBACK AnswerBox(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND box = OpenSystemBox();
  if (!box) return;
  KillTimer(nullptr, timer);
  answeredBoxOwner = GetWindow(box, GW_OWNER);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
}

void PressKey(WORD key) {
  INPUT press[2]{};
  press[0].type = press[1].type = INPUT_KEYBOARD;
  press[0].ki.wVk = press[1].ki.wVk = key;
  press[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, press, sizeof(INPUT));
}

class ApplicationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    Application().SetMessageBoxHandler([this](const std::string& text, const std::string& caption, UINT flags) {
      Boxes.push_back({text, caption, flags});
      return IDYES;
    });
  }
  void TearDown() override { Application().SetMessageBoxHandler(nullptr); }

  std::vector<TShownBox> Boxes;
};

TEST_F(ApplicationTest, HasAHiddenWindowOfItsClassTitledWithItsTitle) {
  EXPECT_EQ(Application().Title(), "ApplicationTest");
  Application().SetTitle("NEPL probe");
  EXPECT_EQ(FindWindowA("TApplication", "NEPL probe"), Application().Handle());
  EXPECT_FALSE(IsWindowVisible(Application().Handle()));
}

TEST_F(ApplicationTest, CreatesFormsInOrderAndTheFirstIsTheMainForm) {
  TApplication application;
  TTestForm* first = nullptr;
  TTestForm* second = nullptr;
  application.CreateForm(first);
  application.CreateForm(second);
  ASSERT_EQ(application.ComponentCount(), 2);
  EXPECT_EQ(application.Components(0), first);
  EXPECT_EQ(application.Components(1), second);
  EXPECT_EQ(application.MainForm(), first);
  EXPECT_EQ(first->Name(), "TestForm");
  EXPECT_EQ(second->Name(), "TestForm_1");
}

TEST_F(ApplicationTest, MessageBoxesGoThroughTheReplaceableHandler) {
  EXPECT_EQ(Application().MessageBox("Clear Device List", "Clear", MB_YESNO | MB_ICONWARNING), IDYES);
  Application().SetTitle("NEPL");
  ShowMessage("In current version the help is not supported ");
  ASSERT_EQ(Boxes.size(), 2u);
  EXPECT_EQ(Boxes[0].Text, "Clear Device List");
  EXPECT_EQ(Boxes[0].Caption, "Clear");
  EXPECT_EQ(Boxes[0].Flags, UINT{MB_YESNO | MB_ICONWARNING});
  EXPECT_EQ(Boxes[1].Text, "In current version the help is not supported ");
  EXPECT_EQ(Boxes[1].Caption, "NEPL");
  EXPECT_EQ(Boxes[1].Flags, UINT{MB_OK});
}

TEST_F(ApplicationTest, TheHourglassCoversEveryWindow) {
  auto form = CreateUnowned<TTestForm>();
  Screen().SetCursor(crHourGlass);
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_WAIT));
  EXPECT_EQ(SendMessageA(form->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form->Handle()), HTCLIENT), TRUE);
  Screen().SetCursor(crDefault);
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
}

TEST_F(ApplicationTest, TheScreenListsTheFormsThatExist) {
  const int before = Screen().FormCount();
  auto form = CreateUnowned<TTestForm>();
  ASSERT_EQ(Screen().FormCount(), before + 1);
  EXPECT_EQ(Screen().Forms(before), form.get());
  form.reset();
  EXPECT_EQ(Screen().FormCount(), before);
}

// An exchange waiting for its reply pumps messages, so the operator's Exit
// can reach that pump with clicks queued behind it: none of them runs.
TEST_F(ApplicationTest, InputQueuedBehindAQuitTakenByANestedPumpIsNotDispatched) {
  TApplication application;
  auto form = CreateUnowned<TTestForm>();
  form->Show();
  RECT client{};
  GetClientRect(form->Handle(), &client);
  POINT target{client.right / 2, client.bottom / 2};
  ClientToScreen(form->Handle(), &target);
  ASSERT_EQ(WindowFromPoint(target), form->Handle());
  SetCursorPos(target.x, target.y);
  application.ProcessMessages();
  TUtilWindow exchange([&application](TMessage& message) {
    if (message.Msg != WM_APP) return false;
    application.Terminate();
    for (int wait = 0; wait < 2; ++wait) application.ProcessMessages();
    return true;
  });
  PostMessageA(exchange.Handle(), WM_APP, 0, 0);
  INPUT click[2]{};
  click[0].type = click[1].type = INPUT_MOUSE;
  click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, click, sizeof(INPUT));
  application.ProcessMessages();
  EXPECT_TRUE(application.Terminated());
  MSG queued{};
  EXPECT_TRUE(PeekMessageA(&queued, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit is queued again";
  EXPECT_TRUE(PeekMessageA(&queued, form->Handle(), WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE) &&
              queued.message == WM_LBUTTONDOWN);
}

// The quit a nested pump took is queued again, with its exit code, for every
// loop around that pump: a box the exchange opens afterwards ("Set
// successful!") ends at once, and the key the operator queued before the quit
// does not answer it.
TEST_F(ApplicationTest, AQuitTakenByANestedPumpIsQueuedAgainAndEndsTheBoxesOpenedAfterIt) {
  constexpr int kExitCode = 3;
  TApplication application;
  auto form = CreateUnowned<TTestForm>();
  form->Show();
  SetFocus(form->Handle());
  PressKey(VK_RETURN);
  MSG queued{};
  ASSERT_TRUE(PeekMessageA(&queued, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE));
  PostQuitMessage(kExitCode);
  application.ProcessMessages();
  ASSERT_TRUE(application.Terminated());
  EXPECT_TRUE(PeekMessageA(&queued, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) && queued.wParam == kExitCode);

  constexpr UINT kPatienceMs = 5000;
  const UINT_PTR guard = SetTimer(nullptr, 0, kPatienceMs, CloseWaitingBox);
  application.MessageBox("Set successful!", "NEPL", MB_OK);
  KillTimer(nullptr, guard);
  EXPECT_FALSE(boxWaited) << "the box waited for the operator";
  EXPECT_TRUE(PeekMessageA(&queued, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) && queued.wParam == kExitCode);
  EXPECT_TRUE(PeekMessageA(&queued, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE) && queued.wParam == VK_RETURN)
      << "the queued key answered the box";
  while (PeekMessageA(&queued, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
  }
}

// A modal form or an exchange disabled the window the box belongs to: the
// system's box enables its owner as it closes, and that window must not take
// input before whoever disabled it enables it again.
TEST_F(ApplicationTest, ARealBoxLeavesTheDisabledWindowItBelongsToDisabled) {
  Application().SetMessageBoxHandler(nullptr);
  auto form = CreateUnowned<TTestForm>();
  form->Show();
  ASSERT_EQ(GetActiveWindow(), form->Handle());
  form->SetEnabled(false);
  SetTimer(nullptr, 0, 20, AnswerBox);
  EXPECT_EQ(Application().MessageBox("Read successful!", "Infomation", MB_OK), IDOK);
  EXPECT_EQ(answeredBoxOwner, form->Handle());
  EXPECT_FALSE(IsWindowEnabled(form->Handle()));
}

// Runs last in this program: it ends the application's message loop.
std::vector<std::string> unitLog;

TEST_F(ApplicationTest, AnExceptionInAHandlerShowsOneBoxAndTheLoopGoesOn) {
  // Run ends the units after it has freed the forms, the last started first.
  Application().Initialize(
      {{"First", [] { unitLog.push_back("start First"); }, [] { unitLog.push_back("end First"); }},
       {"Second", [] { unitLog.push_back("start Second"); }, [] { unitLog.push_back("end Second"); }}});
  Application().SetTitle("NEPL");
  TTestForm* mainForm = nullptr;
  Application().CreateForm(mainForm);
  std::vector<std::string> formLog;
  mainForm->FinalLog = &formLog;
  mainForm->DestroyedFlag = nullptr;
  PostMessageA(mainForm->Handle(), kRaiseMessage, 0, 0);
  PostMessageA(mainForm->Handle(), WM_CLOSE, 0, 0);
  Application().Run();
  ASSERT_EQ(Boxes.size(), 1u);
  EXPECT_EQ(Boxes[0].Text, "Broken handler");
  EXPECT_EQ(Boxes[0].Caption, "NEPL");
  EXPECT_EQ(Boxes[0].Flags, UINT{MB_OK | MB_ICONSTOP});
  EXPECT_EQ(formLog, (std::vector<std::string>{"create", "show", "close"}));
  EXPECT_TRUE(Application().Terminated());
  EXPECT_EQ(Application().ComponentCount(), 0);
  EXPECT_EQ(unitLog, (std::vector<std::string>{"start First", "start Second", "end Second", "end First"}));
}

}  // namespace
