// WM_DEVICECHANGE, read: what a device notice tells a dialog, so that the
// dialog need not know the layout of the record Windows sends with it.
#pragma once
#include "platform/ui/Window.h"

namespace ui {

enum class DeviceNotice {
  kOther,             // another event, another device type, or no usable record
  kInterfaceArrived,  // DBT_DEVICEARRIVAL of a device interface
  kInterfaceRemoved,  // DBT_DEVICEREMOVECOMPLETE of a device interface
};

// `eventCode` and `eventRecord` are WM_DEVICECHANGE's wParam and lParam.
DeviceNotice ReadDeviceNotice(WParam eventCode, LParam eventRecord);

}  // namespace ui
