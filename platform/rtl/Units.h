#pragma once
// The units that set themselves up when the program starts and tear
// themselves down when it ends, in an explicit order: each unit's start-up
// runs after those of the units it needs, and the ends run in reverse order
// of the start-ups that ran. Nothing is set up by a static constructor or
// torn down by a static destructor, so the order is the one written here.
#include <functional>
#include <string>
#include <vector>

struct TUnitInfo {
  std::string Name;
  void (*Initialize)();
  void (*Finalize)();
};

// Runs the start-up of each unit not started yet, in the order given. A unit
// whose start-up raises is not counted as started, and the exception goes on.
void InitializeUnits(const std::vector<TUnitInfo>& units);
// Runs the end of every started unit, the last started first.
void FinalizeUnits();
// The names of the started units, in the order they started.
std::vector<std::string> InitializedUnits();
// Tells `log` of each start-up and end as it runs, after it ran; an empty
// log stops the telling.
using TUnitsLog = std::function<void(const std::string& unit, bool started)>;
void SetUnitsLog(TUnitsLog log);

// A unit's own guard: its start-up and end run once, however often they are
// asked for, so a unit named twice or ended twice does no harm.
class TUnitGuard {
 public:
  // True when this call is the first start-up since the last end.
  bool Enter() { return FCount++ == 0; }
  // True when this call ends the last start-up.
  bool Leave() { return FCount > 0 && --FCount == 0; }
  bool Active() const { return FCount > 0; }

 private:
  int FCount = 0;
};
