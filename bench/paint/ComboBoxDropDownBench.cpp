// Milliseconds to open and to close the list of a combo box on a shown form,
// against a native combo box's drop-down (CB_SHOWDROPDOWN) in the same run.
// Both hold the same items, show eight rows and have the middle item chosen;
// each open and each close is followed by the pending messages, so the list
// is painted before it closes and gone before the next open. The median of
// several runs is printed; a list that does not open or close ends the run.
// Usage: ComboBoxDropDownBench [opens] [items]
#include <windows.h>
// The common controls' declarations build on windows.h.
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "bench/paint/PaintBenchRoutines.h"
#include "controls/editors/EditorsUnits.h"
#include "controls/editors/dropdown/cxComboBox.h"
#include "controls/foundation/FoundationUnits.h"
#include "platform/controls/standard/ComboBox.h"
#include "platform/controls/core/Form.h"

namespace {

using TClock = std::chrono::steady_clock;

constexpr int kRuns = 5;
constexpr int kRows = 8;

std::string ItemText(int index) { return "item " + std::to_string(index); }

// What the benchmark needs of either combo box.
struct TDropDownTarget {
  const char* Name;
  std::function<void(bool dropped)> SetDroppedDown;
  std::function<bool()> DroppedDown;
  std::function<void()> Focus;
};

struct TOpenCloseTimes {
  double Open = 0;
  double Close = 0;
};

double MillisecondsToSwitch(const TDropDownTarget& target, bool dropped) {
  const auto start = TClock::now();
  target.SetDroppedDown(dropped);
  ProcessPendingMessages();
  const double elapsed = std::chrono::duration<double, std::milli>(TClock::now() - start).count();
  if (target.DroppedDown() != dropped) {
    std::fprintf(stderr, "ComboBoxDropDownBench: the %s's list did not %s\n", target.Name, dropped ? "open" : "close");
    std::exit(1);
  }
  return elapsed;
}

TOpenCloseTimes MillisecondsPerOpenAndClose(const TDropDownTarget& target, int opens) {
  TOpenCloseTimes total;
  for (int open = 0; open < opens; ++open) {
    total.Open += MillisecondsToSwitch(target, true);
    total.Close += MillisecondsToSwitch(target, false);
  }
  return {total.Open / opens, total.Close / opens};
}

// The runs alternate between the combo boxes, so a change in the load of
// the machine weighs on each alike.
std::vector<TOpenCloseTimes> MedianMillisecondsPerOpenAndClose(const std::vector<TDropDownTarget>& targets, int opens) {
  std::vector<std::vector<double>> openings(targets.size()), closings(targets.size());
  for (int run = 0; run < kRuns; ++run)
    for (size_t target = 0; target < targets.size(); ++target) {
      targets[target].Focus();
      ProcessPendingMessages();
      const TOpenCloseTimes times = MillisecondsPerOpenAndClose(targets[target], opens);
      openings[target].push_back(times.Open);
      closings[target].push_back(times.Close);
    }
  std::vector<TOpenCloseTimes> medians;
  for (size_t target = 0; target < targets.size(); ++target)
    medians.push_back({MedianOf(openings[target]), MedianOf(closings[target])});
  return medians;
}

TcxComboBox* CreateComboBox(TForm& form, int items) {
  auto* combo = CreateComponent<TcxComboBox>(&form);
  combo->SetBounds(10, 10, 160, 24);
  combo->SetParent(&form);
  TStringList& list = combo->ComboProperties().Items();
  for (int i = 0; i < items; ++i) list.Add(ItemText(i));
  combo->ComboProperties().SetDropDownRows(kRows);
  combo->SetItemIndex(items / 2);
  return combo;
}

// A native combo box beside it, in the form's font like the combo box,
// showing as many rows.
TComboBox* CreateNativeComboBox(TForm& form, int items) {
  auto* combo = CreateComponent<TComboBox>(&form);
  combo->SetBounds(200, 10, 160, 24);
  combo->SetParent(&form);
  for (int i = 0; i < items; ++i) combo->Items().Add(ItemText(i));
  combo->SetItemIndex(items / 2);
  SendMessageA(combo->Handle(), CB_SETMINVISIBLE, kRows, 0);
  return combo;
}

TDropDownTarget ComboBoxTarget(TcxComboBox& combo) {
  return {"combo box", [&combo](bool dropped) { combo.SetDroppedDown(dropped); },
          [&combo] { return combo.DroppedDown(); }, [&combo] { combo.SetFocus(); }};
}

TDropDownTarget NativeComboBoxTarget(TComboBox& native) {
  return {"native combo box",
          [&native](bool dropped) { SendMessageA(native.Handle(), CB_SHOWDROPDOWN, dropped ? TRUE : FALSE, 0); },
          [&native] { return SendMessageA(native.Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0; },
          [&native] { native.SetFocus(); }};
}

void PrintTimes(const char* name, const TOpenCloseTimes& times) {
  std::printf("  %-22s %8.3f %8.3f %8.3f\n", name, times.Open, times.Close, times.Open + times.Close);
}

void RunBench(int opens, int items) {
  const TOwned<TForm> form(new TForm(nullptr));
  form->SetBounds(0, 0, 400, 300);
  TcxComboBox* combo = CreateComboBox(*form, items);
  TComboBox* native = CreateNativeComboBox(*form, items);
  form->Show();
  SetForegroundWindow(form->Handle());
  ProcessPendingMessages();

  const std::vector<TOpenCloseTimes> times =
      MedianMillisecondsPerOpenAndClose({ComboBoxTarget(*combo), NativeComboBoxTarget(*native)}, opens);
  const TOpenCloseTimes& ours = times[0];
  const TOpenCloseTimes& theirs = times[1];

  std::printf("milliseconds per drop-down of %d items, %d opens and closes, median of %d runs:\n", items, opens, kRuns);
  std::printf("  %-22s %8s %8s %8s\n", "", "open", "close", "both");
  PrintTimes("combo box", ours);
  PrintTimes("native combo box", theirs);
  std::printf("  %-22s %8.2f %8.2f %8.2f\n", "ratio", ours.Open / theirs.Open, ours.Close / theirs.Close,
              (ours.Open + ours.Close) / (theirs.Open + theirs.Close));
}

}  // namespace

int main(int argc, char** argv) {
  const int opens = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
  const int items = argc > 2 ? std::max(1, std::atoi(argv[2])) : 100;
  InitializeUnits(FoundationUnits());
  InitializeUnits(EditorsUnits());
  RunBench(opens, items);
  FinalizeUnits();
  return 0;
}
