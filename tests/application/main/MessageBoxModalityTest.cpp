// Real message boxes (no test handler) are modal to the whole program: the
// main window and the device dialog take no input while one is open, and the
// window the box belongs to is active again, with its focus, afterwards.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "application/core/Share.h"
#include "application/main/ApplicationClasses.h"
#include "application/main/Main.h"
#include "application/main/uDeviceParam.h"
#include "platform/controls/core/Application.h"
#include "tests/support/SystemBox.h"
#include "tests/support/TemporaryFolder.h"

namespace {

// What the test does while a box is open: it runs from a timer inside the box's own message loop.
std::function<void(HWND box)> WhileBoxOpen;

void CALLBACK LookForBox(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND box = OpenSystemBox();
  if (!box) return;
  KillTimer(nullptr, timer);
  WhileBoxOpen(box);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
}

void PostClick(HWND window, int x, int y) {
  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

class MessageBoxModalityTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    RegisterApplicationClasses();
    Application().SetTitle("NEPL");
    FFolder.Write("devices.ini", "[Dev1]\r\nIP=127.0.0.5\r\n[Dev2]\r\nIP=127.0.0.6\r\n");
    Main = CreateUnowned<TMainW>();
    MainW = Main.get();
    Main->OpenInventory(FFolder.File("devices.ini"));
    Main->Show();
    CurrentDevice = TNE_Attr();
    SetTimer(nullptr, 0, 20, LookForBox);
  }

  void TearDown() override {
    MainW = nullptr;
    Application().SetModalHandler(nullptr);
  }

  // A click on the device list's second line, which would select Dev2 if it got through.
  void ClickSecondDevice() {
    RECT line{};
    SendMessageA(Main->ListBoxDevices->Handle(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&line));
    PostClick(Main->ListBoxDevices->Handle(), line.left + 2, line.top + 2);
  }

  void ExpectNoDeviceSelected() {
    EXPECT_EQ(Main->ListBoxDevices->ItemIndex(), -1);
    EXPECT_NE(CurrentDevice.Name, "Dev2");
  }

  TOwned<TMainW> Main;

 private:
  TemporaryFolder FFolder;
};

TEST_F(MessageBoxModalityTest, TheMainWindowTakesNoClickWhileTheHelpMessageIsOpen) {
  bool mainEnabled = true;
  HWND owner = nullptr;
  WhileBoxOpen = [&](HWND box) {
    mainEnabled = IsWindowEnabled(Main->Handle());
    owner = GetWindow(box, GW_OWNER);
    ClickSecondDevice();
  };
  Main->MenuItemHelpClick(nullptr);
  EXPECT_FALSE(mainEnabled);
  EXPECT_EQ(owner, Main->Handle());
  ExpectNoDeviceSelected();
  EXPECT_TRUE(IsWindowEnabled(Main->Handle()));
  EXPECT_EQ(GetActiveWindow(), Main->Handle());
}

TEST_F(MessageBoxModalityTest, TheDeviceDialogOwnsItsMessageAndGetsItsFocusBack) {
  bool mainEnabled = true;
  bool dialogEnabled = true;
  HWND owner = nullptr;
  Application().SetModalHandler([&](TForm& form) {
    auto& dialog = static_cast<TDeviceParam&>(form);
    WhileBoxOpen = [&](HWND box) {
      mainEnabled = IsWindowEnabled(Main->Handle());
      dialogEnabled = IsWindowEnabled(dialog.Handle());
      owner = GetWindow(box, GW_OWNER);
      ClickSecondDevice();
      PostClick(dialog.BitBtnClose->Handle(), 4, 4);
    };
    dialog.EditIP->SetFocus();
    dialog.EditName->SetText(" ");
    dialog.BitBtnOk->Click();
    EXPECT_EQ(dialog.ModalResult(), mrNone) << "the click on Close went through";
    EXPECT_TRUE(IsWindowEnabled(dialog.Handle()));
    EXPECT_FALSE(IsWindowEnabled(Main->Handle())) << "the dialog is still modal";
    EXPECT_EQ(GetActiveWindow(), dialog.Handle());
    EXPECT_EQ(GetFocus(), dialog.EditName->Handle());
    EXPECT_EQ(owner, dialog.Handle());
    dialog.BitBtnClose->Click();
  });
  Main->New1Click(nullptr);
  EXPECT_FALSE(mainEnabled);
  EXPECT_FALSE(dialogEnabled);
  ExpectNoDeviceSelected();
  EXPECT_TRUE(IsWindowEnabled(Main->Handle()));
  EXPECT_EQ(GetActiveWindow(), Main->Handle());
}

}  // namespace
