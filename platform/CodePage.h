// The ANSI code page's double-byte characters (kernel32 IsDBCSLeadByte).
#pragma once
#include <cstdint>

namespace platform {

// IsDBCSLeadByte: whether `byte` starts a double-byte character in the
// ANSI code page, so that the byte after it is its second half.
bool IsAnsiLeadByte(uint8_t byte);

}  // namespace platform
