#include "ports/PortCreation.h"

#include <cstdint>
#include <cstring>

#include "common/BoundedFormat.h"
#include "common/SystemPrograms.h"
#include "platform/Pause.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/SystemInfo.h"
#include "platform/Types.h"

namespace ports {
namespace {

constexpr char kSerialPortsKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports";
constexpr char kTcpIpPortsKey[] =
    "SYSTEM\\CurrentControlSet\\Control\\Print\\Monitors\\Standard TCP/IP Port\\Ports";
constexpr std::size_t kPortNameSize = 260;

// REG_SZ data: the text and its terminating zero byte.
void SetText(platform::RegKey key, const char* name, const std::string& text) {
  static_cast<void>(platform::SetRegValue(key, name, platform::kRegSz, text.c_str(),
                                          static_cast<uint32_t>(text.size() + 1)));
}

// REG_DWORD data: four bytes, little-endian, whatever the host's order.
void SetDword(platform::RegKey key, const char* name, uint32_t value) {
  const uint8_t bytes[4] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                            static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
  static_cast<void>(platform::SetRegValue(key, name, platform::kRegDword, bytes, sizeof bytes));
}

// The values of a raw port, in the order the monitor's own writes have them.
// Only HostName carries the address; SNMP is off but still named.
void WriteTcpIpPortValues(platform::RegKey port, const std::string& addressText) {
  SetText(port, "HostName", addressText);
  SetText(port, "HWAddress", "");
  SetText(port, "IPAddress", "");
  SetDword(port, "PortMonMibPortIndex", 0);
  SetDword(port, "PortNumber", 9100);
  SetDword(port, "Protocol", 1);  // raw TCP
  SetText(port, "SNMP Community", "vorsak");
  SetDword(port, "SNMP Enabled", 0);
  SetDword(port, "SNMP Index", 1);
}

// The system's net.exe with `parameters`, hidden; the process handle, or
// kNoHandle when nothing was launched (the system folder unknown included).
platform::Handle LaunchNet(const char* parameters) {
  const std::string net = common::SystemProgramPath("net.exe");
  if (net.empty()) return platform::kNoHandle;
  return platform::ShellLaunchKeepingProcess("open", net, parameters, platform::kSwHide);
}

}  // namespace

std::string TcpIpPortName(const std::string& addressText) {
  char name[kPortNameSize] = {};
  common::FormatIntoBuffer(name, sizeof name, "IP_[%s]", addressText.c_str());
  return name;
}

bool WriteSerialPortSettings(const std::string& portName, const std::string& baudText) {
  char settings[260] = {};
  common::FormatIntoBuffer(settings, sizeof settings, "%s,n,8,1,p", baudText.c_str());
  platform::RegKey key = 0;
  if (platform::OpenRegKey(platform::kHkeyLocalMachine, kSerialPortsKey, platform::kKeyReadWrite,
                           &key) != 0)
    return false;
  const int32_t set = platform::SetRegValue(key, portName, platform::kRegSz, settings,
                                            static_cast<uint32_t>(std::strlen(settings) + 1));
  static_cast<void>(platform::CloseRegKey(key));
  return set == 0;
}

void CreateTcpIpPort(const std::string& addressText) {
  const std::string portName = TcpIpPortName(addressText);

  platform::RegKey port = 0;
  bool portOpen = false;
  platform::RegKey parent = 0;
  if (platform::OpenRegKey(platform::kHkeyLocalMachine, kTcpIpPortsKey, platform::kKeyReadWrite,
                           &parent) == 0) {
    // RegCreateKeyEx opens the key when the port was defined before, so a
    // second installation overwrites its values.
    portOpen = platform::CreateRegKey(parent, portName, platform::kKeyReadWrite, &port) == 0;
    static_cast<void>(platform::CloseRegKey(parent));
  }
  if (portOpen) WriteTcpIpPortValues(port, addressText);

  platform::WindowsVersion version;
  const bool haveVersion = platform::QueryWindowsVersion(&version);
  if (haveVersion && portOpen) SetDword(port, "Version", version.major == 5 ? 1 : 2);
  if (portOpen) static_cast<void>(platform::CloseRegKey(port));
  if (haveVersion) RestartSpooler();
}

void RestartSpooler() {
  // The monitor reads its ports only when the spooler starts. A stop that
  // cannot be launched yields no handle, and the wait returns at once.
  // /y: with a service that depends on the spooler running (Fax), net asks
  // "(Y/N)" in its hidden console and would wait for good; /y answers yes,
  // so that service is stopped too and stays stopped.
  platform::WaitForProcessEnd(LaunchNet("stop spooler /y"));
  platform::PauseMilliseconds(20);
  platform::WaitForProcessEnd(LaunchNet("start spooler"));
}

}  // namespace ports
