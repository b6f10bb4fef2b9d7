// The Install button (1, also the Enter key): the dialog's choices become a
// port, the port is prepared, and the installer puts driver and printer on
// it.
#include <cstdint>
#include <string>

#include "app/ConnectionType.h"
#include "app/InstallChoices.h"
#include "app/TarnwickDlg.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Window.h"
#include "ports/PortCreation.h"
#include "ports/TestPage.h"
#include "texts/Texts.h"

void CTarnwickDlg::OnInstall() {
  // The message boxes of a run pump messages, and a device notice refreshes
  // the port list and enables Install again meanwhile: a second press then
  // must not start an installation inside the first.
  if (m_bBusy) return;
  m_bBusy = true;  // the wait cursor, until the end of this handler
  static_cast<void>(ui::Enable(Item(kIdInstall), false));
  static_cast<void>(ui::Enable(Item(kIdExit), false));
  // Whatever it reports, the members then hold what the controls show.
  static_cast<void>(UpdateData(true));

  // LB_GETCURSEL, then the item's text; no selection leaves the name empty.
  std::string portName;
  const int selected = m_listPorts.GetCurSel();
  if (selected >= 0 && !m_listPorts.GetText(selected, &portName)) portName.clear();

  if (m_nConnectionType == kConnectionEthernet) {
    // IPM_GETADDRESS; a blank field reads as 0.
    uint8_t f0 = 0, f1 = 0, f2 = 0, f3 = 0;
    static_cast<void>(m_ipAddress.GetAddress(&f0, &f1, &f2, &f3));
    const std::string address = app::FormatIpAddress(f0, f1, f2, f3);
    // The printer goes on the port whether or not its definition was written.
    ports::CreateTcpIpPort(address);
    portName = ports::TcpIpPortName(address);
  }

  // A list without a selection leaves no port to install on: a serial
  // setting or a printer under an empty port name would be nonsense.
  if (!portName.empty()) {
    if (m_nConnectionType == kConnectionSerial) {
      // The printer is installed even when the settings could not be stored.
      static_cast<void>(
          ports::WriteSerialPortSettings(portName, app::BaudTextForChoice(m_nBaudRate)));
    }
    if (m_installer.Install(m_nSetDefault, portName)) {
      // Only a USB printer is known to be there and switched on.
      if (m_nConnectionType == kConnectionUsb) {
        ports::PrintTestPage(m_installer.InstalledPrinterName,
                             texts::MessageTextsFor(m_installer.UiLanguage).TestPageText);
      }
      // The window closes once this handler has returned.
      EndDialog(ui::kIdCancel);
    }
  }

  m_bBusy = false;
  static_cast<void>(ui::Enable(Item(kIdInstall), true));
  static_cast<void>(ui::Enable(Item(kIdExit), true));
}
