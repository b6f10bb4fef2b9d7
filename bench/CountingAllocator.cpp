#include "CountingAllocator.h"

#include <cstdint>
#include <cstring>

extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* pointer, size_t size);
void __libc_free(void* pointer);
}

namespace benchheap {
namespace {

bool g_measuring = false;
int g_simDepth = 0;
size_t g_live = 0;
size_t g_peak = 0;
size_t g_allocations = 0;

// The counted blocks and their sizes: open addressing, linear probing,
// deletion by shifting back, so no tombstones pile up.
constexpr size_t kSlots = 1 << 16;
struct Slot {
  void* pointer;
  size_t size;
};
Slot g_slots[kSlots];

size_t Home(void* pointer) {
  uintptr_t x = reinterpret_cast<uintptr_t>(pointer) >> 4;
  x ^= x >> 17;
  x *= 0x9E3779B97F4A7C15ull;
  return static_cast<size_t>(x >> 48) & (kSlots - 1);
}

void Note(void* pointer, size_t size) {
  if (!g_measuring || g_simDepth > 0 || pointer == nullptr) return;
  size_t i = Home(pointer);
  while (g_slots[i].pointer != nullptr) i = (i + 1) & (kSlots - 1);
  g_slots[i] = {pointer, size};
  g_live += size;
  ++g_allocations;
  if (g_live > g_peak) g_peak = g_live;
}

void Forget(void* pointer) {
  if (pointer == nullptr) return;
  size_t i = Home(pointer);
  while (g_slots[i].pointer != pointer) {
    if (g_slots[i].pointer == nullptr) return;  // not counted
    i = (i + 1) & (kSlots - 1);
  }
  g_live -= g_slots[i].size;
  g_slots[i].pointer = nullptr;
  for (size_t j = (i + 1) & (kSlots - 1); g_slots[j].pointer != nullptr;
       j = (j + 1) & (kSlots - 1)) {
    const size_t home = Home(g_slots[j].pointer);
    // Move j back into the hole at i unless its home lies in (i, j].
    const bool homeBetween = i <= j ? (home > i && home <= j) : (home > i || home <= j);
    if (!homeBetween) {
      g_slots[i] = g_slots[j];
      g_slots[j].pointer = nullptr;
      i = j;
    }
  }
}

}  // namespace

void StartMeasuring() {
  std::memset(g_slots, 0, sizeof g_slots);
  g_live = g_peak = g_allocations = 0;
  g_measuring = true;
}

HeapFigures StopMeasuring() {
  g_measuring = false;
  HeapFigures figures;
  figures.peakBytes = g_peak;
  figures.liveBytes = g_live;
  figures.allocations = g_allocations;
  std::memset(g_slots, 0, sizeof g_slots);
  g_live = 0;
  return figures;
}

SimScope::SimScope() { ++g_simDepth; }
SimScope::~SimScope() { --g_simDepth; }

}  // namespace benchheap

extern "C" {

void* malloc(size_t size) {
  void* p = __libc_malloc(size);
  benchheap::Note(p, size);
  return p;
}

void* calloc(size_t count, size_t size) {
  void* p = __libc_calloc(count, size);
  benchheap::Note(p, count * size);
  return p;
}

void* realloc(void* pointer, size_t size) {
  benchheap::Forget(pointer);
  void* p = __libc_realloc(pointer, size);
  benchheap::Note(p, size);
  return p;
}

void free(void* pointer) {
  benchheap::Forget(pointer);
  __libc_free(pointer);
}

}  // extern "C"
