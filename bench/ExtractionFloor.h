// What extracting an archive costs at the least: each entry's data inflated
// by zlib straight from the block, without minizip, positioning, names or
// CRC-32, and written through the same platform calls the reader makes
// (folders checked and made level by level, the target checked, created,
// written, given its times, closed), so that what the simulated file system
// costs shows on both sides alike.
#pragma once
#include <string>

#include "BenchArchives.h"

namespace bench {

// Writes every entry below `base` (ending in '\'). False when zlib or a
// platform call failed.
bool ExtractFloor(const BenchArchive& archive, const std::string& base);

}  // namespace bench
