#include "package/ZipReader.h"

#include <unzip.h>

#include <new>

#include "package/ZipEntryAttributes.h"
#include "package/ZipEntryNames.h"
#include "package/ZipEntryTimes.h"
#include "platform/FileSystem.h"

namespace package {
namespace {

// The fixed part of a central-directory record: no archive holds more
// records than its bytes can carry.
constexpr uint32_t kCentralRecordSize = 46;

unzFile Archive(void* archive) { return static_cast<unzFile>(archive); }

}  // namespace

std::unique_ptr<ZipReader> ZipReader::OpenFromMemory(const void* data, uint32_t size) {
  if (data == nullptr || size == 0) return nullptr;
  std::unique_ptr<ZipReader> reader(new (std::nothrow) ZipReader());
  if (!reader) return nullptr;

  char current[kZipMaxPath];
  const uint32_t length = platform::GetCurrentDirectoryText(current, sizeof current);
  // Without a current directory there is no base folder until one is set.
  if (length > 0 && length < sizeof current) reader->SetBaseFolder(std::string(current, length));

  reader->source_.data = static_cast<const uint8_t*>(data);
  reader->source_.size = size;
  zlib_filefunc_def functions;
  FillArchiveFunctions(&reader->source_, &functions);
  unzFile archive = unzOpen2("memory", &functions);
  // minizip's backward search for the end record never looks at the
  // block's first byte, so an archive that is nothing but its end record
  // (one without entries) is not found. Behind one zero byte it is, and
  // minizip counts that byte as data before the archive.
  if (archive == nullptr && size < UINT32_MAX) {
    reader->source_.lead = 1;
    archive = unzOpen2("memory", &functions);
  }
  if (archive == nullptr) return nullptr;
  reader->archive_ = archive;

  unz_global_info64 global;
  if (unzGetGlobalInfo64(archive, &global) != UNZ_OK ||
      global.number_entry > size / kCentralRecordSize) {
    return nullptr;  // the destructor closes the archive
  }
  reader->entryCount_ = static_cast<int32_t>(global.number_entry);
  return reader;
}

ZipReader::~ZipReader() { Close(); }

ZipResult ZipReader::Close() {
  if (archive_ != nullptr) unzClose(Archive(archive_));  // closes open data too
  archive_ = nullptr;
  dataOpen_ = false;
  cachedIndex_ = -1;
  current_ = -1;
  return ZipOk;
}

ZipResult ZipReader::SetBaseFolder(const std::string& path) {
  baseFolder_ = path;
  if (baseFolder_.empty() || (baseFolder_.back() != '\\' && baseFolder_.back() != '/'))
    baseFolder_ += '\\';
  return ZipOk;
}

// minizip walks the central directory one record at a time; it goes back
// only to the first record.
ZipResult ZipReader::PositionOn(int32_t index) {
  if (index >= unreadableFrom_) return ZipReadFailed;
  if (current_ < 0 || index < current_) {
    current_ = -1;
    if (unzGoToFirstFile(Archive(archive_)) != UNZ_OK) {
      unreadableFrom_ = 0;
      return ZipReadFailed;
    }
    current_ = 0;
  }
  while (current_ < index) {
    if (unzGoToNextFile(Archive(archive_)) != UNZ_OK) {
      unreadableFrom_ = current_ + 1;
      current_ = -1;
      return ZipReadFailed;
    }
    ++current_;
  }
  return ZipOk;
}

ZipResult ZipReader::GetEntryInfo(int32_t index, ZipEntryInfo* info) {
  if (archive_ == nullptr) return ZipCannotOpen;
  if (info == nullptr || index < -1 || index >= entryCount_) return ZipBadIndex;
  if (index == cachedIndex_ && index != -1) {
    *info = cached_;
    return ZipOk;
  }
  if (index == -1) {
    *info = ZipEntryInfo();
    info->index = entryCount_;
    return ZipOk;
  }
  ZipResult result = PositionOn(index);
  if (result != ZipOk) return result;
  ZipEntryInfo described;
  EntryFacts facts;
  result = DescribeCurrent(index, &described, &facts);
  if (result != ZipOk) return result;
  *info = described;
  cached_ = described;
  cachedFacts_ = facts;
  cachedIndex_ = index;
  return ZipOk;
}

ZipResult ZipReader::DescribeCurrent(int32_t index, ZipEntryInfo* info, EntryFacts* facts) {
  unz_file_info64 record;
  char stored[kZipMaxPath];
  if (unzGetCurrentFileInfo64(Archive(archive_), &record, stored, sizeof stored, nullptr, 0,
                              nullptr, 0) != UNZ_OK) {
    return ZipReadFailed;
  }
  // A longer name was cut off in `stored`: refused, never truncated.
  if (record.size_filename >= kZipMaxPath) return ZipCannotOpen;
  // The 32-bit fields cannot describe a larger entry.
  if (record.compressed_size > UINT32_MAX || record.uncompressed_size > UINT32_MAX)
    return ZipInflateFailed;

  info->attributes = AttributesFromZip(static_cast<uint32_t>(record.external_fa),
                                       static_cast<uint32_t>(record.version));
  const platform::FileTime dosTime = DosTimeToFileTime(static_cast<uint32_t>(record.dosDate));
  info->accessTime = info->creationTime = info->writeTime = dosTime;
  ZipResult result = ReadLocalExtraField(info);
  if (result != ZipOk) return result;

  const std::string name =
      ApplyNameRules(std::string(stored, static_cast<size_t>(record.size_filename)));
  if (!IsWritableName(name, (info->attributes & platform::kFileAttributeDirectory) != 0))
    return ZipCannotOpen;
  name.copy(info->name, name.size());
  info->name[name.size()] = '\0';
  info->index = index;
  info->compressedSize = static_cast<uint32_t>(record.compressed_size);
  info->uncompressedSize = static_cast<uint32_t>(record.uncompressed_size);
  info->crc32 = static_cast<uint32_t>(record.crc);

  facts->method = static_cast<uint32_t>(record.compression_method);
  facts->flags = static_cast<uint32_t>(record.flag);
  facts->crc = static_cast<uint32_t>(record.crc);
  facts->dosDateTime = static_cast<uint32_t>(record.dosDate);
  return ZipOk;
}

// Opening the entry raw makes minizip test the local header against the
// central-directory record and locate the local extra field, without
// starting to inflate.
ZipResult ZipReader::ReadLocalExtraField(ZipEntryInfo* info) {
  unzFile archive = Archive(archive_);
  const int opened = unzOpenCurrentFile2(archive, nullptr, nullptr, 1);
  if (opened != UNZ_OK) {
    unzCloseCurrentFile(archive);
    return opened == UNZ_BADZIPFILE ? ZipHeaderMismatch : ZipReadFailed;
  }
  ZipResult result = ZipOk;
  const int size = unzGetLocalExtrafield(archive, nullptr, 0);
  if (size > 0) {
    std::unique_ptr<uint8_t[]> extra(new (std::nothrow) uint8_t[static_cast<size_t>(size)]);
    if (!extra ||
        unzGetLocalExtrafield(archive, extra.get(), static_cast<unsigned>(size)) != size) {
      result = ZipReadFailed;
    } else {
      ApplyExtendedTimestamp(extra.get(), static_cast<size_t>(size), info);
    }
  }
  unzCloseCurrentFile(archive);
  return result;
}

}  // namespace package
