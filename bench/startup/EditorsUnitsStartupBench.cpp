// Microseconds each library unit's start-up takes when the program starts:
// the application, then the foundation's units and the editor units in the
// program's order, timed through the unit list's log, which tells of each
// start-up right after it ran. A unit's start-up is paid once per process, so
// scripts/bench-startup runs this program several times and takes the median
// of each line.
// Prints one line per unit, "unit microseconds", then "total microseconds".
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "controls/editors/EditorsUnits.h"
#include "controls/foundation/FoundationUnits.h"
#include "platform/controls/core/Application.h"

namespace {

using TClock = std::chrono::steady_clock;

double MicrosecondsBetween(TClock::time_point start, TClock::time_point end) {
  return std::chrono::duration<double, std::micro>(end - start).count();
}

// The application's own start-up comes before the first unit's and is not
// counted: the clock starts once its window is made.
std::vector<std::pair<std::string, double>> TimeLibraryUnits() {
  std::vector<std::pair<std::string, double>> times;
  TClock::time_point previous = TClock::now();
  SetUnitsLog([&times, &previous](const std::string& unit, bool started) {
    if (!started) return;
    const TClock::time_point now = TClock::now();
    times.emplace_back(unit, MicrosecondsBetween(previous, now));
    previous = now;
  });
  Application().Initialize({});
  previous = TClock::now();
  InitializeUnits(FoundationUnits());
  InitializeUnits(EditorsUnits());
  SetUnitsLog(nullptr);
  return times;
}

}  // namespace

int main() {
  const std::vector<std::pair<std::string, double>> times = TimeLibraryUnits();
  double total = 0;
  for (const auto& [unit, microseconds] : times) {
    std::printf("%s %.1f\n", unit.c_str(), microseconds);
    total += microseconds;
  }
  std::printf("total %.1f\n", total);
  FinalizeUnits();
  return 0;
}
