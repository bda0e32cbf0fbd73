// The program ends cleanly, whichever way the operator closes it, after it has
// listed its devices and painted its port grid: every form and control goes
// in order before the process ends, and the exit code says so. It lists and
// saves its devices from any folder the system allows.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <thread>

#include "tests/support/ChildOfClass.h"
#include "tests/support/ProgramProcess.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/UnixSide.h"
#include "tests/support/WindowsPath.h"

namespace {

const char kDeviceNE0[] = "[NE0]\nAddr=1\nIP=127.0.0.2\n";
const char kDeviceNE1[] = "[NE1]\nAddr=2\nIP=127.0.0.3\n";

// A copy of the program in a folder of its own (the sub-folder of a fresh
// folder, when one is named), beside an inventory of two devices.
class TProgramCopy {
 public:
  explicit TProgramCopy(const std::filesystem::path& subfolder = {})
      : FTop(std::filesystem::path(FTemporary.File("")).parent_path()), FFolder(FTop / subfolder) {
    std::filesystem::create_directories(FFolder);
    std::filesystem::copy_file(WindowsPath(NEPL_PROGRAM_PATH), FFolder / "nepl.exe");
    std::ofstream(FFolder / "devices.ini") << kDeviceNE0 << kDeviceNE1;
  }
  // The C runtime that std::filesystem removes files through takes no path
  // past MAX_PATH under Wine, so the copy's own files and folders go first.
  ~TProgramCopy() {
    for (const char* file : {"nepl.exe", "devices.ini"}) DeleteFileW((FFolder / file).c_str());
    for (std::filesystem::path folder = FFolder; folder != FTop; folder = folder.parent_path())
      RemoveDirectoryW(folder.c_str());
  }
  TProgramCopy(const TProgramCopy&) = delete;
  TProgramCopy& operator=(const TProgramCopy&) = delete;

  std::wstring Path() const { return (FFolder / "nepl.exe").wstring(); }
  std::string Inventory() const {
    std::ifstream file(FFolder / "devices.ini");
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }

 private:
  TemporaryFolder FTemporary;
  std::filesystem::path FTop;
  std::filesystem::path FFolder;
};

// The device list once the program has filled it (the window shows before that).
LRESULT ListedDevices(HWND mainWindow) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  LRESULT count = 0;
  while ((count = SendMessageA(ChildOfClass(mainWindow, "TListBox"), LB_GETCOUNT, 0, 0)) < 2 &&
         std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  return count;
}

// The command number of a menu item of the main window. Menus of another
// process cannot be read under Wine, so it is worked out as the program does:
// the main window is the first form, and each of its menus and menu items
// takes the next number from 100 as its form resource creates them.
UINT MainWindowMenuCommand(const std::string& itemName) {
  std::ifstream form(WindowsPath(NEPL_MAIN_FORM_PATH));
  UINT command = 100;
  for (std::string line; std::getline(form, line);) {
    const bool menuObject =
        line.ends_with(": TMainMenu") || line.ends_with(": TPopupMenu") || line.ends_with(": TMenuItem");
    if (!menuObject) continue;
    if (line.find("object " + itemName + ":") != std::string::npos) return command;
    ++command;
  }
  return 0;
}

// The inventory once the program has saved it: a save comes a moment after its command.
std::string SavedInventory(const TProgramCopy& copy, const std::string& before) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  std::string inventory;
  while ((inventory = copy.Inventory()) == before && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  return inventory;
}

// Wine's CreateProcess starts no program from a path past MAX_PATH; its
// loader started from the Unix side does. None without a Unix side.
std::unique_ptr<TProgram> StartedFromUnixSide(const std::wstring& path) {
  const std::optional<std::string> unixPath = UnixPath(path);
  if (!unixPath || !StartOnUnixSide("exec wine " + ShellQuoted(*unixPath))) return nullptr;
  const HWND mainWindow = WaitForWindow(nullptr, "KT-2-NEPL-16E1");
  DWORD processId = 0;
  GetWindowThreadProcessId(mainWindow, &processId);
  return processId ? std::make_unique<TProgram>(processId) : nullptr;
}

// Starts the program, checks it lists the devices and paints, then closes it as `close` says.
DWORD ExitCodeAfter(void (*close)(HWND mainWindow)) {
  const TProgramCopy copy;
  TProgram program(copy.Path());
  const HWND mainWindow = WaitForWindow(nullptr, "KT-2-NEPL-16E1");
  EXPECT_NE(mainWindow, nullptr);
  if (!mainWindow) return STILL_ACTIVE;
  EXPECT_EQ(ListedDevices(mainWindow), 2);
  EXPECT_TRUE(RedrawWindow(mainWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN));
  close(mainWindow);
  EXPECT_TRUE(program.Ended(15000));
  return program.ExitCode();
}

}  // namespace

TEST(ProgramExit, ClosingTheMainWindowEndsTheProgramWithCodeZero) {
  EXPECT_EQ(ExitCodeAfter([](HWND mainWindow) { PostMessageA(mainWindow, WM_CLOSE, 0, 0); }), 0u);
}

TEST(ProgramExit, FileExitEndsTheProgramWithCodeZero) {
  EXPECT_EQ(ExitCodeAfter([](HWND mainWindow) {
              const UINT exit = MainWindowMenuCommand("MenuItemExit");
              ASSERT_NE(exit, 0u);
              PostMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(exit, 0), 0);
            }),
            0u);
}

// A folder named in letters the ANSI code page (1252 here) lacks, and one
// past MAX_PATH: the program lists the devices of the inventory beside it,
// without a box, and deleting one saves the inventory there.
TEST(ProgramFolder, TheProgramListsAndSavesItsDevicesFromAnyFolderTheSystemAllows) {
  std::filesystem::path pastMaxPath;
  for (const wchar_t letter : {L'a', L'b', L'c', L'd', L'e', L'f'}) pastMaxPath /= std::wstring(50, letter);
  const struct TCase {
    const char* Folder;
    std::filesystem::path Subfolder;
    bool FromUnixSide;
  } cases[] = {
      {"named in Cyrillic and CJK letters", L"\u041f\u0440\u043e\u0433\u0440\u0430\u043c\u043c\u0430 \u8bbe\u5907",
       false},
      {"past MAX_PATH", pastMaxPath, true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Folder);
    const TProgramCopy copy(c.Subfolder);
    const std::unique_ptr<TProgram> program =
        c.FromUnixSide ? StartedFromUnixSide(copy.Path()) : std::make_unique<TProgram>(copy.Path());
    if (!program) GTEST_SKIP() << "no Unix side to start the program from";
    const HWND mainWindow = WaitForWindow(nullptr, "KT-2-NEPL-16E1");
    ASSERT_NE(mainWindow, nullptr);
    EXPECT_EQ(ListedDevices(mainWindow), 2);
    EXPECT_EQ(FindWindowA("#32770", nullptr), nullptr) << "a box";

    SendMessageA(ChildOfClass(mainWindow, "TListBox"), LB_SETCURSEL, 0, 0);
    PostMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(MainWindowMenuCommand("MenuItemDelete"), 0), 0);
    EXPECT_EQ(SavedInventory(copy, copy.Inventory()), kDeviceNE1);
    PostMessageA(mainWindow, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program->Ended(15000));
  }
}
