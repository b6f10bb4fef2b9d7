// The zip reader's benchmark: extraction time against the floor (zlib's raw
// inflate with plain writes, through the same simulated file system), the
// reader's heap beyond the archive block, and the cost per entry as archives
// grow from 1,000 to 10,000 entries. It prints its figures; it never fails
// on them.
#include <time.h>
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "BenchArchives.h"
#include "CountingAllocator.h"
#include "ExtractionFloor.h"
#include "package/ZipReader.h"
#include "platform/sim/SimCore.h"
#include "platform/sim/SimFiles.h"

namespace {

using bench::BenchArchive;
using Clock = std::chrono::steady_clock;

const char* const kBase = "C:\\B\\out\\";
std::string g_hostRoot;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// The process's CPU time: steadier than the clock on a machine others share.
double CpuSeconds() {
  timespec t;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return t.tv_sec + t.tv_nsec / 1e9;
}

struct Timing {
  double wall = 0;
  double cpu = 0;
  size_t simCalls = 0;
};

// A fresh machine with an empty output folder; not timed.
void FreshMachine() {
  sim::ResetMachine();
  sim::Files().SetHostRoot(g_hostRoot);
  std::filesystem::remove_all(g_hostRoot + "/c/B/out");
  sim::Files().MakeDirs("C:\\B");
}

// Extracts as the package extraction does; the number of entries that did
// not come out.
int ExtractWithReader(const BenchArchive& archive) {
  auto reader = package::ZipReader::OpenFromMemory(archive.bytes.data(),
                                                   static_cast<uint32_t>(archive.bytes.size()));
  if (!reader) return -1;
  package::ZipEntryInfo info;
  reader->GetEntryInfo(-1, &info);
  const int32_t count = info.index;
  reader->SetBaseFolder(kBase);
  int failed = 0;
  for (int32_t i = 0; i < count; ++i) {
    info.name[0] = '\0';
    if (reader->GetEntryInfo(i, &info) != package::ZipOk ||
        reader->ExtractEntry(i, info.name) != package::ZipOk) {
      ++failed;
    }
  }
  reader->Close();
  return failed;
}

int DescribeWithReader(const BenchArchive& archive) {
  auto reader = package::ZipReader::OpenFromMemory(archive.bytes.data(),
                                                   static_cast<uint32_t>(archive.bytes.size()));
  if (!reader) return -1;
  package::ZipEntryInfo info;
  reader->GetEntryInfo(-1, &info);
  int failed = 0;
  for (int32_t i = 0, count = info.index; i < count; ++i)
    failed += reader->GetEntryInfo(i, &info) == package::ZipOk ? 0 : 1;
  return failed;
}

Timing TimeReader(const BenchArchive& archive) {
  FreshMachine();
  Timing t;
  const auto start = Clock::now();
  const double cpu = CpuSeconds();
  const int failed = ExtractWithReader(archive);
  t.cpu = CpuSeconds() - cpu;
  t.wall = SecondsSince(start);
  t.simCalls = sim::CallLog().size();
  if (failed != 0) {
    std::fprintf(stderr, "bench: the reader failed %d entries\n", failed);
    std::exit(1);
  }
  return t;
}

Timing TimeFloor(const BenchArchive& archive) {
  FreshMachine();
  Timing t;
  const auto start = Clock::now();
  const double cpu = CpuSeconds();
  const bool ok = bench::ExtractFloor(archive, kBase);
  t.cpu = CpuSeconds() - cpu;
  t.wall = SecondsSince(start);
  t.simCalls = sim::CallLog().size();
  if (!ok) {
    std::fprintf(stderr, "bench: the floor failed\n");
    std::exit(1);
  }
  return t;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

double Min(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }

// What checking the CRC-32 alone costs on these bytes, for the breakdown.
double CrcSeconds(const BenchArchive& archive) {
  std::vector<uint8_t> block(1 << 20, 0x5A);
  const auto start = Clock::now();
  uLong crc = 0;
  for (uint64_t done = 0; done < archive.unpackedBytes; done += block.size()) {
    const uint64_t n = std::min<uint64_t>(block.size(), archive.unpackedBytes - done);
    crc = crc32(crc, block.data(), static_cast<uInt>(n));
  }
  const double seconds = SecondsSince(start);
  if (crc == 1) std::printf(" ");  // keeps the loop
  return seconds;
}

// The reader's heap from open to destruction, beyond the archive block
// (which the benchmark holds) and beyond the simulated system's records.
benchheap::HeapFigures MeasureHeap(const BenchArchive& archive) {
  FreshMachine();
  benchheap::StartMeasuring();
  const int failed = ExtractWithReader(archive);
  benchheap::HeapFigures figures = benchheap::StopMeasuring();
  if (failed != 0) std::exit(1);
  return figures;
}

void CompareWithFloor(const char* label, const BenchArchive& archive, int repetitions) {
  std::printf("%s: %zu files, %.2f MB unpacked, archive %.2f MB\n", label, archive.files,
              archive.unpackedBytes / 1e6, archive.bytes.size() / 1e6);
  TimeReader(archive);  // warm-up: page cache, allocator
  TimeFloor(archive);
  std::vector<double> readerWall, readerCpu, floorWall, floorCpu;
  size_t readerCalls = 0, floorCalls = 0;
  for (int i = 0; i < repetitions; ++i) {
    const Timing r = TimeReader(archive);
    const Timing f = TimeFloor(archive);
    readerWall.push_back(r.wall);
    readerCpu.push_back(r.cpu);
    floorWall.push_back(f.wall);
    floorCpu.push_back(f.cpu);
    readerCalls = r.simCalls;
    floorCalls = f.simCalls;
  }
  std::printf("  %-7s %10s %10s %10s %10s %9s\n", "", "wall med", "wall min", "cpu med", "cpu min",
              "sim calls");
  std::printf("  %-7s %7.2f ms %7.2f ms %7.2f ms %7.2f ms %9zu\n", "reader",
              Median(readerWall) * 1e3, Min(readerWall) * 1e3, Median(readerCpu) * 1e3,
              Min(readerCpu) * 1e3, readerCalls);
  std::printf("  %-7s %7.2f ms %7.2f ms %7.2f ms %7.2f ms %9zu\n", "floor", Median(floorWall) * 1e3,
              Min(floorWall) * 1e3, Median(floorCpu) * 1e3, Min(floorCpu) * 1e3, floorCalls);
  std::printf("  %-7s %10.3f %10.3f %10.3f %10.3f   (goal <= 1.10)\n", "ratio",
              Median(readerWall) / Median(floorWall), Min(readerWall) / Min(floorWall),
              Median(readerCpu) / Median(floorCpu), Min(readerCpu) / Min(floorCpu));
  std::printf("  of which the CRC-32 check alone: %.2f ms (%.0f MB/s)\n", CrcSeconds(archive) * 1e3,
              archive.unpackedBytes / CrcSeconds(archive) / 1e6);
  const benchheap::HeapFigures heap = MeasureHeap(archive);
  std::printf(
      "  reader heap beyond the archive block: peak %zu bytes (%.1f KiB, goal < 128 KiB), "
      "%zu allocations, %zu bytes left after destruction\n",
      heap.peakBytes, heap.peakBytes / 1024.0, heap.allocations, heap.liveBytes);
}

// Positioning walks forward one record at a time, so the cost of an entry
// must not grow with the number of entries before it. The floor shows what
// the simulated file system itself costs per file at each size.
void PerEntryCost() {
  std::printf("cost per entry, 64-byte files, 100 to a folder (best of 3):\n");
  std::printf("  %7s %12s %12s %12s %12s %10s\n", "entries", "describe", "extract", "floor",
              "extract-floor", "heap peak");
  for (int count : {1000, 10000}) {
    const BenchArchive archive = bench::SmallEntryArchive(count);
    double describe = 1e9, extract = 1e9, floor = 1e9;
    for (int rep = 0; rep < 3; ++rep) {
      FreshMachine();
      const double cpu = CpuSeconds();
      if (DescribeWithReader(archive) != 0) std::exit(1);
      describe = std::min(describe, CpuSeconds() - cpu);
      extract = std::min(extract, TimeReader(archive).cpu);
      floor = std::min(floor, TimeFloor(archive).cpu);
    }
    const benchheap::HeapFigures heap = MeasureHeap(archive);
    const double us = 1e6 / count;
    std::printf("  %7d %9.2f us %9.2f us %9.2f us %10.2f us %7.1f KiB\n", count, describe * us,
                extract * us, floor * us, (extract - floor) * us, heap.peakBytes / 1024.0);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const char* root = std::getenv("KDR_BENCH_ROOT");
  g_hostRoot = std::string(root != nullptr ? root : KDR_BENCH_SCRATCH_DIR) + "/sim";
  std::filesystem::remove_all(g_hostRoot);
  std::filesystem::create_directories(g_hostRoot);
  // "reader" or "floor": that extraction of the driver package, 200 times,
  // for a profiler to look at.
  if (argc == 2) {
    const BenchArchive archive = bench::DriverArchive(1, 1);
    const bool reader = std::string(argv[1]) == "reader";
    double total = 0;
    for (int i = 0; i < 200; ++i) total += (reader ? TimeReader(archive) : TimeFloor(archive)).cpu;
    std::printf("%s: %.2f ms CPU per extraction\n", argv[1], total / 200 * 1e3);
    return 0;
  }
  std::printf("zip reader benchmark, sim file system on %s\n", g_hostRoot.c_str());

  CompareWithFloor("driver package", bench::DriverArchive(1, 1), 25);
  CompareWithFloor("large archive", bench::DriverArchive(20, 2), 5);
  PerEntryCost();

  sim::ResetMachine();
  std::filesystem::remove_all(g_hostRoot);
  return 0;
}
