// The dialog's and the message boxes' texts, as the bytes Windows gets. The
// Chinese ones must be GBK: the expected bytes come from UTF-8 copies (u8
// literals stay UTF-8 whatever the execution character set) converted by
// iconv, not by the compiler that built the texts.
#include <string>
#include <vector>

#include "DialogFixture.h"
#include "GbkBytes.h"
#include "app/TarnwickDlg.h"
#include "app/Texts.h"
#include "texts/Texts.h"

namespace {

using texttest::Gbk;

struct ControlCase {
  int id;
  const char* chineseUtf8;
  const char* english;
};

// The order is the order in which the texts are written.
const ControlCase kControls[] = {
    {1001, u8"1. 您是否需要将此次安装设置为系统默认的打印机?",
     "1.Set this printer to the system's default printer?"},
    {1002, u8"否 (不设置为默认)", "No (not default)"},
    {1003, u8"是 (设置为默认)", "Yes (default)"},
    {1031, u8"2. 您的打印机通过哪种方式与电脑连接 ?",
     "2.How does your printer connect to your computer?"},
    {1007, u8"串口", "COM"},
    {1008, u8"并口", "LPT"},
    {1009, u8"以太网", "LAN"},
    {1012, u8"打印机 IP 地址:", "Printer IP address:"},
    {1028, u8"* 波特率 ", "Baud rate"},
    {1, u8"开始安装打印机驱动", "installing the printer driver"},
    {2, u8"退出", "Exit"},
    {1023, u8"*安装出现问题 ? 点击这里尝试使用向导进行安装.",
     "*Click here to try the installation using the wizard."},
};

TEST(DialogTextsTest, ControlTextsInWritingOrderAsGbkAndEnglish) {
  static_assert(sizeof kControls / sizeof kControls[0] == app::kLanguageControlCount, "twelve");
  const app::ControlText* chinese = app::LanguageControlTextsFor(2052);
  const app::ControlText* english = app::LanguageControlTextsFor(1033);
  for (int i = 0; i < app::kLanguageControlCount; ++i) {
    EXPECT_EQ(chinese[i].controlId, kControls[i].id);
    EXPECT_EQ(chinese[i].text, Gbk(kControls[i].chineseUtf8)) << kControls[i].id;
    EXPECT_EQ(english[i].controlId, kControls[i].id);
    EXPECT_EQ(std::string(english[i].text), kControls[i].english);
  }
  EXPECT_EQ(std::string(chinese[10].text), "\xCD\xCB\xB3\xF6") << "the GBK bytes themselves";
  EXPECT_STREQ(texts::kWindowTitle, "ORVANT KDR270 POS Printer Driver Setup");
  EXPECT_EQ(app::LanguageControlTextsFor(1028), english);
  EXPECT_EQ(app::LanguageControlTextsFor(0), english);
}

struct MessageCase {
  const char* texts::MessageTexts::*role;
  const char* name;
  const char* chineseUtf8;
  const char* english;
};

const MessageCase kMessages[] = {
    {&texts::MessageTexts::InstallError, "InstallError", u8"安装过程发生错误！", "Malfunction !"},
    {&texts::MessageTexts::InstallErrorRunAsAdmin, "InstallErrorRunAsAdmin",
     u8"安装过程发生错误！\n请尝试<以管理员身份运行>安装文件。",
     "Malfunction !\nPls try using <Run as administrator>open this App"},
    {&texts::MessageTexts::InstallErrorAntivirus, "InstallErrorAntivirus",
     u8"安装过程发生错误 !\r\n或者关闭您的杀毒软件后重试 !", "Malfunction !"},
    {&texts::MessageTexts::InstallErrorRunAsAdminAntivirus, "InstallErrorRunAsAdminAntivirus",
     u8"安装过程发生错误 !\r\n请尝试<以管理员身份运行>安装文件 .\r\n或者关闭您的杀毒软件后重试 !",
     "Malfunction !\nPls try using <Run as administrator>open this App"},
    {&texts::MessageTexts::DriverInstallFailed, "DriverInstallFailed",
     u8"安装打印机驱动过程发生错误！", "Install printer driver failed !"},
    {&texts::MessageTexts::DriverInstallFailedAntivirus, "DriverInstallFailedAntivirus",
     u8"安装打印机驱动过程发生错误 !\r\n请关闭您的杀毒软件后重试 !",
     "Install printer driver failed !"},
    {&texts::MessageTexts::InstallSucceeded, "InstallSucceeded",
     u8"打印机驱动已经成功的安装在您的电脑上 !\r\n打印机名称 : %s\r\n打印机端口 : %s\r\n",
     "The printer driver has been successfully installed on your computer!\r\n"
     "Printer name : %s\r\nPrinter port : %s\r\n"},
    {&texts::MessageTexts::TestPageText, "TestPageText",
     u8"               .  \r\n\r\n\r\n\r\n\r\n        恭喜！      \r\n如果您可以读取这个 "
     u8"\r\n信息，说明打印机驱 \r\n动已经安装成功了！  \r\n感谢您的使用！  \r\n\r\n"
     u8"打印机名称：\r\n\r\n\r\n\r\n\r\n   ** 测试页结束 **\r\n",
     "               .  \r\n\r\n\r\n\r\n\r\n  Congratulations !   \r\nIf you can read this\r\n"
     "information you have \r\nsucceed intall this\r\nprinter driver !  \r\n\r\n"
     "Printer Name:\r\n\r\n\r\n\r\n\r\n ** Test page end **\r\n"},
};

TEST(DialogTextsTest, MessageTextsByRoleAsGbkAndEnglish) {
  const texts::MessageTexts& chinese = texts::MessageTextsFor(2052);
  const texts::MessageTexts& english = texts::MessageTextsFor(1031);
  for (const MessageCase& c : kMessages) {
    EXPECT_EQ(chinese.*c.role, Gbk(c.chineseUtf8)) << c.name;
    EXPECT_EQ(std::string(english.*c.role), c.english) << c.name;
  }
  EXPECT_EQ(std::string(chinese.InstallError),
            "\xB0\xB2\xD7\xB0\xB9\xFD\xB3\xCC\xB7\xA2\xC9\xFA\xB4\xED\xCE\xF3\xA3\xA1");
  // Both test pages open with fifteen blanks, a full stop and two blanks.
  for (const char* page : {chinese.TestPageText, english.TestPageText})
    EXPECT_EQ(std::string(page).substr(0, 18), std::string(15, ' ') + ".  ");
}

TEST(DialogTextsTest, PortListTextsAsGbkAndEnglish) {
  const texts::PortListTexts& zh = texts::PortListTextsFor(2052);
  const texts::PortListTexts& en = texts::PortListTextsFor(4100);
  EXPECT_EQ(zh.SelectUsbPortPrompt, Gbk(u8"请选择以下USB端口:"));
  EXPECT_EQ(zh.NoUsbPrinterNotice,
            Gbk(u8"未检测到电脑上连接有<USB打印机>! 请您确认您的USB打印机与电脑已经正确的连接 !"));
  EXPECT_EQ(zh.SelectSerialPortPrompt, Gbk(u8"请选择以下串口端口:"));
  EXPECT_EQ(zh.NoSerialPortNotice, Gbk(u8"未检测到电脑上有<串口>设备 !"));
  EXPECT_EQ(zh.SelectParallelPortPrompt, Gbk(u8"请选择以下并口端口:"));
  EXPECT_EQ(zh.NoParallelPortNotice, Gbk(u8"未检测到电脑上有<并口>设备 !"));
  EXPECT_STREQ(en.SelectUsbPortPrompt, "Please select USB port:");
  EXPECT_STREQ(en.NoUsbPrinterNotice,
               "There is no <USB printer> connected to the computer! Please confirm that your "
               "USB printer is properly connected to the computer !");
  EXPECT_STREQ(en.SelectSerialPortPrompt, "Please select serial port:");
  EXPECT_STREQ(en.NoSerialPortNotice, "No < serial > device was detected on the computer !");
  EXPECT_STREQ(en.SelectParallelPortPrompt, "Please select parallel port:");
  EXPECT_STREQ(en.NoParallelPortNotice,
               "No device < parallel port > was detected on the computer !");
}

// The template's texts are the Chinese ones the dialog writes at start; the
// others stay in both languages.
TEST(DialogTextsTest, TemplateTextsAreTheChineseTextsAsGbk) {
  const sim::DialogTemplate* t = sim::FindDialogTemplate(102);
  ASSERT_NE(t, nullptr);
  auto textOf = [&](int id) -> std::string {
    for (const auto& c : t->controls)
      if (c.id == id) return c.text;
    ADD_FAILURE() << "no control " << id;
    return {};
  };
  for (const ControlCase& c : kControls) EXPECT_EQ(textOf(c.id), Gbk(c.chineseUtf8)) << c.id;
  EXPECT_EQ(textOf(1006), "USB ");
  EXPECT_EQ(textOf(1033), std::string(16, ' '));
  for (int id : {1010, 1011, 1014, 1015}) EXPECT_EQ(textOf(id), "") << id;
}

class DialogChineseTextsTest : public SimTest {};

TEST_F(DialogChineseTextsTest, AChineseSystemSeesTheChineseTitleAndTexts) {
  sim::System().uiLanguage = 2052;
  CTarnwickDlg dlg;
  dialogtest::RunModal(dlg, [&](platform::WindowHandle d) {
    EXPECT_EQ(sim::Window(d)->text, "ORVANT KDR270 POS Printer Driver Setup");
    for (const ControlCase& c : kControls)
      EXPECT_EQ(dialogtest::Text(d, c.id), Gbk(c.chineseUtf8)) << c.id;
    EXPECT_EQ(dialogtest::Text(d, 1006), "USB ");
    EXPECT_EQ(dialogtest::Text(d, 1024), "9600");
    sim::PressEscape(d);
  });
}

}  // namespace
