// Milliseconds to open and close the list of a combo box of 100 items, 100
// times, against the drop-down of a native combo box with the same items on
// the same form. An opening counts once the list is shown; the median of
// several runs is printed with the ratio.
// Usage: ComboBoxDropDownBench [openings]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "controls/editors/EditorsUnits.h"
#include "controls/editors/dropdown/cxComboBox.h"
#include "controls/foundation/FoundationUnits.h"
#include "platform/controls/Application.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Form.h"

namespace {

using TClock = std::chrono::steady_clock;

constexpr int kRuns = 5;
constexpr int kItems = 100;

void ProcessPendingMessages() {
  MSG message{};
  while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) Application().ProcessMessages();
}

double MillisecondsPerOpening(int openings, const std::function<void()>& openAndClose) {
  const auto start = TClock::now();
  for (int i = 0; i < openings; ++i) openAndClose();
  return std::chrono::duration<double, std::milli>(TClock::now() - start).count() / openings;
}

double MedianMillisecondsPerOpening(int openings, const std::function<void()>& openAndClose) {
  std::vector<double> runs;
  for (int run = 0; run < kRuns; ++run) runs.push_back(MillisecondsPerOpening(openings, openAndClose));
  std::sort(runs.begin(), runs.end());
  return runs[runs.size() / 2];
}

void OpenAndCloseComboBox(TcxComboBox& combo) {
  combo.SetDroppedDown(true);
  ProcessPendingMessages();
  if (!combo.DroppedDown()) {
    std::fprintf(stderr, "ComboBoxDropDownBench: the combo box's list did not open\n");
    std::exit(1);
  }
  combo.SetDroppedDown(false);
  ProcessPendingMessages();
}

void OpenAndCloseNative(TComboBox& native) {
  SendMessageA(native.Handle(), CB_SHOWDROPDOWN, TRUE, 0);
  ProcessPendingMessages();
  if (!SendMessageA(native.Handle(), CB_GETDROPPEDSTATE, 0, 0)) {
    std::fprintf(stderr, "ComboBoxDropDownBench: the native drop-down did not open\n");
    std::exit(1);
  }
  SendMessageA(native.Handle(), CB_SHOWDROPDOWN, FALSE, 0);
  ProcessPendingMessages();
}

void RunBench(int openings) {
  const TOwned<TForm> form(new TForm(nullptr));
  form->SetBounds(0, 0, 320, 320);
  auto* combo = CreateComponent<TcxComboBox>(form.get());
  combo->SetBounds(10, 10, 140, 24);
  combo->SetParent(form.get());
  auto* native = CreateComponent<TComboBox>(form.get());
  native->SetBounds(170, 10, 140, 24);
  native->SetParent(form.get());
  for (int i = 0; i < kItems; ++i) {
    combo->PropertiesObject().Items().Add("item " + std::to_string(i));
    native->Items().Add("item " + std::to_string(i));
  }
  form->Show();
  SetForegroundWindow(form->Handle());
  ProcessPendingMessages();
  combo->InnerTextEdit()->Edit().SetFocus();
  const double comboBox = MedianMillisecondsPerOpening(openings, [combo] { OpenAndCloseComboBox(*combo); });
  native->SetFocus();
  const double nativeBox = MedianMillisecondsPerOpening(openings, [native] { OpenAndCloseNative(*native); });
  std::printf("milliseconds per opening and closing of a list of %d items, %d openings, median of %d runs:\n",
              kItems, openings, kRuns);
  std::printf("  %-22s %8.2f\n", "combo box", comboBox);
  std::printf("  %-22s %8.2f\n", "native combo box", nativeBox);
  std::printf("  %-22s %8.2f\n", "ratio", comboBox / nativeBox);
}

}  // namespace

int main(int argc, char** argv) {
  const int openings = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
  InitializeUnits(FoundationUnits());
  InitializeUnits(EditorsUnits());
  RunBench(openings);
  FinalizeUnits();
  return 0;
}
