// A counting allocator for the benchmark: malloc and free of the whole
// process (operator new, minizip and zlib included) pass through it. While
// a measurement is on, it counts the bytes allocated outside the simulated
// operating system: the sim's own records stand for the system's, not for
// the reader's heap.
#pragma once
#include <cstddef>

namespace benchheap {

struct HeapFigures {
  size_t peakBytes = 0;
  size_t liveBytes = 0;  // still allocated when the measurement ended
  size_t allocations = 0;
};

void StartMeasuring();
HeapFigures StopMeasuring();

// Held while a call into the simulated system runs.
struct SimScope {
  SimScope();
  ~SimScope();
};

}  // namespace benchheap
