// File times of an entry: its MS-DOS date and time, then the extended
// timestamp of its local extra field.
#pragma once
#include <cstddef>
#include <cstdint>

#include "package/ZipEntryInfo.h"

namespace package {

// The MS-DOS date (high 16 bits) and time (low 16 bits) as local time,
// turned into UTC with the time-zone offset in force now. A date or time
// that is no calendar time counts as 1980-01-01 00:00:00, the earliest the
// format holds.
platform::FileTime DosTimeToFileTime(uint32_t dosDateTime);

// Takes the times the first extended-timestamp block ("UT", 0x5455) of a
// local extra field carries: write time (flag bit 0), access time (bit 1),
// creation time (bit 2), each as seconds since 1970. Times the flags leave
// out, or that do not fit in the block and the field, keep their values.
void ApplyExtendedTimestamp(const uint8_t* extra, size_t length, ZipEntryInfo* info);

}  // namespace package
