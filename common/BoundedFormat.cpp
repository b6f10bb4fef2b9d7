#include "common/BoundedFormat.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace common {
namespace {

// vsnprintf, but terminated and with one answer for "cut" on every C
// runtime: msvcrt's may return -1 on truncation instead of the full length.
bool FormatInto(char* buffer, std::size_t size, const char* format, va_list args) {
  if (size == 0) return false;
  int n = std::vsnprintf(buffer, size, format, args);
  buffer[size - 1] = '\0';
  if (n < 0) {
    buffer[0] = '\0';
    return false;
  }
  return static_cast<std::size_t>(n) < size;
}

}  // namespace

// C variadics on purpose: the compiler checks every call's arguments against
// its printf format, which a parameter pack would lose.
// NOLINTNEXTLINE(cert-dcl50-cpp)
bool FormatBounded(std::string* out, std::size_t capacity, const char* format, ...) {
  std::vector<char> buffer(capacity == 0 ? 1 : capacity, '\0');
  va_list args;
  va_start(args, format);
  bool whole = FormatInto(buffer.data(), capacity, format, args);
  va_end(args);
  out->assign(buffer.data());
  return whole;
}

// NOLINTNEXTLINE(cert-dcl50-cpp): as above.
bool FormatIntoBuffer(char* buffer, std::size_t size, const char* format, ...) {
  va_list args;
  va_start(args, format);
  bool whole = FormatInto(buffer, size, format, args);
  va_end(args);
  return whole;
}

}  // namespace common
