#include "texts/Texts.h"

#include "common/Language.h"

namespace texts {

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

}  // namespace

const MessageTexts& MessageTextsFor(int32_t uiLanguage) {
  return common::IsChineseLanguage(uiLanguage) ? kChineseMessages : kEnglishMessages;
}

const PortListTexts& PortListTextsFor(int32_t uiLanguage) {
  return common::IsChineseLanguage(uiLanguage) ? kChinesePortTexts : kEnglishPortTexts;
}

}  // namespace texts
