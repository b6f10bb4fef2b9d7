// The installer object: which model this installer carries, which language
// its messages use, the machine's architecture, and what the printer came to
// be called.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "package/UnpackedFiles.h"
#include "platform/Types.h"
#include "texts/Texts.h"

namespace install {

// A model the driver package knows: its resource DLL, its GPD file and its
// name, which is also the name of the driver registered with the spooler.
struct ModelRow {
  const char* DriverDll;
  const char* GpdFile;
  const char* ModelName;
};

constexpr int kModelRows = 7;
inline constexpr ModelRow kModelTable[kModelRows] = {
    {"NL41.DLL", "NL41.GPD", "NL-41"},   {"NL41.DLL", "NL41C.GPD", "NL-41C"},
    {"NL63.DLL", "NL63.GPD", "NL-63"},   {"KDR270.DLL", "KDR270.GPD", "KDR270"},
    {"NL67.DLL", "NL67.GPD", "NL-67"},   {"NL52.DLL", "NL52.GPD", "NL-52"},
    {"NL52.DLL", "NL52C.GPD", "NL-52C"},
};
// The built-in model: every operation reads this row and no other.
constexpr int kBuiltInModelRow = 3;
inline constexpr const ModelRow& kBuiltInModel = kModelTable[kBuiltInModelRow];

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

  // Stage the driver files of the package folder (the current directory)
  // in the spooler's driver directory, add the driver, add a printer on
  // `portName` under a name no printer has, and remove the staged copies.
  // True when driver and printer were added; false after a failure, whose
  // message boxes have then been shown. InstallX86 is the "Windows NT x86"
  // environment, InstallX64 "Windows x64".
  bool InstallX86(int osLevel, const std::string& portName);
  bool InstallX64(int osLevel, const std::string& portName);

  // The Install button's installation: the variant for this machine, the
  // default printer when `setDefault` is non-zero, and the success message.
  // True when the printer was installed and the message shown.
  bool Install(int32_t setDefault, const std::string& portName);

  // The printer's name: before a variant, the name it makes unique (empty:
  // the model's); after one that installed, the name the printer got.
  std::string PrinterName;
  int32_t UiLanguage = 0;
  char InstalledPrinterName[256] = {};

  // The owner of every message box: the dialog sets it once its window
  // exists; until then boxes have no owner.
  platform::WindowHandle Owner = nullptr;
  // The package files this run unpacked, with the archive's size and CRC-32
  // of each, set by the extraction. Only these are staged, and each staged
  // copy must still match the archive, so neither a file left from an earlier
  // run nor one swapped in the user's folder since is installed. Null: the
  // run unpacked nothing, and nothing is staged.
  const std::vector<package::UnpackedFile>* UnpackedFiles = nullptr;

 private:
  struct DriverVariant;
  bool InstallVariant(const DriverVariant& variant, int osLevel, const std::string& portName);
  // The eight driver files in staging order: the model's DLL and GPD file,
  // then the six Unidrv files.
  std::vector<std::string> DriverFileNames() const;
  // Copies the eight files, then reads every copy back against the archive.
  // `staged` gets the copies made, whatever the result.
  bool StageDriverFiles(const DriverVariant& variant, const std::string& driverDirectory,
                        std::vector<std::string>* staged) const;
  void RemoveStagedFiles(const std::string& driverDirectory) const;
  const package::UnpackedFile* FindUnpacked(const std::string& relativePath) const;
  void ShowMessage(const std::string& text) const;
  // The system's text for `errorCode`, then the text of `role`.
  void ShowSystemErrorThen(uint32_t errorCode, const char* texts::MessageTexts::*role) const;
};

}  // namespace install
