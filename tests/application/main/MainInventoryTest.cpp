// The device list of the main window and its File menu, checked on the exact
// content devices.ini ends with; the device dialog is answered through the
// modal seam, the Clear question through the message-box seam.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <iterator>
#include <memory>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "application/core/Share.h"
#include "application/main/ApplicationClasses.h"
#include "application/main/Main.h"
#include "application/main/uDeviceParam.h"
#include "platform/controls/core/Application.h"
#include "tests/support/FileHolders.h"
#include "tests/support/FolderChanges.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/UnixSide.h"

namespace {

const std::string kDev1 =
    "[Dev1]\r\nNETID=1\r\nID=2\r\nAddr=5\r\nIP=127.0.0.9\r\nGateWay=\r\nSNMPVer=0\r\nCommunityRd=r1\r\n"
    "CommunityWr=w1\r\nType=116*16\r\n";
const std::string kDev2 =
    "[Dev2]\r\nNETID=3\r\nID=4\r\nAddr=6\r\nIP=127.0.0.8\r\nGateWay=\r\nSNMPVer=1\r\nCommunityRd=kolmer\r\n"
    "CommunityWr=drastun\r\nType=11\r\n";

enum class TAnswer { Ok, Close };

// An inventory on a disk that is full: its copy cannot be written. `OnCopy`
// runs first, as another program may take the file just then.
class TFullDiskInventory : public TIniFile {
 public:
  using TIniFile::TIniFile;
  std::function<void()> OnCopy;

 protected:
  bool WriteCopy(const std::wstring&, const std::string&, uint32_t) override {
    if (OnCopy) OnCopy();
    SetLastError(ERROR_DISK_FULL);
    return false;
  }
};

// An inventory whose file, once Clear has moved it out of its name, another
// program opens alone for half a second, as a virus scanner or an indexer
// opens a file the moment it appears.
class TScannedInventory : public TIniFile {
 public:
  using TIniFile::TIniFile;

 protected:
  bool DeleteMovedFile(const std::wstring& movedName) override {
    if (!FScanner.joinable()) {
      FScanner = std::jthread([scanned = Hold(std::string(movedName.begin(), movedName.end()), 0)]() mutable {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        scanned.reset();
      });
    }
    return TIniFile::DeleteMovedFile(movedName);
  }

 private:
  std::jthread FScanner;
};

// The operator marks the file read-only until the holder goes.
TFileHolder MakeReadOnly(const std::string& file) {
  SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
  return {nullptr, [file](void*) { SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL); }};
}

class MainInventoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    RegisterApplicationClasses();
    CurrentDevice = TNE_Attr();
  }

  void TearDown() override {
    Application().SetModalHandler(nullptr);
    Application().SetMessageBoxHandler(nullptr);
    MainW = nullptr;
  }

  // The main window on an inventory holding `content`, shown, so the list is filled.
  void StartWith(const std::string& content) {
    if (!content.empty()) FFolder.Write("devices.ini", content);
    FMain = CreateUnowned<TMainW>();
    MainW = FMain.get();
    FMain->OpenInventory(FFolder.File("devices.ini"));
    FMain->Show();
  }

  std::string Inventory() const { return FFolder.Read("devices.ini"); }

  // The menu command as the operator gives it: what it raises is shown in a box, as the message loop does.
  void Choose(TMenuItem* item) { SendMessageA(FMain->Handle(), WM_COMMAND, MAKEWPARAM(item->Command(), 0), 0); }

  // Each action replaces the file in one rename: no moment of it holds part
  // of the inventory, and a program ended halfway leaves the old file or the new.
  // A new inventory's name is first taken, empty, for a moment: a symbolic
  // link whose file is missing would refuse it.
  void ClickReplacingTheFileOnce(TMenuItem* item, bool newInventory = false) {
    FolderChanges changes(FFolder.File(""));
    item->Click();
    const std::vector<DWORD> renamed{FILE_ACTION_RENAMED_NEW_NAME};
    const std::vector<DWORD> takenThenRenamed{FILE_ACTION_ADDED, FILE_ACTION_REMOVED, FILE_ACTION_RENAMED_NEW_NAME};
    EXPECT_EQ(changes.Of("devices.ini"), newInventory ? takenThenRenamed : renamed);
    EXPECT_FALSE(std::filesystem::exists(FFolder.File("devices.ini.tmp")));
  }

  void RecordBoxes(int answer = IDOK) {
    Application().SetMessageBoxHandler([this, answer](const std::string& text, const std::string&, UINT) {
      FBoxes.push_back(text);
      return answer;
    });
  }

  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    const TStringList& items = FMain->ListBoxDevices->Items();
    for (int i = 0; i < items.Count(); ++i) lines.push_back(items[i]);
    return lines;
  }

  // Clicks a line of the device list as the operator does.
  void ClickLine(int line) {
    const HWND window = FMain->ListBoxDevices->Handle();
    const int height = static_cast<int>(SendMessageA(window, LB_GETITEMHEIGHT, 0, 0));
    const LPARAM point = MAKELPARAM(5, line * height + height / 2);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(window, WM_LBUTTONUP, 0, point);
  }

  // Answers the next device dialogs: `inspect` sees each one before it is closed with `answer`.
  void AnswerDialogs(TAnswer answer, std::function<void(TDeviceParam&)> inspect = nullptr) {
    Application().SetModalHandler([this, answer, inspect](TForm& form) {
      auto& dialog = dynamic_cast<TDeviceParam&>(form);
      ++FDialogs;
      if (inspect) inspect(dialog);
      if (answer == TAnswer::Ok) {
        dialog.BitBtnOk->Click();
      } else {
        dialog.BitBtnClose->Click();
      }
    });
  }

  TemporaryFolder FFolder;
  TOwned<TMainW> FMain;
  int FDialogs = 0;
  std::vector<std::string> FBoxes;
};

// The section a device saved through the dialog gets: fresh identifiers and the type reset.
std::regex SavedSection(const std::string& name, const std::string& settings) {
  return std::regex("\\[" + name + "\\]\r\nNETID=[0-9]{18,}\r\nID=[0-9]{18,}\r\n" + settings + "Type=11\r\n");
}

}  // namespace

TEST_F(MainInventoryTest, ShowingTheWindowListsTheSectionsInFileOrder) {
  StartWith(kDev2 + kDev1);
  EXPECT_EQ(Lines(), (std::vector<std::string>{"Dev2", "Dev1"}));
  EXPECT_EQ(FMain->ListBoxDevices->ItemIndex(), -1);
}

TEST_F(MainInventoryTest, ClickingALineSelectsThatDeviceUnderItsOwnName) {
  StartWith(kDev1 + kDev2);
  ClickLine(0);
  EXPECT_EQ(CurrentDevice.Name, "Dev1");
  EXPECT_EQ(CurrentDevice.IP, "127.0.0.9");
  EXPECT_EQ(CurrentDevice.Addr, 5);
  EXPECT_EQ(CurrentDevice.CommunityRd, "r1");
}

TEST_F(MainInventoryTest, NewOnAnEmptyInventoryAddsNEPL0WithTheDefaults) {
  StartWith("");
  std::string shownName;
  AnswerDialogs(TAnswer::Ok, [&](TDeviceParam& dialog) { shownName = dialog.EditName->Text(); });
  ClickReplacingTheFileOnce(FMain->New1, true);
  EXPECT_EQ(shownName, "NEPL0");
  EXPECT_TRUE(std::regex_match(Inventory(), SavedSection("NEPL0",
                                                         "Addr=0\r\nIP=192.168.0.155\r\nGateWay=\r\nSNMPVer=1\r\n"
                                                         "CommunityRd=kolmer\r\nCommunityWr=drastun\r\n")))
      << Inventory();
  EXPECT_EQ(Lines(), std::vector<std::string>{"NEPL0"});
  EXPECT_EQ(FMain->ListBoxDevices->ItemIndex(), 0);
}

TEST_F(MainInventoryTest, AddCopiesTheSelectedDeviceUnderTheNextFreeName) {
  StartWith(kDev1 + kDev2);
  ClickLine(0);
  AnswerDialogs(TAnswer::Ok);
  FMain->MenuItemConnect->Click();
  const std::string inventory = Inventory();
  ASSERT_EQ(inventory.substr(0, kDev1.size() + kDev2.size()), kDev1 + kDev2);
  EXPECT_TRUE(std::regex_match(inventory.substr(kDev1.size() + kDev2.size()),
                               SavedSection("Dev3",
                                            "Addr=5\r\nIP=127.0.0.9\r\nGateWay=\r\nSNMPVer=0\r\n"
                                            "CommunityRd=r1\r\nCommunityWr=w1\r\n")))
      << inventory;
  EXPECT_EQ(Lines(), (std::vector<std::string>{"Dev1", "Dev2", "Dev3"}));
  EXPECT_EQ(FMain->ListBoxDevices->ItemIndex(), 2);
}

TEST_F(MainInventoryTest, AddWithoutASelectedLineStartsFromTheDefaults) {
  StartWith(kDev1);
  std::string shownName;
  std::string shownIP;
  AnswerDialogs(TAnswer::Close, [&](TDeviceParam& dialog) {
    shownName = dialog.EditName->Text();
    shownIP = dialog.EditIP->Text();
  });
  FMain->MenuItemConnect->Click();
  EXPECT_EQ(shownName, "NEPL0");
  EXPECT_EQ(shownIP, "192.168.0.155");
}

TEST_F(MainInventoryTest, NewOrAddClosedWithCloseWritesNothing) {
  StartWith(kDev1 + kDev2);
  ClickLine(1);
  AnswerDialogs(TAnswer::Close);
  FMain->New1->Click();
  FMain->MenuItemConnect->Click();
  EXPECT_EQ(FDialogs, 2);
  EXPECT_EQ(Inventory(), kDev1 + kDev2);
  EXPECT_EQ(Lines(), (std::vector<std::string>{"Dev1", "Dev2"}));
  // Refresh and Reset go on to the highlighted device, not to the template the dialog offered.
  EXPECT_EQ(CurrentDevice.Name, "Dev2");
  EXPECT_EQ(CurrentDevice.IP, "127.0.0.8");
  EXPECT_EQ(CurrentDevice.Addr, 6);
}

TEST_F(MainInventoryTest, EditClosedWithCloseWritesTheDeviceBackUnchanged) {
  StartWith(kDev1 + kDev2);
  ClickLine(0);
  // The device keeps its section while the dialog is open.
  std::string inventoryDuringDialog;
  AnswerDialogs(TAnswer::Close, [&](TDeviceParam&) { inventoryDuringDialog = Inventory(); });
  FMain->MenuItemEdit->Click();
  EXPECT_EQ(inventoryDuringDialog, kDev1 + kDev2);
  EXPECT_EQ(Inventory(), kDev2 + kDev1);
  EXPECT_EQ(Lines(), (std::vector<std::string>{"Dev1", "Dev2"}));
}

TEST_F(MainInventoryTest, EditWithANewNameMovesTheDeviceToIt) {
  StartWith(kDev1 + kDev2);
  ClickLine(0);
  AnswerDialogs(TAnswer::Ok, [](TDeviceParam& dialog) { dialog.EditName->SetText("Core"); });
  ClickReplacingTheFileOnce(FMain->MenuItemEdit);
  const std::string inventory = Inventory();
  ASSERT_EQ(inventory.substr(0, kDev2.size()), kDev2);
  EXPECT_TRUE(std::regex_match(inventory.substr(kDev2.size()),
                               SavedSection("Core",
                                            "Addr=5\r\nIP=127.0.0.9\r\nGateWay=\r\nSNMPVer=0\r\n"
                                            "CommunityRd=r1\r\nCommunityWr=w1\r\n")))
      << inventory;
  EXPECT_EQ(Lines(), (std::vector<std::string>{"Core", "Dev2"}));
}

TEST_F(MainInventoryTest, EditAndDeleteWithoutASelectedLineDoNothing) {
  StartWith(kDev1);
  AnswerDialogs(TAnswer::Ok);
  FMain->MenuItemEdit->Click();
  FMain->MenuItemDelete->Click();
  EXPECT_EQ(FDialogs, 0);
  EXPECT_EQ(Inventory(), kDev1);
  EXPECT_EQ(Lines(), std::vector<std::string>{"Dev1"});
}

// Edit works on the highlighted line, whatever the command before it left current.
TEST_F(MainInventoryTest, EditAfterAnAbandonedNewWorksOnTheSelectedDevice) {
  StartWith(kDev1 + kDev2);
  ClickLine(0);
  AnswerDialogs(TAnswer::Close);
  FMain->New1->Click();
  std::string shownName;
  AnswerDialogs(TAnswer::Close, [&](TDeviceParam& dialog) { shownName = dialog.EditName->Text(); });
  FMain->MenuItemEdit->Click();
  EXPECT_EQ(shownName, "Dev1");
  EXPECT_EQ(Lines(), (std::vector<std::string>{"Dev1", "Dev2"}));
  EXPECT_EQ(Inventory(), kDev2 + kDev1);
}

TEST_F(MainInventoryTest, DeleteRemovesTheSelectedDeviceForGood) {
  StartWith(kDev1 + kDev2);
  ClickLine(0);
  AnswerDialogs(TAnswer::Close);
  FMain->MenuItemConnect->Click();
  ClickReplacingTheFileOnce(FMain->MenuItemDelete);
  EXPECT_EQ(Inventory(), kDev2);
  EXPECT_EQ(Lines(), std::vector<std::string>{"Dev2"});

  // The next start does not bring it back.
  StartWith("");
  EXPECT_EQ(Lines(), std::vector<std::string>{"Dev2"});
}

TEST_F(MainInventoryTest, ClearAsksAndDeletesTheInventoryOnlyOnYes) {
  StartWith(kDev1 + kDev2);
  std::vector<std::string> questions;
  int answer = IDNO;
  Application().SetMessageBoxHandler([&](const std::string& text, const std::string& caption, UINT flags) {
    questions.push_back(text + "|" + caption);
    EXPECT_EQ(flags, static_cast<UINT>(MB_YESNO | MB_ICONWARNING));
    return answer;
  });
  FMain->MenuItemClear->Click();
  EXPECT_EQ(Inventory(), kDev1 + kDev2);
  EXPECT_EQ(Lines().size(), 2u);

  answer = IDYES;
  FMain->MenuItemClear->Click();
  EXPECT_EQ(questions, (std::vector<std::string>{"Clear Device List|Clear", "Clear Device List|Clear"}));
  EXPECT_FALSE(std::filesystem::exists(FFolder.File("devices.ini")));
  EXPECT_TRUE(Lines().empty());
  EXPECT_EQ(CurrentDevice.Name, "NEPL0");
  EXPECT_EQ(CurrentDevice.IP, "192.168.0.155");

  // The inventory starts afresh.
  AnswerDialogs(TAnswer::Ok);
  FMain->New1->Click();
  EXPECT_EQ(Lines(), std::vector<std::string>{"NEPL0"});
  EXPECT_EQ(Inventory().substr(0, 9), "[NEPL0]\r\n");
}

// The list shows what the file holds: a device that could not be saved is
// not listed, and a file that could not be deleted keeps its devices listed.
// The commands go on to the highlighted device as the file holds it.
TEST_F(MainInventoryTest, AFileThatCannotBeReplacedOrDeletedKeepsItsList) {
  StartWith(kDev1 + kDev2);
  RecordBoxes(IDYES);
  ClickLine(1);
  const auto expectDev2AsSaved = [this] {
    EXPECT_EQ(CurrentDevice.Name, "Dev2");
    EXPECT_EQ(CurrentDevice.NETID, "3");
    EXPECT_EQ(CurrentDevice.IP, "127.0.0.8");
    EXPECT_EQ(CurrentDevice.Addr, 6);
    EXPECT_EQ(FMain->StatusBar->Panels().Items(0).Text(), "127.0.0.8");
  };
  {
    const TFileHolder reader = Hold(FFolder.File("devices.ini"), FILE_SHARE_READ);
    AnswerDialogs(TAnswer::Ok);
    Choose(FMain->New1);
    expectDev2AsSaved();
    AnswerDialogs(TAnswer::Ok, [](TDeviceParam& dialog) { dialog.EditIP->SetText("10.9.9.9"); });
    Choose(FMain->MenuItemEdit);
    expectDev2AsSaved();
  }
  {
    const TFileHolder writer = Hold(FFolder.File("devices.ini"), FILE_SHARE_READ | FILE_SHARE_WRITE);
    Choose(FMain->MenuItemClear);
  }
  const std::string unwritten = "Unable to write to " + FFolder.File("devices.ini");
  EXPECT_EQ(FBoxes, (std::vector<std::string>{unwritten, unwritten, "Clear Device List",
                                              "Unable to delete " + FFolder.File("devices.ini")}));
  EXPECT_EQ(Inventory(), kDev1 + kDev2);
  EXPECT_EQ(Lines(), (std::vector<std::string>{"Dev1", "Dev2"}));
  EXPECT_FALSE(std::filesystem::exists(FFolder.File("devices.ini.tmp")));
}

// The box names the write that failed, also when the file cannot be read
// again afterwards; the commands stay on the device the window showed.
TEST_F(MainInventoryTest, AFailedSaveNamesTheWriteThatFailedAndKeepsTheDeviceShown) {
  StartWith(kDev1 + kDev2);
  auto inventory = std::make_unique<TFullDiskInventory>(FFolder.File("devices.ini"));
  TFileHolder holder(nullptr, CloseHandle);
  inventory->OnCopy = [&] { holder = Hold(FFolder.File("devices.ini"), 0); };
  FMain->OpenInventory(std::move(inventory));
  RecordBoxes();
  AnswerDialogs(TAnswer::Ok);
  ClickLine(1);
  Choose(FMain->New1);
  holder.reset();
  EXPECT_EQ(CurrentDevice.Name, "Dev2");
  EXPECT_EQ(CurrentDevice.IP, "127.0.0.8");

  // With no line highlighted, the device from before the command comes back.
  FMain->ListBoxDevices->SetItemIndex(-1);
  Choose(FMain->MenuItemConnect);
  holder.reset();
  EXPECT_EQ(CurrentDevice.Name, "Dev2");
  EXPECT_EQ(CurrentDevice.IP, "127.0.0.8");
  EXPECT_EQ(FMain->StatusBar->Panels().Items(0).Text(), "127.0.0.8");

  const std::string unwritten = "Unable to write to " + FFolder.File("devices.ini.tmp");
  EXPECT_EQ(FBoxes, (std::vector<std::string>{unwritten, unwritten}));
  EXPECT_EQ(Inventory(), kDev1 + kDev2);
}

// In a folder that takes no change, or for a file marked immutable, Wine
// reports the delete as done while the file stays: a list that looked
// cleared would come back whole at the next start.
TEST_F(MainInventoryTest, ClearOfAFileTheSystemKeepsSaysSoAndKeepsTheList) {
  StartWith(kDev1 + kDev2);
  const TUnixSideChange inventory = Immutable(FFolder.File("devices.ini"));
  if (!inventory.Made()) GTEST_SKIP() << kNoImmutableHere;
  RecordBoxes(IDYES);
  Choose(FMain->MenuItemClear);
  EXPECT_EQ(FBoxes, (std::vector<std::string>{"Clear Device List", "Unable to delete " + FFolder.File("devices.ini")}));
  EXPECT_EQ(Inventory(), kDev1 + kDev2);
  EXPECT_EQ(Lines(), (std::vector<std::string>{"Dev1", "Dev2"}));
}

// Clear is done once the name is gone for good: a program that holds the
// file while it lets others delete it keeps it only until it lets go, and a
// file held or away for a moment, or opened alone for a moment once moved out
// of its name, is waited for. A read-only file is refused, as a save refuses
// it. Nothing Clear leaves in the folder holds the list.
TEST_F(MainInventoryTest, ClearIsDoneOnceTheNameIsGoneForGoodOrRefused) {
  struct TCase {
    const char* File;
    std::function<TFileHolder(const std::string&)> Take;
    bool ForAMoment;
    bool Refused;
  } const cases[] = {
      {"held by a program that lets others delete it",
       [](const std::string& file) { return Hold(file, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE); },
       false, false},
      {"held for a moment", [](const std::string& file) { return Hold(file, 0); }, true, false},
      {"away for a moment", TakeAway, true, false},
      {"read-only", MakeReadOnly, false, true},
      {"opened alone for half a second once moved",
       [this](const std::string& file) {
         FMain->OpenInventory(std::make_unique<TScannedInventory>(file));
         return TFileHolder();
       },
       false, false},
  };
  for (const TCase& c : cases) {
    StartWith(kDev1 + kDev2);
    FBoxes.clear();
    RecordBoxes(IDYES);
    TFileHolder holder = c.Take(FFolder.File("devices.ini"));
    std::thread forAMoment([&holder, &c] {
      if (!c.ForAMoment) return;
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
      holder.reset();
    });
    Choose(FMain->MenuItemClear);
    forAMoment.join();
    holder.reset();
    const std::vector<std::string> refused{"Clear Device List", "Unable to delete " + FFolder.File("devices.ini")};
    EXPECT_EQ(FBoxes, c.Refused ? refused : std::vector<std::string>{"Clear Device List"}) << c.File;
    EXPECT_EQ(Lines(), c.Refused ? (std::vector<std::string>{"Dev1", "Dev2"}) : std::vector<std::string>{}) << c.File;
    EXPECT_EQ(Inventory(), c.Refused ? kDev1 + kDev2 : "") << c.File;
    const auto left = std::filesystem::directory_iterator(FFolder.File(""));
    EXPECT_EQ(std::distance(begin(left), end(left)), c.Refused ? 1 : 0) << c.File;
    std::filesystem::remove(FFolder.File("devices.ini"));
  }
}

// A file another program holds for a moment (a backup, say) reads as empty
// through the profile API: taken for the device, its defaults would be saved
// over it once the file is free again. A line clicked meanwhile is not
// taken, so the highlight stays on the device the commands go to.
TEST_F(MainInventoryTest, AnInventoryThatCannotBeReadIsSaidSoAndNeverWrittenFrom) {
  StartWith(kDev1 + kDev2);
  RecordBoxes();
  ClickLine(0);
  TFileHolder holder = Hold(FFolder.File("devices.ini"), 0);
  AnswerDialogs(TAnswer::Close, [&](TDeviceParam&) { holder.reset(); });
  ClickLine(1);
  EXPECT_EQ(FMain->ListBoxDevices->ItemIndex(), 0);
  EXPECT_EQ(CurrentDevice.Name, "Dev1");
  Choose(FMain->MenuItemEdit);
  holder.reset();
  EXPECT_EQ(FDialogs, 0);
  EXPECT_EQ(Inventory(), kDev1 + kDev2);
  const std::string unreadable = "Unable to read " + FFolder.File("devices.ini");
  EXPECT_EQ(FBoxes, (std::vector<std::string>{unreadable, unreadable}));

  FBoxes.clear();
  const TFileHolder atStart = Hold(FFolder.File("devices.ini"), 0);
  StartWith("");
  EXPECT_EQ(FBoxes, std::vector<std::string>{unreadable});
}
