// The driver package the dialog unpacks at start.
#include "app/TarnwickDlg.h"

void CTarnwickDlg::ExtractDriverPackage() {
  // Not built yet: unpack the package of m_installer.UiLanguage into the
  // package folder and make it the current directory.
}
