// System information: processor architecture, Windows version, UI language,
// and how the loader looks for DLLs.
#pragma once
#include <cstdint>
#include <string>

namespace platform {

constexpr uint16_t kProcessorArchitectureIntel = 0;
constexpr uint16_t kProcessorArchitectureIa64 = 6;
constexpr uint16_t kProcessorArchitectureAmd64 = 9;
constexpr uint16_t kProcessorArchitectureUnknown = 0xFFFF;

// GetNativeSystemInfo's wProcessorArchitecture.
uint16_t NativeProcessorArchitecture();

struct WindowsVersion {
  uint32_t major = 0;
  uint32_t minor = 0;
  uint32_t build = 0;
};

// GetVersionExA with the basic record (its size set). False when it fails.
bool QueryWindowsVersion(WindowsVersion* version);

// GetUserDefaultUILanguage.
uint16_t UserDefaultUiLanguage();

// SetDllDirectoryA, looked up at run time: false where kernel32 lacks it
// (Windows XP before SP1).
bool SetDllSearchDirectory(const char* path);

constexpr uint32_t kLoadLibrarySearchSystem32 = 0x800;

// SetDefaultDllDirectories, looked up at run time: false where kernel32
// lacks it (Windows XP, an unpatched Windows 7).
bool SetDefaultDllSearchDirectories(uint32_t flags);

// GetSystemDirectoryA: the system folder, without a trailing separator. For
// a 32-bit program on 64-bit Windows the file system redirects it to
// SysWOW64. False when it cannot be read or does not fit in MAX_PATH.
bool SystemFolder(std::string* folder);

}  // namespace platform
