// The fallback for users whose installation failed: the system's Add
// Printer Driver wizard on the INF file of the unpacked package.
#pragma once
#include <cstdint>
#include <string>

#include "platform/Types.h"

namespace app {

constexpr uint32_t kArchitectureX86 = 0;
constexpr uint32_t kArchitectureIa64 = 6;
constexpr uint32_t kArchitectureX64 = 9;
constexpr uint32_t kArchitectureOther = 0xFFFF;

// The machine's own processor (not that of the emulation a 32-bit process
// runs in): 0, 6 or 9, and 0xFFFF for any other. Always true.
bool QueryNativeArchitecture(uint32_t* code);

// The parameters for rundll32 that start the wizard on the package's INF
// file for `architecture`, the INF path in double quotes so a folder with
// blanks is passed whole. Empty for a processor without a package (6, 0xFFFF)
// or when the command would not fit in 1024 bytes.
std::string WizardParameters(const std::string& packageFolder, uint32_t architecture);

// Starts the wizard for the machine's architecture on the package in
// `packageFolder` (without trailing separator), owned by `owner`, and does
// not wait for it. Does nothing for other processors.
void StartDriverWizard(platform::WindowHandle owner, const std::string& packageFolder);

}  // namespace app
