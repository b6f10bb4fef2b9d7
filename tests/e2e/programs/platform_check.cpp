// Checks the Windows platform layer against the real calls of the prefix it
// runs in. Usage: platform_check <expected architecture name>
#include <cstdio>
#include <cstring>
#include <string>

#include "install/PrinterInstaller.h"
#include "platform/Registry.h"
#include "platform/Spooler.h"

namespace {

int failures = 0;

void Check(bool ok, const std::string& what) {
  std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
  if (!ok) ++failures;
}

void CheckRegistryRoundTrip() {
  const std::string path = "Software\\KDR270Setup-platform-check";
  platform::RegKey key = 0;
  Check(platform::CreateRegKey(platform::kHkeyCurrentUser, path, platform::kKeyReadWrite, &key) ==
            0,
        "RegCreateKeyExA");
  const char text[] = "115200,n,8,1,p";
  Check(platform::SetRegValue(key, "COM3:", platform::kRegSz, text, sizeof text) == 0,
        "RegSetValueExA REG_SZ");
  const uint32_t port = 9100;
  Check(platform::SetRegValue(key, "PortNumber", platform::kRegDword, &port, 4) == 0,
        "RegSetValueExA REG_DWORD");
  platform::CloseRegKey(key);

  platform::RegKey reopened = 0;
  Check(platform::OpenRegKey(platform::kHkeyCurrentUser, path, platform::kKeyRead, &reopened) == 0,
        "RegOpenKeyExA");
  char buffer[64] = {};
  uint32_t size = sizeof buffer;
  uint32_t type = 0;
  Check(platform::QueryRegValue(reopened, "COM3:", &type, buffer, &size) == 0 &&
            type == platform::kRegSz && size == sizeof text && std::strcmp(buffer, text) == 0,
        "REG_SZ reads back with its terminator");
  uint32_t number = 0;
  size = 4;
  Check(platform::QueryRegValue(reopened, "PortNumber", &type, &number, &size) == 0 &&
            type == platform::kRegDword && number == 9100,
        "REG_DWORD reads back");
  char name[260] = {};
  uint32_t nameChars = sizeof name;
  char data[260] = {};
  uint32_t dataSize = sizeof data;
  Check(platform::EnumRegValue(reopened, 0, name, &nameChars, data, &dataSize) == 0 &&
            std::strcmp(name, "COM3:") == 0,
        "RegEnumValueA lists the first value");
  nameChars = sizeof name;
  dataSize = sizeof data;
  Check(platform::EnumRegValue(reopened, 2, name, &nameChars, data, &dataSize) ==
            static_cast<int32_t>(platform::kErrorNoMoreItems),
        "RegEnumValueA ends with ERROR_NO_MORE_ITEMS");
  platform::CloseRegKey(reopened);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: platform_check <expected architecture name>\n");
    return 2;
  }
  install::PrinterInstaller installer;
  const char* architecture = nullptr;
  installer.DetectPlatform(&architecture);
  Check(architecture && std::strcmp(architecture, argv[1]) == 0,
        std::string("DetectPlatform gives ") + (architecture ? architecture : "(null)"));

  CheckRegistryRoundTrip();

  for (const char* environment : {"Windows NT x86", "Windows x64"}) {
    char directory[256] = {};
    bool ok = platform::GetDriverDirectory(environment, directory, sizeof directory);
    Check(ok && directory[0] != '\0',
          std::string("GetPrinterDriverDirectoryA(") + environment + ") = " + directory);
  }
  return failures == 0 ? 0 : 1;
}
