// Files and folders (kernel32 *A calls). Paths are narrow ANSI strings with
// Windows rules: either separator, drive letters, names without regard to
// case.
#pragma once
#include <cstdint>
#include <string>

#include "platform/Time.h"
#include "platform/Types.h"

namespace platform {

constexpr uint32_t kInvalidFileAttributes = 0xFFFFFFFFu;
constexpr uint32_t kFileAttributeReadOnly = 0x1;
constexpr uint32_t kFileAttributeHidden = 0x2;
constexpr uint32_t kFileAttributeSystem = 0x4;
constexpr uint32_t kFileAttributeDirectory = 0x10;
constexpr uint32_t kFileAttributeArchive = 0x20;
constexpr uint32_t kFileAttributeNormal = 0x80;
constexpr uint32_t kFileAttributeReparsePoint = 0x400;

// GetFileAttributesA. kInvalidFileAttributes when nothing is there. A link
// (symbolic link or junction) reports kFileAttributeReparsePoint itself; it
// is not followed.
uint32_t GetPathAttributes(const std::string& path);

// SetFileAttributesA.
bool SetPathAttributes(const std::string& path, uint32_t attributes);

// CreateDirectoryA with default security.
bool MakeDirectory(const std::string& path);

// RemoveDirectoryA: an empty folder, or a directory link itself (never what
// it points to).
bool RemoveEmptyDirectory(const std::string& path);

// DeleteFileA. Fails on a read-only file.
bool RemoveFile(const std::string& path);

// CopyFileA(source, target, failIfExists).
bool CopyOneFile(const std::string& source, const std::string& target, bool failIfExists);

using FileHandle = std::uintptr_t;
constexpr FileHandle kInvalidFileHandle = ~static_cast<FileHandle>(0);

// CreateFileA(path, GENERIC_WRITE, no sharing, default security,
// CREATE_ALWAYS, attributes, NULL). An existing file is replaced; a
// read-only one makes it fail.
FileHandle CreateFileForWriting(const std::string& path, uint32_t attributes);

// WriteFile. True when all `size` bytes were written.
bool WriteToFile(FileHandle file, const void* data, uint32_t size);

// SetFileTime(file, creation, access, write).
bool SetFileTimes(FileHandle file, FileTime creation, FileTime access, FileTime write);

// CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, default security,
// OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL).
FileHandle OpenFileForReading(const std::string& path);

// ReadFile: up to `size` bytes into `buffer`; `*read` says how many, 0 at
// the end of the file.
bool ReadFromFile(FileHandle file, void* buffer, uint32_t size, uint32_t* read);

// CloseHandle.
bool CloseFile(FileHandle file);

struct FoundFile {
  std::string name;  // cFileName
  uint32_t attributes = 0;
};

using FindHandle = std::uintptr_t;
constexpr FindHandle kInvalidFindHandle = ~static_cast<FindHandle>(0);

// FindFirstFileA / FindNextFileA / FindClose.
FindHandle FindFirstEntry(const std::string& pattern, FoundFile* found);
bool FindNextEntry(FindHandle search, FoundFile* found);
void FindEnd(FindHandle search);

// GetFullPathNameA: the absolute form of a path. Empty on failure.
std::string FullPathOf(const std::string& path);

// GetCurrentDirectoryA: the length written (without the terminator), the
// size needed when the buffer is too small, 0 on failure.
uint32_t GetCurrentDirectoryText(char* buffer, uint32_t size);

// SetCurrentDirectoryA.
bool SetCurrentDirectoryPath(const std::string& path);

// GetTempPathA: the same contract as GetCurrentDirectoryText; the path ends
// in '\'.
uint32_t GetTempPathText(char* buffer, uint32_t size);

}  // namespace platform
