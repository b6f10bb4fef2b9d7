#include "common/SystemPrograms.h"

#include "platform/SystemInfo.h"

namespace common {

std::string SystemProgramPath(const char* fileName) {
  std::string folder;
  if (!platform::SystemFolder(&folder) || folder.empty()) return std::string();
  const char last = folder.back();
  if (last != '\\' && last != '/') folder += '\\';
  return folder + fileName;
}

}  // namespace common
