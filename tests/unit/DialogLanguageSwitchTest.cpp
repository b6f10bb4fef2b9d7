// The hidden language switch: every fifth double-click on the blank area
// flips the language. Its counter lives for the whole process and is never
// reset, so the tests in this process count from the first flip they see;
// the exact count from the start is checked in a fresh process.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "DialogFixture.h"
#include "app/TarnwickDlg.h"
#include "app/Texts.h"
#include "texts/Texts.h"

namespace {

using dialogtest::RunModal;
using dialogtest::Text;

// Whether the dialog shows the title and all twelve texts of `language`.
bool ShowsLanguage(platform::WindowHandle d, int32_t language) {
  if (sim::Window(d)->text != texts::kWindowTitle) return false;
  const app::ControlText* texts = app::LanguageControlTextsFor(language);
  for (int i = 0; i < app::kLanguageControlCount; ++i)
    if (Text(d, texts[i].controlId) != texts[i].text) return false;
  return true;
}

// Double-clicks until the language changes: at most five are needed.
// The number it took, or 0 when five did not.
int DoubleClicksUntilFlip(platform::WindowHandle d, const CTarnwickDlg& dlg) {
  const int32_t before = dlg.m_installer.UiLanguage;
  for (int n = 1; n <= 5; ++n) {
    EXPECT_TRUE(sim::DoubleClick(d, kIdLanguageSwitch));
    if (dlg.m_installer.UiLanguage != before) return n;
  }
  return 0;
}

class DialogLanguageSwitchTest : public SimTest {
 protected:
  // Runs a dialog on a system with UI language `language`.
  // The installer reads the language when the dialog is built.
  void Run(uint16_t language, const std::function<void(platform::WindowHandle)>& script) {
    sim::System().uiLanguage = language;
    dlg_ = std::make_unique<CTarnwickDlg>();
    RunModal(*dlg_, [&](platform::WindowHandle d) {
      script(d);
      sim::PressEscape(d);
    });
  }
  CTarnwickDlg& Dlg() { return *dlg_; }

 private:
  std::unique_ptr<CTarnwickDlg> dlg_;
};

TEST_F(DialogLanguageSwitchTest, EveryFifthDoubleClickFlipsTheLanguageAndItsTexts) {
  Run(1033, [&](platform::WindowHandle d) {
    EXPECT_TRUE(ShowsLanguage(d, 1033));
    ASSERT_NE(DoubleClicksUntilFlip(d, Dlg()), 0);
    EXPECT_EQ(Dlg().m_installer.UiLanguage, 2052);
    EXPECT_TRUE(ShowsLanguage(d, 2052));

    for (int round = 0; round < 2; ++round) {
      const int32_t language = Dlg().m_installer.UiLanguage;
      for (int n = 1; n <= 4; ++n) {
        sim::DoubleClick(d, kIdLanguageSwitch);
        EXPECT_EQ(Dlg().m_installer.UiLanguage, language) << "double-click " << n;
      }
      sim::DoubleClick(d, kIdLanguageSwitch);
      const int32_t flipped = language == 2052 ? 1033 : 2052;
      EXPECT_EQ(Dlg().m_installer.UiLanguage, flipped);
      EXPECT_TRUE(ShowsLanguage(d, flipped));
    }
    // The texts that are not the language's stay as the template has them.
    EXPECT_EQ(Text(d, kIdConnectionUsb), "USB ");
    EXPECT_EQ(Text(d, kIdBaud9600), "9600");
    EXPECT_EQ(Text(d, kIdBaud19200), "19200");
    EXPECT_EQ(Text(d, kIdLanguageSwitch), std::string(16, ' '));
  });
}

TEST_F(DialogLanguageSwitchTest, SingleClicksAreNotCounted) {
  Run(2052, [&](platform::WindowHandle d) {
    ASSERT_NE(DoubleClicksUntilFlip(d, Dlg()), 0);
    ASSERT_EQ(Dlg().m_installer.UiLanguage, 1033);
    for (int n = 0; n < 4; ++n) {
      for (int click = 0; click < 7; ++click) EXPECT_TRUE(sim::Click(d, kIdLanguageSwitch));
      sim::DoubleClick(d, kIdLanguageSwitch);
    }
    EXPECT_EQ(Dlg().m_installer.UiLanguage, 1033);
    sim::DoubleClick(d, kIdLanguageSwitch);
    EXPECT_EQ(Dlg().m_installer.UiLanguage, 2052);
  });
}

TEST_F(DialogLanguageSwitchTest, AGermanSystemGoesToChineseThenToEnglishNotBackToGerman) {
  Run(1031, [&](platform::WindowHandle d) {
    EXPECT_TRUE(ShowsLanguage(d, 1033)) << "any language but 2052 reads English";
    ASSERT_NE(DoubleClicksUntilFlip(d, Dlg()), 0);
    EXPECT_EQ(Dlg().m_installer.UiLanguage, 2052);
    EXPECT_EQ(DoubleClicksUntilFlip(d, Dlg()), 5);
    EXPECT_EQ(Dlg().m_installer.UiLanguage, 1033);
  });
}

TEST_F(DialogLanguageSwitchTest, OtherChineseLocalesGetTheEnglishTexts) {
  for (uint16_t language : {1028, 3076, 4100, 1033}) {
    sim::ResetMachine();
    sim::System().uiLanguage = language;
    CTarnwickDlg local;
    RunModal(local, [&](platform::WindowHandle d) {
      EXPECT_TRUE(ShowsLanguage(d, 1033)) << language;
      sim::PressEscape(d);
    });
  }
}

// In a process of its own the counter starts at 1: double-clicks 1 to 4
// change nothing, the 5th flips, the 10th flips back.
std::vector<int32_t> LanguagesAfterEachDoubleClick(uint16_t start, int count) {
  sim::ResetMachine();
  sim::System().uiLanguage = start;
  std::vector<int32_t> seen;
  CTarnwickDlg dlg;
  sim::Ui().user = [&](platform::WindowHandle d) {
    for (int n = 0; n < count; ++n) {
      sim::DoubleClick(d, kIdLanguageSwitch);
      seen.push_back(dlg.m_installer.UiLanguage);
    }
    sim::PressEscape(d);
  };
  dlg.DoModal();
  return seen;
}

void ExitWhetherAsExpected(uint16_t start, const std::vector<int32_t>& expected) {
  const std::vector<int32_t> seen = LanguagesAfterEachDoubleClick(start, 10);
  if (seen == expected) std::exit(0);
  for (int32_t language : seen) std::fprintf(stderr, "%d ", language);
  std::fprintf(stderr, "\n");
  std::exit(1);
}

TEST(DialogLanguageSwitchFreshProcessTest, CountsFromOneInANewProcess) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const std::vector<int32_t> english = {1033, 1033, 1033, 1033, 2052, 2052, 2052, 2052, 2052, 1033};
  EXPECT_EXIT(ExitWhetherAsExpected(1033, english), ::testing::ExitedWithCode(0), "");
  const std::vector<int32_t> german = {1031, 1031, 1031, 1031, 2052, 2052, 2052, 2052, 2052, 1033};
  EXPECT_EXIT(ExitWhetherAsExpected(1031, german), ::testing::ExitedWithCode(0), "");
}

}  // namespace
