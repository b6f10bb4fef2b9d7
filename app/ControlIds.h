// The main dialog's template and control ids: those of template 102, which
// defines them once for the resource script and the code.
#pragma once

#include "resources/Dialog102.h"

constexpr int kIdInstall = KDR_IDC_INSTALL;
constexpr int kIdExit = KDR_IDC_EXIT;
constexpr int kIdDefaultGroup = KDR_IDC_DEFAULT_GROUP;
constexpr int kIdDefaultNo = KDR_IDC_DEFAULT_NO;
constexpr int kIdDefaultYes = KDR_IDC_DEFAULT_YES;
constexpr int kIdConnectionGroup = KDR_IDC_CONNECTION_GROUP;
constexpr int kIdConnectionUsb = KDR_IDC_CONNECTION_USB;
constexpr int kIdConnectionSerial = KDR_IDC_CONNECTION_SERIAL;
constexpr int kIdConnectionParallel = KDR_IDC_CONNECTION_PARALLEL;
constexpr int kIdConnectionEthernet = KDR_IDC_CONNECTION_ETHERNET;
constexpr int kIdPortList = KDR_IDC_PORT_LIST;
constexpr int kIdIpAddress = KDR_IDC_IP_ADDRESS;
constexpr int kIdIpLabel = KDR_IDC_IP_LABEL;
constexpr int kIdNotice = KDR_IDC_NOTICE;
constexpr int kIdHint = KDR_IDC_HINT;
constexpr int kIdWizardButton = KDR_IDC_WIZARD_BUTTON;
constexpr int kIdBaudRateGroup = KDR_IDC_BAUD_RATE_GROUP;
constexpr int kIdBaud9600 = KDR_IDC_BAUD_9600;
constexpr int kIdBaud19200 = KDR_IDC_BAUD_19200;
constexpr int kIdBaud38400 = KDR_IDC_BAUD_38400;
constexpr int kIdBaud115200 = KDR_IDC_BAUD_115200;
constexpr int kIdLanguageSwitch = KDR_IDC_LANGUAGE_SWITCH;
constexpr int kDialogTemplateId = KDR_DIALOG102_ID;
