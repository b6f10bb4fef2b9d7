// The shell's program launcher (shell32) and waiting on what it started.
#pragma once
#include <string>

#include "platform/Types.h"

namespace platform {

// ShellExecuteA(owner, verb, file, parameters, directory, show). An empty
// directory is a null pointer. True when the shell reports success (> 32).
bool ShellOpen(WindowHandle owner, const std::string& verb, const std::string& file,
               const std::string& parameters, const std::string& directory, int show);

// ShellExecuteExA with SEE_MASK_NOCLOSEPROCESS, no window, the given verb,
// file and parameters, no directory. The process handle, or kNoHandle when
// nothing was launched.
Handle ShellLaunchKeepingProcess(const std::string& verb, const std::string& file,
                                 const std::string& parameters, int show);

// WaitForSingleObject(process, INFINITE), then CloseHandle. Returns at once
// for kNoHandle.
void WaitForProcessEnd(Handle process);

}  // namespace platform
