// The driver package carried in the program's resources, and its unpacking
// into the package folder below the user's temporary-files folder.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "package/UnpackedFiles.h"

namespace package {

// Resource ids of type "ZIP": Chinese option texts, and English ones.
constexpr uint32_t kChinesePackageResource = 129;
constexpr uint32_t kEnglishPackageResource = 138;

// 129 for 2052, 138 for every other language.
uint32_t PackageResourceFor(int32_t uiLanguage);

// What the extraction left behind. The installation, the wizard and the
// clean-up act on the folder only when it was entered: otherwise the current
// directory is some other folder, and nothing of it may be touched.
struct PackageFolder {
  std::string path;  // "<temp>Vey2020\", as formed
  bool entered = false;
  // The files this run wrote, as "Windows x64\UNIDRV.DLL" relative to the
  // folder, with the archive's size and CRC-32 of each: only these may be
  // staged into the spooler, and only with those bytes. A file planted or left
  // read-only by another process is not among them.
  std::vector<package::UnpackedFile> unpackedFiles;

  // The path without its final separator, as the current directory reads.
  std::string Folder() const;
};

// Forms the package folder, makes sure it is a real folder (a link in its
// place is removed as a link), enters it as the current directory, clears
// what an earlier process left in it, and unpacks the archive for
// `uiLanguage` into it. Says nothing to the user, whatever happens.
PackageFolder ExtractDriverPackage(int32_t uiLanguage);

}  // namespace package
