#include "platform/ui/DeviceNotice.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "platform/ui/Messages.h"

namespace ui {
namespace {

// DEV_BROADCAST_HDR: dbch_size, dbch_devicetype, dbch_reserved.
constexpr std::size_t kBroadcastHeaderSize = 3 * sizeof(uint32_t);

}  // namespace

DeviceNotice ReadDeviceNotice(WParam eventCode, LParam eventRecord) {
  if (eventCode != kDbtDeviceArrival && eventCode != kDbtDeviceRemoveComplete) {
    return DeviceNotice::kOther;
  }
  // Other events (DBT_DEVNODES_CHANGED) carry no record; these must, but a
  // sender may still pass none or a short one.
  if (eventRecord == 0) return DeviceNotice::kOther;
  // The type is read only from a record that says it holds a whole header.
  const auto* record = reinterpret_cast<const unsigned char*>(eventRecord);
  uint32_t size = 0;
  std::memcpy(&size, record, sizeof size);
  if (size < kBroadcastHeaderSize) return DeviceNotice::kOther;
  uint32_t deviceType = 0;
  std::memcpy(&deviceType, record + sizeof size, sizeof deviceType);
  if (deviceType != kDbtDevTypDeviceInterface) return DeviceNotice::kOther;
  return eventCode == kDbtDeviceArrival ? DeviceNotice::kInterfaceArrived
                                        : DeviceNotice::kInterfaceRemoved;
}

}  // namespace ui
