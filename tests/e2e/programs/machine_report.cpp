// Prints what the prefix's spooler holds, as lines a shell case can grep:
//
//   printer [<name>] port [<port>] driver [<driver>]
//   driver [<name>] env [<environment>] version <n> data [<file>]
//   driver-file [<name>] env [<environment>] [<file name>] present|missing
//   default [<name>]                 (or "default none")
//   package-folder [<path>] entries <n>
//   package-entry [<relative path>]
//
// Names print in UTF-8 inside brackets (the wide calls are used, so Chinese
// names compare whatever the code page). The driver lines cover both
// environments; each file of a driver record (driver, data, config, help and
// dependent files) is looked up where the spooler says it is.
#include <windows.h>
// Needs <windows.h> first.
#include <fcntl.h>
#include <io.h>
#include <winspool.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string Utf8(const wchar_t* text) {
  if (text == nullptr || *text == L'\0') return std::string();
  const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n > 0 ? n - 1 : 0), '\0');
  if (n > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, &out[0], n, nullptr, nullptr);
  return out;
}

std::string Quoted(const wchar_t* text) { return "[" + Utf8(text) + "]"; }
std::string Quoted(const std::wstring& text) { return Quoted(text.c_str()); }

void Line(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
}

std::wstring BaseName(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

void ReportPrinters() {
  DWORD needed = 0, count = 0;
  EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed + 4);
  if (!EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 2, buffer.data(), needed, &needed, &count)) {
    Line("printers unreadable " + std::to_string(GetLastError()));
    return;
  }
  const auto* printers = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
  for (DWORD i = 0; i < count; ++i)
    Line("printer " + Quoted(printers[i].pPrinterName) + " port " + Quoted(printers[i].pPortName) +
         " driver " + Quoted(printers[i].pDriverName));
}

void ReportFile(const std::string& prefix, const wchar_t* path) {
  if (path == nullptr || *path == L'\0') return;
  const bool present = GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
  Line(prefix + " " + Quoted(BaseName(path)) + (present ? " present" : " missing"));
}

void ReportDrivers(const wchar_t* environment) {
  DWORD needed = 0, count = 0;
  EnumPrinterDriversW(nullptr, const_cast<wchar_t*>(environment), 3, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed + 4);
  if (!EnumPrinterDriversW(nullptr, const_cast<wchar_t*>(environment), 3, buffer.data(), needed,
                           &needed, &count)) {
    Line("drivers unreadable " + Quoted(environment) + " " + std::to_string(GetLastError()));
    return;
  }
  const auto* drivers = reinterpret_cast<const DRIVER_INFO_3W*>(buffer.data());
  for (DWORD i = 0; i < count; ++i) {
    const DRIVER_INFO_3W& d = drivers[i];
    const std::string name = Quoted(d.pName);
    // The environment asked for: some spoolers leave the record's empty.
    const std::string env = Quoted(environment);
    Line("driver " + name + " env " + env + " version " + std::to_string(d.cVersion) + " data " +
         Quoted(BaseName(d.pDataFile ? d.pDataFile : L"")));
    const std::string prefix = "driver-file " + name + " env " + env;
    ReportFile(prefix, d.pDriverPath);
    ReportFile(prefix, d.pDataFile);
    ReportFile(prefix, d.pConfigFile);
    ReportFile(prefix, d.pHelpFile);
    for (const wchar_t* f = d.pDependentFiles; f != nullptr && *f != L'\0'; f += lstrlenW(f) + 1)
      ReportFile(prefix, f);
  }
}

void ReportDefault() {
  wchar_t name[512] = {};
  DWORD size = sizeof name / sizeof name[0];
  if (GetDefaultPrinterW(name, &size))
    Line("default " + Quoted(name));
  else
    Line("default none");
}

void ListFolder(const std::wstring& folder, const std::wstring& relative, int* count) {
  WIN32_FIND_DATAW found;
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    const std::wstring path = relative.empty() ? name : relative + L"\\" + name;
    ++*count;
    Line("package-entry " + Quoted(path));
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      ListFolder(folder + L"\\" + name, path, count);
  } while (FindNextFileW(find, &found));
  FindClose(find);
}

void ReportPackageFolder() {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"Vey2020";
  if (GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES) {
    Line("package-folder " + Quoted(folder) + " absent");
    return;
  }
  int count = 0;
  ListFolder(folder, L"", &count);
  Line("package-folder " + Quoted(folder) + " entries " + std::to_string(count));
}

}  // namespace

int main() {
  _setmode(_fileno(stdout), _O_BINARY);
  ReportPrinters();
  ReportDrivers(L"Windows NT x86");
  ReportDrivers(L"Windows x64");
  ReportDefault();
  ReportPackageFolder();
  std::fflush(stdout);
  return 0;
}
