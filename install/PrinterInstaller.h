// The installer object: which model this installer carries, which language
// its messages use, the machine's architecture, and what the printer came to
// be called.
#pragma once
#include <cstdint>
#include <string>

namespace install {

constexpr int kModelRows = 7;
// The built-in model: every operation reads this row and no other.
constexpr int kBuiltInModelRow = 3;

constexpr int32_t kLanguageChinese = 2052;
constexpr int32_t kLanguageEnglish = 1033;

// The OsLevel below which failure texts are the short ones.
constexpr int kOsLevelVista = 3;

// 0 before Windows Vista (major version below 6), else 3.
int OsLevelForMajorVersion(uint32_t majorVersion);

class PrinterInstaller {
 public:
  PrinterInstaller();
  PrinterInstaller(const PrinterInstaller&) = delete;
  PrinterInstaller& operator=(const PrinterInstaller&) = delete;

  // The architecture name of the machine's own processor: "x86",
  // "Intel Itanium-based", "x64", "Unknown architecture" or "Unknown".
  // Points to a constant string.
  void DetectPlatform(const char** architectureName) const;

  std::string DriverDll[kModelRows];
  std::string GpdFile[kModelRows];
  std::string ModelName[kModelRows];
  std::string PrinterName;
  int32_t UiLanguage = 0;
  char InstalledPrinterName[256] = {};
};

}  // namespace install
