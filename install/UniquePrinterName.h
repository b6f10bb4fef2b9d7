// A printer name that no printer of the machine has yet.
#pragma once
#include <cstdint>
#include <string>

namespace install {

// Printer names as the spooler compares them: without regard to ASCII case.
bool SamePrinterName(const std::string& a, const std::string& b);

// The first of `baseName`, "<baseName> (copy 1)", "<baseName> (copy 2)", ...
// (the Chinese suffix for 2052) that none of the local printers and printer
// connections has. Writes one diagnostic line per examined entry. When the
// printers cannot be listed, `baseName` itself.
std::string UniquePrinterName(const std::string& baseName, int32_t uiLanguage);

}  // namespace install
