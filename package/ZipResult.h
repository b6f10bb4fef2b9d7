// Results of the zip reader's operations: plain unsigned 32-bit codes.
#pragma once
#include <cstdint>

namespace package {

enum ZipResult : uint32_t {
  ZipOk = 0x0,
  // The archive cannot be opened, or the target cannot be created (this
  // includes names the reader refuses to write).
  ZipCannotOpen = 0x200,
  ZipWriteFailed = 0x400,
  // The entry's local header disagrees with its central-directory record.
  ZipHeaderMismatch = 0x700,
  // The entry's local extra field, or its central-directory record, cannot
  // be read in full.
  ZipReadFailed = 0x800,
  // The check byte of the entry's encryption header does not match.
  ZipBadPassword = 0x1000,
  ZipBadIndex = 0x10000,
  // The entry's data cannot be read or decompressed, ends before the entry
  // is complete, or does not match its CRC-32.
  ZipInflateFailed = 0x5000000,
};

}  // namespace package
