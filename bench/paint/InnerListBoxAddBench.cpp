// Milliseconds to add 1,000 items to an inner list box in a container on a
// shown form, with and without BeginUpdate: without it every add updates the
// painter-drawn bars and repaints; with it the bars follow once at the end.
// The median of several runs is printed.
// Usage: InnerListBoxAddBench [items]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "controls/foundation/FoundationUnits.h"
#include "controls/foundation/container/cxContainerControl.h"
#include "controls/foundation/container/cxContainerListBox.h"
#include "platform/controls/core/Form.h"

namespace {

using TClock = std::chrono::steady_clock;

constexpr int kRuns = 5;

void ProcessPendingMessages() {
  MSG message{};
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

double MillisecondsToAdd(TForm& form, int items, bool inOneUpdate) {
  auto* container = new TcxContainer(&form);
  container->SetBounds(10, 10, 160, 120);
  container->SetParent(&form);
  auto* list = new TcxCustomInnerListBox(container, container);
  container->SetInnerControl(list);
  ProcessPendingMessages();
  const auto start = TClock::now();
  if (inOneUpdate) list->BeginUpdate();
  for (int i = 0; i < items; ++i) list->Items().Add("item " + std::to_string(i));
  if (inOneUpdate) list->EndUpdate();
  ProcessPendingMessages();
  const double elapsed = std::chrono::duration<double, std::milli>(TClock::now() - start).count();
  container->Free();
  return elapsed;
}

double MedianMilliseconds(TForm& form, int items, bool inOneUpdate) {
  std::vector<double> runs;
  for (int run = 0; run < kRuns; ++run) runs.push_back(MillisecondsToAdd(form, items, inOneUpdate));
  std::sort(runs.begin(), runs.end());
  return runs[runs.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int items = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
  InitializeUnits(FoundationUnits());
  {
    const TOwned<TForm> form(new TForm(nullptr));
    form->SetBounds(0, 0, 200, 180);
    form->Show();
    std::printf("milliseconds to add %d items to an inner list box, median of %d runs:\n", items, kRuns);
    std::printf("  %-22s %8.1f\n", "one add at a time", MedianMilliseconds(*form, items, false));
    std::printf("  %-22s %8.1f\n", "inside BeginUpdate", MedianMilliseconds(*form, items, true));
  }
  FinalizeUnits();
  return 0;
}
