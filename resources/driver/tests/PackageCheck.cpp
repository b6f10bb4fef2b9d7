// kdr_package_check: reads a driver package archive with minizip's unzip
// half and checks it against the staged package folder it was made from.
//
//   kdr_package_check <archive.zip> <package folder>
//
// Checked: the 26 entry names and their order, stored folders and deflated
// files, version made by 20 (host 0), the FAT attributes, the one fixed
// MS-DOS time, no encryption, data descriptor, extra field or comment, and
// that every file entry holds exactly the bytes of the staged file (with a
// CRC that minizip accepts). Every fault is reported; exit 1 if any.
#include <unzip.h>

#include "HostFiles.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

int g_faults = 0;

void Fault(const std::string& entry, const char* what) {
  std::fprintf(stderr, "%s: %s\n", entry.c_str(), what);
  ++g_faults;
}

// Each architecture folder: its folder entry, then its ten files in byte
// order; the built-in model's files of both folders come last.
std::vector<std::string> ExpectedEntries() {
  struct Folder {
    const char* name;
    const char* inf;
    const char* catalog;
  };
  const Folder folders[] = {{"Windows x64", "NLDRVx64.INF", "NLDRVx64.cat"},
                            {"Windows NT x86", "NLDRV.INF", "NLDRV.cat"}};
  std::vector<std::string> entries;
  for (const Folder& folder : folders) {
    std::vector<std::string> files = {"STDNAMES.GPD", "TTFSUB.GPD", "UNIDRV.DLL", "UNIDRVUI.DLL",
                                      "UNIRES.DLL",   "UNIDRV.HLP", folder.inf,   folder.catalog,
                                      "NL63.DLL",     "NL63C.GPD"};
    std::sort(files.begin(), files.end());
    entries.push_back(std::string(folder.name) + "/");
    for (const std::string& file : files) entries.push_back(std::string(folder.name) + "/" + file);
  }
  for (const char* folder : {"Windows NT x86", "Windows x64"}) {
    entries.push_back(std::string(folder) + "/KDR270.DLL");
    entries.push_back(std::string(folder) + "/KDR270.GPD");
  }
  return entries;
}

// 2020-01-15 12:00:00 in MS-DOS form, date in the high word.
constexpr uLong kDosDateTime = ((((2020 - 1980) << 9) | (1 << 5) | 15) << 16) | (12 << 11);

void CheckFileData(unzFile zip, const std::string& name, const std::string& stagedPath) {
  std::vector<unsigned char> staged;
  if (!hostfiles::ReadWholeFile(stagedPath, &staged)) {
    Fault(name, "staged file cannot be read");
    return;
  }
  if (unzOpenCurrentFile(zip) != UNZ_OK) {
    Fault(name, "entry data cannot be opened");
    return;
  }
  if (unzGetLocalExtrafield(zip, nullptr, 0) != 0) Fault(name, "local header has an extra field");
  std::vector<unsigned char> unpacked;
  unsigned char buffer[16384];
  int count = 0;
  while ((count = unzReadCurrentFile(zip, buffer, sizeof buffer)) > 0) {
    unpacked.insert(unpacked.end(), buffer, buffer + count);
  }
  if (count < 0) Fault(name, "entry data cannot be inflated");
  if (unzCloseCurrentFile(zip) != UNZ_OK) Fault(name, "CRC-32 does not match the data");
  if (unpacked != staged) Fault(name, "data differs from the staged file");
}

void CheckEntry(unzFile zip, const std::string& expected, const std::string& packageFolder) {
  unz_file_info info;
  char name[512] = {0};
  if (unzGetCurrentFileInfo(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK) {
    Fault(expected, "central-directory record cannot be read");
    return;
  }
  if (expected != name) {
    Fault(expected, (std::string("found instead: ") + name).c_str());
    return;
  }
  const bool isFolder = expected.back() == '/';
  if (info.version != 20) Fault(expected, "version made by is not 20 (host 0)");
  if (info.dosDate != kDosDateTime) Fault(expected, "MS-DOS time is not the fixed one");
  if (info.flag & 0x9) Fault(expected, "encrypted or with a data descriptor");
  if (info.size_file_extra != 0) Fault(expected, "central record has an extra field");
  if (info.size_file_comment != 0) Fault(expected, "entry has a comment");
  if (isFolder) {
    if (info.compression_method != 0) Fault(expected, "folder entry is not stored");
    if (info.external_fa != 0x10) Fault(expected, "folder attributes are not 0x10");
    if (info.uncompressed_size != 0) Fault(expected, "folder entry has data");
  } else {
    if (info.compression_method != Z_DEFLATED) Fault(expected, "file entry is not deflated");
    if (info.external_fa != 0x20) Fault(expected, "file attributes are not 0x20");
    CheckFileData(zip, expected, packageFolder + "/" + expected);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: kdr_package_check <archive.zip> <package folder>\n");
    return 2;
  }
  unzFile zip = unzOpen(argv[1]);
  if (zip == nullptr) {
    std::fprintf(stderr, "%s: not a readable zip archive\n", argv[1]);
    return 1;
  }
  const std::vector<std::string> expected = ExpectedEntries();
  unz_global_info global;
  if (unzGetGlobalInfo(zip, &global) != UNZ_OK) {
    Fault(argv[1], "end of central directory cannot be read");
  } else {
    if (global.number_entry != expected.size()) Fault(argv[1], "entry count is not 26");
    if (global.size_comment != 0) Fault(argv[1], "archive has a comment");
  }
  int status = unzGoToFirstFile(zip);
  size_t index = 0;
  for (; status == UNZ_OK && index < expected.size(); ++index) {
    CheckEntry(zip, expected[index], argv[2]);
    status = unzGoToNextFile(zip);
  }
  if (index < expected.size()) Fault(expected[index], "missing");
  if (status != UNZ_END_OF_LIST_OF_FILE)
    Fault(argv[1], "central directory does not end after 26 entries");
  unzClose(zip);
  if (g_faults == 0) std::printf("%s: %zu entries as expected\n", argv[1], expected.size());
  return g_faults == 0 ? 0 : 1;
}
