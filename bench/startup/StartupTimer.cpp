// Measures how long two programs take from their start until their window
// (found by title) is shown. The runs alternate between the two, so that a
// machine busy for a moment slows both alike; prints each median in
// milliseconds on its own line.
// Usage: StartupTimer <runs> <program> <window title> <program> <window title>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace {

using TClock = std::chrono::steady_clock;

constexpr auto kGiveUp = std::chrono::seconds(30);

// One run: the time until the window shows, or a negative figure when it never did.
double TimeOneStart(const std::string& program, const char* title) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string commandLine = "\"" + program + "\"";
  const auto start = TClock::now();
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return -1;
  double elapsed = -1;
  for (;;) {
    const HWND window = FindWindowA(nullptr, title);
    if (window && IsWindowVisible(window)) {
      elapsed = std::chrono::duration<double, std::milli>(TClock::now() - start).count();
      PostMessageA(window, WM_CLOSE, 0, 0);
      break;
    }
    if (TClock::now() - start > kGiveUp) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return elapsed;
}

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 6) {
    std::fprintf(stderr, "usage: StartupTimer <runs> <program> <window title> <program> <window title>\n");
    return 2;
  }
  const int runs = std::max(1, std::atoi(argv[1]));
  std::vector<double> times[2];
  for (int round = 0; round < runs; ++round) {
    for (int program = 0; program < 2; ++program) {
      const char* path = argv[2 + 2 * program];
      const char* title = argv[3 + 2 * program];
      const double ms = TimeOneStart(path, title);
      if (ms < 0) {
        std::fprintf(stderr, "%s: the window \"%s\" did not show\n", path, title);
        return 1;
      }
      times[program].push_back(ms);
    }
  }
  std::printf("%.1f\n%.1f\n", Median(times[0]), Median(times[1]));
  return 0;
}
