#include "common/AsciiCase.h"

namespace common {

bool EqualsIgnoringAsciiCase(const char* a, const char* b, std::size_t length) {
  for (std::size_t i = 0; i < length; ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

bool EqualsIgnoringAsciiCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && EqualsIgnoringAsciiCase(a.data(), b.data(), a.size());
}

}  // namespace common
