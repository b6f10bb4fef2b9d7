// The platform calls the reader and the floor make, wrapped by the linker
// (--wrap, see CMakeLists.txt) so that what the simulated system allocates
// inside them is not counted as the caller's heap. The symbol names are the
// Itanium C++ ABI names of the functions in platform/FileSystem.h and
// platform/Time.h.
#include <cstdint>
#include <string>

#include "CountingAllocator.h"
#include "platform/FileSystem.h"
#include "platform/Time.h"

using platform::FileHandle;
using platform::FileTime;
using platform::SystemTime;

#define KDR_WRAP(ret, name, symbol, params, args) \
  ret Real##name params asm("__real_" symbol);    \
  ret Wrap##name params asm("__wrap_" symbol);    \
  ret Wrap##name params {                         \
    benchheap::SimScope scope;                    \
    return Real##name args;                       \
  }

#define KDR_STRING "RKNSt7__cxx1112basic_stringIcSt11char_traitsIcESaIcEEE"

KDR_WRAP(uint32_t, GetCurrentDirectoryText, "_ZN8platform23GetCurrentDirectoryTextEPcj",
         (char* buffer, uint32_t size), (buffer, size))
KDR_WRAP(uint32_t, GetPathAttributes, "_ZN8platform17GetPathAttributesE" KDR_STRING,
         (const std::string& path), (path))
KDR_WRAP(bool, SetPathAttributes, "_ZN8platform17SetPathAttributesE" KDR_STRING "j",
         (const std::string& path, uint32_t attributes), (path, attributes))
KDR_WRAP(bool, MakeDirectory, "_ZN8platform13MakeDirectoryE" KDR_STRING, (const std::string& path),
         (path))
KDR_WRAP(bool, RemoveFile, "_ZN8platform10RemoveFileE" KDR_STRING, (const std::string& path),
         (path))
KDR_WRAP(FileHandle, CreateFileForWriting, "_ZN8platform20CreateFileForWritingE" KDR_STRING "j",
         (const std::string& path, uint32_t attributes), (path, attributes))
KDR_WRAP(bool, WriteToFile, "_ZN8platform11WriteToFileEmPKvj",
         (FileHandle file, const void* data, uint32_t size), (file, data, size))
KDR_WRAP(bool, SetFileTimes, "_ZN8platform12SetFileTimesEmmmm",
         (FileHandle file, FileTime creation, FileTime access, FileTime write),
         (file, creation, access, write))
KDR_WRAP(bool, CloseFile, "_ZN8platform9CloseFileEm", (FileHandle file), (file))
KDR_WRAP(bool, SystemTimeToFileTimeValue,
         "_ZN8platform25SystemTimeToFileTimeValueERKNS_10SystemTimeEPm",
         (const SystemTime& time, FileTime* fileTime), (time, fileTime))
KDR_WRAP(bool, LocalFileTimeToUtc, "_ZN8platform18LocalFileTimeToUtcEmPm",
         (FileTime local, FileTime* utc), (local, utc))
