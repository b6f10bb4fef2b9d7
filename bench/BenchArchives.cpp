#include "BenchArchives.h"

#include <unzip.h>

#include <cstdio>
#include <cstdlib>

#include "ZipReaderArchiveBuilder.h"
#include "package/MemoryArchiveSource.h"
#include "package/ZipReader.h"

namespace bench {
namespace {

// Sizes in bytes of one folder's twelve files, about as a Unidrv package.
const uint32_t kFileSizes[12] = {610000, 400000, 320000, 175000, 93000, 60000,
                                 40000,  20000,  12000,  8000,   4000,  1000};
const char* const kFileNames[12] = {"UNIDRVUI.DLL", "UNIDRV.DLL",   "UNIRES.DLL", "KDR270.DLL",
                                    "NL63.DLL",     "STDNAMES.GPD", "UNIDRV.HLP", "TTFSUB.GPD",
                                    "KDR270.GPD",   "NL63C.GPD",    "NLDRV.INF",  "NLDRV.cat"};

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "bench: %s\n", what);
  std::exit(1);
}

// Where minizip finds each entry's data, and the description the reader
// gives: the floor extracts the same bytes with the same attributes and
// times.
void Locate(BenchArchive* archive) {
  package::MemoryArchiveSource source;
  source.data = reinterpret_cast<const uint8_t*>(archive->bytes.data());
  source.size = static_cast<uint32_t>(archive->bytes.size());
  zlib_filefunc_def functions;
  package::FillArchiveFunctions(&source, &functions);
  unzFile zip = unzOpen2("bench", &functions);
  if (zip == nullptr) Fail("minizip refused a generated archive");
  auto reader = package::ZipReader::OpenFromMemory(archive->bytes.data(), source.size);
  if (!reader) Fail("the reader refused a generated archive");
  int32_t index = 0;
  for (int rc = unzGoToFirstFile(zip); rc == UNZ_OK; rc = unzGoToNextFile(zip), ++index) {
    unz_file_info64 record;
    char name[260];
    if (unzGetCurrentFileInfo64(zip, &record, name, sizeof name, nullptr, 0, nullptr, 0) !=
            UNZ_OK ||
        unzOpenCurrentFile2(zip, nullptr, nullptr, 1) != UNZ_OK) {
      Fail("cannot locate an entry");
    }
    BenchEntry entry;
    entry.name = name;
    entry.method = static_cast<uint32_t>(record.compression_method);
    entry.dataOffset = static_cast<uint32_t>(unzGetCurrentFileZStreamPos64(zip));
    entry.compressedSize = static_cast<uint32_t>(record.compressed_size);
    entry.uncompressedSize = static_cast<uint32_t>(record.uncompressed_size);
    unzCloseCurrentFile(zip);
    package::ZipEntryInfo info;
    if (reader->GetEntryInfo(index, &info) != package::ZipOk) Fail("cannot describe an entry");
    entry.folder = (info.attributes & 0x10) != 0;
    entry.attributes = info.attributes;
    entry.creation = info.creationTime;
    entry.access = info.accessTime;
    entry.write = info.writeTime;
    if (!entry.folder) {
      ++archive->files;
      archive->unpackedBytes += entry.uncompressedSize;
    }
    archive->entries.push_back(entry);
  }
  unzClose(zip);
}

BenchArchive Build(const std::vector<ziptest::ZipEntrySpec>& entries) {
  BenchArchive archive;
  archive.bytes = ziptest::BuildArchive(entries);
  if (archive.bytes.empty()) Fail("minizip could not write an archive");
  Locate(&archive);
  return archive;
}

}  // namespace

BenchArchive DriverArchive(int sets, int scale) {
  std::vector<ziptest::ZipEntrySpec> entries;
  uint32_t seed = 1;
  for (int set = 0; set < sets; ++set) {
    if (sets > 1) entries.push_back(ziptest::FolderEntry("Set " + std::to_string(set) + "/"));
    for (const char* folder : {"Windows x64/", "Windows NT x86/"}) {
      std::string prefix = folder;
      if (sets > 1) prefix = "Set " + std::to_string(set) + "/" + prefix;
      entries.push_back(ziptest::FolderEntry(prefix));
      for (int i = 0; i < 12; ++i) {
        ziptest::ZipEntrySpec e;
        e.name = prefix + kFileNames[i];
        e.data = ziptest::DriverLikeBytes(static_cast<size_t>(kFileSizes[i]) * scale, seed++);
        entries.push_back(e);
      }
    }
  }
  return Build(entries);
}

BenchArchive SmallEntryArchive(int count) {
  std::vector<ziptest::ZipEntrySpec> entries;
  for (int i = 0; i < count; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "d%03d/f%05d.txt", i / 100, i);
    ziptest::ZipEntrySpec e;
    e.name = name;
    e.data = ziptest::DriverLikeBytes(64, static_cast<uint32_t>(i));
    entries.push_back(e);
  }
  return Build(entries);
}

}  // namespace bench
