// The driver package the dialog unpacks at start.
#include "app/TarnwickDlg.h"

void CTarnwickDlg::ExtractDriverPackage() {
  m_package = package::ExtractDriverPackage(m_installer.UiLanguage);
  // Only what this run wrote may be staged into the spooler; when the folder
  // could not be entered the set is empty and every copy fails with its text.
  m_installer.UnpackedFiles = &m_package.unpackedFiles;
}
