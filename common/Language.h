// Windows language identifiers the installer tells apart.
#pragma once
#include <cstdint>

namespace common {

// Simplified Chinese (PRC), and the English the language switch turns to.
constexpr int32_t kLanguageChinese = 2052;
constexpr int32_t kLanguageEnglish = 1033;

// Exactly 2052 selects Chinese; every other language identifier English,
// including the other Chinese ones (1028, 3076, 4100).
constexpr bool IsChineseLanguage(int32_t uiLanguage) { return uiLanguage == kLanguageChinese; }

}  // namespace common
