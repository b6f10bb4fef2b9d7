// A Wine workaround for the 64-bit cells, run before the installer: it
// registers the KDR270 driver for "Windows NT x86" as well, from the files
// of the folder given (the package's "Windows NT x86" files).
//
// On 64-bit Windows the spooler takes the "Windows x64" driver that the
// installer registers for a printer that a 32-bit program adds. Wine's
// 32-bit AddPrinterA looks for the driver in the caller's own environment
// and fails with error 87 when it is registered only for "Windows x64".
//
// Usage: register_x86_driver <folder>. Prints "registered" or the failing
// step with its error code; exit code 0 when registered.
#include <windows.h>
// Needs <windows.h> first.
#include <winspool.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: register_x86_driver <folder>\n");
    return 2;
  }
  char environment[] = "Windows NT x86";
  char directory[MAX_PATH] = {};
  DWORD needed = 0;
  if (!GetPrinterDriverDirectoryA(nullptr, environment, 1, reinterpret_cast<BYTE*>(directory),
                                  sizeof directory, &needed)) {
    std::printf("driver directory: error %lu\n", GetLastError());
    return 1;
  }
  const char* files[] = {"KDR270.DLL", "KDR270.GPD", "UNIDRV.DLL", "UNIDRVUI.DLL",
                         "UNIRES.DLL", "UNIDRV.HLP", "TTFSUB.GPD", "STDNAMES.GPD"};
  for (const char* file : files) {
    const std::string from = std::string(argv[1]) + "\\" + file;
    const std::string to = std::string(directory) + "\\" + file;
    if (!CopyFileA(from.c_str(), to.c_str(), FALSE)) {
      std::printf("copy %s: error %lu\n", from.c_str(), GetLastError());
      return 1;
    }
  }
  // The record the installer hands over, but for this environment.
  char name[] = "KDR270";
  char driverPath[] = "uniDRV.DLL";
  char dataFile[] = "KDR270.GPD";
  char configFile[] = "uniDRVUI.DLL";
  char helpFile[] = "uniDRV.HLP";
  char dependents[] = "TTFSUB.GPD\0STDNAMES.GPD\0UNIRES.DLL\0KDR270.DLL\0";
  char dataType[] = "RAW";
  DRIVER_INFO_3A driver = {};
  driver.cVersion = 3;
  driver.pName = name;
  driver.pEnvironment = environment;
  driver.pDriverPath = driverPath;
  driver.pDataFile = dataFile;
  driver.pConfigFile = configFile;
  driver.pHelpFile = helpFile;
  driver.pDependentFiles = dependents;
  driver.pDefaultDataType = dataType;
  if (!AddPrinterDriverA(nullptr, 3, reinterpret_cast<BYTE*>(&driver))) {
    std::printf("AddPrinterDriverA: error %lu\n", GetLastError());
    return 1;
  }
  std::printf("registered\n");
  return 0;
}
