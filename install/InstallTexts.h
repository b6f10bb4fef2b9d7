// The installer's own texts that vary by language (GBK bytes for Chinese).
#pragma once
#include <cstdint>

namespace install {

// The format of a further copy's printer name: the base name (%s) and the
// copy number (%d), "%s (copy %d)" or its Chinese form.
const char* CopySuffixFormat(int32_t uiLanguage);

}  // namespace install
