// The device-parameter dialog driven through its controls: what it shows,
// what Ok stores, and which entries it refuses while staying open.
#include <windows.h>
// The common controls' declarations build on windows.h.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "application/core/Share.h"
#include "application/main/ApplicationClasses.h"
#include "application/main/Main.h"
#include "application/main/uDeviceParam.h"
#include "platform/controls/core/Application.h"
#include "tests/support/TemporaryFolder.h"

namespace {

struct TShownMessage {
  std::string Text;
  std::string Caption;
  UINT Flags;
  bool operator==(const TShownMessage&) const = default;
};

bool SameDevice(const TNE_Attr& a, const TNE_Attr& b) {
  return a.NETID == b.NETID && a.ID == b.ID && a.Addr == b.Addr && a.Name == b.Name && a.IP == b.IP &&
         a.GateWay == b.GateWay && a.SNMPVer == b.SNMPVer && a.CommunityRd == b.CommunityRd &&
         a.CommunityWr == b.CommunityWr && a.Type == b.Type;
}

bool IsTimestampId(const std::string& id) {
  return id.size() >= 18 && id.find_first_not_of("0123456789") == std::string::npos;
}

TNE_Attr LoadedDevice() {
  TNE_Attr device;
  device.NETID = "old-netid";
  device.ID = "old-id";
  device.Addr = 5;
  device.Name = "Dev1";
  device.IP = "127.0.0.5";
  device.GateWay = "127.0.0.1";
  device.SNMPVer = 1;
  device.CommunityRd = "public";
  device.CommunityWr = "private";
  device.Type = "16*8";
  return device;
}

class DeviceParamTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    RegisterApplicationClasses();
    Application().SetTitle("NEPL");
    Application().SetMessageBoxHandler([this](const std::string& text, const std::string& caption, UINT flags) {
      Messages.push_back({text, caption, flags});
      return IDOK;
    });
    FInventory.WriteString("Dev1", "IP", "127.0.0.5");
    FInventory.WriteString("Dev2", "IP", "127.0.0.6");
    CurrentDevice = LoadedDevice();
    Dialog = CreateUnowned<TDeviceParam>();
    Dialog->SetInventory(&FInventory);
  }

  void TearDown() override {
    Application().SetMessageBoxHandler(nullptr);
    Application().SetModalHandler(nullptr);
  }

  // Runs the dialog modally; `act` plays the operator once it is shown.
  TModalResult ShowModal(std::function<void(TDeviceParam&)> act) {
    Application().SetModalHandler([&act](TForm& form) { act(static_cast<TDeviceParam&>(form)); });
    return Dialog->ShowModal();
  }

  // Types `name` and presses Ok; the dialog must refuse it and stay open, then Close leaves.
  void ExpectNameRefused(const std::string& name) {
    const TModalResult result = ShowModal([&name](TDeviceParam& dialog) {
      dialog.EditName->SetText(name);
      dialog.BitBtnOk->Click();
      EXPECT_EQ(dialog.ModalResult(), mrNone);
      dialog.BitBtnClose->Click();
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(Messages, std::vector<TShownMessage>{InvalidName()}) << "name " << name;
    EXPECT_TRUE(SameDevice(CurrentDevice, LoadedDevice())) << "name " << name;
    Messages.clear();
  }

  // Plain messages: the program's title, OK, no icon.
  static TShownMessage InvalidName() { return {"Invalid NE name!", "NEPL", MB_OK}; }
  static TShownMessage InvalidIP() { return {"Invalid IP address!", "NEPL", MB_OK}; }

  std::vector<TShownMessage> Messages;
  TOwned<TDeviceParam> Dialog;

 private:
  TemporaryFolder FFolder;
  TIniFile FInventory{FFolder.File("devices.ini")};
};

TEST_F(DeviceParamTest, ShowsTheCurrentDeviceAndCloseLeavesItUnchanged) {
  const TModalResult result = ShowModal([](TDeviceParam& dialog) {
    EXPECT_EQ(dialog.EditName->Text(), "Dev1");
    EXPECT_EQ(dialog.EditIP->Text(), "127.0.0.5");
    EXPECT_EQ(dialog.SpinEditAddr->Value(), 5);
    EXPECT_EQ(dialog.EditCommunityRead->Text(), "public");
    EXPECT_EQ(dialog.EditCommunityWrite->Text(), "private");
    EXPECT_EQ(dialog.cmbSnmpVertion->Text(), "SNMPV2");
    dialog.EditName->SetText("Changed");
    dialog.EditIP->SetText("10.0.0.1");
    dialog.BitBtnClose->Click();
  });
  EXPECT_EQ(result, mrCancel);
  EXPECT_TRUE(SameDevice(CurrentDevice, LoadedDevice()));
  EXPECT_TRUE(Messages.empty());
}

TEST_F(DeviceParamTest, OkStoresTheEntriesAsANewStandardDevice) {
  const TOwned<TMainW> main = CreateUnowned<TMainW>();
  MainW = main.get();
  const TModalResult result = ShowModal([](TDeviceParam& dialog) {
    dialog.EditName->SetText("  Dev3 ");
    dialog.EditIP->SetText(" 10.1.2.3  ");
    dialog.SpinEditAddr->SetValue(200);
    dialog.EditCommunityRead->SetText(" rd ");
    dialog.EditCommunityWrite->SetText("wr ");
    dialog.cmbSnmpVertion->SetItemIndex(0);
    dialog.BitBtnOk->Click();
  });
  MainW = nullptr;
  EXPECT_EQ(result, mrOk);
  EXPECT_TRUE(Messages.empty());
  EXPECT_EQ(CurrentDevice.Name, "Dev3");
  EXPECT_EQ(CurrentDevice.IP, "10.1.2.3");
  EXPECT_EQ(CurrentDevice.Addr, 200);
  EXPECT_EQ(CurrentDevice.CommunityRd, " rd ");
  EXPECT_EQ(CurrentDevice.CommunityWr, "wr ");
  EXPECT_EQ(CurrentDevice.SNMPVer, 0);
  EXPECT_EQ(CurrentDevice.Type, "11");
  EXPECT_EQ(CurrentDevice.GateWay, "127.0.0.1");
  EXPECT_TRUE(IsTimestampId(CurrentDevice.NETID)) << CurrentDevice.NETID;
  EXPECT_TRUE(IsTimestampId(CurrentDevice.ID)) << CurrentDevice.ID;
  char panel[64] = {};
  SendMessageA(main->StatusBar->Handle(), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(panel));
  EXPECT_STREQ(panel, "10.1.2.3");
}

TEST_F(DeviceParamTest, EnterPressesOkAndAnIPOfLettersIsTakenAsTyped) {
  const TModalResult result = ShowModal([](TDeviceParam& dialog) {
    dialog.EditIP->SetText("router");
    dialog.cmbSnmpVertion->SetItemIndex(1);
    PostMessageA(dialog.EditIP->Handle(), WM_KEYDOWN, VK_RETURN, 1);
  });
  EXPECT_EQ(result, mrOk);
  EXPECT_EQ(CurrentDevice.IP, "router");
  EXPECT_EQ(CurrentDevice.SNMPVer, 1);
  EXPECT_EQ(CurrentDevice.Type, "11");
}

TEST_F(DeviceParamTest, RefusesNamesTheInventoryCannotHoldAndStaysOpen) {
  for (const std::string name : {"", "   ", "Dev[1", "Dev]1", "Dev=1", "Dev\r\n1", "Dev\n1", ";Dev", "  ;Dev"})
    ExpectNameRefused(name);
}

TEST_F(DeviceParamTest, RefusesTheNameOfAnotherDeviceInAnyCase) {
  ExpectNameRefused("Dev2");
  ExpectNameRefused(" dEV2 ");
}

TEST_F(DeviceParamTest, TheDeviceKeepsItsOwnNameOnEdit) {
  const TModalResult result = ShowModal([](TDeviceParam& dialog) {
    dialog.EditName->SetText("DEV1");
    dialog.BitBtnOk->Click();
  });
  EXPECT_EQ(result, mrOk);
  EXPECT_EQ(CurrentDevice.Name, "DEV1");
  EXPECT_TRUE(Messages.empty());
}

TEST_F(DeviceParamTest, WithoutAnInventoryOnlyTheFormOfTheNameIsChecked) {
  Dialog->SetInventory(nullptr);
  ExpectNameRefused("Dev[2");
  const TModalResult result = ShowModal([](TDeviceParam& dialog) {
    dialog.EditName->SetText("Dev2");
    dialog.BitBtnOk->Click();
  });
  EXPECT_EQ(result, mrOk);
  EXPECT_EQ(CurrentDevice.Name, "Dev2");
}

TEST_F(DeviceParamTest, AnEmptyIPIsRefusedAndTheEntriesCanBeMendedBeforeOk) {
  const TModalResult result = ShowModal([this](TDeviceParam& dialog) {
    dialog.EditName->SetText("Dev4");
    for (const char* ip : {"", "  "}) {
      dialog.EditName->SetFocus();
      dialog.EditIP->SetText(ip);
      dialog.BitBtnOk->Click();
      EXPECT_EQ(dialog.ModalResult(), mrNone);
      EXPECT_EQ(GetFocus(), dialog.EditIP->Handle());
      EXPECT_TRUE(SameDevice(CurrentDevice, LoadedDevice()));
    }
    EXPECT_EQ(Messages, (std::vector<TShownMessage>{InvalidIP(), InvalidIP()}));
    dialog.EditIP->SetText("10.0.0.4");
    dialog.BitBtnOk->Click();
  });
  EXPECT_EQ(result, mrOk);
  EXPECT_EQ(CurrentDevice.Name, "Dev4");
  EXPECT_EQ(CurrentDevice.IP, "10.0.0.4");
}

}  // namespace
