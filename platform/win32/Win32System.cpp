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

bool SetDllSearchDirectory(const char* path) { return SetDllDirectoryA(path) != FALSE; }

bool SetDefaultDllSearchDirectories(uint32_t flags) {
  using Fn = BOOL(WINAPI*)(DWORD);
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  auto fn = kernel ? reinterpret_cast<Fn>(
                         reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")))
                   : nullptr;
  return fn && fn(flags);
}

void PauseMilliseconds(uint32_t milliseconds) { Sleep(milliseconds); }

void WriteDebugLine(const std::string& text) { OutputDebugStringA(text.c_str()); }

uint32_t LastErrorCode() { return GetLastError(); }

std::string SystemErrorText(uint32_t code) {
  LPSTR buffer = nullptr;
  DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                               FORMAT_MESSAGE_IGNORE_INSERTS,
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
