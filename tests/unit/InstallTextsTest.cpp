// The installer's Chinese texts, compared as the GBK bytes Windows gets.
#include <string>

#include "InstallFixture.h"
#include "install/PrinterInstaller.h"
#include "texts/Texts.h"

namespace {

using install::PrinterInstaller;

class InstallTextsTest : public installtest::InstallFixture {
 protected:
  static void AddExistingPrinter(const std::string& name) {
    platform::PrinterInfo2 p;
    p.printerName = name;
    p.portName = "USB001";
    sim::Spooler().printers.push_back({p});
  }
};

TEST_F(InstallTextsTest, AChineseCopyIsNamedWithFuBen) {
  UnpackPackage(installtest::kX64);
  AddExistingPrinter("KDR270");
  PrinterInstaller installer;
  Give(installer);
  installer.UiLanguage = 2052;

  ASSERT_TRUE(installer.InstallX64(3, "USB001"));

  EXPECT_STREQ(installer.InstalledPrinterName, "KDR270 (副本 1)");
  EXPECT_STREQ(installer.InstalledPrinterName, "KDR270 (\xB8\xB1\xB1\xBE 1)") << "GBK bytes";
  ASSERT_EQ(sim::Logs().debug.size(), 2u);
  EXPECT_EQ(sim::Logs().debug[0],
            "name=KDR270,i=-1,n=2.temStr=KDR270 (副本 1),userLanguage=2052\r\n");
}

TEST_F(InstallTextsTest, TheSuffixFollowsALanguageSwitch) {
  UnpackPackage(installtest::kX64);
  AddExistingPrinter("KDR270");
  AddExistingPrinter("KDR270 (副本 1)");
  PrinterInstaller installer;
  Give(installer);
  installer.UiLanguage = 1033;  // switched from Chinese: the Chinese copy is not a match
  ASSERT_TRUE(installer.InstallX64(3, "USB001"));
  EXPECT_STREQ(installer.InstalledPrinterName, "KDR270 (copy 1)");
}

TEST_F(InstallTextsTest, ChineseFailureAndSuccessTexts) {
  EXPECT_STREQ(texts::MessageTextsFor(2052).PrinterAddFailed, "添加打印机过程发生错误！");

  UnpackPackage(installtest::kX64);
  sim::FailCall("AddPrinterA", 5);
  PrinterInstaller installer;
  Give(installer);
  installer.UiLanguage = 2052;
  EXPECT_FALSE(installer.Install(1, "USB001"));
  ASSERT_EQ(sim::Logs().messageBoxes.size(), 2u);
  EXPECT_EQ(sim::Logs().messageBoxes[1].text, "添加打印机过程发生错误！");

  FreshMachine();
  UnpackPackage(installtest::kX64);
  AddExistingPrinter("KDR270");
  PrinterInstaller again;
  Give(again);
  again.UiLanguage = 2052;
  ASSERT_TRUE(again.Install(1, "USB001"));
  ASSERT_EQ(sim::Logs().messageBoxes.size(), 1u);
  EXPECT_EQ(sim::Logs().messageBoxes[0].text,
            "打印机驱动已经成功的安装在您的电脑上 !\r\n打印机名称 : KDR270 (副本 1)\r\n"
            "打印机端口 : USB001\r\n");
  EXPECT_EQ(sim::Spooler().defaultPrinter, "KDR270 (副本 1)");
}

}  // namespace
