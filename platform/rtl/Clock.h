#pragma once
// Time and chance: a millisecond tick counter, the local calendar clock and
// the runtime's random generator.
#include <cstdint>

// Milliseconds since an arbitrary start; wraps after about 49 days, so
// callers compare ticks by unsigned difference.
uint32_t TickCount();

struct TClockParts {
  int Year;
  int Month;
  int Day;
  int Hour;
  int Minute;
  int Second;
};
// The local date and time now.
TClockParts Now();

// Seeds the random generator from the clock.
void Randomize();
// A random integer in 0..range-1 (0 when range is not positive).
int32_t Random(int32_t range);
