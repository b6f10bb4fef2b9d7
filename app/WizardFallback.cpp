#include "app/WizardFallback.h"

#include "common/BoundedFormat.h"
#include "common/SystemPrograms.h"
#include "platform/Shell.h"
#include "platform/SystemInfo.h"

namespace app {

bool QueryNativeArchitecture(uint32_t* code) {
  switch (platform::NativeProcessorArchitecture()) {
    case platform::kProcessorArchitectureIntel:
      *code = kArchitectureX86;
      break;
    case platform::kProcessorArchitectureIa64:
      *code = kArchitectureIa64;
      break;
    case platform::kProcessorArchitectureAmd64:
      *code = kArchitectureX64;
      break;
    default:
      *code = kArchitectureOther;
      break;
  }
  return true;
}

std::string WizardParameters(const std::string& packageFolder, uint32_t architecture) {
  const char* format = nullptr;
  if (architecture == kArchitectureX64)
    format = "printui.dll PrintUIEntry /ii /f \"%s\\Windows x64\\NLDRVx64.INF\"";
  else if (architecture == kArchitectureX86)
    format = "printui.dll PrintUIEntry /ii /f \"%s\\Windows NT x86\\NLDRV.INF\"";
  if (!format) return std::string();
  std::string parameters;
  // A cut path would name another file: pass nothing rather than that.
  if (!common::FormatBounded(&parameters, 1024, format, packageFolder.c_str()))
    return std::string();
  return parameters;
}

void StartDriverWizard(platform::WindowHandle owner, const std::string& packageFolder) {
  uint32_t architecture = kArchitectureOther;
  QueryNativeArchitecture(&architecture);
  const std::string parameters = WizardParameters(packageFolder, architecture);
  if (parameters.empty()) return;
  // Without the system folder nothing starts, as when the launch fails.
  const std::string rundll32 = common::SystemProgramPath("rundll32.exe");
  if (rundll32.empty()) return;
  // Not waited for: the dialog stays usable while the wizard runs.
  static_cast<void>(
      platform::ShellOpen(owner, "open", rundll32, parameters, "", platform::kSwShowNormal));
}

}  // namespace app
