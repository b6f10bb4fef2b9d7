// The Install button (1, also the Enter key).
#include "app/TarnwickDlg.h"

void CTarnwickDlg::OnInstall() {
  // Not built yet: the install command. Pressing Install does nothing until
  // it lands; the dialog stays open.
}
