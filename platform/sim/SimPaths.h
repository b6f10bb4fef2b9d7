// Windows' rules for a narrow path, as kernel32 and NTFS apply them before
// any file is touched: what GetFullPathNameA answers, and which file, device
// or refusal an open of the path comes to.
#pragma once
#include <cstdint>
#include <string>

namespace sim {

// ERROR_INVALID_NAME: what the file calls answer for a name Windows refuses.
constexpr uint32_t kErrorInvalidName = 123;

// The *A calls convert a path into the thread's static buffer of MAX_PATH
// + 1 wide characters: a longer path fails as written, before it is
// normalised.
constexpr size_t kMaxAnsiPath = 260;
// GetFullPathNameA into a MAX_PATH buffer, as the platform layer calls it.
constexpr size_t kFullPathBuffer = 260;
// The longest name NTFS keeps.
constexpr size_t kMaxNameLength = 255;

// GetFullPathNameA against `currentDirectory`; empty when it fails.
std::string FullPathName(const std::string& path, const std::string& currentDirectory);

struct ResolvedPath {
  enum Kind {
    kFile,     // a path on a drive: `drivePath`
    kDevice,   // a DOS device (NUL, COM1, ...): `device`
    kRefused,  // no such name can be opened: `error`
  } kind = kRefused;
  std::string drivePath;           // "C:\a\b", normalised, without a stream suffix
  std::string stream;              // a named data stream of that file, or empty
  std::string device;              // "NUL", "COM1", ...
  bool trailingSeparator = false;  // names a folder only: no file opens
  uint32_t error = 0;
};

// What CreateFileA and the other file calls open for `path`.
ResolvedPath ResolvePath(const std::string& path, const std::string& currentDirectory);

}  // namespace sim
