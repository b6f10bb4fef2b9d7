#include "package/PackageExtraction.h"

#include <cstring>
#include <utility>

#include "common/AsciiCase.h"
#include "common/BoundedFormat.h"
#include "common/FolderCleanup.h"
#include "common/Language.h"
#include "package/ZipReader.h"
#include "platform/FileSystem.h"
#include "platform/Resources.h"

namespace package {
namespace {

constexpr std::size_t kPathBuffer = 260;

bool IsRealFolder(uint32_t attributes) {
  return attributes != platform::kInvalidFileAttributes &&
         (attributes & platform::kFileAttributeDirectory) != 0 &&
         (attributes & platform::kFileAttributeReparsePoint) == 0;
}

bool SameFolder(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const char x = a[i] == '/' ? '\\' : a[i];
    const char y = b[i] == '/' ? '\\' : b[i];
    if (common::AsciiLower(x) != common::AsciiLower(y)) return false;
  }
  return true;
}

// The package folder must be a real folder and the current directory, or
// nothing may act on it. A link planted in its place (by any program the
// user ran unelevated) is removed as a link, never followed.
bool EnterPackageFolder(const PackageFolder& package) {
  const std::string folder = package.Folder();
  uint32_t attributes = platform::GetPathAttributes(folder);
  if (attributes != platform::kInvalidFileAttributes &&
      (attributes & platform::kFileAttributeReparsePoint) != 0) {
    static_cast<void>(platform::RemoveEmptyDirectory(folder));
  }
  // A folder left by an earlier run is reused.
  static_cast<void>(platform::MakeDirectory(folder));
  if (!IsRealFolder(platform::GetPathAttributes(folder))) return false;
  if (!platform::SetCurrentDirectoryPath(package.path)) return false;
  char current[kPathBuffer] = {};
  const uint32_t length = platform::GetCurrentDirectoryText(current, sizeof current);
  return length > 0 && length < sizeof current && SameFolder(current, folder);
}

std::string AsWindowsRelative(const char* name) {
  std::string relative = name;
  for (char& c : relative)
    if (c == '/') c = '\\';
  return relative;
}

void UnpackArchive(const uint8_t* data, uint32_t size, PackageFolder* package) {
  std::unique_ptr<ZipReader> reader = ZipReader::OpenFromMemory(data, size);
  if (!reader) return;
  ZipEntryInfo info;
  static_cast<void>(reader->GetEntryInfo(-1, &info));
  const int32_t count = info.index;
  static_cast<void>(reader->SetBaseFolder(package->path));
  std::string written;
  for (int32_t i = 0; i < count; ++i) {
    // Every index is attempted, whatever became of the one before.
    info.name[0] = '\0';
    if (reader->GetEntryInfo(i, &info) != ZipOk) continue;
    if (reader->ExtractEntry(i, info.name, &written) != ZipOk) continue;
    if ((info.attributes & platform::kFileAttributeDirectory) == 0) {
      // ZipOk: the file holds exactly these bytes, as the archive says.
      package->unpackedFiles.push_back(
          {AsWindowsRelative(info.name), info.uncompressedSize, info.crc32, std::move(written)});
    }
  }
  static_cast<void>(reader->Close());
}

}  // namespace

uint32_t PackageResourceFor(int32_t uiLanguage) {
  return common::IsChineseLanguage(uiLanguage) ? kChinesePackageResource : kEnglishPackageResource;
}

std::string PackageFolder::Folder() const {
  if (!path.empty() && (path.back() == '\\' || path.back() == '/'))
    return path.substr(0, path.size() - 1);
  return path;
}

PackageFolder ExtractDriverPackage(int32_t uiLanguage) {
  PackageFolder package;
  char temp[kPathBuffer] = {};
  const uint32_t length = platform::GetTempPathText(temp, sizeof temp);
  if (length == 0 || length >= sizeof temp) return package;
  // A temp path so long that the folder would not fit is not unpacked into.
  if (!common::FormatBounded(&package.path, kPathBuffer, "%sVey2020\\", temp)) {
    package.path.clear();
    return package;
  }
  if (!EnterPackageFolder(package)) return package;
  package.entered = true;

  // Start from a clean folder: what an earlier process left is not ours.
  // Read-only files stay, and their entries are then skipped below.
  common::DeleteFolderContents(package.Folder());

  const uint8_t* data = nullptr;
  uint32_t size = 0;
  if (!platform::LoadModuleResource(PackageResourceFor(uiLanguage), "zip", &data, &size)) {
    return package;
  }
  UnpackArchive(data, size, &package);
  return package;
}

}  // namespace package
