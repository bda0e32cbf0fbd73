// The About window's contacts: the registry values that name the browser and
// the mail client, and the commands a click on a contact starts.
#include <gtest/gtest.h>

#include "tests/platform/controls/Capture.h"
#include <windows.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "application/main/About.h"
#include "application/main/ApplicationClasses.h"
#include "platform/controls/core/Application.h"
#include "tests/support/TemporaryFolder.h"

namespace {

// Gives the default value of a registry key for one test, then puts back what
// was there: the old value, or no key at all when the test created it.
class TDefaultValueOverride {
 public:
  TDefaultValueOverride(HKEY root, const std::string& key) : FRoot(root) {
    FCreatedPath = FirstMissingPath(key);
    RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &FKey, nullptr);
    DWORD size = 0;
    if (RegQueryValueExA(FKey, "", nullptr, &FOldType, nullptr, &size) != ERROR_SUCCESS) return;
    FOldData.emplace(size);
    RegQueryValueExA(FKey, "", nullptr, &FOldType, FOldData->data(), &size);
  }
  ~TDefaultValueOverride() {
    if (FOldData) {
      RegSetValueExA(FKey, "", 0, FOldType, FOldData->data(), static_cast<DWORD>(FOldData->size()));
    } else {
      RegDeleteValueA(FKey, "");
    }
    RegCloseKey(FKey);
    if (!FCreatedPath.empty()) RegDeleteTreeA(FRoot, FCreatedPath.c_str());
  }
  TDefaultValueOverride(const TDefaultValueOverride&) = delete;
  TDefaultValueOverride& operator=(const TDefaultValueOverride&) = delete;

  void SetText(const std::string& text) {
    RegSetValueExA(FKey, "", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
  }
  void SetNumber(DWORD number) {
    RegSetValueExA(FKey, "", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
  }
  void Remove() { RegDeleteValueA(FKey, ""); }

 private:
  // The shortest leading part of `key` that does not exist yet; "" when the whole key does.
  std::string FirstMissingPath(const std::string& key) const {
    for (size_t end = key.find('\\');; end = key.find('\\', end + 1)) {
      const std::string path = key.substr(0, end);
      HKEY opened = nullptr;
      if (RegOpenKeyExA(FRoot, path.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return path;
      RegCloseKey(opened);
      if (end == std::string::npos) return "";
    }
  }

  HKEY FRoot;
  HKEY FKey = nullptr;
  std::string FCreatedPath;
  DWORD FOldType = REG_NONE;
  std::optional<std::vector<BYTE>> FOldData;
};

const char kBrowserKey[] = "htmlfile\\shell\\open\\command";
const char kMailClientsKey[] = "SOFTWARE\\Clients\\Mail";

std::string TestMailClient() { return "NEPL test mail " + std::to_string(GetCurrentProcessId()); }

std::string CommandInterpreter() {
  char folder[MAX_PATH] = {};
  GetSystemDirectoryA(folder, MAX_PATH);
  return std::string("\"") + folder + "\\cmd.exe\"";
}

void ClickOn(TLabel& label) {
  const LPARAM point = PointToLParam(HostPoint(label, 2, 2));
  SendMessageA(HostWindow(label), WM_LBUTTONDOWN, MK_LBUTTON, point);
  SendMessageA(HostWindow(label), WM_LBUTTONUP, 0, point);
}

class AboutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    RegisterApplicationClasses();
    Application().SetMessageBoxHandler([this](const std::string& text, const std::string&, UINT) {
      Messages.push_back(text);
      return IDOK;
    });
    About = CreateUnowned<TAboutW>();
    MailClient.SetText(TestMailClient());
  }
  void TearDown() override {
    Application().SetMessageBoxHandler(nullptr);
    Application().SetModalHandler(nullptr);
  }

  // The file a started program writes one line into, once the line is there (a few seconds at most).
  std::string WaitForFile(const TemporaryFolder& folder, const std::string& name) {
    const HANDLE change = FindFirstChangeNotificationA(folder.File("").c_str(), FALSE,
                                                       FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    std::string text = folder.Read(name);
    while (text.find('\n') == std::string::npos && std::chrono::steady_clock::now() < deadline) {
      WaitForSingleObject(change, 100);
      FindNextChangeNotification(change);
      text = folder.Read(name);
    }
    FindCloseChangeNotification(change);
    return text;
  }

  TDefaultValueOverride Browser{HKEY_CLASSES_ROOT, kBrowserKey};
  TDefaultValueOverride MailClient{HKEY_LOCAL_MACHINE, kMailClientsKey};
  TDefaultValueOverride MailCommand{HKEY_LOCAL_MACHINE,
                                    std::string(kMailClientsKey) + "\\" + TestMailClient() + "\\Shell\\open\\command"};
  std::vector<std::string> Messages;
  TOwned<TAboutW> About;
};

TEST_F(AboutTest, TheCommandsFollowTheRegisteredBrowserAndMailClient) {
  Browser.SetText("\"C:\\Browser\\browse.exe\" -nohome");
  MailCommand.SetText("C:\\Mail\\mail.exe /compose");
  EXPECT_EQ(About->GetBrouserPath(), "\"C:\\Browser\\browse.exe\" -nohome");
  EXPECT_EQ(About->GetMailClientPath(), "C:\\Mail\\mail.exe /compose");
  EXPECT_EQ(About->WebCommand(), "\"C:\\Browser\\browse.exe\" -nohome http:\\\\" + About->StrWEBAddr->Caption());
  EXPECT_EQ(About->MailCommand(), "C:\\Mail\\mail.exe /compose mailto:" + About->StrEmail->Caption());
}

TEST_F(AboutTest, NothingRegisteredGivesEmptyPathsAndCommandsStartingWithABlank) {
  Browser.Remove();
  MailClient.SetText("NEPL no such mail client");
  EXPECT_EQ(About->GetBrouserPath(), "");
  EXPECT_EQ(About->GetMailClientPath(), "");
  EXPECT_EQ(About->WebCommand(), " http:\\\\" + About->StrWEBAddr->Caption());
  EXPECT_EQ(About->MailCommand(), " mailto:" + About->StrEmail->Caption());

  // Nothing can be started, and that is not reported.
  ClickOn(*About->StrWEBAddr);
  ClickOn(*About->StrEmail);
  EXPECT_TRUE(Messages.empty());
}

TEST_F(AboutTest, AProgramThatCannotBeStartedIsNotReported) {
  Browser.SetText("C:\\NEPL\\no-such-browser.exe");
  MailCommand.SetText("C:\\NEPL\\no-such-mailer.exe");
  ClickOn(*About->StrWEBAddr);
  ClickOn(*About->StrEmail);
  EXPECT_TRUE(Messages.empty());
}

TEST_F(AboutTest, AValueThatCannotBeReadIsReportedAsNoBrowserOrMailClient) {
  Browser.SetNumber(1);
  MailCommand.SetNumber(1);
  ClickOn(*About->StrWEBAddr);
  ClickOn(*About->StrEmail);
  EXPECT_EQ(Messages, (std::vector<std::string>{"The brouser was not found", "The mail client was not found"}));
}

TEST_F(AboutTest, AClickStartsTheRegisteredProgramOnTheContact) {
  const TemporaryFolder folder;
  // The interpreter writes what follows its redirection, the contact, into the file.
  Browser.SetText(CommandInterpreter() + " /c echo>\"" + folder.File("web.txt") + "\"");
  MailCommand.SetText(CommandInterpreter() + " /c echo>\"" + folder.File("mail.txt") + "\"");
  ClickOn(*About->StrWEBAddr);
  ClickOn(*About->StrEmail);
  EXPECT_EQ(WaitForFile(folder, "web.txt"), "http:\\\\" + About->StrWEBAddr->Caption() + "\r\n");
  EXPECT_EQ(WaitForFile(folder, "mail.txt"), "mailto:" + About->StrEmail->Caption() + "\r\n");
  EXPECT_TRUE(Messages.empty());
}

TEST_F(AboutTest, EnterAndEscapeBothCloseTheWindowWithTheOkResult) {
  for (const WPARAM key : {VK_RETURN, VK_ESCAPE}) {
    Application().SetModalHandler([key](TForm& form) { PostMessageA(form.Handle(), WM_KEYDOWN, key, 1); });
    EXPECT_EQ(About->ShowModal(), mrOk) << "key " << key;
  }
}

}  // namespace
