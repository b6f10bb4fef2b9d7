// Windows file attributes from an entry's external attributes and the host
// byte of its version-made-by field.
#pragma once
#include <cstdint>

namespace package {

// Hosts 0 (MS-DOS), 7, 11 (NTFS) and 14 (VFAT) keep MS-DOS attribute bits
// in the low byte; every other host is read as Unix: the directory bit and
// the owner-write bit of the mode in the high half. `a` is the entry's
// external attributes.
uint32_t AttributesFromZip(uint32_t a, uint32_t versionMadeBy);

}  // namespace package
