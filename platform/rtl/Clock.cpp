#include "platform/rtl/Clock.h"

#include <chrono>
#include <ctime>
#include <random>

namespace {

std::mt19937& RandomEngine() {
  static std::mt19937 engine;
  return engine;
}

std::tm LocalTime(std::time_t t) {
  std::tm parts{};
#ifdef _WIN32
  localtime_s(&parts, &t);
#else
  localtime_r(&t, &parts);
#endif
  return parts;
}

}  // namespace

uint32_t TickCount() {
  using namespace std::chrono;
  return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

TClockParts Now() {
  const std::tm t = LocalTime(std::time(nullptr));
  return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

void Randomize() {
  using namespace std::chrono;
  RandomEngine().seed(static_cast<uint32_t>(system_clock::now().time_since_epoch().count()));
}

int32_t Random(int32_t range) {
  if (range <= 0) return 0;
  return std::uniform_int_distribution<int32_t>(0, range - 1)(RandomEngine());
}
