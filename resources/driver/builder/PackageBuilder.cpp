// kdr_package_zip: writes one driver package archive from a staged package
// folder, with the same bytes on every build.
//
//   kdr_package_zip <archive.zip> <package folder>
//
// The package folder holds "Windows NT x86/" and "Windows x64/" with the
// driver files. Only the files of the layout below are taken, in its order;
// a missing one fails the build. Every entry gets the same MS-DOS time and
// FAT attributes (made on host 0), and no extra field or comment is written,
// so nothing of the build machine or the moment reaches the archive.
#include <zip.h>

#include "HostFiles.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Folder entries end in '/'; they are stored, files are deflated.
const char* const kLayout[] = {
    "Windows x64/",
    "Windows x64/NL63.DLL",
    "Windows x64/NL63C.GPD",
    "Windows x64/NLDRVx64.INF",
    "Windows x64/NLDRVx64.cat",
    "Windows x64/STDNAMES.GPD",
    "Windows x64/TTFSUB.GPD",
    "Windows x64/UNIDRV.DLL",
    "Windows x64/UNIDRV.HLP",
    "Windows x64/UNIDRVUI.DLL",
    "Windows x64/UNIRES.DLL",
    "Windows NT x86/",
    "Windows NT x86/NL63.DLL",
    "Windows NT x86/NL63C.GPD",
    "Windows NT x86/NLDRV.INF",
    "Windows NT x86/NLDRV.cat",
    "Windows NT x86/STDNAMES.GPD",
    "Windows NT x86/TTFSUB.GPD",
    "Windows NT x86/UNIDRV.DLL",
    "Windows NT x86/UNIDRV.HLP",
    "Windows NT x86/UNIDRVUI.DLL",
    "Windows NT x86/UNIRES.DLL",
    "Windows NT x86/KDR270.DLL",
    "Windows NT x86/KDR270.GPD",
    "Windows x64/KDR270.DLL",
    "Windows x64/KDR270.GPD",
};

// 2020-01-15 12:00:00 as MS-DOS date (high word) and time (low word).
constexpr uLong kDosDate = ((2020 - 1980) << 9) | (1 << 5) | 15;
constexpr uLong kDosTime = (12 << 11) | (0 << 5) | 0;
constexpr uLong kDosDateTime = (kDosDate << 16) | kDosTime;

// High byte 0: MS-DOS host, so readers take the FAT attribute bits from the
// low byte of the external attributes. Low byte 20: zip format 2.0.
constexpr uLong kVersionMadeBy = 20;
constexpr uLong kAttributeDirectory = 0x10;
constexpr uLong kAttributeArchive = 0x20;

bool IsFolderEntry(const char* name) {
  const size_t length = std::strlen(name);
  return length > 0 && name[length - 1] == '/';
}

bool AddEntry(zipFile zip, const std::string& packageFolder, const char* name) {
  const bool isFolder = IsFolderEntry(name);
  std::vector<unsigned char> data;
  if (!isFolder) {
    const std::string path = packageFolder + "/" + name;
    if (!hostfiles::ReadWholeFile(path, &data)) {
      std::fprintf(stderr, "kdr_package_zip: cannot read %s\n", path.c_str());
      return false;
    }
    if (data.size() > 0x7FFFFFFFu) {
      std::fprintf(stderr, "kdr_package_zip: %s is too large\n", path.c_str());
      return false;
    }
  }

  zip_fileinfo info;
  std::memset(&info, 0, sizeof info);
  info.dosDate = kDosDateTime;
  info.external_fa = isFolder ? kAttributeDirectory : kAttributeArchive;
  const int method = isFolder ? 0 : Z_DEFLATED;
  const int level = isFolder ? 0 : Z_BEST_COMPRESSION;
  if (zipOpenNewFileInZip4(zip, name, &info, nullptr, 0, nullptr, 0, nullptr, method, level, 0,
                           -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY, nullptr, 0,
                           kVersionMadeBy, 0) != ZIP_OK) {
    std::fprintf(stderr, "kdr_package_zip: cannot add %s\n", name);
    return false;
  }
  bool ok = true;
  if (!data.empty() &&
      zipWriteInFileInZip(zip, data.data(), static_cast<unsigned>(data.size())) != ZIP_OK) {
    std::fprintf(stderr, "kdr_package_zip: cannot write %s\n", name);
    ok = false;
  }
  if (zipCloseFileInZip(zip) != ZIP_OK) {
    std::fprintf(stderr, "kdr_package_zip: cannot finish %s\n", name);
    ok = false;
  }
  return ok;
}

// Writes the whole archive to a temporary file first, so a failed run never
// leaves an archive that looks complete to the next build step.
bool WriteArchive(const std::string& archivePath, const std::string& packageFolder) {
  const std::string temporaryPath = archivePath + ".tmp";
  zipFile zip = zipOpen(temporaryPath.c_str(), APPEND_STATUS_CREATE);
  if (zip == nullptr) {
    std::fprintf(stderr, "kdr_package_zip: cannot create %s\n", temporaryPath.c_str());
    return false;
  }
  bool ok = true;
  for (const char* name : kLayout) {
    if (!AddEntry(zip, packageFolder, name)) {
      ok = false;
      break;
    }
  }
  if (zipClose(zip, nullptr) != ZIP_OK) {
    std::fprintf(stderr, "kdr_package_zip: cannot close %s\n", temporaryPath.c_str());
    ok = false;
  }
  if (ok && std::rename(temporaryPath.c_str(), archivePath.c_str()) != 0) {
    std::fprintf(stderr, "kdr_package_zip: cannot rename to %s\n", archivePath.c_str());
    ok = false;
  }
  if (!ok) std::remove(temporaryPath.c_str());
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: kdr_package_zip <archive.zip> <package folder>\n");
    return 2;
  }
  return WriteArchive(argv[1], argv[2]) ? 0 : 1;
}
