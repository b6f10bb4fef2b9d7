#include "package/MemoryArchiveSource.h"

#include <cstring>

namespace package {

uint32_t MemoryArchiveSource::Read(void* buffer, uint32_t count) {
  // lead + size stays below 2^32 (the reader adds a lead only then).
  const uint32_t end = lead + size;
  const uint32_t available = position < end ? end - position : 0;
  const uint32_t n = count < available ? count : available;
  uint8_t* out = static_cast<uint8_t*>(buffer);
  uint32_t zeros = 0;
  if (position < lead) {
    zeros = lead - position < n ? lead - position : n;
    std::memset(out, 0, zeros);
  }
  if (n > zeros) std::memcpy(out + zeros, data + (position + zeros - lead), n - zeros);
  position += n;
  lastReadShort = n < count;
  return n;
}

bool MemoryArchiveSource::Seek(uint64_t offset, int origin) {
  if (offset > UINT32_MAX) return false;
  const uint32_t delta = static_cast<uint32_t>(offset);
  switch (origin) {
    case ZLIB_FILEFUNC_SEEK_SET:
      position = delta;
      return true;
    case ZLIB_FILEFUNC_SEEK_CUR:
      position += delta;
      return true;
    case ZLIB_FILEFUNC_SEEK_END:
      position = lead + size + delta;
      return true;
    default:
      return false;
  }
}

namespace {

MemoryArchiveSource* SourceOf(voidpf stream) { return static_cast<MemoryArchiveSource*>(stream); }

// uLong is 32 bits in the Windows build and 64 in the native one.
uint32_t CountWithinBlock(uint64_t count) {
  return count > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(count);
}

// The "file name" is ignored: the opaque pointer is the source itself.
voidpf ZCALLBACK OpenSource(voidpf opaque, const char*, int mode) {
  if ((mode & ZLIB_FILEFUNC_MODE_READWRITEFILTER) != ZLIB_FILEFUNC_MODE_READ) return nullptr;
  SourceOf(opaque)->position = 0;
  return opaque;
}

uLong ZCALLBACK ReadSource(voidpf, voidpf stream, void* buffer, uLong size) {
  return SourceOf(stream)->Read(buffer, CountWithinBlock(size));
}

uLong ZCALLBACK WriteSource(voidpf, voidpf, const void*, uLong) { return 0; }

long ZCALLBACK TellSource(voidpf, voidpf stream) {
  return static_cast<long>(SourceOf(stream)->Tell());
}

long ZCALLBACK SeekSource(voidpf, voidpf stream, uLong offset, int origin) {
  return SourceOf(stream)->Seek(static_cast<uint64_t>(offset), origin) ? 0 : -1;
}

int ZCALLBACK CloseSource(voidpf, voidpf) { return 0; }

// Asked right after a read came up short: that is an error here, never a
// zero byte past the end of the block.
int ZCALLBACK TestSourceError(voidpf, voidpf stream) {
  return SourceOf(stream)->lastReadShort ? 1 : 0;
}

}  // namespace

void FillArchiveFunctions(MemoryArchiveSource* source, zlib_filefunc_def* functions) {
  functions->zopen_file = OpenSource;
  functions->zread_file = ReadSource;
  functions->zwrite_file = WriteSource;
  functions->ztell_file = TellSource;
  functions->zseek_file = SeekSource;
  functions->zclose_file = CloseSource;
  functions->zerror_file = TestSourceError;
  functions->opaque = source;
}

}  // namespace package
