// The wizard fallback (button 1023) and the clean-up when the window goes.
#include "app/TarnwickDlg.h"

void CTarnwickDlg::OnClickedWizardButton() {
  // Not built yet: the Add Printer Driver wizard on the package's INF file
  // (app/WizardFallback.h).
}

void CTarnwickDlg::OnDestroy() {
  ui::Dialog::OnDestroy();
  // Not built yet: empty the package folder.
}
