// The thread's last-error code and the system's text for an error code.
#pragma once
#include <cstdint>
#include <string>

namespace platform {

// GetLastError.
uint32_t LastErrorCode();

// FormatMessageA from the system message table, inserts ignored, language
// 0x400 (user default), buffer allocated and released inside. Empty when the
// system has no text for the code.
std::string SystemErrorText(uint32_t code);

}  // namespace platform
