// The system's millisecond pause (Sleep).
#pragma once
#include <cstdint>

namespace platform {

void PauseMilliseconds(uint32_t milliseconds);

}  // namespace platform
