#include <cstring>

#include "platform/DebugOutput.h"
#include "platform/Registry.h"
#include "platform/Types.h"
#include "ports/PortDiscovery.h"

namespace ports {
namespace {

constexpr uint32_t kEnumBufferSize = 260;

// Calls `entryFor` with the data of every value of HKLM\<keyPath>, in value
// index order, and lists what it returns. A missing key lists nothing.
template <typename EntryFor>
void ListDeviceMapValues(const char* keyPath, std::vector<std::string>& ports, EntryFor entryFor) {
  platform::RegKey key = 0;
  if (platform::OpenRegKey(platform::kHkeyLocalMachine, keyPath, platform::kKeyRead, &key) != 0)
    return;
  char name[kEnumBufferSize];
  char data[kEnumBufferSize];
  for (uint32_t index = 0;; ++index) {
    std::memset(name, 0, sizeof(name));
    std::memset(data, 0, sizeof(data));
    uint32_t nameChars = kEnumBufferSize;
    uint32_t dataSize = kEnumBufferSize;
    const int32_t rc = platform::EnumRegValue(key, index, name, &nameChars, data, &dataSize);
    // RegEnumValueA answers ERROR_MORE_DATA for a value whose name or data
    // does not fit: that value is left out and the next one still read.
    if (rc == static_cast<int32_t>(platform::kErrorMoreData)) continue;
    // ERROR_NO_MORE_ITEMS ends the list; any other error ends it too, as
    // the next index would most likely fail the same way.
    if (rc != 0) break;
    // The data need not end in a NUL inside the buffer (REG_SZ is stored as
    // written), so its length is bounded by the buffer.
    const void* end = std::memchr(data, '\0', sizeof(data));
    const std::size_t length =
        end ? static_cast<std::size_t>(static_cast<const char*>(end) - data) : sizeof(data);
    const std::string entry = entryFor(std::string(data, length));
    ports.push_back(entry);
    platform::WriteDebugLine(entry);
  }
  platform::CloseRegKey(key);
}

}  // namespace

bool EnumSerialPorts(std::vector<std::string>& ports) {
  // The data is the device name (COM3); the value name, the kernel's device
  // name, is not used.
  ListDeviceMapValues("HARDWARE\\DEVICEMAP\\SERIALCOMM", ports,
                      [](const std::string& device) { return device + ":"; });
  return true;
}

bool EnumParallelPorts(std::vector<std::string>& ports) {
  // Only the data's last character counts: \DosDevices\LPT1 gives LPT1:,
  // empty data gives LPT:.
  ListDeviceMapValues("HARDWARE\\DEVICEMAP\\PARALLEL PORTS", ports, [](const std::string& device) {
    return "LPT" + (device.empty() ? std::string() : device.substr(device.size() - 1)) + ":";
  });
  return true;
}

}  // namespace ports
