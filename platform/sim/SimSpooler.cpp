#include <cstring>

#include "platform/Spooler.h"
#include "platform/sim/SimCore.h"
#include "platform/sim/SimFiles.h"
#include "platform/sim/SimMachine.h"

namespace sim {
namespace {

bool SameText(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

std::vector<std::string> ReadMultiString(const std::string& list) {
  std::vector<std::string> names;
  size_t start = 0;
  while (start < list.size()) {
    size_t end = list.find('\0', start);
    if (end == std::string::npos) end = list.size();
    if (end == start) break;  // the empty entry ends the list
    names.push_back(list.substr(start, end - start));
    start = end + 1;
  }
  return names;
}

}  // namespace

SimSpooler& Spooler() { return ServiceInstance<SimSpooler>(); }

const SimPrinter* SimSpooler::FindPrinter(const std::string& name) const {
  for (const auto& p : printers)
    if (SameText(p.info.printerName, name)) return &p;
  return nullptr;
}

const SimDriver* SimSpooler::FindDriver(const std::string& name,
                                        const std::string& environment) const {
  for (const auto& d : drivers)
    if (SameText(d.info.name, name) && SameText(d.info.environment, environment)) return &d;
  return nullptr;
}

}  // namespace sim

namespace platform {

using sim::Spooler;

bool GetDriverDirectory(const std::string& environment, char* buffer, uint32_t size) {
  if (!sim::Enter("GetPrinterDriverDirectoryA")) return false;
  auto it = Spooler().driverDirectories.find(environment);
  if (it == Spooler().driverDirectories.end()) {
    sim::SetLastError(kErrorInvalidParameter);  // ERROR_INVALID_ENVIRONMENT is close enough
    return false;
  }
  if (it->second.size() + 1 > size) {
    sim::SetLastError(kErrorInsufficientBuffer);
    return false;
  }
  std::memcpy(buffer, it->second.c_str(), it->second.size() + 1);
  return true;
}

bool AddDriverLevel3(const DriverInfo3& info) {
  if (!sim::Enter("AddPrinterDriverA")) return false;
  auto dirIt = Spooler().driverDirectories.find(info.environment);
  if (info.version != 3 || info.name.empty() || dirIt == Spooler().driverDirectories.end()) {
    sim::SetLastError(kErrorInvalidParameter);
    return false;
  }
  sim::SimDriver driver;
  driver.info = info;
  driver.dependentFiles = sim::ReadMultiString(info.dependentFiles);
  if (Spooler().requireStagedFiles) {
    std::vector<std::string> files = {info.driverPath, info.dataFile, info.configFile,
                                      info.helpFile};
    files.insert(files.end(), driver.dependentFiles.begin(), driver.dependentFiles.end());
    for (const auto& f : files) {
      if (f.empty()) continue;
      // The spooler looks on its own, not through the program's logged calls.
      if (!sim::Files().Exists(dirIt->second + "\\" + f)) {
        sim::SetLastError(kErrorFileNotFound);
        return false;
      }
    }
  }
  for (auto& d : Spooler().drivers) {
    if (sim::SameText(d.info.name, info.name) &&
        sim::SameText(d.info.environment, info.environment)) {
      d = driver;
      return true;
    }
  }
  Spooler().drivers.push_back(driver);
  return true;
}

bool EnumPrintersLevel2(uint32_t flags, std::vector<PrinterInfo2>* printers) {
  if (!sim::Enter("EnumPrintersA")) return false;
  if ((flags & (kPrinterEnumLocal | kPrinterEnumConnections)) == 0) return true;
  for (const auto& p : Spooler().printers) printers->push_back(p.info);
  return true;
}

Handle AddPrinterLevel2(const PrinterInfo2& info) {
  if (!sim::Enter("AddPrinterA")) return kNoHandle;
  if (info.printerName.empty() || info.portName.empty()) {
    sim::SetLastError(kErrorInvalidParameter);
    return kNoHandle;
  }
  if (Spooler().FindPrinter(info.printerName)) {
    sim::SetLastError(kErrorPrinterAlreadyExists);
    return kNoHandle;
  }
  bool haveDriver = false;
  for (const auto& d : Spooler().drivers)
    if (sim::SameText(d.info.name, info.driverName)) haveDriver = true;
  if (!haveDriver) {
    sim::SetLastError(kErrorUnknownPrinterDriver);
    return kNoHandle;
  }
  Spooler().printers.push_back({info});
  ++Spooler().openPrinterHandles;
  return Spooler().nextHandle++;
}

bool ClosePrinterHandle(Handle printer) {
  if (!sim::Enter("ClosePrinter")) return false;
  if (printer == kNoHandle) {
    sim::SetLastError(kErrorInvalidHandle);
    return false;
  }
  --Spooler().openPrinterHandles;
  return true;
}

bool SetDefaultPrinterName(const std::string& printerName) {
  if (!sim::Enter("SetDefaultPrinterA")) return false;
  const sim::SimPrinter* p = Spooler().FindPrinter(printerName);
  if (!p) {
    sim::SetLastError(kErrorInvalidParameter);
    return false;
  }
  Spooler().defaultPrinter = p->info.printerName;
  return true;
}

bool ConfigurePortDialog(WindowHandle parent, const std::string& portName) {
  if (!sim::Enter("ConfigurePortA")) return false;
  Spooler().configuredPorts.emplace_back(parent, portName);
  return true;
}

}  // namespace platform
