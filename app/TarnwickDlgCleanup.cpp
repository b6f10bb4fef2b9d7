// The wizard fallback (button 1023) and the clean-up when the window goes.
#include "app/TarnwickDlg.h"
#include "app/WizardFallback.h"
#include "common/FolderCleanup.h"

void CTarnwickDlg::OnClickedWizardButton() {
  // The remembered package folder, not whatever directory is current: when
  // the folder was never entered there is no INF of ours to hand over.
  if (!m_package.entered) return;
  app::StartDriverWizard(Handle(), m_package.Folder());
}

void CTarnwickDlg::OnDestroy() {
  ui::Dialog::OnDestroy();
  // Empties only the folder this run made and entered; the folder stays.
  if (m_package.entered) common::DeleteFolderContents(m_package.Folder());
}
