#include "install/InstallTexts.h"

#include "common/Language.h"

namespace install {

const char* CopySuffixFormat(int32_t uiLanguage) {
  return common::IsChineseLanguage(uiLanguage) ? "%s (副本 %d)" : "%s (copy %d)";
}

}  // namespace install
