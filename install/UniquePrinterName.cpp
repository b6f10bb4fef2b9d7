#include "install/UniquePrinterName.h"

#include <vector>

#include "common/AsciiCase.h"
#include "common/BoundedFormat.h"
#include "install/InstallTexts.h"
#include "platform/DebugOutput.h"
#include "platform/Spooler.h"

namespace install {
namespace {

// Room for the base name, the suffix and any copy number: a candidate is
// never cut, so two copy numbers can never give the same name.
constexpr std::size_t kSuffixRoom = 64;

}  // namespace

bool SamePrinterName(const std::string& a, const std::string& b) {
  // ASCII folding only. On a DBCS code page it may also fold a trail byte,
  // which at worst adds a copy number the spooler would not have needed.
  return common::EqualsIgnoringAsciiCase(a, b);
}

std::string UniquePrinterName(const std::string& baseName, int32_t uiLanguage) {
  std::vector<platform::PrinterInfo2> printers;
  if (!platform::EnumPrintersLevel2(platform::kPrinterEnumLocal | platform::kPrinterEnumConnections,
                                    &printers))
    return baseName;

  std::string candidate = baseName;
  int n = 1;
  const int count = static_cast<int>(printers.size());
  for (int i = 0; i < count; ++i) {
    const std::string& name = printers[static_cast<std::size_t>(i)].printerName;
    if (SamePrinterName(name, candidate)) {
      // Always the base name with the next number, and the whole list again:
      // the spooler lists its printers in no particular order.
      common::FormatBounded(&candidate, baseName.size() + kSuffixRoom, CopySuffixFormat(uiLanguage),
                            baseName.c_str(), n);
      ++n;
      i = -1;
    }
    std::string line;
    common::FormatBounded(&line, name.size() + candidate.size() + 128,
                          "name=%s,i=%d,n=%d.temStr=%s,userLanguage=%d\r\n", name.c_str(), i, n,
                          candidate.c_str(), static_cast<int>(uiLanguage));
    platform::WriteDebugLine(line);
  }
  return candidate;
}

}  // namespace install
