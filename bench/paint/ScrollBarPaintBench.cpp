// Microseconds per repaint of a 17 x 200 painter-drawn scroll bar, for each
// look-and-feel kind: the bar is invalidated and painted at once (its bitmap
// drawn through the painter and copied to the window), many times over, and
// the median of several batches is printed.
// Usage: ScrollBarPaintBench [repaints per batch]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "controls/foundation/FoundationUnits.h"
#include "controls/foundation/controls/cxScrollBar.h"
#include "platform/controls/core/Form.h"

namespace {

using TClock = std::chrono::steady_clock;

constexpr int kBatches = 7;

double MedianMicrosecondsPerRepaint(TcxScrollBar& bar, int repaints) {
  std::vector<double> batches;
  for (int batch = 0; batch < kBatches; ++batch) {
    const auto start = TClock::now();
    for (int i = 0; i < repaints; ++i) {
      // A moving thumb, so that every repaint draws something new.
      bar.SetPosition(i % 90);
      bar.Repaint();
    }
    batches.push_back(std::chrono::duration<double, std::micro>(TClock::now() - start).count() / repaints);
  }
  std::sort(batches.begin(), batches.end());
  return batches[batches.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int repaints = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
  InitializeUnits(FoundationUnits());
  {
    const TOwned<TForm> form(new TForm(nullptr));
    form->SetBounds(0, 0, 100, 260);
    TcxScrollBar* bar = new TcxScrollBar(form.get());
    bar->SetParent(form.get());
    bar->SetKind(sbVertical);
    bar->SetBounds(0, 0, 17, 200);
    bar->SetParams(0, 99, false, 10, 0);
    form->Show();
    const struct {
      const char* Name;
      TcxLookAndFeelKind Kind;
    } kinds[] = {{"Flat", lfFlat}, {"Standard", lfStandard}, {"UltraFlat", lfUltraFlat}, {"Office11", lfOffice11}};
    std::printf("microseconds per repaint of a 17 x 200 scroll bar, median of %d batches of %d:\n", kBatches, repaints);
    for (const auto& kind : kinds) {
      bar->LookAndFeel().SetKind(kind.Kind);
      bar->LookAndFeel().SetNativeStyle(false);
      std::printf("  %-10s %8.1f\n", kind.Name, MedianMicrosecondsPerRepaint(*bar, repaints));
    }
    bar->LookAndFeel().SetNativeStyle(true);
    std::printf("  %-10s %8.1f\n", "native", MedianMicrosecondsPerRepaint(*bar, repaints));
  }
  FinalizeUnits();
  return 0;
}
