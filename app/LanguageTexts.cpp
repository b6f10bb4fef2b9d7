#include "app/Texts.h"

namespace app {

bool IsChineseLanguage(int32_t uiLanguage) { return uiLanguage == 2052; }

const char kWindowTitle[] = "ORVANT KDR270 POS Printer Driver Setup";

namespace {

const MessageTexts kChineseMessages = {
    "安装过程发生错误！",
    "安装过程发生错误！\n请尝试<以管理员身份运行>安装文件。",
    "安装过程发生错误 !\r\n或者关闭您的杀毒软件后重试 !",
    "安装过程发生错误 !\r\n请尝试<以管理员身份运行>安装文件 .\r\n或者关闭您的杀毒软件后重试 !",
    "安装打印机驱动过程发生错误！",
    "安装打印机驱动过程发生错误 !\r\n请关闭您的杀毒软件后重试 !",
    "打印机驱动已经成功的安装在您的电脑上 !\r\n打印机名称 : %s\r\n打印机端口 : %s\r\n",
    "               .  \r\n\r\n\r\n\r\n\r\n        恭喜！      \r\n如果您可以读取这个 \r\n信息，说明打印机驱 \r\n动已经安装成功了！  \r\n感谢您的使用！  \r\n\r\n打印机名称：\r\n\r\n\r\n\r\n\r\n   ** 测试页结束 **\r\n",
    "添加打印机过程发生错误！",
};

const MessageTexts kEnglishMessages = {
    "Malfunction !",
    "Malfunction !\nPls try using <Run as administrator>open this App",
    "Malfunction !",
    "Malfunction !\nPls try using <Run as administrator>open this App",
    "Install printer driver failed !",
    "Install printer driver failed !",
    "The printer driver has been successfully installed on your computer!\r\nPrinter name : %s\r\nPrinter port : %s\r\n",
    "               .  \r\n\r\n\r\n\r\n\r\n  Congratulations !   \r\nIf you can read this\r\ninformation you have \r\nsucceed intall this\r\nprinter driver !  \r\n\r\nPrinter Name:\r\n\r\n\r\n\r\n\r\n ** Test page end **\r\n",
    "Add printer failed !",
};

const PortListTexts kChinesePortTexts = {
    "请选择以下USB端口:",
    "未检测到电脑上连接有<USB打印机>! 请您确认您的USB打印机与电脑已经正确的连接 !",
    "请选择以下串口端口:",
    "未检测到电脑上有<串口>设备 !",
    "请选择以下并口端口:",
    "未检测到电脑上有<并口>设备 !",
};

const PortListTexts kEnglishPortTexts = {
    "Please select USB port:",
    "There is no <USB printer> connected to the computer! Please confirm that your USB printer is properly connected to the computer !",
    "Please select serial port:",
    "No < serial > device was detected on the computer !",
    "Please select parallel port:",
    "No device < parallel port > was detected on the computer !",
};

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

const MessageTexts& MessageTextsFor(int32_t uiLanguage) {
  return IsChineseLanguage(uiLanguage) ? kChineseMessages : kEnglishMessages;
}

const PortListTexts& PortListTextsFor(int32_t uiLanguage) {
  return IsChineseLanguage(uiLanguage) ? kChinesePortTexts : kEnglishPortTexts;
}

const ControlText* LanguageControlTextsFor(int32_t uiLanguage) {
  return IsChineseLanguage(uiLanguage) ? kChineseControls : kEnglishControls;
}

}  // namespace app
