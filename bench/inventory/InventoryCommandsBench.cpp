// What the device list's commands cost on a long inventory, on its middle
// device. The names are dense, D0001 … D3000 (as wide as the count), so the
// name after each device's is the next device's: the search for a free name
// that choosing a device makes walks from the middle to the end of the list.
// Timed: a click on the middle line, File > Edit answered with Ok, File >
// Delete, and File > New with the middle line highlighted, answered with Ok;
// each settled (the file written long enough ago that Wine's profile API
// keeps what it read of it) and right after a save (when Wine reads the whole
// file again for every call). Beside them the save alone, the part of Edit,
// Delete and New that writes the file (one update erasing the device's
// section and writing it back), and one rewrite of the same file by the
// profile API.
// Usage: InventoryCommandsBench <folder> [repeats] [devices ...]
// Prints one line per inventory: medians in ms, "settled / right after a save".
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "application/core/Share.h"
#include "application/main/ApplicationClasses.h"
#include "application/main/Main.h"
#include "application/main/uDeviceParam.h"
#include "platform/controls/core/Application.h"

namespace {

using TClock = std::chrono::steady_clock;

// Wine trusts what it read of a profile file only once the file's time is
// about two seconds old; until then each call reads the whole file again.
constexpr DWORD kSettleMilliseconds = 2500;

std::string DeviceName(int device, int devices) {
  const std::string number = std::to_string(device);
  return "D" + std::string(std::to_string(devices).size() - number.size(), '0') + number;
}

std::string Inventory(int devices) {
  std::string text;
  for (int device = 1; device <= devices; ++device) {
    text += "[" + DeviceName(device, devices) +
            "]\r\nNETID=202612081200001234\r\nID=202612081200005678\r\nAddr=" + std::to_string(device % 256) +
            "\r\nIP=10.0." + std::to_string(device / 256) + "." + std::to_string(device % 256) +
            "\r\nGateWay=\r\nSNMPVer=1\r\nCommunityRd=kolmer\r\nCommunityWr=drastun\r\n"
            "Type=116*16\r\n";
  }
  return text;
}

double MedianMilliseconds(int times, const std::function<void()>& prepare, const std::function<void()>& action) {
  std::vector<double> spans;
  for (int i = 0; i < times; ++i) {
    prepare();
    const TClock::time_point start = TClock::now();
    action();
    spans.push_back(std::chrono::duration<double, std::milli>(TClock::now() - start).count());
  }
  std::sort(spans.begin(), spans.end());
  return spans[spans.size() / 2];
}

struct TCommandTimes {
  double Settled;
  double AfterSave;
};

// The main window on one inventory; each command starts with the middle line highlighted.
class TInventoryCommands {
 public:
  TInventoryCommands(const std::string& file, int devices, int repeats)
      : FMain(CreateUnowned<TMainW>()), FMiddleLine(devices / 2), FRepeats(repeats) {
    MainW = FMain.get();
    FMain->OpenInventory(file);
    FMain->Show();
  }
  ~TInventoryCommands() { MainW = nullptr; }
  TInventoryCommands(const TInventoryCommands&) = delete;
  TInventoryCommands& operator=(const TInventoryCommands&) = delete;

  TCommandTimes Click() {
    return Time([&] { FMain->ListBoxDevicesClick(FMain->ListBoxDevices); });
  }
  TCommandTimes Edit() {
    return Time([&] { FMain->MenuItemEdit->Click(); });
  }
  TCommandTimes Delete() {
    return Time([&] { FMain->MenuItemDelete->Click(); });
  }
  TCommandTimes New() {
    return Time([&] { FMain->New1->Click(); });
  }

  // Edit's save of the middle device: its section erased and written again.
  double Save() {
    TIniFile& inventory = *FMain->IniFile();
    return MedianMilliseconds(
        FRepeats, [&] { SelectMiddleDevice(); },
        [&] {
          inventory.Update([&] {
            inventory.EraseSection(CurrentDevice.Name);
            SaveDevice(inventory);
          });
        });
  }

 private:
  TCommandTimes Time(const std::function<void()>& command) {
    const double settled = MedianMilliseconds(
        FRepeats,
        [&] {
          HighlightMiddleLine();
          Sleep(kSettleMilliseconds);
        },
        command);
    const double afterSave = MedianMilliseconds(
        FRepeats,
        [&] {
          HighlightMiddleLine();
          SaveUnchanged();
        },
        command);
    return {settled, afterSave};
  }

  void HighlightMiddleLine() { FMain->ListBoxDevices->SetItemIndex(FMiddleLine); }

  void SelectMiddleDevice() {
    HighlightMiddleLine();
    FMain->ListBoxDevicesClick(FMain->ListBoxDevices);
  }

  // Replaces the file with the same text, as a save that changes nothing would.
  void SaveUnchanged() {
    FMain->IniFile()->Update([] {});
  }

  TOwned<TMainW> FMain;
  int FMiddleLine;
  int FRepeats;
};

double OneRewrite(const std::string& file, const std::string& section, int repeats) {
  int value = 0;
  return MedianMilliseconds(
      repeats, [] {},
      [&] { WritePrivateProfileStringA(section.c_str(), "Addr", std::to_string(++value).c_str(), file.c_str()); });
}

std::string Format(const TCommandTimes& times) {
  char text[64];
  std::snprintf(text, sizeof text, "%8.1f /%7.1f", times.Settled, times.AfterSave);
  return text;
}

void TimeInventory(const std::string& folder, int devices, int repeats) {
  const std::string text = Inventory(devices);
  const std::string file = folder + "\\devices.ini";
  const std::string rewritten = folder + "\\rewritten.ini";
  std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
  std::ofstream(rewritten, std::ios::binary | std::ios::trunc) << text;

  TInventoryCommands commands(file, devices, repeats);
  const TCommandTimes click = commands.Click();
  const TCommandTimes edit = commands.Edit();
  const TCommandTimes added = commands.New();
  const double save = commands.Save();
  const TCommandTimes deleted = commands.Delete();
  std::printf("%7d %8zu  %s  %s  %s  %s  %7.1f  %7.1f\n", devices, text.size(), Format(click).c_str(),
              Format(edit).c_str(), Format(deleted).c_str(), Format(added).c_str(), save,
              OneRewrite(rewritten, DeviceName(1, devices), repeats));
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: InventoryCommandsBench <folder> [repeats] [devices ...]\n");
    return 2;
  }
  const std::string folder = argv[1];
  const int repeats = argc > 2 ? std::atoi(argv[2]) : 5;
  std::vector<int> sizes;
  for (int i = 3; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
  if (sizes.empty()) sizes = {30, 300, 3000};

  Application().Initialize();
  RegisterApplicationClasses();
  Application().SetModalHandler([](TForm& form) { dynamic_cast<TDeviceParam&>(form).BitBtnOk->Click(); });
  std::printf(
      "Medians in ms, settled / right after a save; save: the part of Edit, Delete and New that writes the file\n");
  std::printf("%7s %8s  %16s  %16s  %16s  %16s  %7s  %7s\n", "devices", "bytes", "click", "edit", "delete", "new",
              "save", "rewrite");
  for (const int devices : sizes) TimeInventory(folder, devices, repeats);
  return 0;
}
