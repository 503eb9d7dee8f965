#pragma once

#include <cstddef>

// Heap bytes in use, counted by malloc wrappers linked into a benchmark.
namespace AllocCount {

// Starts a new peak at the current use.
void resetPeak();
// The highest use since resetPeak(), above the use at that moment.
std::size_t peakAboveReset();

} // namespace AllocCount
