#include "app/Texts.h"

#include "app/ControlIds.h"
#include "common/Language.h"

namespace app {

namespace {

const ControlText kChineseControls[kLanguageControlCount] = {
    {kIdDefaultGroup, "1. 您是否需要将此次安装设置为系统默认的打印机?"},
    {kIdDefaultNo, "否 (不设置为默认)"},
    {kIdDefaultYes, "是 (设置为默认)"},
    {kIdConnectionGroup, "2. 您的打印机通过哪种方式与电脑连接 ?"},
    {kIdConnectionSerial, "串口"},
    {kIdConnectionParallel, "并口"},
    {kIdConnectionEthernet, "以太网"},
    {kIdIpLabel, "打印机 IP 地址:"},
    {kIdBaudRateGroup, "* 波特率 "},
    {kIdInstall, "开始安装打印机驱动"},
    {kIdExit, "退出"},
    {kIdWizardButton, "*安装出现问题 ? 点击这里尝试使用向导进行安装."},
};

const ControlText kEnglishControls[kLanguageControlCount] = {
    {kIdDefaultGroup, "1.Set this printer to the system's default printer?"},
    {kIdDefaultNo, "No (not default)"},
    {kIdDefaultYes, "Yes (default)"},
    {kIdConnectionGroup, "2.How does your printer connect to your computer?"},
    {kIdConnectionSerial, "COM"},
    {kIdConnectionParallel, "LPT"},
    {kIdConnectionEthernet, "LAN"},
    {kIdIpLabel, "Printer IP address:"},
    {kIdBaudRateGroup, "Baud rate"},
    {kIdInstall, "installing the printer driver"},
    {kIdExit, "Exit"},
    {kIdWizardButton, "*Click here to try the installation using the wizard."},
};

}  // namespace

const ControlText* LanguageControlTextsFor(int32_t uiLanguage) {
  return common::IsChineseLanguage(uiLanguage) ? kChineseControls : kEnglishControls;
}

}  // namespace app
