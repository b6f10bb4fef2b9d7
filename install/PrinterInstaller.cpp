#include "install/PrinterInstaller.h"

#include "common/SystemPrograms.h"
#include "platform/Shell.h"
#include "platform/SystemInfo.h"

namespace install {
namespace {

struct ModelRow {
  const char* driverDll;
  const char* gpdFile;
  const char* modelName;
};

constexpr ModelRow kModelTable[kModelRows] = {
    {"NL41.DLL", "NL41.GPD", "NL-41"},   {"NL41.DLL", "NL41C.GPD", "NL-41C"},
    {"NL63.DLL", "NL63.GPD", "NL-63"},   {"KDR270.DLL", "KDR270.GPD", "KDR270"},
    {"NL67.DLL", "NL67.GPD", "NL-67"},   {"NL52.DLL", "NL52.GPD", "NL-52"},
    {"NL52.DLL", "NL52C.GPD", "NL-52C"},
};

}  // namespace

int OsLevelForMajorVersion(uint32_t majorVersion) { return majorVersion < 6 ? 0 : kOsLevelVista; }

PrinterInstaller::PrinterInstaller() {
  for (int row = 0; row < kModelRows; ++row) {
    DriverDll[row] = kModelTable[row].driverDll;
    GpdFile[row] = kModelTable[row].gpdFile;
    ModelName[row] = kModelTable[row].modelName;
  }
  // Fire and forget: the spooler may be stopped on a fresh machine, and
  // nothing here depends on whether the request worked. Without the system
  // folder nothing is started, as when the launch fails.
  const std::string net = common::SystemProgramPath("net.exe");
  if (!net.empty())
    static_cast<void>(
        platform::ShellOpen(nullptr, "open", net, "start spooler", "", platform::kSwHide));
  UiLanguage = static_cast<int32_t>(platform::UserDefaultUiLanguage());
}

void PrinterInstaller::DetectPlatform(const char** architectureName) const {
  switch (platform::NativeProcessorArchitecture()) {
    case platform::kProcessorArchitectureIntel:
      *architectureName = "x86";
      break;
    case platform::kProcessorArchitectureIa64:
      *architectureName = "Intel Itanium-based";
      break;
    case platform::kProcessorArchitectureAmd64:
      *architectureName = "x64";
      break;
    case platform::kProcessorArchitectureUnknown:
      *architectureName = "Unknown architecture";
      break;
    default:
      *architectureName = "Unknown";
      break;
  }
}

}  // namespace install
