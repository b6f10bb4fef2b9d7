// A zip archive in memory, described entry by entry and written out below a
// base folder. minizip's unzip half reads the container, zlib inflates.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "package/MemoryArchiveSource.h"
#include "package/ZipEntryInfo.h"
#include "package/ZipResult.h"
#include "platform/FileSystem.h"

namespace package {

class ZipReader {
 public:
  // The reader over `size` bytes at `data`, which must stay valid until
  // Close; none when the archive cannot be opened. The base folder starts
  // as the process's current directory.
  static std::unique_ptr<ZipReader> OpenFromMemory(const void* data, uint32_t size);

  ~ZipReader();
  ZipReader(const ZipReader&) = delete;
  ZipReader& operator=(const ZipReader&) = delete;

  // Index -1 describes the archive: info->index is the number of entries,
  // every other field empty. Indices 0 to count - 1 describe an entry.
  // `info` is left alone unless the result is ZipOk.
  ZipResult GetEntryInfo(int32_t index, ZipEntryInfo* info);

  // The folder relative names are written below; a separator is appended
  // unless `path` ends in one. Always ZipOk.
  ZipResult SetBaseFolder(const std::string& path);

  // Writes entry `index` as the file or folder `name` below the base folder
  // (callers pass the name GetEntryInfo reported for the same index). A file
  // written with ZipOk holds exactly the entry's uncompressedSize bytes, whose
  // CRC-32 was checked against the entry's crc32; any other result leaves no
  // file of this extraction behind. With `written`, a file's bytes are kept
  // there too (emptied unless the result is ZipOk).
  ZipResult ExtractEntry(int32_t index, const std::string& name, std::string* written = nullptr);

  // Releases the archive. Always ZipOk; the reader is then only destroyed.
  ZipResult Close();

 private:
  // What the reader keeps of an entry's central-directory record beside its
  // description, for opening its data.
  struct EntryFacts {
    uint32_t method = 0;
    uint32_t flags = 0;
    uint32_t crc = 0;
    uint32_t dosDateTime = 0;
  };

  ZipReader() = default;

  ZipResult PositionOn(int32_t index);
  ZipResult DescribeCurrent(int32_t index, ZipEntryInfo* info, EntryFacts* facts);
  ZipResult ReadLocalExtraField(ZipEntryInfo* info);
  ZipResult ExtractFile(const std::string& name, const ZipEntryInfo& info, const EntryFacts& facts,
                        std::string* written);
  ZipResult OpenData(const EntryFacts& facts);
  ZipResult CopyData(platform::FileHandle file, const ZipEntryInfo& info, std::string* written);
  void CloseData();

  MemoryArchiveSource source_;
  void* archive_ = nullptr;  // unzFile
  bool dataOpen_ = false;
  int32_t entryCount_ = 0;
  // The entry minizip stands on; -1 when unknown.
  int32_t current_ = -1;
  // The first central-directory record that could not be read: it and
  // every later one fail without another walk.
  int32_t unreadableFrom_ = INT32_MAX;
  ZipEntryInfo cached_;
  EntryFacts cachedFacts_;
  int32_t cachedIndex_ = -1;
  std::unique_ptr<uint8_t[]> copyBuffer_;
  std::string baseFolder_;
};

}  // namespace package
