#include "install/InstallTexts.h"

#include "app/Texts.h"

namespace install {

const char* CopySuffixFormat(int32_t uiLanguage) {
  return app::IsChineseLanguage(uiLanguage) ? "%s (副本 %d)" : "%s (copy %d)";
}

}  // namespace install
