// The machine's own processor architecture, which picks the driver files.
#pragma once

namespace common {

enum class Architecture {
  kX86,           // 32-bit Intel
  kIa64,          // Itanium
  kX64,           // x64 (AMD64)
  kUnidentified,  // the system could not identify it
  kOther,         // any other, such as 64-bit Arm
};

// The machine's own architecture, not that of the emulation a 32-bit
// process runs in on 64-bit Windows. Cannot fail.
Architecture QueryNativeArchitecture();

// "x86", "Intel Itanium-based", "x64", "Unknown architecture" or "Unknown":
// a constant string.
const char* ArchitectureName(Architecture architecture);

}  // namespace common
