// The Windows programs the installer starts (net, rundll32), by their full
// path in the system folder. The installer runs elevated from a folder the
// user owns, with a package folder the user owns as its current directory;
// a bare name would let the shell find a program planted in either first.
#pragma once
#include <string>

namespace common {

// The system folder and `fileName` ("C:\Windows\system32\net.exe"). Empty
// when the system folder cannot be read: then nothing is to be started.
std::string SystemProgramPath(const char* fileName);

}  // namespace common
