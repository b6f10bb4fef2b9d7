// The byte source minizip reads an in-memory archive through: a block that
// is neither owned nor copied, read forward from a position.
#pragma once
#include <cstdint>

#include <ioapi.h>

namespace package {

struct MemoryArchiveSource {
  const uint8_t* data = nullptr;
  uint32_t size = 0;
  uint32_t position = 0;
  // Zero bytes presented before the block (0 or 1, see ZipReader's open).
  uint32_t lead = 0;
  // Whether the last read delivered less than was asked: minizip reads its
  // fields a byte at a time and takes a short read for a zero byte unless
  // the error test says otherwise.
  bool lastReadShort = false;

  // Copies min(count, lead + size - position) bytes, none once position has
  // reached or passed the end; advances by what it copied and reports it.
  uint32_t Read(void* buffer, uint32_t count);
  // ZLIB_FILEFUNC_SEEK_SET / _CUR / _END, offsets taken modulo 2^32, the
  // width of position; an offset that does not fit in 32 bits fails.
  bool Seek(uint64_t offset, int origin);
  uint32_t Tell() const { return position; }
};

// Fills `functions` so that minizip reads `source` (unzOpen2). The source
// must outlive the archive opened over it.
void FillArchiveFunctions(MemoryArchiveSource* source, zlib_filefunc_def* functions);

}  // namespace package
