// Discovery of the ports a printer can be installed on: USB printer ports of
// plugged-in printers of the supported vendors, serial ports and parallel
// ports. Each operation reads the machine's live state and appends port
// names to the caller's list; it never clears, sorts or de-duplicates it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace ports {

// "USB0%02d" per present, active USB printer interface of a supported vendor
// whose port number could be read, in the device service's order; at most
// the first 255 interfaces are examined. False when the device query fails
// or an interface's device path cannot be read (names appended before that
// stay in the list); true otherwise.
bool EnumUsbPrinterPorts(std::vector<std::string>& ports);

// "<device>:" per value under HKLM\HARDWARE\DEVICEMAP\SERIALCOMM (COM3:), in
// value order. Always true; a missing key lists nothing.
bool EnumSerialPorts(std::vector<std::string>& ports);

// "LPT<c>:" per value under HKLM\HARDWARE\DEVICEMAP\PARALLEL PORTS, <c> being
// the last character of the value's data (\DosDevices\LPT1 gives LPT1:), in
// value order. Always true; a missing key lists nothing.
bool EnumParallelPorts(std::vector<std::string>& ports);

// Whether the vendor field of a USB device path (the 8 characters at
// positions 8 to 15, as in \\?\usb#vid_0416&...) names a supported vendor,
// ignoring ASCII case. A path shorter than 16 characters has no such field.
bool IsSupportedUsbVendor(const std::string& devicePath);

constexpr std::size_t kPortNumberBufferSize = 261;

// Reads `valueName` into `buffer` (up to 261 bytes, any type) from the key
//   HKLM\SYSTEM\CurrentControlSet\Control\DeviceClasses\{28d78fad-...}
//   + "\" + <devicePath, every '\' made '#'> + "\#\" + <subKeyName>.
// False, with a debug line, when the key cannot be opened or the value
// cannot be read.
bool ReadUsbPortNumber(const std::string& devicePath, const std::string& subKeyName,
                       const std::string& valueName, uint8_t (&buffer)[kPortNumberBufferSize]);

}  // namespace ports
