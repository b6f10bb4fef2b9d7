// The description of one archive entry, as the reader reports it.
#pragma once
#include <cstdint>

#include "platform/Time.h"

namespace package {

// Entry names and every path the reader forms fit in 259 bytes and a zero.
constexpr uint32_t kZipMaxPath = 260;

struct ZipEntryInfo {
  // The entry's number in central-directory order; for index -1, the number
  // of entries.
  int32_t index = 0;
  // The name after the safety rules, bytes as stored, separators as stored.
  char name[kZipMaxPath] = {};
  // Windows file attribute bits (read-only, hidden, system, directory,
  // archive).
  uint32_t attributes = 0;
  platform::FileTime accessTime = 0;
  platform::FileTime creationTime = 0;
  platform::FileTime writeTime = 0;
  uint32_t compressedSize = 0;
  uint32_t uncompressedSize = 0;
  // The CRC-32 of the uncompressed bytes, from the central-directory record.
  // A file written with ZipOk holds uncompressedSize bytes of this CRC-32.
  uint32_t crc32 = 0;
};

}  // namespace package
