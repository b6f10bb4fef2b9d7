// The Windows path table (tests/paths/WindowsPathCases.h) over the real
// calls of the prefix it runs in. Where Wine is known to answer otherwise
// than Windows, the case carries Wine's answer and the reason, and that is
// what is expected here. Exit status 1 when any case differs.
#include <cstdio>

#include "tests/paths/WindowsPathCases.h"

int main() {
  if (!pathcases::PrepareTree()) {
    std::printf("FAIL cannot prepare C:\\T\\base\n");
    return 1;
  }
  int failures = 0;
  for (const auto& c : pathcases::Cases()) {
    const bool wine = !c.wineNote.empty();
    const std::string full = wine ? c.wineFull : c.full;
    const std::string lands = wine ? c.wineLands : c.lands;
    const pathcases::Observed o = pathcases::Observe(c);
    const bool ok = o.full == full && o.lands == lands;
    if (!ok) ++failures;
    std::printf("%s %s: [%s] full [%s] lands [%s]", ok ? "ok  " : "FAIL", c.what.c_str(),
                c.path.c_str(), o.full.c_str(), o.lands.c_str());
    if (!ok) std::printf(" expected full [%s] lands [%s]", full.c_str(), lands.c_str());
    if (wine)
      std::printf(" (Wine: %s; Windows: full [%s] lands [%s])", c.wineNote.c_str(), c.full.c_str(),
                  c.lands.c_str());
    std::printf("\n");
  }
  std::printf("%d of %zu cases differ\n", failures, pathcases::Cases().size());
  return failures == 0 ? 0 : 1;
}
