#include "app/Texts.h"

#include "common/Language.h"

namespace app {

namespace {

const ControlText kChineseControls[kLanguageControlCount] = {
    {1001, "1. 您是否需要将此次安装设置为系统默认的打印机?"},
    {1002, "否 (不设置为默认)"},
    {1003, "是 (设置为默认)"},
    {1031, "2. 您的打印机通过哪种方式与电脑连接 ?"},
    {1007, "串口"},
    {1008, "并口"},
    {1009, "以太网"},
    {1012, "打印机 IP 地址:"},
    {1028, "* 波特率 "},
    {1, "开始安装打印机驱动"},
    {2, "退出"},
    {1023, "*安装出现问题 ? 点击这里尝试使用向导进行安装."},
};

const ControlText kEnglishControls[kLanguageControlCount] = {
    {1001, "1.Set this printer to the system's default printer?"},
    {1002, "No (not default)"},
    {1003, "Yes (default)"},
    {1031, "2.How does your printer connect to your computer?"},
    {1007, "COM"},
    {1008, "LPT"},
    {1009, "LAN"},
    {1012, "Printer IP address:"},
    {1028, "Baud rate"},
    {1, "installing the printer driver"},
    {2, "Exit"},
    {1023, "*Click here to try the installation using the wizard."},
};

}  // namespace

const ControlText* LanguageControlTextsFor(int32_t uiLanguage) {
  return common::IsChineseLanguage(uiLanguage) ? kChineseControls : kEnglishControls;
}

}  // namespace app
