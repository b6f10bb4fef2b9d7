// Case folding of ASCII letters only. Windows compares file, printer and
// device names this way in the narrow code page; a locale's tolower could
// fold other bytes, among them the bytes of a GBK character.
#pragma once
#include <cstddef>
#include <string>

namespace common {

constexpr char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
constexpr char AsciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The first `length` characters of both are equal without regard to ASCII
// case.
bool EqualsIgnoringAsciiCase(const char* a, const char* b, std::size_t length);
// Both are equal without regard to ASCII case.
bool EqualsIgnoringAsciiCase(const std::string& a, const std::string& b);

}  // namespace common
