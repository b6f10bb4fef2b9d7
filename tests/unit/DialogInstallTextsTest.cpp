// The Install button with a printer named KDR270 already there, in both
// languages: the new printer's name, and the message, the test page and the
// default printer that go with it. Chinese texts are GBK bytes.
#include <string>
#include <vector>

#include "DialogInstallFixture.h"
#include "texts/Texts.h"

namespace {

using dialogtest::RunModal;

class DialogInstallTextsTest : public dialoginstalltest::DialogInstallTest {};

TEST_F(DialogInstallTextsTest, ASecondKdr270IsTheFirstCopyInTheUsersLanguage) {
  const struct {
    uint16_t language;
    const char* newPrinter;
    const char* success;
  } cases[] = {
      {1033, "KDR270 (copy 1)",
       "The printer driver has been successfully installed on your computer!\r\n"
       "Printer name : KDR270 (copy 1)\r\nPrinter port : USB001\r\n"},
      {2052, "KDR270 (副本 1)",
       "打印机驱动已经成功的安装在您的电脑上 !\r\n打印机名称 : KDR270 (副本 1)\r\n"
       "打印机端口 : USB001\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.language);
    FreshMachine();
    sim::System().uiLanguage = c.language;
    AddExistingPrinter("KDR270", "LPT1:", "KDR270");
    CTarnwickDlg dlg;
    RunModal(dlg, [&](platform::WindowHandle d) {
      ASSERT_TRUE(sim::Click(d, kIdDefaultYes));
      ChooseConnection(d, kIdConnectionUsb, "USB001");
      ASSERT_TRUE(sim::Click(d, kIdInstall));
    });
    EXPECT_EQ(PrinterNames(), (std::vector<std::string>{"KDR270", c.newPrinter}));
    EXPECT_EQ(PortOf("KDR270"), "LPT1:") << "the first printer stays as it was";
    EXPECT_EQ(PortOf(c.newPrinter), "USB001");
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{c.success});
    EXPECT_EQ(sim::Spooler().defaultPrinter, c.newPrinter);
    EXPECT_EQ(TestPagePrinter(), c.newPrinter);
    EXPECT_EQ(TestPageTextPrinted(), texts::MessageTextsFor(c.language).TestPageText);
  }
}

}  // namespace
