// The test page as the simulated printer device context records it.
#include <string>
#include <vector>

#include "SimFixture.h"
#include "platform/PrintDevice.h"
#include "ports/TestPage.h"
#include "texts/Texts.h"

namespace {

class TestPageTest : public SimTest {
 protected:
  void SetUp() override {
    SimTest::SetUp();
    platform::PrinterInfo2 p;
    p.printerName = "KDR270 (copy 1)";
    sim::Spooler().printers.push_back({p});
  }

  static std::vector<std::string> Ops() {
    std::vector<std::string> ops;
    for (const auto& op : sim::Logs().print) ops.push_back(op.op);
    return ops;
  }
};

TEST_F(TestPageTest, LaysOutTextNameDateAndRule) {
  for (int32_t language : {1033, 2052}) {
    SCOPED_TRACE(language);
    sim::ResetMachine();
    SetUp();
    sim::System().localNow = {2024, 3, 2, 5, 7, 8, 9, 0};
    const std::string text = texts::MessageTextsFor(language).TestPageText;

    ports::PrintTestPage("KDR270 (copy 1)", text);

    const auto& print = sim::Logs().print;
    ASSERT_EQ(Ops(),
              (std::vector<std::string>{"CreateDC", "StartDoc", "StartPage", "DrawText", "TextOut",
                                        "TextOut", "TextOut", "EndPage", "EndDoc", "DeleteDC"}));
    EXPECT_EQ(print[0].text, "KDR270 (copy 1)");
    EXPECT_EQ(print[1].text, "KDR270 (copy 1)") << "the document is named after the printer";
    EXPECT_EQ(print[3].text, text);
    EXPECT_EQ(print[3].rect.left, 10);
    EXPECT_EQ(print[3].rect.top, 10);
    EXPECT_EQ(print[3].rect.right, 400);
    EXPECT_EQ(print[3].rect.bottom, 500);
    EXPECT_EQ(print[3].format, 0x100u);
    EXPECT_EQ(print[4].text, "KDR270 (copy 1)");
    EXPECT_EQ(print[4].x, 10);
    EXPECT_EQ(print[4].y, 430);
    EXPECT_EQ(print[5].text, "  2024-03-05 07:08:09");
    EXPECT_EQ(print[5].x, -20);
    EXPECT_EQ(print[5].y, 500);
    EXPECT_EQ(print[6].text, std::string(28, '-'));
    EXPECT_EQ(print[6].x, -20);
    EXPECT_EQ(print[6].y, 800);
    EXPECT_EQ(sim::Logs().openDeviceContexts, 0);
  }
}

TEST_F(TestPageTest, TwoDigitFieldsAreNotPadded) {
  sim::System().localNow = {2031, 12, 4, 25, 23, 59, 58, 999};
  ports::PrintTestPage("KDR270 (copy 1)", "x");
  ASSERT_EQ(sim::Logs().print.size(), 10u);
  EXPECT_EQ(sim::Logs().print[5].text, "  2031-12-25 23:59:58");
}

TEST_F(TestPageTest, AnUnknownPrinterGetsNothingAndNothingIsShown) {
  ports::PrintTestPage("No such printer", "x");
  EXPECT_TRUE(sim::Logs().print.empty());
  EXPECT_TRUE(sim::Logs().messageBoxes.empty());
  EXPECT_EQ(sim::CountCalls("DeleteDC"), 0u);
}

TEST_F(TestPageTest, ADocumentThatDoesNotStartStillReleasesTheDeviceContext) {
  sim::FailCall("StartDocA");
  ports::PrintTestPage("KDR270 (copy 1)", "x");
  EXPECT_EQ(sim::CountCalls("TextOutA"), 3u);
  EXPECT_EQ(sim::CountCalls("EndDoc"), 1u);
  EXPECT_EQ(sim::CountCalls("DeleteDC"), 1u);
}

}  // namespace
