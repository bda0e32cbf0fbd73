// The units the program starts before its forms: the editors after the
// foundation they build on, and quickly enough not to slow the start-up.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "application/main/ApplicationClasses.h"
#include "controls/editors/EditorsUnits.h"
#include "controls/foundation/FoundationUnits.h"

namespace {

using TClock = std::chrono::steady_clock;

TEST(ApplicationUnitsTest, TheEditorsStartAfterTheFoundationInUnderTwoMilliseconds) {
  std::vector<std::string> started;
  std::vector<TClock::time_point> times;
  SetUnitsLog([&](const std::string& unit, bool starting) {
    if (!starting) return;
    started.push_back(unit);
    times.push_back(TClock::now());
  });
  InitializeUnits(ApplicationUnits());
  SetUnitsLog(nullptr);
  const size_t foundation = FoundationUnits().size();
  ASSERT_EQ(started.size(), foundation + EditorsUnits().size());
  for (const TUnitInfo& unit : EditorsUnits()) {
    EXPECT_EQ(std::count(started.begin(), started.begin() + static_cast<ptrdiff_t>(foundation), unit.Name), 0)
        << unit.Name << " started among the foundation's units";
  }
  const auto editors = std::chrono::duration_cast<std::chrono::microseconds>(times.back() - times[foundation - 1]);
  EXPECT_LT(editors.count(), 2000);
  FinalizeUnits();
}

}  // namespace
