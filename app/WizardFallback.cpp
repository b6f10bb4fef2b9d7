#include "app/WizardFallback.h"

#include "common/BoundedFormat.h"
#include "common/SystemPrograms.h"
#include "platform/Shell.h"

namespace app {

std::string WizardParameters(const std::string& packageFolder, common::Architecture architecture) {
  const char* format = nullptr;
  if (architecture == common::Architecture::kX64)
    format = "printui.dll PrintUIEntry /ii /f \"%s\\Windows x64\\NLDRVx64.INF\"";
  else if (architecture == common::Architecture::kX86)
    format = "printui.dll PrintUIEntry /ii /f \"%s\\Windows NT x86\\NLDRV.INF\"";
  if (!format) return std::string();
  std::string parameters;
  // A cut path would name another file: pass nothing rather than that.
  if (!common::FormatBounded(&parameters, 1024, format, packageFolder.c_str()))
    return std::string();
  return parameters;
}

void StartDriverWizard(platform::WindowHandle owner, const std::string& packageFolder) {
  const std::string parameters = WizardParameters(packageFolder, common::QueryNativeArchitecture());
  if (parameters.empty()) return;
  // Without the system folder nothing starts, as when the launch fails.
  const std::string rundll32 = common::SystemProgramPath("rundll32.exe");
  if (rundll32.empty()) return;
  // Not waited for: the dialog stays usable while the wizard runs.
  static_cast<void>(
      platform::ShellOpen(owner, "open", rundll32, parameters, "", platform::kSwShowNormal));
}

}  // namespace app
