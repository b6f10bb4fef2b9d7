// The dialog's own control texts in the two languages. Chinese texts are GBK
// (code page 936) bytes. The message-box, test-page and port-list texts and
// the window title are in texts/Texts.h.
#pragma once
#include <cstdint>

namespace app {

// The control texts that change with the language, in the order in which
// they are written.
struct ControlText {
  int controlId;
  const char* text;
};
constexpr int kLanguageControlCount = 12;
const ControlText* LanguageControlTextsFor(int32_t uiLanguage);

}  // namespace app
