// The main dialog (template 102): the default-printer question, the
// connection choice with its port list, IP address and baud rate, Install,
// Exit, the wizard button and the hidden language switch.
#pragma once
#include <cstdint>

#include "install/PrinterInstaller.h"
#include "package/PackageExtraction.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DeviceNotice.h"
#include "platform/ui/Dialog.h"

// Control ids of template 102.
constexpr int kIdInstall = 1;
constexpr int kIdExit = 2;
constexpr int kIdDefaultGroup = 1001;
constexpr int kIdDefaultNo = 1002;
constexpr int kIdDefaultYes = 1003;
constexpr int kIdConnectionGroup = 1031;
constexpr int kIdConnectionUsb = 1006;
constexpr int kIdConnectionSerial = 1007;
constexpr int kIdConnectionParallel = 1008;
constexpr int kIdConnectionEthernet = 1009;
constexpr int kIdPortList = 1010;
constexpr int kIdIpAddress = 1011;
constexpr int kIdIpLabel = 1012;
constexpr int kIdNotice = 1014;
constexpr int kIdHint = 1015;
constexpr int kIdWizardButton = 1023;
constexpr int kIdBaudRateGroup = 1028;
constexpr int kIdBaud9600 = 1024;
constexpr int kIdBaud19200 = 1025;
constexpr int kIdBaud38400 = 1026;
constexpr int kIdBaud115200 = 1027;
constexpr int kIdLanguageSwitch = 1033;

constexpr int kDialogTemplateId = 102;
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
  int32_t m_nSetDefault = 0;      // 0 No, 1 Yes (radios 1002-1003)
  int32_t m_nConnectionType = 0;  // 0 USB, 1 serial, 2 parallel, 3 Ethernet (1006-1009)
  ui::ListBox m_listPorts;        // 1010
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
