// The code of the development stand-in UNIDRVUI.DLL: the two entry points a
// spooler calls in a driver's configuration module when it wants no
// property sheet. Wine's AddPrinter builds a new printer's default device
// mode through DrvDocumentPropertySheets and calls it without checking that
// the module exports it, so a resource-only stand-in crashes the caller.
// This one answers with the public DEVMODEW alone (portrait, no private
// part) and knows no device capability. It cannot drive a printer: a
// release packages the genuine module (KDR_UNIDRV_DIR).
//
// Linked without the C runtime (-nostdlib, kernel32 only): no memset, no
// string functions, no static constructors.
#include <windows.h>

#include <cstddef>

#include "DocumentPropertyHeader.h"

namespace {

// The stand-in has no private device-mode part.
constexpr DWORD kDevModeSize = sizeof(DEVMODEW);
// Failure of a property-sheet function: the reason is in GetLastError
// (ERR_CPSUI_GETLASTERROR).
constexpr LONG kFailedSeeLastError = -1;

void ClearBytes(void* target, DWORD count) {
  BYTE* bytes = static_cast<BYTE*>(target);
  for (DWORD i = 0; i < count; ++i) bytes[i] = 0;
}

// Copies at most capacity - 1 characters and always ends the text.
void CopyName(WCHAR* target, DWORD capacity, const WCHAR* source) {
  DWORD i = 0;
  if (source != nullptr)
    for (; i + 1 < capacity && source[i] != 0; ++i) target[i] = source[i];
  target[i] = 0;
}

// The orientation is the one setting the stand-in keeps: taken from an
// input device mode that holds a valid one, else portrait.
bool HasValidOrientation(const DEVMODEW* mode) {
  constexpr DWORD kNeeded = offsetof(DEVMODEW, dmOrientation) + sizeof(mode->dmOrientation);
  return mode != nullptr && mode->dmSize >= kNeeded && (mode->dmFields & DM_ORIENTATION) != 0 &&
         (mode->dmOrientation == DMORIENT_PORTRAIT || mode->dmOrientation == DMORIENT_LANDSCAPE);
}

void WriteDevMode(DEVMODEW* mode, const WCHAR* printerName, const DEVMODEW* input) {
  ClearBytes(mode, kDevModeSize);
  CopyName(mode->dmDeviceName, CCHDEVICENAME, printerName);
  mode->dmSpecVersion = DM_SPECVERSION;
  mode->dmSize = kDevModeSize;
  mode->dmDriverExtra = 0;
  mode->dmFields = DM_ORIENTATION;
  mode->dmOrientation = HasValidOrientation(input) ? input->dmOrientation : DMORIENT_PORTRAIT;
}

}  // namespace

// The loader's entry: nothing to set up or tear down.
extern "C" BOOL WINAPI StandInDriverUiEntry(HINSTANCE, DWORD, LPVOID) { return TRUE; }

extern "C" __declspec(dllexport) LONG WINAPI
    DrvDocumentPropertySheets(void* propSheetUiInfo, LPARAM lParam) {
  // Called through the common property-sheet UI: the stand-in has no pages.
  if (propSheetUiInfo != nullptr) {
    SetLastError(ERROR_NOT_SUPPORTED);
    return kFailedSeeLastError;
  }
  auto* header = reinterpret_cast<DocumentPropertyHeader*>(lParam);
  if (header == nullptr || header->cbSize < sizeof(DocumentPropertyHeader)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return kFailedSeeLastError;
  }
  // The size query: the size goes into cbOut as well as the result, which
  // the caller's DocumentProperties compares.
  if (header->fMode == 0 || header->pdmOut == nullptr) {
    header->cbOut = kDevModeSize;
    return static_cast<LONG>(kDevModeSize);
  }
  if ((header->fMode & DM_OUT_BUFFER) != 0) {
    if (header->cbOut < kDevModeSize) {
      SetLastError(ERROR_INSUFFICIENT_BUFFER);
      return kFailedSeeLastError;
    }
    const DEVMODEW* input = (header->fMode & DM_IN_BUFFER) != 0 ? header->pdmIn : nullptr;
    WriteDevMode(header->pdmOut, header->pszPrinterName, input);
  }
  return IDOK;
}

extern "C" __declspec(dllexport) DWORD WINAPI
    DrvDeviceCapabilities(HANDLE, PWSTR, WORD, void*, DEVMODEW*) {
  SetLastError(ERROR_NOT_SUPPORTED);
  return GDI_ERROR;
}
