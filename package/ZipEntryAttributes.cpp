#include "package/ZipEntryAttributes.h"

#include "platform/FileSystem.h"

namespace package {

uint32_t AttributesFromZip(uint32_t a, uint32_t versionMadeBy) {
  const uint32_t host = (versionMadeBy >> 8) & 0xFF;
  bool directory = (a & 0x40000000u) != 0;  // S_IFDIR << 16
  bool readOnly = (a & 0x00800000u) == 0;   // S_IWUSR << 16
  bool hidden = false;
  bool system = false;
  bool archive = true;
  if (host == 0 || host == 7 || host == 11 || host == 14) {
    readOnly = (a & 0x01) != 0;
    hidden = (a & 0x02) != 0;
    system = (a & 0x04) != 0;
    directory = (a & 0x10) != 0;
    archive = (a & 0x20) != 0;
  }
  uint32_t attributes = 0;
  if (directory) attributes |= platform::kFileAttributeDirectory;
  if (archive) attributes |= platform::kFileAttributeArchive;
  if (hidden) attributes |= platform::kFileAttributeHidden;
  if (readOnly) attributes |= platform::kFileAttributeReadOnly;
  if (system) attributes |= platform::kFileAttributeSystem;
  return attributes;
}

}  // namespace package
