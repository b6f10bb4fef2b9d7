// The debug lines of the port discovery. Chinese texts are GBK (code page
// 936) bytes.
#pragma once

namespace ports {

extern const char kOpenKeyFailedText[];     // the port-number key did not open
extern const char kReadKeyFailedText[];     // its value could not be read
extern const char kReadRegKeyFailedText[];  // the printer is left out

}  // namespace ports
