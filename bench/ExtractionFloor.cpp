#include "ExtractionFloor.h"

#include <zlib.h>

#include <cstring>

#include "package/ZipFolders.h"
#include "platform/FileSystem.h"

namespace bench {
namespace {

constexpr uint32_t kBufferSize = 16384;

bool WriteEntry(z_stream* z, const BenchArchive& archive, const BenchEntry& entry,
                platform::FileHandle file, uint8_t* buffer) {
  const uint8_t* data = reinterpret_cast<const uint8_t*>(archive.bytes.data()) + entry.dataOffset;
  if (entry.method == 0) {
    for (uint32_t done = 0; done < entry.uncompressedSize;) {
      const uint32_t n =
          entry.uncompressedSize - done < kBufferSize ? entry.uncompressedSize - done : kBufferSize;
      if (!platform::WriteToFile(file, data + done, n)) return false;
      done += n;
    }
    return true;
  }
  if (inflateReset(z) != Z_OK) return false;
  z->next_in = const_cast<Bytef*>(data);
  z->avail_in = entry.compressedSize;
  for (;;) {
    z->next_out = buffer;
    z->avail_out = kBufferSize;
    const int rc = inflate(z, Z_NO_FLUSH);
    if (rc != Z_OK && rc != Z_STREAM_END) return false;
    const uint32_t produced = kBufferSize - z->avail_out;
    if (produced > 0 && !platform::WriteToFile(file, buffer, produced)) return false;
    if (rc == Z_STREAM_END) return true;
  }
}

}  // namespace

bool ExtractFloor(const BenchArchive& archive, const std::string& base) {
  static uint8_t buffer[kBufferSize];
  z_stream z;
  std::memset(&z, 0, sizeof z);
  if (inflateInit2(&z, -MAX_WBITS) != Z_OK) return false;
  bool ok = true;
  for (const BenchEntry& entry : archive.entries) {
    const std::string target = base + entry.name;
    if (entry.folder) {
      ok = package::EnsureFolder(base, entry.name) && ok;
      continue;
    }
    const size_t leaf = entry.name.find_last_of("\\/");
    const std::string folder = leaf == std::string::npos ? "" : entry.name.substr(0, leaf + 1);
    if (!package::EnsureFolder(base, folder) ||
        platform::GetPathAttributes(target) != platform::kInvalidFileAttributes) {
      ok = false;
      continue;
    }
    const platform::FileHandle file = platform::CreateFileForWriting(target, entry.attributes);
    if (file == platform::kInvalidFileHandle) {
      ok = false;
      continue;
    }
    if (WriteEntry(&z, archive, entry, file, buffer)) {
      platform::SetFileTimes(file, entry.creation, entry.access, entry.write);
    } else {
      ok = false;
    }
    platform::CloseFile(file);
  }
  inflateEnd(&z);
  return ok;
}

}  // namespace bench
