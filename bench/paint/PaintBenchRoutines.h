#pragma once
// What the paint benchmarks share: the median of their samples and the
// pending messages handled as the application's message loop handles them.
#include <vector>

double MedianOf(std::vector<double> samples);
void ProcessPendingMessages();
