// The program ends cleanly, whichever way the operator closes it, after it has
// listed its devices and painted its port grid: every form and control goes
// in order before the process ends, and the exit code says so.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "tests/support/ProgramProcess.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/WindowsPath.h"

namespace {

// A copy of the program in a folder of its own, beside an inventory of two devices.
class TProgramCopy {
 public:
  TProgramCopy() {
    std::filesystem::copy_file(WindowsPath(NEPL_PROGRAM_PATH), FFolder.File("nepl.exe"));
    std::ofstream inventory(FFolder.File("devices.ini"));
    inventory << "[NE0]\nAddr=1\nIP=127.0.0.2\n[NE1]\nAddr=2\nIP=127.0.0.3\n";
  }
  std::string Path() const { return FFolder.File("nepl.exe"); }

 private:
  TemporaryFolder FFolder;
};

HWND ChildOfClass(HWND parent, const char* className) {
  if (HWND child = FindWindowExA(parent, nullptr, className, nullptr)) return child;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (HWND found = ChildOfClass(child, className)) return found;
  return nullptr;
}

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
