// The print spooler's client interface (winspool.drv, narrow variants, local
// machine: every server name is a null pointer).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Types.h"

namespace platform {

// DRIVER_INFO_3A. An empty text goes to the spooler as a null pointer.
struct DriverInfo3 {
  uint32_t version = 0;
  std::string name;
  std::string environment;
  std::string driverPath;
  std::string dataFile;
  std::string configFile;
  std::string helpFile;
  // The NUL-separated list exactly as handed over, slack NULs included; the
  // spooler reads it up to the first empty entry.
  std::string dependentFiles;
  std::string monitorName;
  std::string defaultDataType;
};

// PRINTER_INFO_2A, the fields the system fills or reads; every other field
// is zero or a null pointer. An empty text is a null pointer.
struct PrinterInfo2 {
  std::string printerName;
  std::string portName;
  std::string driverName;
  std::string printProcessor;
  std::string datatype;
  uint32_t attributes = 0;
};

constexpr uint32_t kPrinterEnumLocal = 0x2;
constexpr uint32_t kPrinterEnumConnections = 0x4;
constexpr uint32_t kPrinterAttributeLocal = 0x40;

// GetPrinterDriverDirectoryA(NULL, environment, 1, buffer, size, &needed).
bool GetDriverDirectory(const std::string& environment, char* buffer, uint32_t size);

// AddPrinterDriverA(NULL, 3, &info). On false the last error says why.
bool AddDriverLevel3(const DriverInfo3& info);

// EnumPrintersA(flags, "", 2, ...): sized by a first call without buffer,
// then read. Appends to `printers`. False when sizing, allocating or reading
// fails.
bool EnumPrintersLevel2(uint32_t flags, std::vector<PrinterInfo2>* printers);

// AddPrinterA(NULL, 2, &info). A printer handle, or kNoHandle on failure.
Handle AddPrinterLevel2(const PrinterInfo2& info);

// ClosePrinter.
bool ClosePrinterHandle(Handle printer);

// SetDefaultPrinterA.
bool SetDefaultPrinterName(const std::string& printerName);

// ConfigurePortA(NULL, parent, portName): the port monitor's own dialog.
bool ConfigurePortDialog(WindowHandle parent, const std::string& portName);

}  // namespace platform
