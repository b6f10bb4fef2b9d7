// The main dialog over the simulated machine: start-up, the state it opens
// in, the data exchange, the ways out, the cursor and the minimised icon.
#include <string>
#include <vector>

#include "DialogFixture.h"
#include "app/TarnwickApp.h"
#include "app/TarnwickDlg.h"
#include "platform/DeviceInterfaces.h"
#include "platform/ui/Window.h"

namespace {

using dialogtest::Checks;
using dialogtest::RunModal;
using dialogtest::Text;

constexpr std::initializer_list<int> kDefaultRadios = {1002, 1003};
constexpr std::initializer_list<int> kConnectionRadios = {1006, 1007, 1008, 1009};
constexpr std::initializer_list<int> kBaudRadios = {1024, 1025, 1026, 1027};

class DialogMainTest : public SimTest {
 protected:
  void SetUp() override {
    SimTest::SetUp();
    sim::System().uiLanguage = 1033;
  }
};

TEST_F(DialogMainTest, StartUpRunsTheDialogAfterTheControlsAndTheRestartManager) {
  int runs = 0;
  sim::Ui().user = [&](platform::WindowHandle d) {
    ++runs;
    EXPECT_EQ(theApp.MainDialog()->Handle(), d);
    sim::Click(d, kIdExit);
  };
  EXPECT_FALSE(theApp.InitInstance()) << "no message loop follows";
  sim::Ui().user = nullptr;

  EXPECT_EQ(runs, 1);
  EXPECT_EQ(sim::Ui().commonControlClasses, (std::vector<uint32_t>{0xFF}));
  EXPECT_EQ(sim::Ui().restartRegistrations, (std::vector<uint32_t>{0}));
  EXPECT_TRUE(sim::CalledBefore("InitCommonControlsEx", "RegisterApplicationRestart"));
  EXPECT_TRUE(sim::CalledBefore("RegisterApplicationRestart", "DialogBoxParamA"));
  EXPECT_EQ(sim::Ui().endResults, (std::vector<intptr_t>{ui::kIdCancel}));
  EXPECT_EQ(theApp.MainDialog(), nullptr) << "no pointer to the gone dialog";
}

TEST_F(DialogMainTest, WithoutRestartManagerOrCommonControlsTheDialogStillRuns) {
  sim::Ui().restartManagerAvailable = false;  // Windows XP
  sim::FailCall("InitCommonControlsEx");
  int runs = 0;
  sim::Ui().user = [&](platform::WindowHandle d) {
    ++runs;
    sim::PressEscape(d);
  };
  EXPECT_FALSE(theApp.InitInstance());
  sim::Ui().user = nullptr;
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(sim::Ui().restartRegistrations.empty());
}

TEST_F(DialogMainTest, OpensWithNoUsbAnd9600AndTheAddressZero) {
  CTarnwickDlg dlg;
  EXPECT_NE(dlg.m_hIcon, 0u);
  RunModal(dlg, [&](platform::WindowHandle d) {
    EXPECT_EQ(Checks(d, kDefaultRadios), "10");
    EXPECT_EQ(Checks(d, kConnectionRadios), "1000");
    EXPECT_EQ(Checks(d, kBaudRadios), "1000");
    EXPECT_EQ(Text(d, kIdIpAddress), "0.0.0.0");
    EXPECT_EQ(sim::Window(d)->text, "ORVANT KDR270 POS Printer Driver Setup");
    EXPECT_EQ(Text(d, kIdInstall), "installing the printer driver");
    EXPECT_EQ(Text(d, kIdConnectionUsb), "USB ") << "keeps its blank";
    EXPECT_EQ(Text(d, kIdBaud115200), "115200");
    EXPECT_EQ(Text(d, kIdLanguageSwitch), std::string(16, ' '));
    EXPECT_FALSE(dlg.m_bBusy);
    EXPECT_EQ(dlg.m_installer.Owner, d) << "message boxes belong to the dialog";
    sim::Click(d, kIdExit);
  });
}

TEST_F(DialogMainTest, InitialisationAppliesTextsThenAddressThenRegistersForUsbPrinters) {
  CTarnwickDlg dlg;
  platform::WindowHandle window = nullptr;
  RunModal(dlg, [&](platform::WindowHandle d) {
    window = d;
    sim::Click(d, kIdExit);
  });
  EXPECT_EQ(sim::Devices().noticeWindows, (std::vector<void*>{window}));

  // The base initialisation's exchange (a BM_SETCHECK for each of the ten
  // radios) goes before the address, by the order they were sent. The
  // connection refresh that follows exchanges again.
  const auto& sent = sim::Ui().sent;
  size_t checksBefore = 0, address = 0;
  for (size_t i = 0; i < sent.size(); ++i) {
    if (sent[i].message == ui::kIpmSetAddress) {
      address = i;
      break;
    }
    if (sent[i].message == ui::kBmSetCheck) ++checksBefore;
  }
  EXPECT_EQ(checksBefore, 10u);
  EXPECT_EQ(sent[address].wParam, 0u);
  EXPECT_EQ(sent[address].lParam, 0);
  EXPECT_TRUE(sim::CalledBefore("SetWindowTextA", "RegisterDeviceNotificationA"));
}

TEST_F(DialogMainTest, AFailedNoticeRegistrationLeavesTheDialogWorking) {
  sim::FailAlways("RegisterDeviceNotificationA");
  CTarnwickDlg dlg;
  const intptr_t result = RunModal(dlg, [&](platform::WindowHandle d) {
    EXPECT_EQ(Checks(d, kConnectionRadios), "1000");
    sim::PressEscape(d);
  });
  EXPECT_EQ(result, ui::kIdCancel);
}

TEST_F(DialogMainTest, ExchangeReadsMinusOneWithoutAChoiceAndSkipsListAndAddress) {
  CTarnwickDlg dlg;
  RunModal(dlg, [&](platform::WindowHandle d) {
    sim::Control(d, kIdDefaultNo)->check = ui::kBstUnchecked;
    sim::Control(d, kIdConnectionUsb)->check = ui::kBstUnchecked;
    sim::Control(d, kIdConnectionEthernet)->check = ui::kBstChecked;
    sim::Control(d, kIdBaud9600)->check = ui::kBstUnchecked;
    sim::Control(d, kIdBaud38400)->check = ui::kBstChecked;
    dlg.UpdateData(true);
    EXPECT_EQ(dlg.m_nSetDefault, -1);
    EXPECT_EQ(dlg.m_nConnectionType, 3) << "Ethernet is the fourth radio";
    EXPECT_EQ(dlg.m_nBaudRate, 2);

    sim::Ui().sent.clear();
    dlg.m_nConnectionType = 1;
    dlg.m_nSetDefault = 1;
    dlg.UpdateData(false);
    EXPECT_EQ(Checks(d, kConnectionRadios), "0100");
    EXPECT_EQ(Checks(d, kDefaultRadios), "01");
    EXPECT_EQ(Checks(d, kBaudRadios), "0010");
    // The list and the address control sit inside the connection group:
    // the exchange asks what they are and passes them by.
    for (const auto& m : sim::Ui().sent) {
      const int id = sim::Window(m.window)->id;
      if (m.message == ui::kWmGetDlgCode) continue;
      EXPECT_TRUE(id != kIdPortList && id != kIdIpAddress && id != kIdIpLabel)
          << "message " << m.message << " to " << id;
    }
    sim::PressEscape(d);
  });
}

TEST_F(DialogMainTest, ExitEscAndTheCloseBoxCancelAndEnterPressesInstall) {
  for (auto leave : {&sim::PressEscape, &sim::PressCloseBox}) {
    CTarnwickDlg dlg;
    EXPECT_EQ(RunModal(dlg, [&](platform::WindowHandle d) { leave(d); }), ui::kIdCancel);
  }
  CTarnwickDlg exited;
  EXPECT_EQ(RunModal(exited, [&](platform::WindowHandle d) { sim::Click(d, kIdExit); }),
            ui::kIdCancel);
  EXPECT_EQ(sim::Ui().endResults, (std::vector<intptr_t>(3, ui::kIdCancel)));

  // Enter is the Install button's, not the base dialog's OK: whatever the
  // install command does, the dialog never ends with IDOK.
  CTarnwickDlg dlg;
  RunModal(dlg, [&](platform::WindowHandle d) {
    ui::Enable(dlg.Item(kIdInstall), true);
    EXPECT_TRUE(sim::PressEnter(d));
    if (!sim::Window(d)->ended) sim::PressEscape(d);
  });
  for (intptr_t r : sim::Ui().endResults) EXPECT_NE(r, ui::kIdOk);
}

TEST_F(DialogMainTest, CursorIsTheWaitCursorWhileBusyAndTheHandOverTheWizardButton) {
  CTarnwickDlg dlg;
  RunModal(dlg, [&](platform::WindowHandle d) {
    EXPECT_EQ(sim::HoverOver(d, kIdWizardButton), 1);
    EXPECT_EQ(sim::HoverOver(d, kIdDefaultNo), 0) << "the default handling's FALSE";
    EXPECT_EQ(sim::HoverOver(d, 0), 0);
    EXPECT_EQ(sim::Ui().cursorsSet, (std::vector<int>{ui::kIdcHand}));

    sim::Ui().defaultHandled.clear();
    dlg.m_bBusy = true;
    EXPECT_EQ(sim::HoverOver(d, kIdWizardButton), 1);
    EXPECT_EQ(sim::HoverOver(d, kIdDefaultNo), 1);
    EXPECT_EQ(sim::HoverOver(d, 0), 1);
    EXPECT_EQ(sim::Ui().cursorsSet,
              (std::vector<int>{ui::kIdcHand, ui::kIdcWait, ui::kIdcWait, ui::kIdcWait}));
    EXPECT_TRUE(sim::Ui().defaultHandled.empty());
    dlg.m_bBusy = false;
    sim::Click(d, kIdExit);
  });
}

struct IconCase {
  int32_t width, height, cxIcon, cyIcon;
  int32_t x, y;
};

TEST_F(DialogMainTest, MinimisedItPaintsItsIconCentredInTheClientArea) {
  const IconCase cases[] = {
      {36, 36, 32, 32, 2, 2},     // (36 - 32 + 1) / 2
      {33, 40, 32, 32, 1, 4},     // odd remainders round down
      {0, 0, 32, 32, -15, -15},   // truncation toward zero, not -16
      {160, 31, 48, 48, 56, -8},  // larger icons
  };
  for (const IconCase& c : cases) {
    sim::ResetMachine();
    sim::Ui().systemMetrics = {{ui::kSmCxIcon, c.cxIcon}, {ui::kSmCyIcon, c.cyIcon}};
    CTarnwickDlg dlg;
    RunModal(dlg, [&](platform::WindowHandle d) {
      sim::Minimise(d, true, c.width, c.height);
      sim::Paint(d);
      ASSERT_EQ(sim::Ui().iconsDrawn.size(), 1u);
      const sim::IconDraw& drawn = sim::Ui().iconsDrawn[0];
      EXPECT_EQ(drawn.x, c.x) << c.width << "x" << c.height;
      EXPECT_EQ(drawn.y, c.y) << c.width << "x" << c.height;
      EXPECT_EQ(drawn.icon, dlg.m_hIcon);
      // The background goes first, on the same device context.
      bool erased = false;
      for (const auto& m : sim::Ui().sent)
        if (m.message == ui::kWmIconEraseBkgnd) erased = m.wParam == drawn.dc && m.lParam == 0;
      EXPECT_TRUE(erased);
      EXPECT_EQ(sim::Ui().openPaints, 0);
      sim::Minimise(d, false);
      sim::Click(d, kIdExit);
    });
  }
}

TEST_F(DialogMainTest, RestoredItLeavesPaintingToTheDialogAndDragsItsIcon) {
  CTarnwickDlg dlg;
  RunModal(dlg, [&](platform::WindowHandle d) {
    sim::Ui().defaultHandled.clear();
    sim::Paint(d);
    EXPECT_TRUE(sim::Ui().iconsDrawn.empty());
    EXPECT_EQ(sim::Ui().defaultHandled, (std::vector<uint32_t>{ui::kWmPaint}));
    EXPECT_EQ(sim::Deliver(d, ui::kWmQueryDragIcon, 0, 0), static_cast<ui::LResult>(dlg.m_hIcon));
    sim::Click(d, kIdExit);
  });
  EXPECT_EQ(dlg.m_hIcon, static_cast<ui::IconHandle>(sim::kIconHandles + kProgramIconId));
}

TEST_F(DialogMainTest, TheConnectionAndWizardRowsOfTheMessageMapHaveHandlers) {
  CTarnwickDlg dlg;
  RunModal(dlg, [&](platform::WindowHandle d) {
    sim::Ui().defaultHandled.clear();
    sim::Deliver(d, ui::kWmCommand, ui::MakeLong(kIdConnectionSerial, ui::kBnClicked), 0);
    sim::Deliver(d, ui::kWmCommand, ui::MakeLong(kIdWizardButton, ui::kBnClicked), 0);
    sim::Deliver(d, ui::kWmCommand, ui::MakeLong(kIdPortList, ui::kLbnSelChange), 0);
    sim::Deliver(d, ui::kWmCommand, ui::MakeLong(kIdPortList, ui::kLbnDblClk), 0);
    EXPECT_EQ(sim::DeviceChange(d, ui::kDbtDeviceArrival), 0);
    EXPECT_TRUE(sim::Ui().defaultHandled.empty()) << "each one had its handler";
    if (!sim::Window(d)->ended) sim::PressEscape(d);
  });
}

}  // namespace
