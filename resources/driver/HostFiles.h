// File reading for the host tools that build and check the driver package.
#pragma once
#include <cstdio>
#include <string>
#include <vector>

namespace hostfiles {

// The whole file, appended to bytes; false when it cannot be opened or read.
inline bool ReadWholeFile(const std::string& path, std::vector<unsigned char>* bytes) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  unsigned char buffer[65536];
  size_t count = 0;
  while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
    bytes->insert(bytes->end(), buffer, buffer + count);
  }
  const bool ok = std::ferror(file) == 0;
  std::fclose(file);
  return ok;
}

}  // namespace hostfiles
