// The port list's prompts and notices in Chinese, as the GBK bytes Windows
// gets, and which language they take after a switch. The expected bytes come
// from UTF-8 copies (u8 literals stay UTF-8 whatever the execution character
// set) converted by iconv, not by the compiler that built the texts.
#include <string>

#include "GbkBytes.h"
#include "DialogConnectionFixture.h"

namespace {

using conntest::DialogConnectionTest;
using conntest::PictureOf;

using texttest::Gbk;

const char kUsbPromptZh[] = u8"请选择以下USB端口:";
const char kUsbNoticeZh[] =
    u8"未检测到电脑上连接有<USB打印机>! 请您确认您的USB打印机与电脑已经正确的连接 !";
constexpr char kUsbPromptEn[] = "Please select USB port:";
constexpr char kUsbNoticeEn[] =
    "There is no <USB printer> connected to the computer! Please confirm that your USB printer "
    "is properly connected to the computer !";

// Double-clicks the blank area until the language flips; at most five are
// needed, whatever the process-wide count stands at.
void FlipLanguage(platform::WindowHandle d, const CTarnwickDlg& dlg) {
  const int32_t before = dlg.m_installer.UiLanguage;
  for (int n = 0; n < 5 && dlg.m_installer.UiLanguage == before; ++n)
    EXPECT_TRUE(sim::DoubleClick(d, kIdLanguageSwitch));
  EXPECT_NE(dlg.m_installer.UiLanguage, before);
}

struct ChineseCase {
  int radio;
  const char* promptUtf8;
  const char* noticeUtf8;
};

TEST_F(DialogConnectionTest, ChineseSystemsGetChinesePromptsAndNotices) {
  const ChineseCase cases[] = {
      {kIdConnectionUsb, kUsbPromptZh, kUsbNoticeZh},
      {kIdConnectionSerial, u8"请选择以下串口端口:", u8"未检测到电脑上有<串口>设备 !"},
      {kIdConnectionParallel, u8"请选择以下并口端口:", u8"未检测到电脑上有<并口>设备 !"},
  };
  for (bool ports : {true, false}) {
    sim::ResetMachine();
    sim::System().uiLanguage = 2052;
    if (ports) conntest::PutPortsOfEveryKind();
    Run([&](platform::WindowHandle d) {
      for (const ChineseCase& c : cases) {
        ASSERT_TRUE(sim::Click(d, c.radio));
        const conntest::Picture p = PictureOf(d);
        if (ports) {
          ASSERT_FALSE(p.items.empty()) << c.radio;
          EXPECT_EQ(p.items[0], Gbk(c.promptUtf8)) << c.radio;
        } else {
          EXPECT_EQ(p.notice, Gbk(c.noticeUtf8)) << c.radio;
        }
      }
    });
  }
}

TEST_F(DialogConnectionTest, ThePromptKeepsItsLanguageUntilTheNextRefresh) {
  sim::Devices().PlugUsbPrinter(conntest::UsbPath("sn0001"), 1);
  Run([&](platform::WindowHandle d) {
    FlipLanguage(d, Dlg());
    EXPECT_EQ(Dlg().m_installer.UiLanguage, 2052);
    EXPECT_EQ(PictureOf(d).items[0], kUsbPromptEn) << "shown before the switch";
    ASSERT_TRUE(sim::Click(d, kIdConnectionUsb));
    EXPECT_EQ(PictureOf(d).items[0], Gbk(kUsbPromptZh));

    // A printer's arrival refreshes in the language of that moment too.
    FlipLanguage(d, Dlg());
    EXPECT_EQ(PictureOf(d).items[0], Gbk(kUsbPromptZh));
    sim::DeviceChange(d, ui::kDbtDeviceArrival);
    EXPECT_EQ(PictureOf(d).items[0], kUsbPromptEn);
  });
}

TEST_F(DialogConnectionTest, TheNoticeKeepsItsLanguageUntilTheNextRefresh) {
  sim::System().uiLanguage = 2052;
  Run([&](platform::WindowHandle d) {
    EXPECT_EQ(PictureOf(d).notice, Gbk(kUsbNoticeZh));
    FlipLanguage(d, Dlg());
    EXPECT_EQ(PictureOf(d).notice, Gbk(kUsbNoticeZh));
    sim::DeviceChange(d, ui::kDbtDeviceRemoveComplete);
    EXPECT_EQ(PictureOf(d).notice, kUsbNoticeEn);
  });
}

}  // namespace
