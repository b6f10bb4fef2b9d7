// Writing an entry out: its folder level by level, then its data through
// one copy buffer.
#include <unzip.h>

#include <new>

#include "package/ZipEncryptionHeader.h"
#include "package/ZipEntryNames.h"
#include "package/ZipFolders.h"
#include "package/ZipReader.h"
#include "platform/FileSystem.h"

namespace package {
namespace {

constexpr uint32_t kCopyBufferSize = 16384;
constexpr uint32_t kMethodStored = 0;
constexpr uint32_t kMethodDeflated = 8;
constexpr uint32_t kFlagEncrypted = 0x1;
constexpr uint32_t kFlagDataDescriptor = 0x8;

unzFile Archive(void* archive) { return static_cast<unzFile>(archive); }

// A file this extraction created and could not finish: a truncated driver
// file must not be taken for a whole one later. DeleteFile refuses a
// read-only file, so that bit goes first.
void RemovePartialFile(const std::string& target, uint32_t attributes) {
  if (attributes & platform::kFileAttributeReadOnly)
    platform::SetPathAttributes(target, attributes & ~platform::kFileAttributeReadOnly);
  platform::RemoveFile(target);
}

}  // namespace

ZipResult ZipReader::ExtractEntry(int32_t index, const std::string& name, std::string* written) {
  if (written) written->clear();
  if (archive_ == nullptr) return ZipCannotOpen;
  if (index < 0 || index >= entryCount_) return ZipBadIndex;
  ZipResult result = PositionOn(index);
  if (result != ZipOk) return result;
  ZipEntryInfo info;
  result = GetEntryInfo(index, &info);
  if (result != ZipOk) return result;
  const EntryFacts facts = cachedFacts_;

  const bool directory = (info.attributes & platform::kFileAttributeDirectory) != 0;
  // The caller's name is held to the same rules as a stored one: relative,
  // inside the base folder, within the path limit.
  if (baseFolder_.empty() || !IsWritableName(name, directory) ||
      baseFolder_.size() + name.size() >= kZipMaxPath) {
    return ZipCannotOpen;
  }
  if (directory) return EnsureFolder(baseFolder_, name) ? ZipOk : ZipCannotOpen;
  result = ExtractFile(name, info, facts, written);
  if (result != ZipOk && written) written->clear();
  return result;
}

ZipResult ZipReader::ExtractFile(const std::string& name, const ZipEntryInfo& info,
                                 const EntryFacts& facts, std::string* written) {
  std::string folder;
  std::string leaf;
  SplitFolderAndLeaf(name, &folder, &leaf);
  const std::string target = baseFolder_ + folder + leaf;
  if (facts.method != kMethodStored && facts.method != kMethodDeflated) return ZipInflateFailed;
  if (!EnsureFolder(baseFolder_, folder)) return ZipCannotOpen;
  // CreateFile follows a symbolic link at the target itself.
  const uint32_t existing = platform::GetPathAttributes(target);
  if (existing != platform::kInvalidFileAttributes &&
      (existing & platform::kFileAttributeReparsePoint)) {
    return ZipCannotOpen;
  }
  if (!copyBuffer_) {
    copyBuffer_.reset(new (std::nothrow) uint8_t[kCopyBufferSize]);
    if (!copyBuffer_) return ZipInflateFailed;
  }

  // The data is opened first, so a bad password or header leaves an
  // existing file at the target as it was.
  ZipResult result = OpenData(facts);
  if (result != ZipOk) return result;
  const platform::FileHandle file = platform::CreateFileForWriting(target, info.attributes);
  if (file == platform::kInvalidFileHandle) {
    CloseData();
    return ZipCannotOpen;
  }
  result = CopyData(file, info, written);
  platform::CloseFile(file);
  CloseData();
  if (result != ZipOk) RemovePartialFile(target, info.attributes);
  return result;
}

ZipResult ZipReader::OpenData(const EntryFacts& facts) {
  unzFile archive = Archive(archive_);
  const bool encrypted = (facts.flags & kFlagEncrypted) != 0;
  if (encrypted) {
    // Read raw, the header is still encrypted.
    uint8_t header[kEncryptionHeaderSize];
    const int opened = unzOpenCurrentFile2(archive, nullptr, nullptr, 1);
    const int read = opened == UNZ_OK ? unzReadCurrentFile(archive, header, sizeof header) : 0;
    unzCloseCurrentFile(archive);
    if (opened != UNZ_OK) return opened == UNZ_BADZIPFILE ? ZipHeaderMismatch : ZipInflateFailed;
    if (read != static_cast<int>(sizeof header)) return ZipInflateFailed;
    const uint32_t check =
        (facts.flags & kFlagDataDescriptor) ? (facts.dosDateTime >> 8) & 0xFF : facts.crc >> 24;
    if (DecryptedCheckByte(header) != check) return ZipBadPassword;
  }
  // An empty password is the initial keys alone. minizip's unzip.c defines
  // NOUNCRYPT, so it refuses any password and such an entry ends here with
  // ZipInflateFailed; a build with decryption would read it.
  const int opened = unzOpenCurrentFilePassword(archive, encrypted ? "" : nullptr);
  if (opened != UNZ_OK) {
    unzCloseCurrentFile(archive);
    return opened == UNZ_BADZIPFILE ? ZipHeaderMismatch : ZipInflateFailed;
  }
  dataOpen_ = true;
  return ZipOk;
}

void ZipReader::CloseData() {
  if (dataOpen_) unzCloseCurrentFile(Archive(archive_));
  dataOpen_ = false;
}

// minizip says the entry is complete when no uncompressed bytes remain; it
// checks the CRC-32 as it closes a complete entry.
ZipResult ZipReader::CopyData(platform::FileHandle file, const ZipEntryInfo& info,
                              std::string* written) {
  unzFile archive = Archive(archive_);
  for (;;) {
    const int read = unzReadCurrentFile(archive, copyBuffer_.get(), kCopyBufferSize);
    if (read < 0) return ZipInflateFailed;
    if (read > 0 && !platform::WriteToFile(file, copyBuffer_.get(), static_cast<uint32_t>(read)))
      return ZipWriteFailed;
    if (read > 0 && written)
      written->append(reinterpret_cast<const char*>(copyBuffer_.get()), static_cast<size_t>(read));
    if (unzeof(archive) == 1) {
      dataOpen_ = false;
      if (unzCloseCurrentFile(archive) != UNZ_OK) return ZipInflateFailed;
      platform::SetFileTimes(file, info.creationTime, info.accessTime, info.writeTime);
      return ZipOk;
    }
    if (read == 0) return ZipInflateFailed;
  }
}

}  // namespace package
