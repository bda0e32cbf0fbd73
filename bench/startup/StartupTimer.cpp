// Measures how long a program takes from its start until its window (found by
// title) is shown, over several runs, and prints the median in milliseconds.
// Usage: StartupTimer <program> <window title> [runs]
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

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: StartupTimer <program> <window title> [runs]\n");
    return 2;
  }
  const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const double ms = TimeOneStart(argv[1], argv[2]);
    if (ms < 0) {
      std::fprintf(stderr, "%s: the window \"%s\" did not show\n", argv[1], argv[2]);
      return 1;
    }
    times.push_back(ms);
  }
  std::sort(times.begin(), times.end());
  std::printf("%.1f\n", times[times.size() / 2]);
  return 0;
}
