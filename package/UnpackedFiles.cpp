#include "package/UnpackedFiles.h"

#include <zlib.h>

#include <memory>
#include <new>

#include "common/AsciiCase.h"
#include "platform/FileSystem.h"

namespace package {
namespace {

constexpr uint32_t kReadChunk = 16384;

// Package paths match as Windows paths do: either separator, any case.
std::string PathKey(const std::string& path) {
  std::string key = path;
  for (char& c : key) {
    c = c == '/' ? '\\' : common::AsciiLower(c);
  }
  return key;
}

}  // namespace

const UnpackedFile* FindUnpackedFile(const std::vector<UnpackedFile>& files,
                                     const std::string& relativePath) {
  const std::string key = PathKey(relativePath);
  for (const UnpackedFile& file : files)
    if (PathKey(file.path) == key) return &file;
  return nullptr;
}

bool FileMatchesUnpacked(const std::string& path, const UnpackedFile& expected) {
  std::unique_ptr<uint8_t[]> buffer(new (std::nothrow) uint8_t[kReadChunk]);
  if (!buffer) return false;
  const platform::FileHandle file = platform::OpenFileForReading(path);
  if (file == platform::kInvalidFileHandle) return false;
  uLong crc = crc32(0L, Z_NULL, 0);
  uint64_t total = 0;
  bool same = true;
  for (;;) {
    uint32_t got = 0;
    if (!platform::ReadFromFile(file, buffer.get(), kReadChunk, &got)) {
      same = false;
      break;
    }
    if (got == 0) break;
    // A longer file, or other bytes, is a different file: no need to read on.
    if (total + got > expected.bytes.size() ||
        expected.bytes.compare(static_cast<std::size_t>(total), got,
                               reinterpret_cast<const char*>(buffer.get()), got) != 0) {
      same = false;
      break;
    }
    total += got;
    crc = crc32(crc, buffer.get(), got);
  }
  static_cast<void>(platform::CloseFile(file));
  return same && total == expected.bytes.size() && total == expected.size &&
         static_cast<uint32_t>(crc) == expected.crc32;
}

}  // namespace package
