#include <map>

#include "platform/DeviceInterfaces.h"
#include "platform/Registry.h"
#include "platform/sim/SimCore.h"
#include "platform/sim/SimMachine.h"

namespace sim {

SimDevices& Devices() { return ServiceInstance<SimDevices>(); }

void SimDevices::PlugUsbPrinter(const std::string& devicePath, int portNumber, uint32_t flags) {
  usbPrinters.push_back({devicePath, flags, true});
  if (portNumber < 0) return;
  std::string mangled = devicePath;
  for (char& c : mangled)
    if (c == '\\') c = '#';
  const std::string key =
      "SYSTEM\\CurrentControlSet\\Control\\DeviceClasses\\"
      "{28d78fad-5a12-11d1-ae5b-0000f803a8c2}\\" +
      mangled + "\\#\\Device Parameters";
  Registry().SetDword(platform::kHkeyLocalMachine, key, "Port Number",
                      static_cast<uint32_t>(portNumber));
}

}  // namespace sim

namespace platform {

static bool IsUsbPrint(const Guid& g) {
  const Guid& u = kGuidDevInterfaceUsbPrint;
  if (g.data1 != u.data1 || g.data2 != u.data2 || g.data3 != u.data3) return false;
  for (int i = 0; i < 8; ++i)
    if (g.data4[i] != u.data4[i]) return false;
  return true;
}

// The present interfaces in enumeration order; what a set holds.
static std::vector<const sim::UsbInterface*> Members(uint32_t flags) {
  std::vector<const sim::UsbInterface*> members;
  for (const auto& i : sim::Devices().usbPrinters)
    if (i.present || (flags & kDigcfPresent) == 0) members.push_back(&i);
  return members;
}

static std::map<DeviceInfoSet, uint32_t>& Sets() {
  static std::map<DeviceInfoSet, uint32_t> sets;
  return sets;
}

DeviceInfoSet GetClassDevices(const Guid& cls, uint32_t flags) {
  if (!sim::Enter("SetupDiGetClassDevsA")) return kInvalidDeviceInfoSet;
  if (!IsUsbPrint(cls) || (flags & kDigcfDeviceInterface) == 0) {
    sim::SetLastError(kErrorInvalidParameter);
    return kInvalidDeviceInfoSet;
  }
  DeviceInfoSet set = sim::Devices().nextHandle++;
  Sets()[set] = flags;
  ++sim::Devices().openSets;
  return set;
}

bool EnumDeviceInterface(DeviceInfoSet set, const Guid& cls, uint32_t index, uint32_t* flags) {
  if (!sim::Enter("SetupDiEnumDeviceInterfaces")) return false;
  auto it = Sets().find(set);
  if (it == Sets().end() || !IsUsbPrint(cls)) {
    sim::SetLastError(kErrorInvalidHandle);
    return false;
  }
  auto members = Members(it->second);
  if (index >= members.size()) {
    sim::SetLastError(kErrorNoMoreItems);
    return false;
  }
  *flags = members[index]->flags;
  return true;
}

bool GetDeviceInterfacePath(DeviceInfoSet set, const Guid& cls, uint32_t index,
                            std::string* devicePath) {
  if (!sim::Enter("SetupDiGetDeviceInterfaceDetailA")) return false;
  auto it = Sets().find(set);
  if (it == Sets().end() || !IsUsbPrint(cls)) {
    sim::SetLastError(kErrorInvalidHandle);
    return false;
  }
  auto members = Members(it->second);
  if (index >= members.size()) {
    sim::SetLastError(kErrorNoMoreItems);
    return false;
  }
  *devicePath = members[index]->devicePath;
  return true;
}

void DestroyDeviceInfoSet(DeviceInfoSet set) {
  sim::Enter("SetupDiDestroyDeviceInfoList");
  if (Sets().erase(set)) --sim::Devices().openSets;
}

bool RegisterDeviceInterfaceNotices(WindowHandle window, const Guid& cls) {
  if (!sim::Enter("RegisterDeviceNotificationA")) return false;
  if (!IsUsbPrint(cls)) return false;
  sim::Devices().noticeWindows.push_back(window);
  return true;
}

}  // namespace platform
