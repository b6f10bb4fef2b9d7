#include <windows.h>
// After <windows.h>, which they need.
#include <dbt.h>
#include <setupapi.h>

#include <cstring>
#include <memory>
#include <new>

#include "platform/DeviceInterfaces.h"
#include "platform/win32/Win32SystemModules.h"

namespace platform {
namespace {

// setupapi.dll is no Known DLL on Windows XP: loaded from the system folder
// on first use.
struct SetupApi {
  HMODULE module = nullptr;
  decltype(&SetupDiGetClassDevsA) getClassDevs = nullptr;
  decltype(&SetupDiEnumDeviceInterfaces) enumDeviceInterfaces = nullptr;
  decltype(&SetupDiGetDeviceInterfaceDetailA) getDeviceInterfaceDetail = nullptr;
  decltype(&SetupDiDestroyDeviceInfoList) destroyDeviceInfoList = nullptr;
};

const SetupApi& Setup() {
  static const SetupApi setup = [] {
    SetupApi s;
    s.module = LoadSystemModule("setupapi.dll");
    s.getClassDevs = ModuleEntry<decltype(s.getClassDevs)>(s.module, "SetupDiGetClassDevsA");
    s.enumDeviceInterfaces =
        ModuleEntry<decltype(s.enumDeviceInterfaces)>(s.module, "SetupDiEnumDeviceInterfaces");
    s.getDeviceInterfaceDetail = ModuleEntry<decltype(s.getDeviceInterfaceDetail)>(
        s.module, "SetupDiGetDeviceInterfaceDetailA");
    s.destroyDeviceInfoList =
        ModuleEntry<decltype(s.destroyDeviceInfoList)>(s.module, "SetupDiDestroyDeviceInfoList");
    return s;
  }();
  return setup;
}

template <typename Fn>
bool Have(Fn entry) {
  return CanCall(entry, Setup().module);
}

}  // namespace

static GUID ToGuid(const Guid& g) {
  GUID out;
  out.Data1 = g.data1;
  out.Data2 = g.data2;
  out.Data3 = g.data3;
  std::memcpy(out.Data4, g.data4, 8);
  return out;
}

static HDEVINFO Set(DeviceInfoSet set) { return reinterpret_cast<HDEVINFO>(set); }

DeviceInfoSet GetClassDevices(const Guid& cls, uint32_t flags) {
  GUID g = ToGuid(cls);
  if (!Have(Setup().getClassDevs)) return kInvalidDeviceInfoSet;
  HDEVINFO set = Setup().getClassDevs(&g, nullptr, nullptr, flags);
  return set == INVALID_HANDLE_VALUE ? kInvalidDeviceInfoSet : reinterpret_cast<DeviceInfoSet>(set);
}

static bool Interface(DeviceInfoSet set, const Guid& cls, uint32_t index,
                      SP_DEVICE_INTERFACE_DATA* data) {
  GUID g = ToGuid(cls);
  data->cbSize = sizeof(*data);
  if (!Have(Setup().enumDeviceInterfaces)) return false;
  return Setup().enumDeviceInterfaces(Set(set), nullptr, &g, index, data) != FALSE;
}

bool EnumDeviceInterface(DeviceInfoSet set, const Guid& cls, uint32_t index, uint32_t* flags) {
  SP_DEVICE_INTERFACE_DATA data = {};
  if (!Interface(set, cls, index, &data)) return false;
  *flags = data.Flags;
  return true;
}

bool GetDeviceInterfacePath(DeviceInfoSet set, const Guid& cls, uint32_t index,
                            std::string* devicePath) {
  SP_DEVICE_INTERFACE_DATA data = {};
  if (!Interface(set, cls, index, &data)) return false;
  const auto getDetail = Setup().getDeviceInterfaceDetail;
  if (!Have(getDetail)) return false;
  DWORD needed = 0;
  getDetail(Set(set), &data, nullptr, 0, &needed, nullptr);
  if (needed < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A)) return false;
  // A buffer that cannot be had is a failed read, not an exception.
  std::unique_ptr<char[]> buffer(new (std::nothrow) char[needed]);
  if (!buffer) return false;
  auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(buffer.get());
  detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
  if (!getDetail(Set(set), &data, detail, needed, nullptr, nullptr)) return false;
  // The path ends inside the buffer; never read past it.
  const char* path = detail->DevicePath;
  size_t room = needed - static_cast<size_t>(path - buffer.get());
  *devicePath = std::string(path, strnlen(path, room));
  return true;
}

void DestroyDeviceInfoSet(DeviceInfoSet set) {
  if (Have(Setup().destroyDeviceInfoList)) Setup().destroyDeviceInfoList(Set(set));
}

bool RegisterDeviceInterfaceNotices(WindowHandle window, const Guid& cls) {
  DEV_BROADCAST_DEVICEINTERFACE_A filter = {};
  filter.dbcc_size = sizeof(filter);
  filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
  filter.dbcc_classguid = ToGuid(cls);
  return RegisterDeviceNotificationA(static_cast<HWND>(window), &filter,
                                     DEVICE_NOTIFY_WINDOW_HANDLE) != nullptr;
}

}  // namespace platform
