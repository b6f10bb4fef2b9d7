#include "common/Architecture.h"

#include "platform/SystemInfo.h"

namespace common {

Architecture QueryNativeArchitecture() {
  switch (platform::NativeProcessorArchitecture()) {
    case platform::kProcessorArchitectureIntel:
      return Architecture::kX86;
    case platform::kProcessorArchitectureIa64:
      return Architecture::kIa64;
    case platform::kProcessorArchitectureAmd64:
      return Architecture::kX64;
    case platform::kProcessorArchitectureUnknown:
      return Architecture::kUnidentified;
    default:
      return Architecture::kOther;
  }
}

const char* ArchitectureName(Architecture architecture) {
  switch (architecture) {
    case Architecture::kX86:
      return "x86";
    case Architecture::kIa64:
      return "Intel Itanium-based";
    case Architecture::kX64:
      return "x64";
    case Architecture::kUnidentified:
      return "Unknown architecture";
    case Architecture::kOther:
      break;
  }
  return "Unknown";
}

}  // namespace common
