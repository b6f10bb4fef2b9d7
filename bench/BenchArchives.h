// The archives the benchmark extracts, generated in memory, and where each
// entry's data lies in them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Time.h"

namespace bench {

struct BenchEntry {
  std::string name;
  bool folder = false;
  uint32_t method = 0;
  uint32_t dataOffset = 0;  // of the compressed data in the block
  uint32_t compressedSize = 0;
  uint32_t uncompressedSize = 0;
  uint32_t attributes = 0;
  platform::FileTime creation = 0, access = 0, write = 0;
};

struct BenchArchive {
  std::string bytes;
  std::vector<BenchEntry> entries;
  size_t files = 0;
  uint64_t unpackedBytes = 0;
};

// `sets` copies of a driver package's two folders of twelve files each, its
// file sizes scaled by `scale`: 24 files and about 3.5 MB per set at scale
// 1, deflated to a little under half.
BenchArchive DriverArchive(int sets, int scale);

// `count` files of 64 bytes, a hundred to a folder.
BenchArchive SmallEntryArchive(int count);

}  // namespace bench
