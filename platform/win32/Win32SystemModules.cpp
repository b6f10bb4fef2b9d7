#include "platform/win32/Win32SystemModules.h"

#include <cstring>

namespace platform {

HMODULE LoadSystemModule(const char* fileName) {
  char path[MAX_PATH] = {};
  const UINT folder = GetSystemDirectoryA(path, MAX_PATH);
  if (folder == 0 || folder >= MAX_PATH) return nullptr;
  const size_t name = std::strlen(fileName);
  if (folder + 1 + name >= MAX_PATH) return nullptr;
  path[folder] = '\\';
  std::memcpy(path + folder + 1, fileName, name + 1);
  return LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

void SetMissingEntryError(HMODULE module) {
  SetLastError(module ? ERROR_PROC_NOT_FOUND : ERROR_MOD_NOT_FOUND);
}

}  // namespace platform
