#include "install/PrinterInstaller.h"

#include "common/Architecture.h"
#include "common/SystemPrograms.h"
#include "platform/Shell.h"
#include "platform/SystemInfo.h"

namespace install {

int OsLevelForMajorVersion(uint32_t majorVersion) { return majorVersion < 6 ? 0 : kOsLevelVista; }

PrinterInstaller::PrinterInstaller() {
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
  *architectureName = common::ArchitectureName(common::QueryNativeArchitecture());
}

}  // namespace install
