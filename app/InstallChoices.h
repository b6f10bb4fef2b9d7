// The dialog's choices turned into what the installation takes.
#pragma once
#include <cstdint>
#include <string>

namespace app {

// The serial baud text for the baud radio index: 1 "19200", 2 "38400",
// 3 "115200", 0 and any other value "9600".
const char* BaudTextForChoice(int choice);

// The IP address control's four fields, the first the most significant, as
// dotted decimal text without leading zeros ("192.168.1.100").
std::string FormatIpAddress(uint8_t a, uint8_t b, uint8_t c, uint8_t d);

}  // namespace app
