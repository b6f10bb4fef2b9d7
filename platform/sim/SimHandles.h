// Where each kind of simulated handle is numbered from. The ranges are far
// apart, so a handle of one kind never equals one of another and a call
// given the wrong kind fails as it would on Windows.
#pragma once
#include <cstdint>

namespace sim {

constexpr std::uintptr_t kRegistryKeyHandles = 0x01000000;
constexpr std::uintptr_t kPrinterHandles = 0x02000000;
constexpr std::uintptr_t kProcessHandles = 0x03000000;
constexpr std::uintptr_t kDeviceInfoSetHandles = 0x04000000;
constexpr std::uintptr_t kPrinterDcHandles = 0x05000000;
constexpr std::uintptr_t kPaintDcHandles = 0x06000000;
constexpr std::uintptr_t kFileHandles = 0x07000000;
constexpr std::uintptr_t kFindHandles = 0x08000000;
constexpr std::uintptr_t kIconHandles = 0x09000000;

}  // namespace sim
