#include "ports/PortDiscoveryTexts.h"

namespace ports {

const char kOpenKeyFailedText[] = "打开键失败";
const char kReadKeyFailedText[] = "读取键失败";
const char kReadRegKeyFailedText[] = "read regkey failed";

}  // namespace ports
