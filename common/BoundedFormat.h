// printf-style formatting that never writes past its bound. Every text the
// installer formats goes through here: names and ports come from the
// machine and the user, and may be of any length.
#pragma once
#include <cstddef>
#include <string>

namespace common {

// Formats into at most `capacity` - 1 characters (as into a buffer of
// `capacity` bytes with its terminator). False when the text was cut.
bool FormatBounded(std::string* out, std::size_t capacity, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

// The same into a caller's fixed buffer; always NUL-terminated.
bool FormatIntoBuffer(char* buffer, std::size_t size, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

}  // namespace common
