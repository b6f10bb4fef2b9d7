// Stands in for a program that a case watches (net.exe, net.com,
// rundll32.exe, in the system folder or planted elsewhere): it appends one
// line "<its own path>|<its command line>" to the file named by
// KDR_LAUNCH_LOG, so a case sees which copy ran and with what.
//   launch_recorder --system-folder  prints the folder where this process's
//       system programs live (SysWOW64 for a 32-bit process on 64-bit
//       Windows), for the case to put stand-ins there;
//   launch_recorder --load <dll>     loads <dll> by its bare name, as a
//       careless program would: the control that a planted DLL is seen.
#include <windows.h>

#include <cstdio>
#include <cstring>

static int PrintSystemFolder() {
  char folder[MAX_PATH] = {};
  BOOL wow64 = FALSE;
  UINT n = 0;
  if (IsWow64Process(GetCurrentProcess(), &wow64) && wow64)
    n = GetSystemWow64DirectoryA(folder, MAX_PATH);
  else
    n = GetSystemDirectoryA(folder, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return 1;
  std::printf("%s\n", folder);
  return 0;
}

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--system-folder") == 0) return PrintSystemFolder();
  if (argc == 3 && std::strcmp(argv[1], "--load") == 0) return LoadLibraryA(argv[2]) ? 0 : 2;
  char log[MAX_PATH] = {};
  if (GetEnvironmentVariableA("KDR_LAUNCH_LOG", log, sizeof log) == 0) return 1;
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, sizeof self);
  FILE* out = std::fopen(log, "ab");
  if (!out) return 1;
  std::fprintf(out, "%s|%s\n", self, GetCommandLineA());
  std::fclose(out);
  return 0;
}
