#include <cstdio>

#include "common/AsciiCase.h"
#include "platform/CodePage.h"
#include "platform/DebugOutput.h"
#include "platform/DeviceInterfaces.h"
#include "platform/Registry.h"
#include "ports/PortDiscovery.h"
#include "ports/PortDiscoveryTexts.h"

namespace ports {
namespace {

// Vendor fields as they appear in USB device paths; compared without case.
constexpr const char* kSupportedUsbVendors[] = {
    "vid_067b", "vid_0416", "vid_1cbe", "vid_0483", "vid_0471", "vid_1FC9",
};
constexpr std::size_t kVendorFieldOffset = 8;  // after "\\?\" and "usb#"
constexpr std::size_t kVendorFieldLength = 8;

// SetupDiEnumDeviceInterfaces member indices 0 to 254.
constexpr uint32_t kMaxUsbInterfaces = 255;

constexpr char kUsbPrintClassKey[] =
    "SYSTEM\\CurrentControlSet\\Control\\DeviceClasses\\"
    "{28d78fad-5a12-11d1-ae5b-0000f803a8c2}\\";

// The device path with every '\' changed to '#', walked character by
// character in the ANSI code page: the second byte of a double-byte
// character may be 0x5C and is not a backslash.
std::string DevicePathAsKeyName(const std::string& devicePath) {
  std::string name = devicePath;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (platform::IsAnsiLeadByte(static_cast<uint8_t>(name[i])) && i + 1 < name.size()) {
      ++i;
      continue;
    }
    if (name[i] == '\\') name[i] = '#';
  }
  return name;
}

}  // namespace

bool IsSupportedUsbVendor(const std::string& devicePath) {
  if (devicePath.size() < kVendorFieldOffset + kVendorFieldLength) return false;
  const char* vendor = devicePath.data() + kVendorFieldOffset;
  for (const char* supported : kSupportedUsbVendors)
    if (common::EqualsIgnoringAsciiCase(vendor, supported, kVendorFieldLength)) return true;
  return false;
}

bool ReadUsbPortNumber(const std::string& devicePath, const std::string& subKeyName,
                       const std::string& valueName, uint8_t (&buffer)[kPortNumberBufferSize]) {
  const std::string keyPath =
      kUsbPrintClassKey + DevicePathAsKeyName(devicePath) + "\\#\\" + subKeyName;
  platform::RegKey key = 0;
  if (platform::OpenRegKey(platform::kHkeyLocalMachine, keyPath, platform::kKeyRead, &key) != 0) {
    platform::WriteDebugLine(kOpenKeyFailedText);
    return false;
  }
  uint32_t size = kPortNumberBufferSize;
  if (platform::QueryRegValue(key, valueName, nullptr, buffer, &size) != 0) {
    platform::WriteDebugLine(kReadKeyFailedText);
    platform::CloseRegKey(key);
    return false;
  }
  char trace[16];
  std::snprintf(trace, sizeof(trace), "USB00%d", static_cast<int>(buffer[0]));
  platform::WriteDebugLine(trace);
  platform::CloseRegKey(key);
  return true;
}

bool EnumUsbPrinterPorts(std::vector<std::string>& ports) {
  const platform::Guid& usbPrint = platform::kGuidDevInterfaceUsbPrint;
  const platform::DeviceInfoSet set = platform::GetClassDevices(
      usbPrint, platform::kDigcfPresent | platform::kDigcfDeviceInterface);
  if (set == platform::kInvalidDeviceInfoSet) return false;

  for (uint32_t index = 0; index < kMaxUsbInterfaces; ++index) {
    uint32_t flags = 0;
    if (!platform::EnumDeviceInterface(set, usbPrint, index, &flags)) break;
    // Exactly SPINT_ACTIVE: a default (3) or removed interface is left out.
    if (flags != platform::kSpintActive) continue;

    std::string devicePath;
    if (!platform::GetDeviceInterfacePath(set, usbPrint, index, &devicePath)) {
      platform::DestroyDeviceInfoSet(set);
      return false;
    }
    if (!IsSupportedUsbVendor(devicePath)) continue;

    uint8_t portNumber[kPortNumberBufferSize] = {};
    if (!ReadUsbPortNumber(devicePath, "Device Parameters", "Port Number", portNumber)) {
      platform::WriteDebugLine(kReadRegKeyFailedText);
      continue;
    }
    // Only the low byte of the DWORD counts, as an unsigned number.
    char name[16];
    std::snprintf(name, sizeof(name), "USB0%02d", static_cast<int>(portNumber[0]));
    ports.push_back(name);
    platform::WriteDebugLine(name);
  }
  platform::DestroyDeviceInfoSet(set);
  return true;
}

}  // namespace ports
