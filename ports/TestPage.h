// The test page printed on a newly installed printer.
#pragma once
#include <string>

namespace ports {

// One page on `printerName`: `text` as one block from the top left, the
// printer's name, the local date and time, and a rule. Shows nothing;
// prints nothing when no device context can be made for the printer.
void PrintTestPage(const std::string& printerName, const std::string& text);

}  // namespace ports
