// The connection choice and the port list: the handlers of the radios
// 1006-1009, the list 1010, the IP address control 1011 and the device
// notices. Their behaviour is the connection-choice work's; until it lands
// they leave every control as the template and the data exchange set it.
#include "app/TarnwickDlg.h"

void CTarnwickDlg::RefreshConnectionControls() {
  // Not built yet: the port list, notice, IP address and baud-rate controls
  // for m_nConnectionType.
}

void CTarnwickDlg::OnConnectionTypeClicked() {
  // Not built yet: RefreshConnectionControls for the radio now selected.
}

ui::LResult CTarnwickDlg::OnDeviceChange(ui::WParam, ui::LParam) {
  // Not built yet: refresh the USB port list on arrival and removal. The
  // result is 0 in every case.
  return 0;
}

void CTarnwickDlg::OnSelchangePortList() {
  // Not built yet: keep the selection off the prompt line.
}

void CTarnwickDlg::OnDblclkPortList() {
  // Not built yet: the spooler's configuration dialog of the selected port.
}

void CTarnwickDlg::OnFieldchangedIpAddress(ui::NotifyHeader*, ui::LResult*) {
  // Not built yet: a field left blank becomes 0. The framework has set the
  // result to 0.
}
