// Zip archives built in memory with minizip's zip half, for the reader's
// tests, its fuzz seeds and its benchmark.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace ziptest {

struct ZipEntrySpec {
  std::string name;
  std::string data;
  int method = 8;  // 0 stored, 8 deflated
  int level = 6;
  uint32_t versionMadeBy = 0;  // host in the high byte
  uint32_t externalAttributes = 0x20;
  uint32_t dosDateTime = 0x58622A8F;  // 2024-03-02 05:20:30
  std::string localExtra;
  // Traditional encryption with an empty password (the initial keys), done
  // here: minizip's own uses a CRC table of the wrong width where unsigned
  // long has 64 bits. With general-purpose bit 3 the check byte is the
  // high byte of the MS-DOS time, else that of the CRC-32.
  bool encrypted = false;
  uint32_t flagBase = 0;  // general-purpose bits beyond those minizip sets
  // Raw entries are written as they are: `data` is the stored or deflated
  // stream and these are the sizes and CRC-32 the records claim.
  bool raw = false;
  uint32_t rawUncompressedSize = 0;
  uint32_t rawCrc = 0;
};

// The archive, or an empty string when minizip refused an entry.
std::string BuildArchive(const std::vector<ZipEntrySpec>& entries);

// A folder entry as a Windows zipper writes it (host 0, attribute 0x10).
ZipEntrySpec FolderEntry(const std::string& name);

uint32_t Crc32(const std::string& data);
// Raw deflate (no zlib header or trailer), as zip entries hold it.
std::string RawDeflate(const std::string& data, int level = 6);
// An extended-timestamp block ("UT") with the given flags and times.
std::string ExtendedTimestamp(uint8_t flags, const std::vector<int32_t>& times);
// `stream` behind a 12-byte encryption header ending in `checkByte`, all of
// it encrypted with the initial keys.
std::string EncryptTraditional(const std::string& stream, uint8_t checkByte);
// Bytes that compress about as well as driver files do, from a seed.
std::string DriverLikeBytes(size_t size, uint32_t seed);

}  // namespace ziptest
