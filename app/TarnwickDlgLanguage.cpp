// The dialog's texts in the interface language, and the hidden switch that
// flips it.
#include "app/TarnwickDlg.h"
#include "app/Texts.h"
#include "common/Language.h"
#include "platform/ui/Window.h"
#include "texts/Texts.h"

void CTarnwickDlg::ApplyLanguage(int32_t language) {
  ui::SetText(Handle(), texts::kWindowTitle);
  const app::ControlText* texts = app::LanguageControlTextsFor(language);
  for (int i = 0; i < app::kLanguageControlCount; ++i)
    SetItemText(texts[i].controlId, texts[i].text);
}

void CTarnwickDlg::OnDblclkLanguageSwitch() {
  // Counts double-clicks on the blank area for the whole process; every
  // fifth one flips the language. Single clicks arrive as STN_CLICKED and are
  // not counted.
  static int32_t s_nLanguageSwitchClicks = 1;
  const int32_t n = s_nLanguageSwitchClicks++;
  if (n % 5 != 0) return;
  m_installer.UiLanguage = common::IsChineseLanguage(m_installer.UiLanguage)
                               ? common::kLanguageEnglish
                               : common::kLanguageChinese;
  ApplyLanguage(m_installer.UiLanguage);
}
