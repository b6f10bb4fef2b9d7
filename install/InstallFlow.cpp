// Install: the variant for this machine, then the default printer and the
// success message.
#include <string>

#include "common/Architecture.h"
#include "common/BoundedFormat.h"
#include "install/PrinterInstaller.h"
#include "platform/Spooler.h"
#include "platform/SystemInfo.h"
#include "texts/Texts.h"

namespace install {
namespace {

// The success text with a printer name of up to 255 characters and a port
// name of up to 259 fits whole; anything longer is cut.
constexpr std::size_t kSuccessMessageSize = 1024;

}  // namespace

bool PrinterInstaller::Install(int32_t setDefault, const std::string& portName) {
  platform::WindowsVersion version;
  if (!platform::QueryWindowsVersion(&version)) return false;
  const int osLevel = OsLevelForMajorVersion(version.major);

  // Each run starts from the model's name, not from the last run's.
  PrinterName.clear();
  // A 32-bit program on 64-bit Windows still needs the x64 driver; every
  // other architecture gets the x86 one.
  const bool installed = common::QueryNativeArchitecture() == common::Architecture::kX64
                             ? InstallX64(osLevel, portName)
                             : InstallX86(osLevel, portName);
  if (!installed) return false;

  // SetDefaultPrinterA by name; whether it took is not the user's concern
  // here, the printer is installed either way.
  if (setDefault != 0) static_cast<void>(platform::SetDefaultPrinterName(InstalledPrinterName));

  std::string message;
  common::FormatBounded(&message, kSuccessMessageSize,
                        texts::MessageTextsFor(UiLanguage).InstallSucceeded, InstalledPrinterName,
                        portName.c_str());
  ShowMessage(message);
  return true;
}

}  // namespace install
