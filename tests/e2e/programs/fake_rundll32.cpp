// Stands in for rundll32.exe beside the program under test (the program's
// own folder is searched first): it records its command line, so a case can
// see exactly how the wizard would have been started. Wine's printui does
// not implement /ii. The record goes to the file named by KDR_RUNDLL_LOG.
#include <windows.h>

#include <cstdio>

int main() {
  char path[MAX_PATH] = {};
  if (GetEnvironmentVariableA("KDR_RUNDLL_LOG", path, sizeof path) == 0) return 1;
  FILE* log = std::fopen(path, "ab");
  if (!log) return 1;
  std::fprintf(log, "%s\n", GetCommandLineA());
  std::fclose(log);
  return 0;
}
