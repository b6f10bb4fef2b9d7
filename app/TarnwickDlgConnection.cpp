// The connection choice and the port list: the handlers of the radios
// 1006-1009, the list 1010, the IP address control 1011 and the USB printer
// notices, and the refresh that rebuilds those controls for the chosen type.
#include <cstdint>
#include <string>
#include <vector>

#include "app/ConnectionType.h"
#include "app/TarnwickDlg.h"
#include "platform/Spooler.h"
#include "platform/Types.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Window.h"
#include "ports/PortDiscovery.h"
#include "texts/Texts.h"

namespace {

// USB, serial and parallel: where their ports come from and what the list
// says about them. Ethernet has no list.
struct PortKind {
  bool (*discover)(std::vector<std::string>& ports);
  const char* texts::PortListTexts::*prompt;
  const char* texts::PortListTexts::*notice;
};

const PortKind kPortKinds[] = {
    {&ports::EnumUsbPrinterPorts, &texts::PortListTexts::SelectUsbPortPrompt,
     &texts::PortListTexts::NoUsbPrinterNotice},
    {&ports::EnumSerialPorts, &texts::PortListTexts::SelectSerialPortPrompt,
     &texts::PortListTexts::NoSerialPortNotice},
    {&ports::EnumParallelPorts, &texts::PortListTexts::SelectParallelPortPrompt,
     &texts::PortListTexts::NoParallelPortNotice},
};

// The list's first item is the prompt; the ports follow it.
constexpr int kFirstPortItem = 1;

}  // namespace

void CTarnwickDlg::RefreshConnectionControls() {
  std::vector<std::string> portNames;
  // m_nConnectionType becomes the radio selected now.
  UpdateData(true);
  m_listPorts.ResetContent();
  m_editHint.Show(platform::kSwHide);
  ShowBaudRateControls(platform::kSwHide);
  ui::Enable(Item(kIdInstall), true);

  if (m_nConnectionType >= kConnectionUsb && m_nConnectionType < kConnectionEthernet) {
    const PortKind& kind = kPortKinds[m_nConnectionType];
    // Read at the time of the refresh: a language switch since the last one
    // shows here, not before.
    const texts::PortListTexts& texts = texts::PortListTextsFor(m_installer.UiLanguage);
    m_ipAddress.SetAddress(0);
    m_listPorts.Show(platform::kSwShowNormal);
    m_ipAddress.Enable(false);
    m_staticIpLabel.Show(platform::kSwHide);
    m_editNotice.Show(platform::kSwHide);
    // Only the names count: whatever was appended before a failure is listed.
    static_cast<void>(kind.discover(portNames));
    if (portNames.empty()) {
      m_editNotice.SetText(texts.*kind.notice);
      m_listPorts.Show(platform::kSwHide);
      m_editNotice.Show(platform::kSwShowNormal);
      ui::Enable(Item(kIdInstall), false);
    } else {
      if (m_nConnectionType == kConnectionSerial) ShowBaudRateControls(platform::kSwShowNormal);
      // The list has LBS_SORT: LB_ADDSTRING into the empty list puts the
      // prompt at 0, and LB_INSERTSTRING, which never sorts, keeps the
      // ports in the order they were found.
      m_listPorts.AddString(texts.*kind.prompt);
      for (const std::string& name : portNames) m_listPorts.InsertString(-1, name);
      m_listPorts.SetCurSel(kFirstPortItem);
    }
  } else if (m_nConnectionType == kConnectionEthernet) {
    // The address typed before stays, and so does the enabled Install.
    m_listPorts.Show(platform::kSwHide);
    m_ipAddress.Enable(true);
    m_staticIpLabel.Show(platform::kSwShowNormal);
    m_editNotice.Show(platform::kSwHide);
  }
  // No connection radio selected: nothing more.

  UpdateData(false);
}

void CTarnwickDlg::ShowBaudRateControls(int showCommand) {
  for (int id : {kIdBaudRateGroup, kIdBaud9600, kIdBaud19200, kIdBaud38400, kIdBaud115200})
    ui::Show(Item(id), showCommand);
}

void CTarnwickDlg::OnConnectionTypeClicked() {
  // Also when the radio already selected is clicked again.
  RefreshConnectionControls();
}

void CTarnwickDlg::OnDeviceChange(ui::DeviceNotice notice) {
  if (notice == ui::DeviceNotice::kOther) return;
  // Registered for the USB printer interface class only: a printer came or
  // went.
  UpdateData(true);
  if (m_nConnectionType == kConnectionUsb) RefreshConnectionControls();
}

void CTarnwickDlg::OnSelchangePortList() {
  // The prompt is not a port.
  if (m_listPorts.GetCurSel() == 0) m_listPorts.SetCurSel(kFirstPortItem);
}

void CTarnwickDlg::OnDblclkPortList() {
  const int selected = m_listPorts.GetCurSel();
  if (selected < 0) return;
  std::string portName;
  if (!m_listPorts.GetText(selected, &portName)) return;
  // The port monitor shows its own dialog; nothing of ours depends on it.
  static_cast<void>(platform::ConfigurePortDialog(Handle(), portName));
}

void CTarnwickDlg::OnFieldchangedIpAddress(ui::NotifyHeader* header, ui::LResult* result) {
  // The control takes the field's value back from the record: a field left
  // blank becomes 0.
  if (header != nullptr) {
    auto* notice = reinterpret_cast<ui::IpAddressNotice*>(header);
    if (notice->value == -1) notice->value = 0;
  }
  if (result != nullptr) *result = 0;
}
