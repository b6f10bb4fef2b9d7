// The fallback for users whose installation failed: the system's Add
// Printer Driver wizard on the INF file of the unpacked package.
#pragma once
#include <string>

#include "common/Architecture.h"
#include "platform/Types.h"

namespace app {

// The parameters for rundll32 that start the wizard on the package's INF
// file for `architecture`, the INF path in double quotes so a folder with
// blanks is passed whole. Empty for a processor without a package (anything
// but x86 and x64) or when the command would not fit in 1024 bytes.
std::string WizardParameters(const std::string& packageFolder, common::Architecture architecture);

// Starts the wizard for the machine's architecture on the package in
// `packageFolder` (without trailing separator), owned by `owner`, and does
// not wait for it. Does nothing for other processors.
void StartDriverWizard(platform::WindowHandle owner, const std::string& packageFolder);

}  // namespace app
