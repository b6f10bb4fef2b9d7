// What the extraction wrote into the package folder, as the archive
// describes it, and the check that a copy still holds those bytes.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace package {

struct UnpackedFile {
  // Relative to the package folder: "Windows x64\UNIDRV.DLL".
  std::string path;
  // The archive's uncompressed size and CRC-32, which the extraction checked
  // against the bytes it wrote.
  uint32_t size = 0;
  uint32_t crc32 = 0;
  // Those bytes, kept in this process: a CRC-32 is easily matched by other
  // bytes of the same size, so only a comparison with these is proof.
  std::string bytes;
};

// The entry for `relativePath` (either separator, any case), or null.
const UnpackedFile* FindUnpackedFile(const std::vector<UnpackedFile>& files,
                                     const std::string& relativePath);

// Whether the file at `path`, read now, holds exactly `expected.bytes`, of
// `expected.size` bytes and CRC-32 `expected.crc32`. False when it cannot be
// read.
bool FileMatchesUnpacked(const std::string& path, const UnpackedFile& expected);

}  // namespace package
