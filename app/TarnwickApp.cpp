#include "app/TarnwickApp.h"

#include "app/TarnwickDlg.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Window.h"

CTarnwickApp theApp;

CTarnwickApp::CTarnwickApp() {
  // Restart only: no recovery, no autosave.
  m_dwRestartManagerSupportFlags = ui::kRestartManagerSupportRestart;
}

CTarnwickApp::~CTarnwickApp() = default;

bool CTarnwickApp::InitInstance() {
  // The classic control classes; without a manifest dependency on version 6
  // the controls keep the classic look.
  static_cast<void>(ui::InitCommonControlClasses(ui::kIccWin95Classes));
  ui::Application::InitInstance();

  CTarnwickDlg dlg;
  SetMainDialog(&dlg);
  // Install and Exit both end the dialog with IDCANCEL: nothing to look at.
  static_cast<void>(dlg.DoModal());
  SetMainDialog(nullptr);
  return false;
}
