// What File > Edit, answered with Ok, costs on a large inventory, and its
// save alone (the device's section erased and its nine keys written), beside
// one rewrite of the same file by the profile API: a save that writes the
// file once costs about one rewrite, whatever the number of keys it changes.
// Usage: InventoryEditBench <folder> [devices] [edits]
// Prints "<devices> devices, <bytes> bytes: edit <ms> ms, save <ms> ms, one rewrite <ms> ms", medians.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "application/core/Share.h"
#include "application/main/ApplicationClasses.h"
#include "application/main/Main.h"
#include "application/main/uDeviceParam.h"
#include "platform/controls/core/Application.h"

namespace {

using TClock = std::chrono::steady_clock;

std::string Inventory(int devices) {
  std::string text;
  for (int device = 1; device <= devices; ++device) {
    const std::string number = std::to_string(device);
    text += "[Device-" + number +
            "]\r\nNETID=202612081200001234\r\nID=202612081200005678\r\nAddr=" + std::to_string(device % 256) +
            "\r\nIP=10.0." + std::to_string(device / 256) + "." + std::to_string(device % 256) +
            "\r\nGateWay=\r\nSNMPVer=1\r\nCommunityRd=kolmer\r\nCommunityWr=drastun\r\n"
            "Type=116*16\r\n";
  }
  return text;
}

template <typename Action>
double MedianMilliseconds(int times, Action action) {
  std::vector<double> spans;
  for (int i = 0; i < times; ++i) {
    const TClock::time_point start = TClock::now();
    action(i);
    spans.push_back(std::chrono::duration<double, std::milli>(TClock::now() - start).count());
  }
  std::sort(spans.begin(), spans.end());
  return spans[spans.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: InventoryEditBench <folder> [devices] [edits]\n");
    return 2;
  }
  const std::string folder = argv[1];
  const int devices = argc > 2 ? std::atoi(argv[2]) : 3000;
  const int edits = argc > 3 ? std::atoi(argv[3]) : 11;
  const std::string text = Inventory(devices);
  const std::string file = folder + "\\devices.ini";
  const std::string rewritten = folder + "\\rewritten.ini";
  std::ofstream(file, std::ios::binary) << text;
  std::ofstream(rewritten, std::ios::binary) << text;

  Application().Initialize();
  RegisterApplicationClasses();
  const TOwned<TMainW> main = CreateUnowned<TMainW>();
  MainW = main.get();
  main->OpenInventory(file);
  main->Show();
  // The last device: its name is followed by no other, so choosing it reads its section once.
  main->ListBoxDevices->SetItemIndex(devices - 1);
  Application().SetModalHandler([](TForm& form) { dynamic_cast<TDeviceParam&>(form).BitBtnOk->Click(); });

  const double edit = MedianMilliseconds(edits, [&](int) { main->MenuItemEdit->Click(); });
  TIniFile& inventory = *main->IniFile();
  const double save = MedianMilliseconds(edits, [&](int) {
    inventory.Update([&] {
      inventory.EraseSection(CurrentDevice.Name);
      SaveDevice(inventory);
    });
  });
  const double rewrite = MedianMilliseconds(edits, [&](int i) {
    WritePrivateProfileStringA("Device-1", "Addr", std::to_string(i).c_str(), rewritten.c_str());
  });
  std::printf("%d devices, %zu bytes: edit %.1f ms, save %.1f ms, one rewrite %.1f ms\n", devices, text.size(), edit,
              save, rewrite);
  MainW = nullptr;
  return 0;
}
