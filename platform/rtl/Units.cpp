#include "platform/rtl/Units.h"

#include <algorithm>
#include <utility>

namespace {

std::vector<TUnitInfo>& StartedUnits() {
  static std::vector<TUnitInfo> units;
  return units;
}

TUnitsLog& UnitsLog() {
  static TUnitsLog log;
  return log;
}

void Log(const TUnitInfo& unit, bool started) {
  if (UnitsLog()) UnitsLog()(unit.Name, started);
}

bool Started(const std::string& name) {
  const std::vector<TUnitInfo>& started = StartedUnits();
  return std::any_of(started.begin(), started.end(), [&name](const TUnitInfo& unit) { return unit.Name == name; });
}

}  // namespace

void InitializeUnits(const std::vector<TUnitInfo>& units) {
  for (const TUnitInfo& unit : units) {
    if (Started(unit.Name)) continue;
    if (unit.Initialize) unit.Initialize();
    StartedUnits().push_back(unit);
    Log(unit, true);
  }
}

void FinalizeUnits() {
  std::vector<TUnitInfo>& started = StartedUnits();
  while (!started.empty()) {
    const TUnitInfo unit = started.back();
    started.pop_back();
    if (unit.Finalize) unit.Finalize();
    Log(unit, false);
  }
}

std::vector<std::string> InitializedUnits() {
  std::vector<std::string> names;
  for (const TUnitInfo& unit : StartedUnits()) names.push_back(unit.Name);
  return names;
}

void SetUnitsLog(TUnitsLog log) { UnitsLog() = std::move(log); }
