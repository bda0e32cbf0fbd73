// How long one dialog of the main window's menus takes from its menu command
// to being on screen, read and painted, in a process started as the program
// starts: its units, its forms in their order of creation, the main window
// shown with an inventory, the first device chosen. The device answers at
// once (scripts/bench-dialogs starts the simulated one) and the boxes that
// tell how a read went are answered at once too, so the figures are the
// program's own work. A dialog is opened twice: the first show pays for what
// the process does once, the second shows what every later opening costs.
// Usage: DialogFirstShowBench --list
//        DialogFirstShowBench <inventory> <menu item> [--phases]
// Prints "<form class>\t<menu path>\t<first ms>\t<first's thread CPU ms>\t<second ms>";
// with --phases, then the first show's phases a line each,
// "<phase> <ms> <messages sent> <windows made> <windows moved or sized>".
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "application/main/ApplicationClasses.h"
#include "application/main/Main.h"
#include "platform/controls/core/Application.h"
#include "platform/controls/core/Menus.h"

namespace {

using TClock = std::chrono::steady_clock;

double MillisecondsBetween(TClock::time_point start, TClock::time_point end) {
  return std::chrono::duration<double, std::milli>(end - start).count();
}

// One menu item for each dialog the menus open (New, Connect and Edit of the
// File menu open the same one).
struct TMenuDialog {
  const char* ItemName;
  TMenuItem* TMainW::*Item;
};

const TMenuDialog kMenuDialogs[] = {
    {"New1", &TMainW::New1},
    {"MenuItemE1Errover", &TMainW::MenuItemE1Errover},
    {"MenuItemClockSource", &TMainW::MenuItemClockSource},
    {"MenuItemGfpConfig", &TMainW::MenuItemGfpConfig},
    {"MenuItemBandwidth", &TMainW::MenuItemBandwidth},
    {"MenuItemLoopback", &TMainW::MenuItemLoopback},
    {"MenuItemParameter", &TMainW::MenuItemParameter},
    {"MenuItemVlanTable", &TMainW::MenuItemVlanTable},
    {"MenuItemPortVlan", &TMainW::MenuItemPortVlan},
    {"MenuItemVcgConfig", &TMainW::MenuItemVcgConfig},
    {"MenuItemAlarmShield", &TMainW::MenuItemAlarmShield},
    {"MenuItemPerformanceQuery", &TMainW::MenuItemPerformanceQuery},
    {"MenuItemVersion", &TMainW::MenuItemVersion},
    {"MenuItemLegend", &TMainW::MenuItemLegend},
    {"MenuItemAbout", &TMainW::MenuItemAbout},
};

const TMenuDialog* FindMenuDialog(const std::string& itemName) {
  for (const TMenuDialog& dialog : kMenuDialogs)
    if (itemName == dialog.ItemName) return &dialog;
  return nullptr;
}

// The program's start-up, up to its message loop.
void StartAsTheProgram() {
  Application().Initialize(ApplicationUnits());
  RegisterApplicationClasses();
  CreateApplicationForms();
}

// The main window on screen with the inventory's devices, the first one
// chosen as the operator chooses it.
bool ShowMainWindowOn(const std::string& inventory) {
  MainW->OpenInventory(inventory);
  MainW->Show();
  Application().ProcessMessages();
  if (MainW->ListBoxDevices->Items().Count() == 0) return false;
  MainW->ListBoxDevices->SetItemIndex(0);
  MainW->ListBoxDevicesClick(MainW->ListBoxDevices);
  return true;
}

std::string MenuPath(const TMenuItem& item) {
  std::string path;
  for (const TMenuItem* level = &item; level && !level->Caption().empty(); level = level->Parent()) {
    std::string caption = level->Caption();
    caption.erase(std::remove(caption.begin(), caption.end(), '&'), caption.end());
    path = path.empty() ? caption : caption + " > " + path;
  }
  return path;
}

// Every message sent to a window while the dialog opened, for the phases of a show.
struct TWindowEvent {
  TClock::time_point Time;
  HWND Window;
  UINT Message;
  WPARAM WParam;
};

std::vector<TWindowEvent>* recordedEvents = nullptr;

LRESULT CALLBACK RecordWindowEvent(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && recordedEvents) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    recordedEvents->push_back({TClock::now(), sent->hwnd, sent->message, sent->wParam});
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

struct TShow {
  std::string FormClass;
  TClock::time_point Command;
  TClock::time_point Modal;
  TClock::time_point Painted;
  HWND Window = nullptr;
  double CpuMilliseconds = 0;
};

// The time this thread has run, user and kernel, in milliseconds.
double ThreadCpuMilliseconds() {
  FILETIME creation, exit, kernel, user;
  GetThreadTimes(GetCurrentThread(), &creation, &exit, &kernel, &user);
  const auto ticks = [](const FILETIME& time) {
    return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  };
  constexpr double kTicksPerMillisecond = 10000;
  return static_cast<double>(ticks(kernel) + ticks(user)) / kTicksPerMillisecond;
}

// From the menu command until the dialog is shown and every window has painted.
TShow ShowOnce(TMenuItem& item) {
  TShow show;
  double cpuAtCommand = 0;
  Application().SetModalHandler([&show, &cpuAtCommand](TForm& dialog) {
    show.Modal = TClock::now();
    Application().ProcessMessages();
    show.Painted = TClock::now();
    show.CpuMilliseconds = ThreadCpuMilliseconds() - cpuAtCommand;
    show.FormClass = dialog.ClassName();
    show.Window = dialog.Handle();
    dialog.SetModalResult(mrCancel);
  });
  cpuAtCommand = ThreadCpuMilliseconds();
  show.Command = TClock::now();
  item.Click();
  Application().SetModalHandler(nullptr);
  Application().ProcessMessages();
  return show;
}

// The phases of a show, each with the moment it ended, in order.
using TPhases = std::vector<std::pair<const char*, TClock::time_point>>;

// The dialog's window made, the main window disabled as the dialog goes
// modal (the form built from its resource and its windows made), then the
// read on show, which disables the dialog until the device has answered.
TPhases PhasesOf(const TShow& show, const std::vector<TWindowEvent>& events) {
  std::optional<TClock::time_point> windowMade, modal, readStarted, readDone;
  for (const TWindowEvent& event : events) {
    const bool toDialog = event.Window == show.Window;
    const bool disabled = event.Message == WM_ENABLE && !event.WParam;
    const bool enabled = event.Message == WM_ENABLE && event.WParam;
    if (toDialog && event.Message == WM_NCCREATE && !windowMade)
      windowMade = event.Time;
    else if (event.Window == MainW->Handle() && disabled && windowMade && !modal)
      modal = event.Time;
    else if (toDialog && disabled && modal && !readStarted)
      readStarted = event.Time;
    else if (toDialog && enabled && readStarted)
      readDone = event.Time;
    else if (toDialog && event.Message == WM_SHOWWINDOW && event.WParam)
      break;
  }
  TPhases phases;
  const auto add = [&phases](const char* name, const std::optional<TClock::time_point>& end) {
    if (end) phases.emplace_back(name, *end);
  };
  add("window", windowMade);
  add("build", modal);
  add("preread", readStarted);
  add("read", readDone);
  add("show", show.Modal);
  add("paint", show.Painted);
  return phases;
}

// Each phase's milliseconds, and the messages sent, windows made and windows
// moved or sized in it.
void PrintPhases(const TShow& show, const TPhases& phases, const std::vector<TWindowEvent>& events) {
  TClock::time_point start = show.Command;
  auto event = events.begin();
  for (const auto& [name, end] : phases) {
    int sent = 0, made = 0, moved = 0;
    for (; event != events.end() && event->Time <= end; ++event) {
      ++sent;
      made += event->Message == WM_NCCREATE;
      moved += event->Message == WM_WINDOWPOSCHANGED;
    }
    std::printf("%s %.2f %d %d %d\n", name, MillisecondsBetween(start, end), sent, made, moved);
    start = end;
  }
}

int Measure(const std::string& inventory, const TMenuDialog& menuDialog, bool phases) {
  try {
    StartAsTheProgram();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  if (!ShowMainWindowOn(inventory)) {
    std::fprintf(stderr, "no device in %s\n", inventory.c_str());
    return 1;
  }
  Application().SetMessageBoxHandler([](const std::string&, const std::string&, UINT) { return IDOK; });
  TMenuItem& item = *(MainW->*menuDialog.Item);
  std::vector<TWindowEvent> events;
  HHOOK hook = nullptr;
  if (phases) {
    events.reserve(1 << 16);
    recordedEvents = &events;
    hook = SetWindowsHookExA(WH_CALLWNDPROC, RecordWindowEvent, nullptr, GetCurrentThreadId());
  }
  const TShow first = ShowOnce(item);
  if (hook) UnhookWindowsHookEx(hook);
  recordedEvents = nullptr;
  const TShow second = ShowOnce(item);
  std::printf("%s\t%s\t%.2f\t%.2f\t%.2f\n", first.FormClass.c_str(), MenuPath(item).c_str(),
              MillisecondsBetween(first.Command, first.Painted), first.CpuMilliseconds,
              MillisecondsBetween(second.Command, second.Painted));
  if (phases) PrintPhases(first, PhasesOf(first, events), events);
  std::fflush(stdout);
  // Ends as the program ends: its loop sees the quit, frees the forms and ends the units.
  Application().Terminate();
  Application().Run();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "--list") {
    for (const TMenuDialog& dialog : kMenuDialogs) std::printf("%s\n", dialog.ItemName);
    return 0;
  }
  const TMenuDialog* menuDialog = argc >= 3 ? FindMenuDialog(argv[2]) : nullptr;
  if (!menuDialog) {
    std::fprintf(stderr, "usage: DialogFirstShowBench --list | <inventory> <menu item> [--phases]\n");
    return 2;
  }
  return Measure(argv[1], *menuDialog, argc >= 4 && std::string(argv[3]) == "--phases");
}
