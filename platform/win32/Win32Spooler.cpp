#include <windows.h>
#include <winspool.h>

#include <memory>
#include <new>
#include <vector>

#include "platform/Spooler.h"
#include "platform/win32/Win32SystemModules.h"

namespace platform {
namespace {

// winspool.drv is no Known DLL: loaded from the system folder on first use.
struct Winspool {
  HMODULE module = nullptr;
  decltype(&GetPrinterDriverDirectoryA) getPrinterDriverDirectory = nullptr;
  decltype(&AddPrinterDriverA) addPrinterDriver = nullptr;
  decltype(&EnumPrintersA) enumPrinters = nullptr;
  decltype(&AddPrinterA) addPrinter = nullptr;
  decltype(&ClosePrinter) closePrinter = nullptr;
  decltype(&SetDefaultPrinterA) setDefaultPrinter = nullptr;
  decltype(&ConfigurePortA) configurePort = nullptr;
};

const Winspool& Spool() {
  static const Winspool spool = [] {
    Winspool w;
    w.module = LoadSystemModule("winspool.drv");
    w.getPrinterDriverDirectory =
        ModuleEntry<decltype(w.getPrinterDriverDirectory)>(w.module, "GetPrinterDriverDirectoryA");
    w.addPrinterDriver = ModuleEntry<decltype(w.addPrinterDriver)>(w.module, "AddPrinterDriverA");
    w.enumPrinters = ModuleEntry<decltype(w.enumPrinters)>(w.module, "EnumPrintersA");
    w.addPrinter = ModuleEntry<decltype(w.addPrinter)>(w.module, "AddPrinterA");
    w.closePrinter = ModuleEntry<decltype(w.closePrinter)>(w.module, "ClosePrinter");
    w.setDefaultPrinter =
        ModuleEntry<decltype(w.setDefaultPrinter)>(w.module, "SetDefaultPrinterA");
    w.configurePort = ModuleEntry<decltype(w.configurePort)>(w.module, "ConfigurePortA");
    return w;
  }();
  return spool;
}

template <typename Fn>
bool Have(Fn entry) {
  return CanCall(entry, Spool().module);
}

}  // namespace

// An empty text goes to the spooler as a null pointer.
static LPSTR Text(const std::string& s) {
  return s.empty() ? nullptr : const_cast<LPSTR>(s.c_str());
}

bool GetDriverDirectory(const std::string& environment, char* buffer, uint32_t size) {
  DWORD needed = 0;
  if (!Have(Spool().getPrinterDriverDirectory)) return false;
  return Spool().getPrinterDriverDirectory(nullptr, Text(environment), 1,
                                           reinterpret_cast<LPBYTE>(buffer), size,
                                           &needed) != FALSE;
}

bool AddDriverLevel3(const DriverInfo3& info) {
  DRIVER_INFO_3A record = {};
  record.cVersion = info.version;
  record.pName = Text(info.name);
  record.pEnvironment = Text(info.environment);
  record.pDriverPath = Text(info.driverPath);
  record.pDataFile = Text(info.dataFile);
  record.pConfigFile = Text(info.configFile);
  record.pHelpFile = Text(info.helpFile);
  record.pDependentFiles =
      info.dependentFiles.empty() ? nullptr : const_cast<LPSTR>(info.dependentFiles.data());
  record.pMonitorName = Text(info.monitorName);
  record.pDefaultDataType = Text(info.defaultDataType);
  if (!Have(Spool().addPrinterDriver)) return false;
  return Spool().addPrinterDriver(nullptr, 3, reinterpret_cast<LPBYTE>(&record)) != FALSE;
}

bool EnumPrintersLevel2(uint32_t flags, std::vector<PrinterInfo2>* printers) {
  char name[1] = {0};
  DWORD needed = 0;
  DWORD count = 0;
  // Sized by a call without buffer: it succeeds only when there is nothing
  // to list, and otherwise fails with ERROR_INSUFFICIENT_BUFFER.
  const auto enumPrinters = Spool().enumPrinters;
  if (!Have(enumPrinters)) return false;
  if (enumPrinters(flags, name, 2, nullptr, 0, &needed, &count)) return true;
  if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed == 0) return false;
  // An allocation that fails skips the enumeration instead of throwing.
  const DWORD size = needed + 4;
  std::unique_ptr<BYTE[]> buffer(new (std::nothrow) BYTE[size]);
  if (!buffer || !enumPrinters(flags, name, 2, buffer.get(), size, &needed, &count)) return false;
  const auto* entries = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.get());
  for (DWORD i = 0; i < count; ++i) {
    PrinterInfo2 p;
    p.printerName = entries[i].pPrinterName ? entries[i].pPrinterName : "";
    p.portName = entries[i].pPortName ? entries[i].pPortName : "";
    p.driverName = entries[i].pDriverName ? entries[i].pDriverName : "";
    p.printProcessor = entries[i].pPrintProcessor ? entries[i].pPrintProcessor : "";
    p.datatype = entries[i].pDatatype ? entries[i].pDatatype : "";
    p.attributes = entries[i].Attributes;
    printers->push_back(p);
  }
  return true;
}

Handle AddPrinterLevel2(const PrinterInfo2& info) {
  PRINTER_INFO_2A record = {};
  record.pPrinterName = Text(info.printerName);
  record.pPortName = Text(info.portName);
  record.pDriverName = Text(info.driverName);
  record.pPrintProcessor = Text(info.printProcessor);
  record.pDatatype = Text(info.datatype);
  record.Attributes = info.attributes;
  if (!Have(Spool().addPrinter)) return kNoHandle;
  return reinterpret_cast<Handle>(
      Spool().addPrinter(nullptr, 2, reinterpret_cast<LPBYTE>(&record)));
}

bool ClosePrinterHandle(Handle printer) {
  if (!Have(Spool().closePrinter)) return false;
  return Spool().closePrinter(reinterpret_cast<HANDLE>(printer)) != FALSE;
}

bool SetDefaultPrinterName(const std::string& printerName) {
  if (!Have(Spool().setDefaultPrinter)) return false;
  return Spool().setDefaultPrinter(printerName.c_str()) != FALSE;
}

bool ConfigurePortDialog(WindowHandle parent, const std::string& portName) {
  if (!Have(Spool().configurePort)) return false;
  return Spool().configurePort(nullptr, static_cast<HWND>(parent),
                               const_cast<LPSTR>(portName.c_str())) != FALSE;
}

}  // namespace platform
