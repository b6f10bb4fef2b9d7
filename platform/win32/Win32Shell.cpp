#include <windows.h>
#include <shellapi.h>

#include "platform/Shell.h"

namespace platform {

static LPCSTR Text(const std::string& s) { return s.empty() ? nullptr : s.c_str(); }

bool ShellOpen(WindowHandle owner, const std::string& verb, const std::string& file,
               const std::string& parameters, const std::string& directory, int show) {
  HINSTANCE rc = ShellExecuteA(static_cast<HWND>(owner), Text(verb), file.c_str(),
                               Text(parameters), Text(directory), show);
  return reinterpret_cast<INT_PTR>(rc) > 32;
}

Handle ShellLaunchKeepingProcess(const std::string& verb, const std::string& file,
                                 const std::string& parameters, int show) {
  SHELLEXECUTEINFOA info = {};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_NOCLOSEPROCESS;
  info.lpVerb = Text(verb);
  info.lpFile = file.c_str();
  info.lpParameters = Text(parameters);
  info.nShow = show;
  if (!ShellExecuteExA(&info)) return kNoHandle;
  return reinterpret_cast<Handle>(info.hProcess);
}

void WaitForProcessEnd(Handle process) {
  if (process == kNoHandle) return;
  WaitForSingleObject(reinterpret_cast<HANDLE>(process), INFINITE);
  CloseHandle(reinterpret_cast<HANDLE>(process));
}

}  // namespace platform
