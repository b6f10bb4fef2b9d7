#include "platform/CodePage.h"
#include "platform/sim/SimCore.h"
#include "platform/sim/SimMachine.h"

namespace platform {

// Code page 936 (GBK): lead bytes 0x81 to 0xFE. Every other code page is
// treated as single-byte, as 1252 is.
bool IsAnsiLeadByte(uint8_t byte) {
  sim::Enter("IsDBCSLeadByte");  // cannot fail
  return sim::System().ansiCodePage == 936 && byte >= 0x81 && byte <= 0xFE;
}

}  // namespace platform
