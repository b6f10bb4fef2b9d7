// DLLs that Windows may take from the program's own folder when they are
// imported: the program runs elevated from a folder the user owns, so these
// are loaded at run time from the system folder by full path. The static
// imports are decided in cmake/Windows.cmake (Known DLLs only).
#pragma once
#include <windows.h>

namespace platform {

// `fileName` ("winspool.drv") from the system folder, by full path, with
// LOAD_WITH_ALTERED_SEARCH_PATH so that its own imports are looked for
// beside it, not in the program's folder. Never freed. Null when the system
// folder cannot be read or the module cannot be loaded.
HMODULE LoadSystemModule(const char* fileName);

// The entry `name` of `module` as a function of type Fn; null when the
// module is null or lacks the entry.
template <typename Fn>
Fn ModuleEntry(HMODULE module, const char* name) {
  if (!module) return nullptr;
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// For a call whose DLL or entry is missing: the last error then says so
// (ERROR_MOD_NOT_FOUND or ERROR_PROC_NOT_FOUND), for callers that report it.
void SetMissingEntryError(HMODULE module);

// True when `entry` of `module` can be called; otherwise the last error is
// set as above and the caller fails the call.
template <typename Fn>
bool CanCall(Fn entry, HMODULE module) {
  if (entry != nullptr) return true;
  SetMissingEntryError(module);
  return false;
}

}  // namespace platform
