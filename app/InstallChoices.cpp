#include "app/InstallChoices.h"

#include "common/BoundedFormat.h"

namespace app {

const char* BaudTextForChoice(int choice) {
  switch (choice) {
    case 1:
      return "19200";
    case 2:
      return "38400";
    case 3:
      return "115200";
    default:
      return "9600";
  }
}

std::string FormatIpAddress(uint8_t a, uint8_t b, uint8_t c, uint8_t d) {
  char text[64] = {};
  common::FormatIntoBuffer(text, sizeof text, "%d.%d.%d.%d", a, b, c, d);
  return text;
}

}  // namespace app
