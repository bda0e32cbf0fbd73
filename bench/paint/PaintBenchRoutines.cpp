#include "bench/paint/PaintBenchRoutines.h"

#include <windows.h>

#include <algorithm>

#include "platform/controls/core/Application.h"

double MedianOf(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  return samples[samples.size() / 2];
}

void ProcessPendingMessages() {
  MSG message{};
  while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) Application().ProcessMessages();
}
