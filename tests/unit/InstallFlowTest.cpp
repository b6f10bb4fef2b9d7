// Install: version, variant by architecture, default printer, success text.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "InstallFixture.h"
#include "install/PrinterInstaller.h"
#include "platform/MessageBox.h"
#include "platform/SystemInfo.h"
#include "texts/Texts.h"

namespace {

using install::PrinterInstaller;
using installtest::kX64;
using installtest::kX86;

class InstallFlowTest : public installtest::InstallFixture {};

TEST_F(InstallFlowTest, SucceedsMakesTheDefaultAndSaysSo) {
  UnpackPackage(kX64);
  PrinterInstaller installer;
  Give(installer);
  installer.Owner = reinterpret_cast<void*>(0x99);
  installer.PrinterName = "left from a failed run";

  ASSERT_TRUE(installer.Install(1, "USB001"));

  ASSERT_EQ(sim::Spooler().drivers.size(), 1u);
  EXPECT_EQ(sim::Spooler().drivers[0].info.environment, kX64);
  EXPECT_EQ(sim::Spooler().defaultPrinter, "KDR270");
  ASSERT_EQ(sim::Logs().messageBoxes.size(), 1u);
  const sim::SimMessageBox& box = sim::Logs().messageBoxes[0];
  EXPECT_EQ(box.text,
            "The printer driver has been successfully installed on your computer!\r\n"
            "Printer name : KDR270\r\nPrinter port : USB001\r\n");
  EXPECT_EQ(box.caption, texts::kWindowTitle);
  EXPECT_EQ(box.flags, platform::kMbOk | platform::kMbIconExclamation);
  EXPECT_EQ(box.owner, reinterpret_cast<void*>(0x99));
  // The default is set before the message names the printer.
  EXPECT_TRUE(sim::CalledBefore("SetDefaultPrinterA", "MessageBoxA"));
}

TEST_F(InstallFlowTest, NoDefaultPrinterWhenNotAsked) {
  UnpackPackage(kX64);
  platform::PrinterInfo2 existing;
  existing.printerName = "KDR270";
  sim::Spooler().printers.push_back({existing});
  PrinterInstaller installer;
  Give(installer);

  ASSERT_TRUE(installer.Install(0, "LPT1:"));

  EXPECT_EQ(sim::CountCalls("SetDefaultPrinterA"), 0u);
  EXPECT_EQ(sim::Spooler().defaultPrinter, "");
  ASSERT_EQ(sim::Logs().messageBoxes.size(), 1u);
  EXPECT_EQ(sim::Logs().messageBoxes[0].text,
            "The printer driver has been successfully installed on your computer!\r\n"
            "Printer name : KDR270 (copy 1)\r\nPrinter port : LPT1:\r\n");
}

TEST_F(InstallFlowTest, EveryArchitectureButX64TakesThe32BitDriver) {
  const struct {
    uint16_t architecture;
    const char* environment;
  } cases[] = {{platform::kProcessorArchitectureAmd64, kX64},
               {platform::kProcessorArchitectureIntel, kX86},
               {platform::kProcessorArchitectureIa64, kX86},
               {12, kX86},  // 64-bit Arm
               {platform::kProcessorArchitectureUnknown, kX86}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.architecture);
    FreshMachine();
    UnpackPackage(c.environment);
    sim::System().nativeArchitecture = c.architecture;
    PrinterInstaller installer;
    Give(installer);
    ASSERT_TRUE(installer.Install(0, "USB001"));
    ASSERT_EQ(sim::Spooler().drivers.size(), 1u);
    EXPECT_EQ(sim::Spooler().drivers[0].info.environment, c.environment);
  }
}

TEST_F(InstallFlowTest, TheWindowsVersionChoosesTheFailureText) {
  const struct {
    uint32_t major;
    const char* texts::MessageTexts::*text;
  } cases[] = {{5, &texts::MessageTexts::InstallError},
               {6, &texts::MessageTexts::InstallErrorRunAsAdmin},
               {10, &texts::MessageTexts::InstallErrorRunAsAdmin}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.major);
    FreshMachine();  // no package unpacked: every copy fails
    sim::System().nativeArchitecture = platform::kProcessorArchitectureIntel;
    sim::System().version = {c.major, 1, 2600};
    PrinterInstaller installer;
    Give(installer);
    installer.UiLanguage = 2052;
    EXPECT_FALSE(installer.Install(1, "USB001"));
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{texts::MessageTextsFor(2052).*c.text});
    EXPECT_EQ(sim::CountCalls("SetDefaultPrinterA"), 0u);
  }
}

TEST_F(InstallFlowTest, AFailedVersionQueryFailsSilently) {
  UnpackPackage(kX64);
  sim::FailCall("GetVersionExA");
  PrinterInstaller installer;
  Give(installer);
  EXPECT_FALSE(installer.Install(1, "USB001"));
  EXPECT_TRUE(sim::Logs().messageBoxes.empty());
  EXPECT_EQ(sim::CountCalls("GetPrinterDriverDirectoryA"), 0u);
  EXPECT_TRUE(sim::Spooler().drivers.empty());
}

TEST_F(InstallFlowTest, AFailedPrinterAddEndsWithoutSuccessOrDefault) {
  UnpackPackage(kX64);
  sim::FailCall("AddPrinterA", 5);
  PrinterInstaller installer;
  Give(installer);
  EXPECT_FALSE(installer.Install(1, "USB001"));
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Access is denied.\r\n",
                                                  texts::MessageTextsFor(1033).PrinterAddFailed}));
  EXPECT_EQ(sim::CountCalls("SetDefaultPrinterA"), 0u);
  EXPECT_STREQ(installer.InstalledPrinterName, "");
}

TEST_F(InstallFlowTest, AnyPortNameLengthGivesABoundedMessage) {
  UnpackPackage(kX64);
  const std::string port(5000, 'C');
  PrinterInstaller installer;
  Give(installer);
  ASSERT_TRUE(installer.Install(0, port));
  ASSERT_EQ(sim::Spooler().printers.size(), 1u);
  EXPECT_EQ(sim::Spooler().printers[0].info.portName, port) << "the port itself is not cut";
  ASSERT_EQ(sim::Logs().messageBoxes.size(), 1u);
  const std::string& text = sim::Logs().messageBoxes[0].text;
  EXPECT_EQ(text.size(), 1023u);
  const std::string head =
      "The printer driver has been successfully installed on your computer!\r\n"
      "Printer name : KDR270\r\nPrinter port : CCC";
  EXPECT_EQ(text.compare(0, head.size(), head), 0);
}

// Every system call of an installation made to fail in turn: the result
// never claims a printer that is not there, and nothing is left open.
TEST_F(InstallFlowTest, AnySingleFailedCallLeavesAConsistentOutcome) {
  UnpackPackage(kX64);
  {
    PrinterInstaller installer;
    Give(installer);
    ASSERT_TRUE(installer.Install(1, "USB001"));
  }
  const std::size_t calls = sim::CallLog().size();
  ASSERT_GT(calls, 30u);
  const std::string success =
      "The printer driver has been successfully installed on your computer!\r\n"
      "Printer name : KDR270\r\nPrinter port : USB001\r\n";
  for (std::size_t k = 0; k < calls; ++k) {
    FreshMachine();
    UnpackPackage(kX64);
    sim::FailCallNumber(k);
    PrinterInstaller installer;
    Give(installer);
    const bool installed = installer.Install(1, "USB001");
    const std::string failed = sim::CallLog()[k];
    SCOPED_TRACE(std::to_string(k) + " " + failed);
    // A close that itself fails is the one way a handle can stay open.
    if (failed != "ClosePrinter") {
      EXPECT_EQ(sim::Spooler().openPrinterHandles, 0);
    }
    const std::vector<std::string> boxes = BoxTexts();
    const bool saidSuccess = std::find(boxes.begin(), boxes.end(), success) != boxes.end();
    if (installed) {
      EXPECT_NE(sim::Spooler().FindPrinter(installer.InstalledPrinterName), nullptr);
      EXPECT_TRUE(saidSuccess || failed == "MessageBoxA");
    } else {
      EXPECT_FALSE(saidSuccess);
      EXPECT_EQ(sim::Spooler().defaultPrinter, "");
    }
  }
}

}  // namespace
