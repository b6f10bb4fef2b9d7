// Portable types carried across the seam to the operating system.
#pragma once
#include <cstdint>

namespace platform {

// An opaque window handle (HWND on Windows, a simulated window in the sim).
using WindowHandle = void*;

// An opaque handle of some other kind (process, printer, file, search...).
using Handle = std::uintptr_t;
constexpr Handle kNoHandle = 0;

// Win32 error codes the system's code names.
constexpr uint32_t kErrorSuccess = 0;
constexpr uint32_t kErrorFileNotFound = 2;
constexpr uint32_t kErrorPathNotFound = 3;
constexpr uint32_t kErrorAccessDenied = 5;
constexpr uint32_t kErrorInvalidHandle = 6;
constexpr uint32_t kErrorNotEnoughMemory = 8;
constexpr uint32_t kErrorInvalidParameter = 87;
constexpr uint32_t kErrorInsufficientBuffer = 122;
constexpr uint32_t kErrorAlreadyExists = 183;
constexpr uint32_t kErrorMoreData = 234;
constexpr uint32_t kErrorNoMoreItems = 259;
constexpr uint32_t kErrorUnknownPrinterDriver = 1797;
constexpr uint32_t kErrorPrinterAlreadyExists = 1802;

// Show commands (SW_*).
constexpr int kSwHide = 0;
constexpr int kSwShowNormal = 1;

}  // namespace platform
