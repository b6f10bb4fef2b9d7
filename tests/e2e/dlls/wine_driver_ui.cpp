// A printer-driver configuration DLL that bench/wine-timings.sh still puts
// in the place of the package's UNIDRVUI.DLL. It dates from when the
// development stand-in held resources only and Wine's AddPrinter, which
// calls DrvDocumentPropertySheets unchecked, crashed on it; the stand-in
// now answers itself (resources/driver/standin/StandInDriverUi.cpp), so
// this file goes once the benchmark stops swapping it in. It answers with
// the smallest device mode: the size, then a DEVMODEW that names the
// printer.
#include <windows.h>

#include <cstring>

namespace {

// The header the spooler hands to DrvDocumentPropertySheets when it wants
// no property sheet (DOCUMENTPROPERTYHEADER of the driver kit).
struct DocumentPropertyHeader {
  WORD cbSize;
  WORD Reserved;
  HANDLE hPrinter;
  LPWSTR pszPrinterName;
  PDEVMODEW pdmIn;
  PDEVMODEW pdmOut;
  DWORD cbOut;
  DWORD fMode;
};

}  // namespace

extern "C" __declspec(dllexport) LONG WINAPI
    DrvDocumentPropertySheets(void* sheetInfo, LPARAM lParam) {
  // With a property sheet to show: none is shown, nothing changes.
  if (sheetInfo != nullptr || lParam == 0) return -1;
  auto* header = reinterpret_cast<DocumentPropertyHeader*>(lParam);
  if (header->fMode == 0 || header->pdmOut == nullptr) return sizeof(DEVMODEW);
  if (header->cbOut < sizeof(DEVMODEW)) return -1;
  DEVMODEW* mode = header->pdmOut;
  std::memset(mode, 0, sizeof(DEVMODEW));
  if (header->pszPrinterName != nullptr)
    lstrcpynW(mode->dmDeviceName, header->pszPrinterName, CCHDEVICENAME);
  mode->dmSpecVersion = DM_SPECVERSION;
  mode->dmSize = sizeof(DEVMODEW);
  mode->dmFields = DM_ORIENTATION;
  mode->dmOrientation = DMORIENT_PORTRAIT;
  return IDOK;
}

extern "C" __declspec(dllexport) DWORD WINAPI
    DrvDeviceCapabilities(HANDLE, PWSTR, WORD, void*, PDEVMODEW) {
  // No capability is known: GDI_ERROR.
  return static_cast<DWORD>(-1);
}
