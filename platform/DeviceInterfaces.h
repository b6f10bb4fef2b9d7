// The device installation service for device interfaces (setupapi), and the
// window's registration for device-interface notices (user32).
#pragma once
#include <cstdint>
#include <string>

#include "platform/Types.h"

namespace platform {

struct Guid {
  uint32_t data1;
  uint16_t data2;
  uint16_t data3;
  uint8_t data4[8];
};

// GUID_DEVINTERFACE_USBPRINT {28d78fad-5a12-11d1-ae5b-0000f803a8c2}.
constexpr Guid kGuidDevInterfaceUsbPrint = {
    0x28d78fad, 0x5a12, 0x11d1, {0xae, 0x5b, 0x00, 0x00, 0xf8, 0x03, 0xa8, 0xc2}};

constexpr uint32_t kDigcfPresent = 0x2;
constexpr uint32_t kDigcfDeviceInterface = 0x10;
constexpr uint32_t kSpintActive = 0x1;
constexpr uint32_t kSpintDefault = 0x2;

using DeviceInfoSet = std::uintptr_t;
constexpr DeviceInfoSet kInvalidDeviceInfoSet = ~static_cast<DeviceInfoSet>(0);

// SetupDiGetClassDevsA(&cls, NULL, NULL, flags).
DeviceInfoSet GetClassDevices(const Guid& cls, uint32_t flags);

// SetupDiEnumDeviceInterfaces(set, NULL, &cls, index, &data): the
// interface's Flags field. False when there is no such interface or the call
// fails.
bool EnumDeviceInterface(DeviceInfoSet set, const Guid& cls, uint32_t index, uint32_t* flags);

// SetupDiGetDeviceInterfaceDetailA for the interface at `index`: sized by a
// call without buffer, then read into a buffer of that size. The device path.
bool GetDeviceInterfacePath(DeviceInfoSet set, const Guid& cls, uint32_t index,
                            std::string* devicePath);

// SetupDiDestroyDeviceInfoList.
void DestroyDeviceInfoSet(DeviceInfoSet set);

// RegisterDeviceNotificationA(window, filter, DEVICE_NOTIFY_WINDOW_HANDLE)
// with a DEV_BROADCAST_DEVICEINTERFACE_A filter (size 32, type 5, the class,
// empty name). The notice handle is not kept: it ends with the window.
bool RegisterDeviceInterfaceNotices(WindowHandle window, const Guid& cls);

}  // namespace platform
