// InstallX86 and InstallX64: one procedure over the constants of the
// variant's driver environment.
#include <cctype>
#include <string>
#include <vector>

#include "common/BoundedFormat.h"
#include "install/PrinterInstaller.h"
#include "install/UniquePrinterName.h"
#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/Pause.h"
#include "platform/Spooler.h"
#include "texts/Texts.h"

namespace install {

using TextRole = const char* texts::MessageTexts::*;

struct PrinterInstaller::DriverVariant {
  const char* environment;  // driver-directory query, package subfolder, driver record
  TextRole copyFailed;
  TextRole copyFailedRunAsAdmin;
  TextRole driverFailed;
};

namespace {

// "<folder>\<name>".
std::string JoinPath(const std::string& folder, const std::string& name) {
  std::string path;
  path.reserve(folder.size() + 1 + name.size());
  path.append(folder).append(1, '\\').append(name);
  return path;
}

constexpr uint32_t kSpoolerSettleMs = 111;
constexpr uint32_t kDriverDirectorySize = 256;

// The six Unidrv files staged after the model's own DLL and GPD file.
constexpr const char* kUnidrvFiles[] = {"UNIDRV.DLL", "UNIDRVUI.DLL", "UNIRES.DLL",
                                        "UNIDRV.HLP", "TTFSUB.GPD",   "STDNAMES.GPD"};

// The dependent files as DRIVER_INFO_3 wants them: NUL-separated and ended
// by an empty entry. The newlines become NULs in place, so the text keeps
// its length and the trailing NULs are slack after the end marker.
std::string DependentFileList(const std::string& modelDll) {
  std::string list;
  common::FormatBounded(&list, modelDll.size() + 64,
                        "TTFSUB.GPD\nSTDNAMES.GPD\nUNIRES.DLL\n%s\n\n\n\n", modelDll.c_str());
  for (char& c : list)
    if (c == '\n') c = '\0';
  return list;
}

}  // namespace

bool PrinterInstaller::InstallX86(int osLevel, const std::string& portName) {
  static constexpr DriverVariant kX86 = {"Windows NT x86", &texts::MessageTexts::InstallError,
                                         &texts::MessageTexts::InstallErrorRunAsAdmin,
                                         &texts::MessageTexts::DriverInstallFailed};
  return InstallVariant(kX86, osLevel, portName);
}

bool PrinterInstaller::InstallX64(int osLevel, const std::string& portName) {
  static constexpr DriverVariant kX64 = {"Windows x64", &texts::MessageTexts::InstallErrorAntivirus,
                                         &texts::MessageTexts::InstallErrorRunAsAdminAntivirus,
                                         &texts::MessageTexts::DriverInstallFailedAntivirus};
  return InstallVariant(kX64, osLevel, portName);
}

void PrinterInstaller::ShowMessage(const std::string& text) const {
  platform::ShowMessageBox(Owner, text, texts::kWindowTitle,
                           platform::kMbOk | platform::kMbIconExclamation);
}

void PrinterInstaller::ShowSystemErrorThen(uint32_t errorCode, TextRole role) const {
  ShowMessage(platform::SystemErrorText(errorCode));
  ShowMessage(texts::MessageTextsFor(UiLanguage).*role);
}

const package::UnpackedFile* PrinterInstaller::FindUnpacked(const std::string& relativePath) const {
  return UnpackedFiles ? package::FindUnpackedFile(*UnpackedFiles, relativePath) : nullptr;
}

std::vector<std::string> PrinterInstaller::DriverFileNames() const {
  std::vector<std::string> names = {kBuiltInModel.DriverDll, kBuiltInModel.GpdFile};
  names.insert(names.end(), std::begin(kUnidrvFiles), std::end(kUnidrvFiles));
  return names;
}

bool PrinterInstaller::StageDriverFiles(const DriverVariant& variant,
                                        const std::string& driverDirectory,
                                        std::vector<std::string>* staged) const {
  std::vector<const package::UnpackedFile*> expected;
  bool allCopied = true;
  for (const std::string& name : DriverFileNames()) {
    // Relative: the package folder is the current directory.
    const std::string source = std::string(variant.environment) + "\\" + name;
    const std::string target = JoinPath(driverDirectory, name);
    // A file this run did not unpack may be a stale or planted one.
    const package::UnpackedFile* unpacked = FindUnpacked(source);
    const bool copied = unpacked && platform::CopyOneFile(source, target, false);
    if (copied) {
      staged->push_back(target);
      expected.push_back(unpacked);
    }
    allCopied = allCopied && copied;
  }
  if (!allCopied) return false;
  // The package folder is the user's: any program may have swapped a file
  // since it was unpacked. The copies lie where only administrators write,
  // so what is read back now is what the spooler will get.
  for (std::size_t i = 0; i < staged->size(); ++i)
    if (!package::FileMatchesUnpacked((*staged)[i], *expected[i])) return false;
  return true;
}

void PrinterInstaller::RemoveStagedFiles(const std::string& driverDirectory) const {
  for (const std::string& name : DriverFileNames())
    static_cast<void>(platform::RemoveFile(JoinPath(driverDirectory, name)));
}

bool PrinterInstaller::InstallVariant(const DriverVariant& variant, int osLevel,
                                      const std::string& portName) {
  const TextRole copyFailed =
      osLevel < kOsLevelVista ? variant.copyFailed : variant.copyFailedRunAsAdmin;

  char directory[kDriverDirectorySize] = {};
  const bool haveDirectory =
      platform::GetDriverDirectory(variant.environment, directory, kDriverDirectorySize);
  directory[kDriverDirectorySize - 1] = '\0';
  // Without the directory every destination would be "\<file>", the root of
  // the current drive: treat it as the copy failing.
  if (!haveDirectory || directory[0] == '\0') {
    ShowMessage(texts::MessageTextsFor(UiLanguage).*copyFailed);
    return false;
  }
  const std::string driverDirectory = directory;

  // The model's own files may be left from an earlier installation; the
  // Unidrv files are simply overwritten.
  const std::string modelDll = kBuiltInModel.DriverDll;
  const std::string modelGpd = kBuiltInModel.GpdFile;
  static_cast<void>(platform::RemoveFile(driverDirectory + "\\" + modelDll));
  static_cast<void>(platform::RemoveFile(driverDirectory + "\\" + modelGpd));

  std::vector<std::string> staged;
  if (!StageDriverFiles(variant, driverDirectory, &staged)) {
    // Nothing unchecked stays beside the spooler's drivers.
    for (const std::string& file : staged) static_cast<void>(platform::RemoveFile(file));
    ShowMessage(texts::MessageTextsFor(UiLanguage).*copyFailed);
    return false;
  }

  platform::DriverInfo3 driver;
  driver.version = 3;
  driver.name = kBuiltInModel.ModelName;
  driver.environment = variant.environment;
  driver.driverPath = "uniDRV.DLL";
  driver.dataFile = modelGpd;
  driver.configFile = "uniDRVUI.DLL";
  driver.helpFile = "uniDRV.HLP";
  driver.dependentFiles = DependentFileList(modelDll);
  driver.defaultDataType = "RAW";
  const bool driverAdded = platform::AddDriverLevel3(driver);
  const uint32_t driverError = driverAdded ? 0 : platform::LastErrorCode();
  // The spooler settles the new driver before printers may use it.
  platform::PauseMilliseconds(kSpoolerSettleMs);
  if (!driverAdded) {
    // The staged files stay: a retry overwrites them.
    ShowSystemErrorThen(driverError, variant.driverFailed);
    return false;
  }
  platform::PauseMilliseconds(kSpoolerSettleMs);

  const std::string printerName =
      UniquePrinterName(PrinterName.empty() ? kBuiltInModel.ModelName : PrinterName, UiLanguage);
  platform::PrinterInfo2 printerRecord;
  printerRecord.printerName = printerName;
  printerRecord.portName = portName;
  printerRecord.driverName = kBuiltInModel.ModelName;
  printerRecord.printProcessor = "WinPrint";
  printerRecord.datatype = "RAW";
  printerRecord.attributes = platform::kPrinterAttributeLocal;
  const platform::Handle printer = platform::AddPrinterLevel2(printerRecord);
  const uint32_t printerError = printer != platform::kNoHandle ? 0 : platform::LastErrorCode();
  platform::PauseMilliseconds(kSpoolerSettleMs);
  if (printer == platform::kNoHandle) {
    // Without a printer nothing was installed: no success, no default
    // printer, no test page. The driver stays registered and needs no files.
    ShowSystemErrorThen(printerError, &texts::MessageTexts::PrinterAddFailed);
    RemoveStagedFiles(driverDirectory);
    return false;
  }

  PrinterName = printerName;
  // Windows printer names are shorter; a longer one is cut, never overrun.
  common::FormatIntoBuffer(InstalledPrinterName, sizeof InstalledPrinterName, "%s",
                           PrinterName.c_str());
  static_cast<void>(platform::ClosePrinterHandle(printer));
  RemoveStagedFiles(driverDirectory);
  return true;
}

}  // namespace install
