#include <windows.h>

#include "platform/CodePage.h"

namespace platform {

bool IsAnsiLeadByte(uint8_t byte) { return IsDBCSLeadByte(byte) != FALSE; }

}  // namespace platform
