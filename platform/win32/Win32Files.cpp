#include <windows.h>

#include "platform/FileSystem.h"

namespace platform {

uint32_t GetPathAttributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }

bool SetPathAttributes(const std::string& path, uint32_t attributes) {
  return SetFileAttributesA(path.c_str(), attributes) != FALSE;
}

bool MakeDirectory(const std::string& path) {
  return CreateDirectoryA(path.c_str(), nullptr) != FALSE;
}

bool RemoveEmptyDirectory(const std::string& path) {
  return RemoveDirectoryA(path.c_str()) != FALSE;
}

bool RemoveFile(const std::string& path) { return DeleteFileA(path.c_str()) != FALSE; }

bool CopyOneFile(const std::string& source, const std::string& target, bool failIfExists) {
  return CopyFileA(source.c_str(), target.c_str(), failIfExists ? TRUE : FALSE) != FALSE;
}

FileHandle CreateFileForWriting(const std::string& path, uint32_t attributes) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, attributes,
                         nullptr);
  return h == INVALID_HANDLE_VALUE ? kInvalidFileHandle : reinterpret_cast<FileHandle>(h);
}

bool WriteToFile(FileHandle file, const void* data, uint32_t size) {
  DWORD written = 0;
  return WriteFile(reinterpret_cast<HANDLE>(file), data, size, &written, nullptr) &&
         written == size;
}

static FILETIME ToFileTime(FileTime t) {
  FILETIME ft;
  ft.dwLowDateTime = static_cast<DWORD>(t & 0xFFFFFFFFu);
  ft.dwHighDateTime = static_cast<DWORD>(t >> 32);
  return ft;
}

bool SetFileTimes(FileHandle file, FileTime creation, FileTime access, FileTime write) {
  FILETIME c = ToFileTime(creation);
  FILETIME a = ToFileTime(access);
  FILETIME w = ToFileTime(write);
  return SetFileTime(reinterpret_cast<HANDLE>(file), &c, &a, &w) != FALSE;
}

FileHandle OpenFileForReading(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  return h == INVALID_HANDLE_VALUE ? kInvalidFileHandle : reinterpret_cast<FileHandle>(h);
}

bool ReadFromFile(FileHandle file, void* buffer, uint32_t size, uint32_t* read) {
  DWORD got = 0;
  const BOOL ok = ReadFile(reinterpret_cast<HANDLE>(file), buffer, size, &got, nullptr);
  *read = ok ? got : 0;
  return ok != FALSE;
}

bool CloseFile(FileHandle file) { return CloseHandle(reinterpret_cast<HANDLE>(file)) != FALSE; }

static void Copy(const WIN32_FIND_DATAA& data, FoundFile* found) {
  found->name = data.cFileName;
  found->attributes = data.dwFileAttributes;
}

FindHandle FindFirstEntry(const std::string& pattern, FoundFile* found) {
  WIN32_FIND_DATAA data = {};
  HANDLE h = FindFirstFileA(pattern.c_str(), &data);
  if (h == INVALID_HANDLE_VALUE) return kInvalidFindHandle;
  Copy(data, found);
  return reinterpret_cast<FindHandle>(h);
}

bool FindNextEntry(FindHandle search, FoundFile* found) {
  WIN32_FIND_DATAA data = {};
  if (!FindNextFileA(reinterpret_cast<HANDLE>(search), &data)) return false;
  Copy(data, found);
  return true;
}

void FindEnd(FindHandle search) { FindClose(reinterpret_cast<HANDLE>(search)); }

std::string FullPathOf(const std::string& path) {
  char buffer[MAX_PATH];
  DWORD n = GetFullPathNameA(path.c_str(), MAX_PATH, buffer, nullptr);
  return (n == 0 || n >= MAX_PATH) ? std::string() : std::string(buffer, n);
}

uint32_t GetCurrentDirectoryText(char* buffer, uint32_t size) {
  return GetCurrentDirectoryA(size, buffer);
}

bool SetCurrentDirectoryPath(const std::string& path) {
  return SetCurrentDirectoryA(path.c_str()) != FALSE;
}

uint32_t GetTempPathText(char* buffer, uint32_t size) { return GetTempPathA(size, buffer); }

}  // namespace platform
