// Planted under the name of a system DLL (winspool.drv, comctl32.dll,
// setupapi.dll) where the installer must not look: when anything loads it,
// it appends its own path to the file named by KDR_PLANTED_LOG.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  char log[MAX_PATH] = {};
  if (GetEnvironmentVariableA("KDR_PLANTED_LOG", log, sizeof log) == 0) return TRUE;
  char line[MAX_PATH + 2] = {};
  DWORD n = GetModuleFileNameA(self, line, MAX_PATH);
  line[n++] = '\r';
  line[n++] = '\n';
  HANDLE file = CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return TRUE;
  DWORD written = 0;
  WriteFile(file, line, n, &written, nullptr);
  CloseHandle(file);
  return TRUE;
}
