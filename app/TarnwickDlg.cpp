#include "app/TarnwickDlg.h"

#include "platform/DeviceInterfaces.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Messages.h"
#include "platform/ui/PaintDc.h"
#include "platform/ui/Window.h"

CTarnwickDlg::CTarnwickDlg()
    : ui::Dialog(kDialogTemplateId), m_hIcon(ui::LoadProgramIcon(kProgramIconId)) {}

CTarnwickDlg::~CTarnwickDlg() = default;

void CTarnwickDlg::DoDataExchange(ui::DataExchange& dx) {
  ui::Dialog::DoDataExchange(dx);
  ui::ExchangeRadioGroup(dx, kIdDefaultNo, m_nSetDefault);
  ui::ExchangeRadioGroup(dx, kIdConnectionUsb, m_nConnectionType);
  ui::ExchangeControl(dx, kIdPortList, m_listPorts);
  ui::ExchangeControl(dx, kIdIpAddress, m_ipAddress);
  ui::ExchangeControl(dx, kIdIpLabel, m_staticIpLabel);
  ui::ExchangeControl(dx, kIdNotice, m_editNotice);
  ui::ExchangeControl(dx, kIdHint, m_editHint);
  ui::ExchangeRadioGroup(dx, kIdBaud9600, m_nBaudRate);
}

const ui::MessageMap& CTarnwickDlg::GetMessageMap() const {
  using Map = ui::MessageMapOf<CTarnwickDlg>;
  static const ui::MessageEntry kEntries[] = {
      Map::Message<&CTarnwickDlg::OnPaint>(ui::kWmPaint),
      Map::Message<&CTarnwickDlg::OnQueryDragIcon>(ui::kWmQueryDragIcon),
      Map::Command<&CTarnwickDlg::OnInstall>(ui::kBnClicked, kIdInstall),
      Map::Command<&CTarnwickDlg::OnSelchangePortList>(ui::kLbnSelChange, kIdPortList),
      Map::CommandRange<&CTarnwickDlg::OnConnectionTypeClicked>(ui::kBnClicked, kIdConnectionUsb,
                                                                kIdConnectionEthernet),
      Map::Message<&CTarnwickDlg::OnDeviceChange>(ui::kWmDeviceChange),
      Map::Command<&CTarnwickDlg::OnDblclkPortList>(ui::kLbnDblClk, kIdPortList),
      Map::Command<&CTarnwickDlg::OnCancel>(ui::kBnClicked, kIdExit),
      Map::Message<&CTarnwickDlg::OnSetCursor>(ui::kWmSetCursor),
      Map::Command<&CTarnwickDlg::OnClickedWizardButton>(ui::kBnClicked, kIdWizardButton),
      Map::Notify<&CTarnwickDlg::OnFieldchangedIpAddress>(ui::kIpnFieldChanged, kIdIpAddress),
      Map::Message<&CTarnwickDlg::OnDestroy>(ui::kWmDestroy),
      Map::Command<&CTarnwickDlg::OnDblclkLanguageSwitch>(ui::kStnDblClk, kIdLanguageSwitch),
  };
  static const ui::MessageMap kMap = {kEntries, sizeof kEntries / sizeof kEntries[0],
                                      &ui::Dialog::BaseMessageMap()};
  return kMap;
}

bool CTarnwickDlg::OnInitDialog() {
  // Selects No, USB and 9600 through the data exchange.
  ui::Dialog::OnInitDialog();
  // Message boxes of the installation belong to this window from now on.
  m_installer.Owner = Handle();
  ApplyLanguage(m_installer.UiLanguage);
  m_ipAddress.SetAddress(0);
  RefreshConnectionControls();
  // The notice handle is not kept: the registration ends with the window.
  // Without it the port list is only refreshed by hand.
  static_cast<void>(
      platform::RegisterDeviceInterfaceNotices(Handle(), platform::kGuidDevInterfaceUsbPrint));
  // Last: the dialog shows only once the package is unpacked.
  ExtractDriverPackage();
  return true;
}

void CTarnwickDlg::OnPaint() {
  if (!ui::IsMinimised(Handle())) {
    ui::Dialog::OnPaint();
    return;
  }
  ui::PaintDc dc(Handle());
  ui::Send(Handle(), ui::kWmIconEraseBkgnd, static_cast<ui::WParam>(dc.Dc()), 0);
  const int32_t cxIcon = ui::SystemMetric(ui::kSmCxIcon);
  const int32_t cyIcon = ui::SystemMetric(ui::kSmCyIcon);
  int32_t width = 0;
  int32_t height = 0;
  static_cast<void>(ui::ClientSize(Handle(), &width, &height));
  // Centred; C++ division truncates toward zero, as the icon's place needs.
  const int32_t x = (width - cxIcon + 1) / 2;
  const int32_t y = (height - cyIcon + 1) / 2;
  static_cast<void>(ui::DrawIconAt(dc.Dc(), x, y, m_hIcon));
}

ui::IconHandle CTarnwickDlg::OnQueryDragIcon() { return m_hIcon; }

bool CTarnwickDlg::OnSetCursor(ui::WindowHandle window, uint32_t hitTest, uint32_t mouseMessage) {
  // While the install command runs, over the whole dialog and its controls.
  if (m_bBusy) {
    ui::SetStandardCursor(ui::kIdcWait);
    return true;
  }
  if (window != nullptr && window == Item(kIdWizardButton)) {
    ui::SetStandardCursor(ui::kIdcHand);
    return true;
  }
  return ui::Dialog::OnSetCursor(window, hitTest, mouseMessage);
}
