#include <windows.h>

#include "platform/DebugOutput.h"
#include "platform/Errors.h"
#include "platform/MessageBox.h"
#include "platform/Pause.h"
#include "platform/Resources.h"
#include "platform/SystemInfo.h"

namespace platform {

uint16_t NativeProcessorArchitecture() {
  SYSTEM_INFO info = {};
  GetNativeSystemInfo(&info);
  return info.wProcessorArchitecture;
}

bool QueryWindowsVersion(WindowsVersion* version) {
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof(info);
  if (!GetVersionExA(&info)) return false;
  version->major = info.dwMajorVersion;
  version->minor = info.dwMinorVersion;
  version->build = info.dwBuildNumber;
  return true;
}

uint16_t UserDefaultUiLanguage() { return GetUserDefaultUILanguage(); }

// An entry of kernel32, which every process has loaded: GetModuleHandleA
// only looks among the loaded modules and loads nothing.
template <typename Fn>
static Fn Kernel32Function(const char* name) {
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  return kernel ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(kernel, name)))
                : nullptr;
}

bool SetDllSearchDirectory(const char* path) {
  // Not imported: Windows XP has it only from SP1 on, and a missing import
  // would keep the program from starting at all.
  auto fn = Kernel32Function<BOOL(WINAPI*)(LPCSTR)>("SetDllDirectoryA");
  return fn && fn(path);
}

bool SetDefaultDllSearchDirectories(uint32_t flags) {
  auto fn = Kernel32Function<BOOL(WINAPI*)(DWORD)>("SetDefaultDllDirectories");
  return fn && fn(flags);
}

bool SystemFolder(std::string* folder) {
  char buffer[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryA(buffer, sizeof buffer);
  if (length == 0 || length >= sizeof buffer) return false;
  folder->assign(buffer, length);
  return true;
}

void PauseMilliseconds(uint32_t milliseconds) { Sleep(milliseconds); }

void WriteDebugLine(const std::string& text) { OutputDebugStringA(text.c_str()); }

uint32_t LastErrorCode() { return GetLastError(); }

std::string SystemErrorText(uint32_t code) {
  LPSTR buffer = nullptr;
  DWORD n = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0x400, reinterpret_cast<LPSTR>(&buffer), 0, nullptr);
  std::string text = (n && buffer) ? std::string(buffer, n) : std::string();
  if (buffer) LocalFree(buffer);
  return text;
}

int ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                   uint32_t flags) {
  return MessageBoxA(static_cast<HWND>(owner), text.c_str(), caption.c_str(), flags);
}

bool LoadModuleResource(uint32_t id, const std::string& type, const uint8_t** data,
                        uint32_t* size) {
  HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), type.c_str());
  if (!found) return false;
  HGLOBAL loaded = LoadResource(nullptr, found);
  if (!loaded) return false;
  const void* bytes = LockResource(loaded);
  if (!bytes) return false;
  *data = static_cast<const uint8_t*>(bytes);
  *size = SizeofResource(nullptr, found);
  return true;
}

}  // namespace platform
