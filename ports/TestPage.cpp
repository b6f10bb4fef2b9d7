#include "ports/TestPage.h"

#include "common/BoundedFormat.h"
#include "platform/PrintDevice.h"
#include "platform/Time.h"
#include "platform/Types.h"

namespace ports {

void PrintTestPage(const std::string& printerName, const std::string& text) {
  // CreateDCA with no DEVMODE: the printer's own defaults.
  const platform::Handle dc = platform::CreatePrinterDeviceContext(printerName);
  if (dc == platform::kNoHandle) return;

  // Results are not examined: if the document or page did not start, the
  // rest has nothing to draw on and the DC is still released.
  platform::StartDocument(dc, printerName);
  platform::StartDocumentPage(dc);
  // Device units in the default mapping mode; DT_NOCLIP alone: left-aligned,
  // a line per line break, no word wrap.
  platform::DrawTextBlock(dc, text, platform::TextRect{10, 10, 400, 500}, platform::kDtNoClip);
  platform::TextOutAt(dc, 10, 430, printerName);

  const platform::SystemTime now = platform::LocalTimeNow();
  char dateLine[64] = {};
  common::FormatIntoBuffer(dateLine, sizeof dateLine, "  %d-%02d-%02d %02d:%02d:%02d", now.year,
                           now.month, now.day, now.hour, now.minute, now.second);
  // Left of the printable area on purpose: the page was laid out so.
  platform::TextOutAt(dc, -20, 500, dateLine);
  platform::TextOutAt(dc, -20, 800, "----------------------------");

  platform::EndDocumentPage(dc);
  platform::EndDocument(dc);
  platform::DeleteDeviceContext(dc);
}

}  // namespace ports
