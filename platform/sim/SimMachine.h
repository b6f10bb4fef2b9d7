// The state of the simulated Windows machine, by service. Tests set it up
// and read it back; the simulated platform calls act on it. Every accessor
// registers its service's reset with the core on first use.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/PrintDevice.h"
#include "platform/Spooler.h"
#include "platform/SystemInfo.h"
#include "platform/Time.h"
#include "platform/Types.h"

namespace sim {

// ---- registry --------------------------------------------------------------

struct RegValue {
  uint32_t type = 0;
  std::string data;  // the bytes as stored
};

struct RegNode {
  std::string name;  // as first created
  std::vector<std::pair<std::string, RegValue>> values;  // in creation order
  std::map<std::string, RegNode> children;               // by lower-case name
};

class SimRegistry {
 public:
  // The key at a path below a root (HKLM or HKCU), names without regard to
  // case; null when absent.
  RegNode* Find(uintptr_t root, const std::string& path);
  // Creates every missing level.
  RegNode& Ensure(uintptr_t root, const std::string& path);
  void SetString(uintptr_t root, const std::string& path, const std::string& name,
                 const std::string& text);
  void SetDword(uintptr_t root, const std::string& path, const std::string& name,
                uint32_t value);
  const RegValue* Value(uintptr_t root, const std::string& path, const std::string& name);
  void Remove(uintptr_t root, const std::string& path);
  // Keys opened and not yet closed: a test can assert that none leak.
  int OpenKeyCount() const;

  RegNode hklm;
  RegNode hkcu;
  std::map<uintptr_t, RegNode*> open;
  uintptr_t nextHandle = 0x1000;
};
SimRegistry& Registry();

// ---- spooler ---------------------------------------------------------------

struct SimDriver {
  platform::DriverInfo3 info;
  // The dependent files as the spooler reads them: up to the first empty entry.
  std::vector<std::string> dependentFiles;
};

struct SimPrinter {
  platform::PrinterInfo2 info;
};

class SimSpooler {
 public:
  // The driver directory reported for each environment; created in the sim
  // file system by the test when files are to be staged there.
  std::map<std::string, std::string> driverDirectories = {
      {"Windows NT x86", "C:\\Windows\\System32\\spool\\drivers\\w32x86"},
      {"Windows x64", "C:\\Windows\\System32\\spool\\drivers\\x64"},
  };
  std::vector<SimDriver> drivers;
  std::vector<SimPrinter> printers;
  std::string defaultPrinter;
  // Files AddPrinterDriver requires in the driver directory; the sim checks
  // that each is present there, as the spooler does.
  bool requireStagedFiles = true;
  // Compare printer names without regard to case, as the spooler does.
  const SimPrinter* FindPrinter(const std::string& name) const;
  const SimDriver* FindDriver(const std::string& name, const std::string& environment) const;
  // ConfigurePortA: the parent window and the port name of each call.
  std::vector<std::pair<platform::WindowHandle, std::string>> configuredPorts;
  int openPrinterHandles = 0;
  uintptr_t nextHandle = 0x2000;
};
SimSpooler& Spooler();

// ---- shell -----------------------------------------------------------------

struct ShellLaunch {
  void* owner = nullptr;
  std::string verb;
  std::string file;
  std::string parameters;
  std::string directory;
  int show = 0;
  bool keptProcess = false;  // ShellExecuteEx with the process handle
  bool waitedFor = false;
};

class SimShell {
 public:
  std::vector<ShellLaunch> launches;
  std::map<uintptr_t, size_t> processes;  // handle -> launch index
  uintptr_t nextHandle = 0x3000;
};
SimShell& Shell();

// ---- system information, time, loader --------------------------------------

class SimSystem {
 public:
  uint16_t nativeArchitecture = platform::kProcessorArchitectureAmd64;
  platform::WindowsVersion version = {10, 0, 19045};
  uint16_t uiLanguage = 1033;
  uint32_t ansiCodePage = 1252;  // the ANSI code page; 936 has double-byte characters
  // Minutes east of UTC; local = UTC + offset.
  int32_t timeZoneOffsetMinutes = 0;
  platform::SystemTime localNow = {2024, 3, 2, 5, 7, 8, 9, 0};
  bool hasSetDefaultDllDirectories = true;
  std::string dllDirectory;  // last SetDllDirectoryA argument
  bool dllDirectorySet = false;
  uint32_t defaultDllDirectories = 0;
  std::vector<uint32_t> pauses;  // every Sleep, in milliseconds
};
SimSystem& System();

// ---- logs: debug output, message boxes, printing -----------------------------

struct SimMessageBox {
  void* owner = nullptr;
  std::string text;
  std::string caption;
  uint32_t flags = 0;
};

struct PrintOp {
  std::string op;  // "CreateDC", "StartDoc", "StartPage", "DrawText", "TextOut", ...
  std::string text;
  int32_t x = 0, y = 0;
  platform::TextRect rect;
  uint32_t format = 0;
};

class SimLogs {
 public:
  std::vector<std::string> debug;
  std::vector<SimMessageBox> messageBoxes;
  // Runs while each message box is open, after it was logged: what the user
  // can do then (the box pumps the owner's messages, as MessageBoxA does).
  std::function<void(const SimMessageBox&)> whileMessageBoxOpen;
  std::vector<PrintOp> print;
  // Printers for which CreateDC succeeds: those in the spooler.
  int openDeviceContexts = 0;
};
SimLogs& Logs();

// ---- resources of the program's module -------------------------------------

class SimResources {
 public:
  // Keyed by (id, upper-case type name): type names match without case.
  std::map<std::pair<uint32_t, std::string>, std::string> resources;
  void Put(uint32_t id, const std::string& type, std::string bytes);
};
SimResources& Resources();

// ---- USB printer interfaces ------------------------------------------------

struct UsbInterface {
  std::string devicePath;  // e.g. \\?\usb#vid_0416&pid_5011#sn0002#{28d7...}
  uint32_t flags = 1;      // SPINT_ACTIVE
  bool present = true;
};

class SimDevices {
 public:
  std::vector<UsbInterface> usbPrinters;
  // Adds a present, active interface and, when portNumber >= 0, its
  // "Port Number" under the class key, as Windows has it.
  void PlugUsbPrinter(const std::string& devicePath, int portNumber, uint32_t flags = 1);
  std::vector<void*> noticeWindows;  // windows registered for notices
  int openSets = 0;
  uintptr_t nextHandle = 0x4000;
};
SimDevices& Devices();

}  // namespace sim
