#include "ZipReaderArchiveBuilder.h"

#include <zip.h>
#include <zlib.h>

#include <algorithm>
#include <cstring>

namespace ziptest {
namespace {

// The archive being written, as minizip's output functions see it.
struct MemorySink {
  std::string bytes;
  size_t position = 0;
};

MemorySink* SinkOf(voidpf stream) { return static_cast<MemorySink*>(stream); }

voidpf ZCALLBACK OpenSink(voidpf opaque, const char*, int) { return opaque; }
uLong ZCALLBACK ReadSink(voidpf, voidpf stream, void* buffer, uLong size) {
  MemorySink* sink = SinkOf(stream);
  if (sink->position >= sink->bytes.size()) return 0;
  const size_t n = std::min<size_t>(size, sink->bytes.size() - sink->position);
  std::memcpy(buffer, sink->bytes.data() + sink->position, n);
  sink->position += n;
  return n;
}
uLong ZCALLBACK WriteSink(voidpf, voidpf stream, const void* buffer, uLong size) {
  MemorySink* sink = SinkOf(stream);
  if (sink->position + size > sink->bytes.size()) sink->bytes.resize(sink->position + size);
  std::memcpy(&sink->bytes[sink->position], buffer, size);
  sink->position += size;
  return size;
}
long ZCALLBACK TellSink(voidpf, voidpf stream) {
  return static_cast<long>(SinkOf(stream)->position);
}
long ZCALLBACK SeekSink(voidpf, voidpf stream, uLong offset, int origin) {
  MemorySink* sink = SinkOf(stream);
  if (origin == ZLIB_FILEFUNC_SEEK_SET) sink->position = offset;
  if (origin == ZLIB_FILEFUNC_SEEK_CUR) sink->position += offset;
  if (origin == ZLIB_FILEFUNC_SEEK_END) sink->position = sink->bytes.size() + offset;
  return 0;
}
int ZCALLBACK CloseSink(voidpf, voidpf) { return 0; }
int ZCALLBACK ErrorSink(voidpf, voidpf) { return 0; }

// Encrypted entries become raw ones: the stream made here, encrypted here.
ZipEntrySpec AsEncryptedRaw(const ZipEntrySpec& e) {
  ZipEntrySpec raw = e;
  raw.raw = true;
  raw.rawUncompressedSize = static_cast<uint32_t>(e.data.size());
  raw.rawCrc = Crc32(e.data);
  const std::string stream = e.method == 8 ? RawDeflate(e.data, e.level) : e.data;
  const uint8_t check = (e.flagBase & 8) ? static_cast<uint8_t>(e.dosDateTime >> 8)
                                         : static_cast<uint8_t>(raw.rawCrc >> 24);
  raw.data = EncryptTraditional(stream, check);
  raw.flagBase |= 1;
  raw.encrypted = false;
  return raw;
}

bool AddEntry(zipFile zip, const ZipEntrySpec& spec) {
  const ZipEntrySpec e = spec.encrypted ? AsEncryptedRaw(spec) : spec;
  zip_fileinfo info;
  std::memset(&info, 0, sizeof info);
  info.dosDate = e.dosDateTime;
  info.external_fa = e.externalAttributes;
  const void* extra = e.localExtra.empty() ? nullptr : e.localExtra.data();
  if (zipOpenNewFileInZip4(zip, e.name.c_str(), &info, extra,
                           static_cast<uInt>(e.localExtra.size()), nullptr, 0, nullptr, e.method,
                           e.level, e.raw ? 1 : 0, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY, nullptr, 0,
                           e.versionMadeBy, e.flagBase) != ZIP_OK) {
    return false;
  }
  if (!e.data.empty() &&
      zipWriteInFileInZip(zip, e.data.data(), static_cast<unsigned>(e.data.size())) != ZIP_OK) {
    return false;
  }
  if (e.raw) return zipCloseFileInZipRaw(zip, e.rawUncompressedSize, e.rawCrc) == ZIP_OK;
  return zipCloseFileInZip(zip) == ZIP_OK;
}

}  // namespace

std::string BuildArchive(const std::vector<ZipEntrySpec>& entries) {
  MemorySink sink;
  zlib_filefunc_def functions = {OpenSink, ReadSink,  WriteSink, TellSink,
                                 SeekSink, CloseSink, ErrorSink, &sink};
  zipFile zip = zipOpen2("memory", APPEND_STATUS_CREATE, nullptr, &functions);
  if (zip == nullptr) return std::string();
  bool ok = true;
  for (const auto& entry : entries) ok = ok && AddEntry(zip, entry);
  if (zipClose(zip, nullptr) != ZIP_OK) ok = false;
  return ok ? sink.bytes : std::string();
}

ZipEntrySpec FolderEntry(const std::string& name) {
  ZipEntrySpec e;
  e.name = name;
  e.method = 0;
  e.externalAttributes = 0x10;
  return e;
}

uint32_t Crc32(const std::string& data) {
  return static_cast<uint32_t>(
      crc32(0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
}

std::string RawDeflate(const std::string& data, int level) {
  z_stream z;
  std::memset(&z, 0, sizeof z);
  if (deflateInit2(&z, level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) return {};
  std::string out(deflateBound(&z, static_cast<uLong>(data.size())), '\0');
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = reinterpret_cast<Bytef*>(&out[0]);
  z.avail_out = static_cast<uInt>(out.size());
  const int rc = deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  return rc == Z_STREAM_END ? out : std::string();
}

std::string ExtendedTimestamp(uint8_t flags, const std::vector<int32_t>& times) {
  const size_t size = 1 + 4 * times.size();
  std::string block = {'U', 'T', static_cast<char>(size & 0xFF), static_cast<char>(size >> 8),
                       static_cast<char>(flags)};
  for (int32_t t : times) {
    const uint32_t u = static_cast<uint32_t>(t);
    for (int shift = 0; shift < 32; shift += 8) block += static_cast<char>((u >> shift) & 0xFF);
  }
  return block;
}

std::string EncryptTraditional(const std::string& stream, uint8_t checkByte) {
  // The CRC-32 table, computed here rather than taken from zlib.
  uint32_t table[256];
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  uint32_t keys[3] = {0x12345678u, 0x23456789u, 0x34567890u};
  auto update = [&](uint8_t plain) {
    keys[0] = table[(keys[0] ^ plain) & 0xFF] ^ (keys[0] >> 8);
    keys[1] = (keys[1] + (keys[0] & 0xFF)) * 134775813u + 1;
    keys[2] = table[(keys[2] ^ (keys[1] >> 24)) & 0xFF] ^ (keys[2] >> 8);
  };
  std::string plain = "ABCDEFGHIJ";  // any ten bytes
  plain += static_cast<char>(checkByte ^ 0x5A);
  plain += static_cast<char>(checkByte);
  plain += stream;
  std::string out;
  out.reserve(plain.size());
  for (char ch : plain) {
    const uint32_t t = (keys[2] & 0xFFFF) | 2;
    const uint8_t p = static_cast<uint8_t>(ch);
    out += static_cast<char>(p ^ static_cast<uint8_t>((t * (t ^ 1)) >> 8));
    update(p);
  }
  return out;
}

std::string DriverLikeBytes(size_t size, uint32_t seed) {
  // Code-like runs from a small vocabulary mixed with noise: deflate takes
  // such data to a little under half its size, as it does a driver DLL.
  static const char* const kWords[] = {
      "mov ",   "push ", "call ", "ret\n", "DriverEntry", "*Model: ",  "GPD",  "0x",
      "Unidrv", "pop ",  "lea ",  "jmp ",  "Resolution",  "PaperSize", "\r\n", "Option"};
  std::string out;
  out.reserve(size);
  uint32_t x = seed * 2654435761u + 1;
  while (out.size() < size) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    if ((x & 7) < 3) {
      for (int i = 0; i < 3; ++i) out += static_cast<char>((x >> (8 + 8 * i)) & 0xFF);
    } else {
      out += kWords[(x >> 8) & 15];
    }
  }
  out.resize(size);
  return out;
}

}  // namespace ziptest
