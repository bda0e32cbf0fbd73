// Drives a running nepl.exe the way an operator would and saves pictures of
// its windows for the README: the main window with the first device selected
// and refreshed, then each dialog opened from a menu (the configuration
// dialogs after their read of the device), with one of its buttons pressed
// where the argument names one.
// Usage: nepl-snapshot <output folder> [<menu key><item key>=<dialog caption>[:<button caption>] ...]
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "tools/snapshot/WindowPicture.h"

namespace {

using namespace std::chrono_literals;

const char kMainCaption[] = "KT-2-NEPL-16E1";
const char kResultBoxCaption[] = "Infomation";
constexpr int kRefreshButton = 1;

void Pause(std::chrono::milliseconds time) { std::this_thread::sleep_for(time); }

HWND WaitForTopWindow(const char* caption, std::chrono::seconds patience = 20s) {
  const auto deadline = std::chrono::steady_clock::now() + patience;
  for (;;) {
    const HWND window = FindWindowA(nullptr, caption);
    if (window && IsWindowVisible(window)) return window;
    if (std::chrono::steady_clock::now() > deadline) return nullptr;
    Pause(50ms);
  }
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

// The first child window whose class name contains `part` (any case).
HWND FindChild(HWND parent, const std::string& part) {
  struct TSearch {
    std::string Part;
    HWND Found = nullptr;
  } search{part};
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM data) -> BOOL {
        auto* search = reinterpret_cast<TSearch*>(data);
        std::string name = ClassOf(child);
        for (char& c : name) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
        if (name.find(search->Part) == std::string::npos) return TRUE;
        search->Found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

void SelectFirstDevice(HWND mainWindow) {
  const HWND list = FindChild(mainWindow, "LISTBOX");
  if (!list) return;
  SendMessageA(list, LB_SETCURSEL, 0, 0);
  SendMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
}

// Clicks the tool button at `index` (counted from 0): the bar numbers its
// buttons' commands by their place.
void ClickToolButton(HWND mainWindow, int index) {
  const HWND toolBar = FindChild(mainWindow, "TOOLBAR");
  if (!toolBar) return;
  PostMessageA(GetParent(toolBar), WM_COMMAND, MAKEWPARAM(index, BN_CLICKED), reinterpret_cast<LPARAM>(toolBar));
}

void PostKey(HWND window, WPARAM key) {
  PostMessageA(window, WM_KEYDOWN, key, 0);
  PostMessageA(window, WM_KEYUP, key, 0);
}

// Opens the menu of mnemonic `menuKey` and chooses an item, as the keyboard
// would: `itemKey` is the item's mnemonic, or a digit for the n-th item
// (menus of another process cannot be read under Wine, but their keys work).
void ChooseMenuItem(HWND mainWindow, char menuKey, char itemKey) {
  SetForegroundWindow(mainWindow);
  PostMessageA(mainWindow, WM_SYSCOMMAND, SC_KEYMENU, menuKey);
  Pause(500ms);
  if (isdigit(static_cast<unsigned char>(itemKey))) {
    for (char n = '1'; n < itemKey; ++n) PostKey(mainWindow, VK_DOWN);
    PostKey(mainWindow, VK_RETURN);
    return;
  }
  const WPARAM key = static_cast<WPARAM>(toupper(static_cast<unsigned char>(itemKey)));
  PostMessageA(mainWindow, WM_KEYDOWN, key, 0);
  PostMessageA(mainWindow, WM_CHAR, static_cast<WPARAM>(itemKey), 0);
  PostMessageA(mainWindow, WM_KEYUP, key, 0);
}

// A dialog that reads the device as it opens says how the read went in a
// box of its own before the dialog itself shows; the box is answered, so the
// dialog appears and its picture shows it alone.
HWND WaitForDialog(const std::string& caption) {
  const auto deadline = std::chrono::steady_clock::now() + 10s;
  while (std::chrono::steady_clock::now() < deadline) {
    const HWND box = FindWindowA(nullptr, kResultBoxCaption);
    if (box && IsWindowVisible(box)) {
      PostMessageA(box, WM_COMMAND, IDOK, 0);
      Pause(300ms);
      continue;
    }
    const HWND dialog = FindWindowA(nullptr, caption.c_str());
    if (dialog && IsWindowVisible(dialog)) return dialog;
    Pause(50ms);
  }
  return nullptr;
}

// The child window that shows `text` (a button's caption), or nullptr.
HWND FindChildByText(HWND parent, const std::string& text) {
  struct TSearch {
    std::string Text;
    HWND Found = nullptr;
  } search{text};
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM data) -> BOOL {
        auto* search = reinterpret_cast<TSearch*>(data);
        char shown[128] = {};
        GetWindowTextA(child, shown, sizeof shown);
        if (search->Text != shown) return TRUE;
        search->Found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

// Presses a button of the dialog (a Read that the dialog does not run as it
// opens) and answers the box that says how it went.
void PressButton(HWND dialog, const std::string& caption) {
  const HWND button = FindChildByText(dialog, caption);
  if (!button) {
    std::fprintf(stderr, "the button \"%s\" is not there\n", caption.c_str());
    return;
  }
  PostMessageA(button, BM_CLICK, 0, 0);
  const HWND box = WaitForTopWindow(kResultBoxCaption, 10s);
  if (box) PostMessageA(box, WM_COMMAND, IDOK, 0);
}

// Opens a dialog from the main menu, presses `button` when one is named,
// saves its picture and closes it.
void SnapDialog(HWND mainWindow, char menuKey, char itemKey, const std::string& dialogCaption,
                const std::string& button, const std::string& file) {
  ChooseMenuItem(mainWindow, menuKey, itemKey);
  const HWND dialog = WaitForDialog(dialogCaption);
  if (!dialog) {
    std::fprintf(stderr, "the window \"%s\" did not open\n", dialogCaption.c_str());
    return;
  }
  if (!button.empty()) PressButton(dialog, button);
  Pause(500ms);
  if (SaveWindowPicture(dialog, file)) std::printf("%s\n", file.c_str());
  PostMessageA(dialog, WM_CLOSE, 0, 0);
  Pause(500ms);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr,
                 "usage: nepl-snapshot <output folder> "
                 "[<menu key><item key>=<dialog caption>[:<button caption>] ...]\n");
    return 2;
  }
  const std::string folder = argv[1];
  const HWND mainWindow = WaitForTopWindow(kMainCaption);
  if (!mainWindow) {
    std::fprintf(stderr, "the main window did not show\n");
    return 1;
  }
  Pause(1s);
  SelectFirstDevice(mainWindow);
  ClickToolButton(mainWindow, kRefreshButton);
  Pause(3s);
  if (SaveWindowPicture(mainWindow, folder + "\\main-window.bmp")) std::printf("%s\\main-window.bmp\n", folder.c_str());
  for (int i = 2; i < argc; ++i) {
    const std::string pair = argv[i];
    if (pair.size() < 4 || pair[2] != '=') continue;
    const size_t colon = pair.find(':');
    const std::string caption = pair.substr(3, colon == std::string::npos ? std::string::npos : colon - 3);
    const std::string button = colon == std::string::npos ? std::string() : pair.substr(colon + 1);
    std::string name = caption;
    for (char& c : name) c = c == ' ' ? '-' : static_cast<char>(tolower(static_cast<unsigned char>(c)));
    SnapDialog(mainWindow, pair[0], pair[1], caption, button, folder + "\\" + name + ".bmp");
  }
  return 0;
}
