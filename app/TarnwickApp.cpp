#include "app/TarnwickApp.h"

#include "app/TarnwickDlg.h"
#include "platform/SystemInfo.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Window.h"

CTarnwickApp theApp;

CTarnwickApp::CTarnwickApp() {
  // Restart only: no recovery, no autosave.
  m_dwRestartManagerSupportFlags = ui::kRestartManagerSupportRestart;
}

CTarnwickApp::~CTarnwickApp() = default;

bool CTarnwickApp::InitInstance() {
  // Elevated, with a current directory that will be a folder in the user's
  // temp: no DLL is ever to be loaded from there. The empty string takes the
  // current directory out of the search; where kernel32 has it (not XP, not
  // an unpatched 7), the search is narrowed to System32 as well.
  static_cast<void>(platform::SetDllSearchDirectory(""));
  static_cast<void>(platform::SetDefaultDllSearchDirectories(platform::kLoadLibrarySearchSystem32));
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
