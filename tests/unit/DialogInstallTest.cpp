// The Install button over the simulated machine: the port each connection
// type installs on and prepares, the default printer, the success message,
// the test page, the dialog closing after success and staying usable after
// a failure, and the wait cursor in between.
#include <string>
#include <vector>

#include "DialogInstallFixture.h"
#include "platform/ui/Messages.h"
#include "texts/Texts.h"

namespace {

using dialoginstalltest::kHklm;
using dialoginstalltest::kSerialSettingsKey;
using dialoginstalltest::kTcpIpPortsKey;
using dialogtest::Enabled;
using dialogtest::RunModal;

class DialogInstallTest : public dialoginstalltest::DialogInstallTest {
 protected:
  // The value's bytes as REG_SZ stores them, with the terminating zero.
  static std::string Sz(const std::string& text) { return text + std::string(1, '\0'); }

  static std::string TcpIpValue(const std::string& port, const std::string& name) {
    const sim::RegValue* v =
        sim::Registry().Value(kHklm, std::string(kTcpIpPortsKey) + "\\" + port, name);
    return v ? v->data : "<none>";
  }
};

TEST_F(DialogInstallTest, EthernetInstallsOnTheTcpIpPortOfTheTypedAddress) {
  const struct {
    int fields[4];
    const char* address;
  } cases[] = {{{192, 168, 1, 100}, "192.168.1.100"},
               {{10, 0, 0, 7}, "10.0.0.7"},
               {{-1, -1, -1, -1}, "0.0.0.0"},  // every field left blank
               {{255, -1, 0, 255}, "255.0.0.255"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.address);
    FreshMachine();
    const std::string port = std::string("IP_[") + c.address + "]";
    CTarnwickDlg dlg;
    RunModal(dlg, [&](platform::WindowHandle d) {
      ChooseConnection(d, kIdConnectionEthernet, "");
      TypeAddress(d, c.fields[0], c.fields[1], c.fields[2], c.fields[3]);
      ASSERT_TRUE(sim::Click(d, kIdInstall));
    });
    EXPECT_EQ(TcpIpValue(port, "HostName"), Sz(c.address));
    ASSERT_EQ(sim::Shell().launches.size(), 3u) << "the start at construction, then stop and start";
    EXPECT_EQ(sim::Shell().launches[1].parameters, "stop spooler /y");
    EXPECT_EQ(sim::Shell().launches[2].parameters, "start spooler");
    EXPECT_TRUE(sim::CalledBefore("ShellExecuteExA", "AddPrinterDriverA"))
        << "the spooler reads the new port before the printer is added";
    EXPECT_EQ(PrinterNames(), std::vector<std::string>{"KDR270"});
    EXPECT_EQ(PortOf("KDR270"), port);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{SuccessText("KDR270", port)});
    EXPECT_TRUE(sim::Logs().print.empty()) << "no test page on a network printer";
    EXPECT_EQ(sim::Ui().endResults, std::vector<intptr_t>{ui::kIdCancel});
  }
}

TEST_F(DialogInstallTest, SerialStoresTheChosenBaudRateBeforeInstalling) {
  const struct {
    int baudRadio;  // 0: none checked, so the choice is out of range
    const char* settings;
  } cases[] = {{kIdBaud9600, "9600,n,8,1,p"},
               {kIdBaud19200, "19200,n,8,1,p"},
               {kIdBaud38400, "38400,n,8,1,p"},
               {kIdBaud115200, "115200,n,8,1,p"},
               {0, "9600,n,8,1,p"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.settings);
    FreshMachine();
    CTarnwickDlg dlg;
    RunModal(dlg, [&](platform::WindowHandle d) {
      ChooseConnection(d, kIdConnectionSerial, "COM1:");
      // The radio the user left checked; none at all is a choice out of range.
      for (int id = kIdBaud9600; id <= kIdBaud115200; ++id)
        sim::Control(d, id)->check = id == c.baudRadio ? ui::kBstChecked : ui::kBstUnchecked;
      ASSERT_TRUE(sim::Click(d, kIdInstall));
    });
    const sim::RegValue* value = sim::Registry().Value(kHklm, kSerialSettingsKey, "COM1:");
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->data, Sz(c.settings));
    EXPECT_TRUE(sim::CalledBefore("RegSetValueExA", "AddPrinterDriverA"));
    EXPECT_EQ(PortOf("KDR270"), "COM1:");
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{SuccessText("KDR270", "COM1:")});
    EXPECT_TRUE(sim::Logs().print.empty());
    EXPECT_EQ(sim::Shell().launches.size(), 1u) << "no spooler restart for a serial port";
    EXPECT_EQ(sim::Ui().endResults, std::vector<intptr_t>{ui::kIdCancel});
  }
}

TEST_F(DialogInstallTest, UsbWithYesMakesTheDefaultPrintsATestPageAndCloses) {
  CTarnwickDlg dlg;
  const intptr_t result = RunModal(dlg, [&](platform::WindowHandle d) {
    ASSERT_TRUE(sim::Click(d, kIdDefaultYes));
    ChooseConnection(d, kIdConnectionUsb, "USB001");
    ASSERT_TRUE(sim::Click(d, kIdInstall));
    EXPECT_TRUE(sim::Window(d)->ended) << "closes once the handler returns";
  });
  EXPECT_EQ(result, ui::kIdCancel);
  EXPECT_EQ(PortOf("KDR270"), "USB001");
  EXPECT_EQ(sim::Spooler().defaultPrinter, "KDR270");
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{SuccessText("KDR270", "USB001")});
  EXPECT_EQ(TestPagePrinter(), "KDR270");
  EXPECT_EQ(TestPageTextPrinted(), texts::MessageTextsFor(1033).TestPageText);
  // The user reads the message before the page comes out and the window goes.
  EXPECT_TRUE(sim::CalledBefore("SetDefaultPrinterA", "MessageBoxA"));
  EXPECT_TRUE(sim::CalledBefore("MessageBoxA", "CreateDCA"));
  EXPECT_TRUE(sim::CalledBefore("DeleteDC", "EndDialog"));
  EXPECT_EQ(sim::Registry().Find(kHklm, kSerialSettingsKey)->values.size(), 0u);
  EXPECT_EQ(sim::Registry().Find(kHklm, kTcpIpPortsKey)->children.size(), 0u);
}

TEST_F(DialogInstallTest, ParallelWithNoByTheEnterKeySetsNoDefaultAndPrintsNothing) {
  CTarnwickDlg dlg;
  RunModal(dlg, [&](platform::WindowHandle d) {
    ChooseConnection(d, kIdConnectionParallel, "LPT1:");
    ASSERT_TRUE(sim::PressEnter(d));
  });
  EXPECT_EQ(PortOf("KDR270"), "LPT1:");
  EXPECT_EQ(sim::CountCalls("SetDefaultPrinterA"), 0u);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{SuccessText("KDR270", "LPT1:")});
  EXPECT_TRUE(sim::Logs().print.empty());
  EXPECT_EQ(sim::Ui().endResults, std::vector<intptr_t>{ui::kIdCancel});
}

// While the command runs the dialog shows the wait cursor and takes no
// second Install or Exit; afterwards the normal cursor and both buttons are
// back. The user sees it while a message box of the run is open.
TEST_F(DialogInstallTest, AFailedRunLeavesTheDialogUsableAndARetryInstalls) {
  sim::FailCall("CopyFileA");
  CTarnwickDlg dlg;
  std::vector<std::string> seenWhileOpen;
  RunModal(dlg, [&](platform::WindowHandle d) {
    sim::Logs().whileMessageBoxOpen = [&](const sim::SimMessageBox& box) {
      sim::HoverOver(d, 0);
      const bool wait =
          !sim::Ui().cursorsSet.empty() && sim::Ui().cursorsSet.back() == ui::kIdcWait;
      seenWhileOpen.push_back(std::string(wait ? "wait" : "normal") + (dlg.m_bBusy ? " busy" : "") +
                              (Enabled(d, kIdInstall) ? " install" : "") +
                              (Enabled(d, kIdExit) ? " exit" : "") + ": " + box.text);
    };
    ChooseConnection(d, kIdConnectionUsb, "USB001");
    ASSERT_TRUE(sim::Click(d, kIdInstall));
    EXPECT_FALSE(sim::Window(d)->ended) << "a failure keeps the dialog open";
    EXPECT_FALSE(dlg.m_bBusy);
    EXPECT_TRUE(Enabled(d, kIdInstall));
    EXPECT_TRUE(Enabled(d, kIdExit));
    const std::size_t cursorsBefore = sim::Ui().cursorsSet.size();
    sim::HoverOver(d, kIdPortList);
    EXPECT_EQ(sim::Ui().cursorsSet.size(), cursorsBefore) << "no wait cursor any more";

    ASSERT_TRUE(sim::Click(d, kIdInstall));  // the copy works this time
    EXPECT_TRUE(sim::Window(d)->ended);
  });
  sim::Logs().whileMessageBoxOpen = nullptr;
  const std::string copyFailed = texts::MessageTextsFor(1033).InstallErrorRunAsAdminAntivirus;
  EXPECT_EQ(seenWhileOpen,
            (std::vector<std::string>{"wait busy: " + copyFailed,
                                      "wait busy: " + SuccessText("KDR270", "USB001")}));
  EXPECT_EQ(PrinterNames(), std::vector<std::string>{"KDR270"});
}

TEST_F(DialogInstallTest, FailuresOfTheDriverOrPrinterSaySoAndCloseNothing) {
  const struct {
    const char* call;
    std::vector<std::string> boxes;
  } cases[] = {
      {"GetPrinterDriverDirectoryA",
       {texts::MessageTextsFor(1033).InstallErrorRunAsAdminAntivirus}},
      {"AddPrinterDriverA",
       {"Access is denied.\r\n", texts::MessageTextsFor(1033).DriverInstallFailedAntivirus}},
      {"AddPrinterA", {"Access is denied.\r\n", texts::MessageTextsFor(1033).PrinterAddFailed}},
      {"GetVersionExA", {}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.call);
    FreshMachine();
    sim::FailAlways(c.call);
    CTarnwickDlg dlg;
    RunModal(dlg, [&](platform::WindowHandle d) {
      ASSERT_TRUE(sim::Click(d, kIdDefaultYes));
      ChooseConnection(d, kIdConnectionUsb, "USB001");
      ASSERT_TRUE(sim::Click(d, kIdInstall));
      EXPECT_FALSE(sim::Window(d)->ended);
      EXPECT_TRUE(Enabled(d, kIdInstall));
      EXPECT_TRUE(Enabled(d, kIdExit));
      sim::Click(d, kIdExit);
    });
    EXPECT_EQ(BoxTexts(), c.boxes);
    EXPECT_TRUE(sim::Spooler().printers.empty());
    EXPECT_EQ(sim::Spooler().defaultPrinter, "");
    EXPECT_TRUE(sim::Logs().print.empty());
    EXPECT_FALSE(dlg.m_bBusy);
  }
}

// The list keeps a port selected whenever Install is enabled; should it
// have none all the same, there is no port to prepare or install on.
TEST_F(DialogInstallTest, WithoutASelectedPortNothingIsPreparedOrInstalled) {
  for (int radio : {kIdConnectionUsb, kIdConnectionSerial, kIdConnectionParallel}) {
    SCOPED_TRACE(radio);
    FreshMachine();
    CTarnwickDlg dlg;
    RunModal(dlg, [&](platform::WindowHandle d) {
      ChooseConnection(d, radio, "");
      sim::Control(d, kIdPortList)->curSel = -1;
      ASSERT_TRUE(sim::Click(d, kIdInstall));
      EXPECT_FALSE(sim::Window(d)->ended);
      EXPECT_FALSE(dlg.m_bBusy);
      EXPECT_TRUE(Enabled(d, kIdInstall));
      EXPECT_TRUE(Enabled(d, kIdExit));
      sim::Click(d, kIdExit);
    });
    EXPECT_EQ(sim::CountCalls("GetPrinterDriverDirectoryA"), 0u);
    EXPECT_EQ(sim::CountCalls("RegSetValueExA"), 0u);
    EXPECT_TRUE(sim::Spooler().printers.empty());
    EXPECT_TRUE(sim::Logs().messageBoxes.empty());
  }
}

// A device notice refreshes the list while a message box of the run is
// open, and the refresh enables Install: pressing it then starts nothing.
TEST_F(DialogInstallTest, InstallPressedWhileItsMessageIsOpenStartsNoSecondRun) {
  CTarnwickDlg dlg;
  int boxes = 0;
  RunModal(dlg, [&](platform::WindowHandle d) {
    sim::Logs().whileMessageBoxOpen = [&](const sim::SimMessageBox&) {
      if (++boxes > 1) return;
      sim::DeviceChange(d, ui::kDbtDeviceArrival);
      sim::Deliver(d, ui::kWmCommand, ui::MakeLong(kIdInstall, ui::kBnClicked),
                   reinterpret_cast<ui::LParam>(sim::Control(d, kIdInstall)));
    };
    ChooseConnection(d, kIdConnectionUsb, "USB001");
    ASSERT_TRUE(sim::Click(d, kIdInstall));
  });
  sim::Logs().whileMessageBoxOpen = nullptr;
  EXPECT_EQ(boxes, 1);
  EXPECT_EQ(sim::CountCalls("AddPrinterDriverA"), 1u);
  EXPECT_EQ(PrinterNames(), std::vector<std::string>{"KDR270"});
  EXPECT_EQ(sim::Ui().endResults, std::vector<intptr_t>{ui::kIdCancel});
}

}  // namespace
