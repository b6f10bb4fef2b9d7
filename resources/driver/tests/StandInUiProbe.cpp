// Calls the stand-in UNIDRVUI.DLL as a spooler does, under Wine, for the
// architecture it is built for: the device-mode size query, the default
// device mode, a merged input device mode, a short buffer, a property-sheet
// call, a malformed header and a capability query. Prints one line per
// fault and "ok <cases>" when there is none.
//
// Usage: standin_ui_probe <UNIDRVUI.DLL>; exit code 0 when every case holds.
#include <windows.h>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <cwchar>

#include "../standin/DocumentPropertyHeader.h"

namespace {

using DocumentPropertySheetsFn = LONG(WINAPI*)(void*, LPARAM);
using DeviceCapabilitiesFn = DWORD(WINAPI*)(HANDLE, PWSTR, WORD, void*, DEVMODEW*);

constexpr DWORD kDevModeSize = sizeof(DEVMODEW);
constexpr BYTE kFill = 0xCD;

int g_faults = 0;
int g_cases = 0;

void Expect(bool holds, const char* caseName, const char* what) {
  if (holds) return;
  std::printf("FAIL %s: %s\n", caseName, what);
  ++g_faults;
}

// An output buffer of the stand-in's size with guard bytes behind it, all
// filled, so that bytes written beyond it or left unwritten show.
struct OutBuffer {
  BYTE bytes[kDevModeSize + 16];
  OutBuffer() { std::memset(bytes, kFill, sizeof bytes); }
  DEVMODEW* Mode() { return reinterpret_cast<DEVMODEW*>(bytes); }
  bool GuardIntact() const {
    for (size_t i = kDevModeSize; i < sizeof bytes; ++i)
      if (bytes[i] != kFill) return false;
    return true;
  }
  bool Untouched() const {
    for (BYTE b : bytes)
      if (b != kFill) return false;
    return true;
  }
};

DocumentPropertyHeader Header(DEVMODEW* out, DWORD cbOut, DWORD mode, DEVMODEW* in,
                              LPWSTR printer) {
  DocumentPropertyHeader header = {};
  header.cbSize = sizeof header;
  header.pszPrinterName = printer;
  header.pdmIn = in;
  header.pdmOut = out;
  header.cbOut = cbOut;
  header.fMode = mode;
  return header;
}

DEVMODEW InputMode(DWORD fields, short orientation) {
  DEVMODEW mode = {};
  mode.dmSpecVersion = DM_SPECVERSION;
  mode.dmSize = sizeof mode;
  mode.dmFields = fields;
  mode.dmOrientation = orientation;
  return mode;
}

// The public part the stand-in writes, and zeros in every other field.
void ExpectDefaultMode(OutBuffer& buffer, const wchar_t* name, short orientation,
                       const char* caseName) {
  DEVMODEW* mode = buffer.Mode();
  Expect(std::wcscmp(mode->dmDeviceName, name) == 0, caseName, "dmDeviceName");
  Expect(mode->dmSpecVersion == DM_SPECVERSION, caseName, "dmSpecVersion");
  Expect(mode->dmSize == kDevModeSize, caseName, "dmSize");
  Expect(mode->dmDriverExtra == 0, caseName, "dmDriverExtra");
  Expect(mode->dmFields == DM_ORIENTATION, caseName, "dmFields");
  Expect(mode->dmOrientation == orientation, caseName, "dmOrientation");
  DEVMODEW expected = {};
  std::memcpy(&expected, mode, offsetof(DEVMODEW, dmPaperSize));
  Expect(std::memcmp(&expected, mode, kDevModeSize) == 0, caseName, "fields after dmOrientation");
  size_t nameEnd = (std::wcslen(name) + 1) * sizeof(WCHAR);
  const BYTE* nameBytes = reinterpret_cast<const BYTE*>(mode->dmDeviceName);
  for (size_t i = nameEnd; i < sizeof mode->dmDeviceName; ++i)
    if (nameBytes[i] != 0) {
      Expect(false, caseName, "dmDeviceName after its end");
      break;
    }
  Expect(buffer.GuardIntact(), caseName, "bytes beyond the device mode");
}

void ProbeDocumentPropertySheets(DocumentPropertySheetsFn sheets) {
  wchar_t printer[] = L"KDR270";
  {
    ++g_cases;
    DocumentPropertyHeader header = Header(nullptr, 0, 0, nullptr, printer);
    LONG size = sheets(nullptr, reinterpret_cast<LPARAM>(&header));
    Expect(size == static_cast<LONG>(kDevModeSize), "size query", "result");
    Expect(header.cbOut == kDevModeSize, "size query", "cbOut");
  }
  {
    ++g_cases;
    OutBuffer buffer;
    DocumentPropertyHeader header =
        Header(buffer.Mode(), kDevModeSize, DM_OUT_BUFFER, nullptr, printer);
    Expect(sheets(nullptr, reinterpret_cast<LPARAM>(&header)) == IDOK, "default", "result");
    ExpectDefaultMode(buffer, L"KDR270", DMORIENT_PORTRAIT, "default");
  }
  {
    ++g_cases;
    wchar_t longName[] = L"KDR270 POS receipt printer on the front desk (copy 12)";
    wchar_t cut[CCHDEVICENAME] = {};
    std::wcsncpy(cut, longName, CCHDEVICENAME - 1);
    OutBuffer buffer;
    DocumentPropertyHeader header =
        Header(buffer.Mode(), kDevModeSize, DM_OUT_BUFFER, nullptr, longName);
    Expect(sheets(nullptr, reinterpret_cast<LPARAM>(&header)) == IDOK, "long name", "result");
    ExpectDefaultMode(buffer, cut, DMORIENT_PORTRAIT, "long name");
  }
  struct MergeCase {
    const char* name;
    DWORD fields;
    short orientation;
    short expected;
  };
  const MergeCase merges[] = {
      {"input landscape", DM_ORIENTATION | DM_COPIES, DMORIENT_LANDSCAPE, DMORIENT_LANDSCAPE},
      {"input portrait", DM_ORIENTATION, DMORIENT_PORTRAIT, DMORIENT_PORTRAIT},
      {"input orientation not valid", DM_ORIENTATION, 7, DMORIENT_PORTRAIT},
      {"input orientation not in dmFields", DM_COPIES, DMORIENT_LANDSCAPE, DMORIENT_PORTRAIT},
  };
  for (const MergeCase& merge : merges) {
    ++g_cases;
    DEVMODEW input = InputMode(merge.fields, merge.orientation);
    OutBuffer buffer;
    DocumentPropertyHeader header =
        Header(buffer.Mode(), kDevModeSize, DM_IN_BUFFER | DM_OUT_BUFFER, &input, printer);
    Expect(sheets(nullptr, reinterpret_cast<LPARAM>(&header)) == IDOK, merge.name, "result");
    ExpectDefaultMode(buffer, L"KDR270", merge.expected, merge.name);
  }
  {
    ++g_cases;
    // Without DM_IN_BUFFER the input is not read.
    DEVMODEW input = InputMode(DM_ORIENTATION, DMORIENT_LANDSCAPE);
    OutBuffer buffer;
    DocumentPropertyHeader header =
        Header(buffer.Mode(), kDevModeSize, DM_OUT_BUFFER, &input, printer);
    Expect(sheets(nullptr, reinterpret_cast<LPARAM>(&header)) == IDOK, "input not asked for",
           "result");
    ExpectDefaultMode(buffer, L"KDR270", DMORIENT_PORTRAIT, "input not asked for");
  }
  {
    ++g_cases;
    OutBuffer buffer;
    DocumentPropertyHeader header =
        Header(buffer.Mode(), kDevModeSize - 1, DM_OUT_BUFFER, nullptr, printer);
    SetLastError(0);
    Expect(sheets(nullptr, reinterpret_cast<LPARAM>(&header)) == -1, "short buffer", "result");
    Expect(GetLastError() == ERROR_INSUFFICIENT_BUFFER, "short buffer", "last error");
    Expect(buffer.Untouched(), "short buffer", "buffer written");
  }
  {
    ++g_cases;
    // A property-sheet call (PROPSHEETUI_INFO): the stand-in has no pages.
    BYTE sheetInfo[64] = {};
    OutBuffer buffer;
    DocumentPropertyHeader header =
        Header(buffer.Mode(), kDevModeSize, DM_OUT_BUFFER, nullptr, printer);
    SetLastError(0);
    Expect(sheets(sheetInfo, reinterpret_cast<LPARAM>(&header)) == -1, "property sheet", "result");
    Expect(GetLastError() == ERROR_NOT_SUPPORTED, "property sheet", "last error");
    Expect(buffer.Untouched(), "property sheet", "buffer written");
  }
  {
    ++g_cases;
    SetLastError(0);
    Expect(sheets(nullptr, 0) == -1, "no header", "result");
    Expect(GetLastError() == ERROR_INVALID_PARAMETER, "no header", "last error");
    OutBuffer buffer;
    DocumentPropertyHeader header =
        Header(buffer.Mode(), kDevModeSize, DM_OUT_BUFFER, nullptr, printer);
    header.cbSize = sizeof header - 1;
    SetLastError(0);
    Expect(sheets(nullptr, reinterpret_cast<LPARAM>(&header)) == -1, "short header", "result");
    Expect(GetLastError() == ERROR_INVALID_PARAMETER, "short header", "last error");
    Expect(buffer.Untouched(), "short header", "buffer written");
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: standin_ui_probe <UNIDRVUI.DLL>\n");
    return 2;
  }
  HMODULE module = LoadLibraryA(argv[1]);
  if (module == nullptr) {
    std::printf("FAIL LoadLibrary %s: error %lu\n", argv[1], GetLastError());
    return 1;
  }
  auto sheets = reinterpret_cast<DocumentPropertySheetsFn>(
      reinterpret_cast<void*>(GetProcAddress(module, "DrvDocumentPropertySheets")));
  auto capabilities = reinterpret_cast<DeviceCapabilitiesFn>(
      reinterpret_cast<void*>(GetProcAddress(module, "DrvDeviceCapabilities")));
  Expect(sheets != nullptr, "exports", "DrvDocumentPropertySheets");
  Expect(capabilities != nullptr, "exports", "DrvDeviceCapabilities");
  if (sheets != nullptr) ProbeDocumentPropertySheets(sheets);
  if (capabilities != nullptr) {
    ++g_cases;
    wchar_t printer[] = L"KDR270";
    WORD papers[64] = {};
    Expect(capabilities(nullptr, printer, DC_PAPERS, papers, nullptr) == GDI_ERROR, "capabilities",
           "DC_PAPERS");
    Expect(capabilities(nullptr, printer, DC_FIELDS, nullptr, nullptr) == GDI_ERROR, "capabilities",
           "DC_FIELDS");
  }
  if (!FreeLibrary(module)) Expect(false, "FreeLibrary", "failed");
  if (g_faults != 0) return 1;
  std::printf("ok %d cases\n", g_cases);
  return 0;
}
