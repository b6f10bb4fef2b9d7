// The main dialog (template 102): the default-printer question, the
// connection choice with its port list, IP address and baud rate, Install,
// Exit, the wizard button and the hidden language switch.
#pragma once
#include <cstdint>

#include "app/ConnectionType.h"
#include "app/ControlIds.h"
#include "install/PrinterInstaller.h"
#include "package/PackageExtraction.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DeviceNotice.h"
#include "platform/ui/Dialog.h"

constexpr int kProgramIconId = 128;

class CTarnwickDlg : public ui::Dialog {
 public:
  CTarnwickDlg();
  ~CTarnwickDlg() override;

  // Writes the window title and the language's control texts: Chinese for
  // 2052, English for every other value. Stores nothing.
  void ApplyLanguage(int32_t language);
  // Rebuilds the port list, notice, IP address and baud-rate controls for
  // the chosen connection type.
  void RefreshConnectionControls();
  // ShowWindow with `showCommand` (SW_HIDE, SW_SHOWNORMAL) on the baud-rate
  // group box 1028 and its radios 1024-1027.
  void ShowBaudRateControls(int showCommand);
  // Unpacks the driver package of the language into the package folder,
  // which becomes the current directory.
  void ExtractDriverPackage();

  // ---- message handlers ----------------------------------------------------
  void OnPaint();
  ui::IconHandle OnQueryDragIcon();
  void OnInstall();
  void OnSelchangePortList();
  void OnConnectionTypeClicked();
  void OnDeviceChange(ui::DeviceNotice notice);
  void OnDblclkPortList();
  bool OnSetCursor(ui::WindowHandle window, uint32_t hitTest, uint32_t mouseMessage);
  void OnClickedWizardButton();
  void OnFieldchangedIpAddress(ui::NotifyHeader* header, ui::LResult* result);
  void OnDestroy();
  void OnDblclkLanguageSwitch();

  // ---- members, in the order the dialog builds them ---------------------------
  ui::IconHandle m_hIcon;
  int32_t m_nSetDefault = 0;                   // 0 No, 1 Yes (radios 1002-1003)
  int32_t m_nConnectionType = kConnectionUsb;  // a ConnectionType (radios 1006-1009)
  ui::ListBox m_listPorts;                     // 1010
  install::PrinterInstaller m_installer;
  ui::IpAddressCtrl m_ipAddress;  // 1011
  ui::Static m_staticIpLabel;     // 1012
  ui::Edit m_editNotice;          // 1014
  ui::Edit m_editHint;            // 1015
  int32_t m_nBaudRate = 0;        // 0 9600, 1 19200, 2 38400, 3 115200 (1024-1027)
  bool m_bBusy = false;
  // The package folder made at start. The installation, the wizard and the
  // clean-up act on it only when it was entered.
  package::PackageFolder m_package;

 protected:
  void DoDataExchange(ui::DataExchange& dx) override;
  const ui::MessageMap& GetMessageMap() const override;
  bool OnInitDialog() override;
};
