// What the main dialog shows for each connection type, with ports on the
// machine and without, whatever was shown before.
#include <string>

#include "DialogConnectionFixture.h"

namespace {

using conntest::DialogConnectionTest;
using conntest::Lines;
using conntest::Picture;
using conntest::PictureOf;

constexpr char kUsbPrompt[] = "Please select USB port:";
constexpr char kSerialPrompt[] = "Please select serial port:";
constexpr char kParallelPrompt[] = "Please select parallel port:";
constexpr char kUsbNotice[] =
    "There is no <USB printer> connected to the computer! Please confirm that your USB printer "
    "is properly connected to the computer !";
constexpr char kSerialNotice[] = "No < serial > device was detected on the computer !";
constexpr char kParallelNotice[] = "No device < parallel port > was detected on the computer !";

Lines WithPrompt(const char* prompt, const Lines& ports) {
  Lines items = {prompt};
  items.insert(items.end(), ports.begin(), ports.end());
  return items;
}

struct ShowCase {
  const char* name;
  bool portsOnMachine;
  int before;  // the radio clicked first; for Ethernet 10.1.2.3 is typed then
  int target;  // the radio clicked last
  Picture expected;
};

//                  list  items  sel  notice  text  addr shown/enabled/text  label baud hint install
const ShowCase kShowCases[] = {
    {"USB with ports, after serial",
     true,
     kIdConnectionSerial,
     kIdConnectionUsb,
     {1, WithPrompt(kUsbPrompt, conntest::kUsbPorts), 1, 0, "", 1, 0, "0.0.0.0", 0, 0, 0, 1}},
    {"USB without, after Ethernet",
     false,
     kIdConnectionEthernet,
     kIdConnectionUsb,
     {0, {}, -1, 1, kUsbNotice, 1, 0, "0.0.0.0", 0, 0, 0, 0}},
    {"serial with ports, after Ethernet",
     true,
     kIdConnectionEthernet,
     kIdConnectionSerial,
     {1, WithPrompt(kSerialPrompt, conntest::kSerialPorts), 1, 0, "", 1, 0, "0.0.0.0", 0, 1, 0, 1}},
    {"serial without, after USB again",
     false,
     kIdConnectionUsb,
     kIdConnectionSerial,
     {0, {}, -1, 1, kSerialNotice, 1, 0, "0.0.0.0", 0, 0, 0, 0}},
    {"parallel with ports, after serial",
     true,
     kIdConnectionSerial,
     kIdConnectionParallel,
     {1, WithPrompt(kParallelPrompt, conntest::kParallelPorts), 1, 0, "", 1, 0, "0.0.0.0", 0, 0, 0,
      1}},
    {"parallel without, after Ethernet",
     false,
     kIdConnectionEthernet,
     kIdConnectionParallel,
     {0, {}, -1, 1, kParallelNotice, 1, 0, "0.0.0.0", 0, 0, 0, 0}},
    {"Ethernet with ports, after serial",
     true,
     kIdConnectionSerial,
     kIdConnectionEthernet,
     {0, {}, -1, 0, "", 1, 1, "0.0.0.0", 1, 0, 0, 1}},
    {"Ethernet without, after USB",
     false,
     kIdConnectionUsb,
     kIdConnectionEthernet,
     {0, {}, -1, 0, "", 1, 1, "0.0.0.0", 1, 0, 0, 1}},
    {"Ethernet again keeps its address",
     false,
     kIdConnectionEthernet,
     kIdConnectionEthernet,
     {0, {}, -1, 0, "", 1, 1, "10.1.2.3", 1, 0, 0, 1}},
};

TEST_F(DialogConnectionTest, EachTypeShowsItsPortsOrItsNoticeOrTheAddress) {
  for (const ShowCase& c : kShowCases) {
    sim::ResetMachine();
    sim::System().uiLanguage = 1033;
    if (c.portsOnMachine) conntest::PutPortsOfEveryKind();
    Run([&](platform::WindowHandle d) {
      ASSERT_TRUE(sim::Click(d, c.before)) << c.name;
      if (c.before == kIdConnectionEthernet) conntest::TypeAddress(d, 10, 1, 2, 3);
      const size_t lookups =
          sim::CountCalls("SetupDiGetClassDevsA") + sim::CountCalls("RegOpenKeyExA");
      ASSERT_TRUE(sim::Click(d, c.target)) << c.name;

      EXPECT_EQ(PictureOf(d), c.expected) << c.name;
      EXPECT_EQ(Dlg().m_nConnectionType, c.target - kIdConnectionUsb) << c.name;
      EXPECT_EQ(dialogtest::Checked(d, c.target), ui::kBstChecked) << c.name;
      if (c.target == kIdConnectionEthernet) {
        EXPECT_EQ(sim::CountCalls("SetupDiGetClassDevsA") + sim::CountCalls("RegOpenKeyExA"),
                  lookups)
            << c.name << ": no ports are looked for";
      }
    });
  }
}

TEST_F(DialogConnectionTest, StartsWithTheUsbPortsAndTheAddressDisabledAndNoBaudRate) {
  sim::Devices().PlugUsbPrinter(conntest::UsbPath("sn0001"), 1);
  Run([&](platform::WindowHandle d) {
    EXPECT_EQ(PictureOf(d),
              (Picture{1, {kUsbPrompt, "USB001"}, 1, 0, "", 1, 0, "0.0.0.0", 0, 0, 0, 1}));
  });
}

TEST_F(DialogConnectionTest, NoUsbPrinterAtStartShowsTheNoticeAndDisablesInstall) {
  Run([&](platform::WindowHandle d) {
    EXPECT_EQ(PictureOf(d), (Picture{0, {}, -1, 1, kUsbNotice, 1, 0, "0.0.0.0", 0, 0, 0, 0}));
    EXPECT_FALSE(sim::PressEnter(d)) << "Enter finds the default button disabled";
  });
}

TEST_F(DialogConnectionTest, TheBaudRateGroupKeepsItsChoiceWhileHidden) {
  conntest::PutPortsOfEveryKind();
  Run([&](platform::WindowHandle d) {
    const auto baud = {kIdBaud9600, kIdBaud19200, kIdBaud38400, kIdBaud115200};
    ASSERT_TRUE(sim::Click(d, kIdConnectionSerial));
    EXPECT_EQ(dialogtest::Checks(d, baud), "1000") << "9600 at first";
    ASSERT_TRUE(sim::Click(d, kIdBaud38400));
    for (int other : {kIdConnectionUsb, kIdConnectionParallel, kIdConnectionEthernet}) {
      ASSERT_TRUE(sim::Click(d, other));
      EXPECT_EQ(PictureOf(d).baudShown, 0) << other;
      ASSERT_TRUE(sim::Click(d, kIdConnectionSerial));
      EXPECT_EQ(PictureOf(d).baudShown, 1) << other;
      EXPECT_EQ(dialogtest::Checks(d, baud), "0010") << other;
      EXPECT_EQ(Dlg().m_nBaudRate, 2) << other;
    }
  });
}

TEST_F(DialogConnectionTest, PortsFoundBeforeADiscoveryFailureAreListed) {
  // The second interface's path cannot be read: discovery gives up, but the
  // first printer's port was found and is offered.
  sim::Devices().PlugUsbPrinter(conntest::UsbPath("sn0001"), 1);
  sim::Devices().PlugUsbPrinter(conntest::UsbPath("sn0002"), 2);
  sim::FailCall("SetupDiGetDeviceInterfaceDetailA", 5, 2);
  Run([&](platform::WindowHandle d) {
    EXPECT_EQ(PictureOf(d).items, (Lines{kUsbPrompt, "USB001"}));
    EXPECT_TRUE(dialogtest::Enabled(d, kIdInstall));
    // And when the device query itself fails, there is nothing to offer.
    sim::FailCall("SetupDiGetClassDevsA");
    ASSERT_TRUE(sim::Click(d, kIdConnectionUsb));
    EXPECT_EQ(PictureOf(d), (Picture{0, {}, -1, 1, kUsbNotice, 1, 0, "0.0.0.0", 0, 0, 0, 0}));
    EXPECT_TRUE(sim::Logs().messageBoxes.empty());
  });
}

TEST_F(DialogConnectionTest, WithoutAConnectionRadioOnlyTheCommonStepsRun) {
  conntest::PutPortsOfEveryKind();
  Run([&](platform::WindowHandle d) {
    ASSERT_TRUE(sim::Click(d, kIdConnectionSerial));
    ui::Enable(Dlg().Item(kIdInstall), false);
    for (int id :
         {kIdConnectionUsb, kIdConnectionSerial, kIdConnectionParallel, kIdConnectionEthernet})
      sim::Control(d, id)->check = ui::kBstUnchecked;
    Dlg().RefreshConnectionControls();
    EXPECT_EQ(Dlg().m_nConnectionType, -1);
    // Emptied, the baud rate hidden and Install enabled; the list itself is
    // left as it was.
    EXPECT_EQ(PictureOf(d), (Picture{1, {}, -1, 0, "", 1, 0, "0.0.0.0", 0, 0, 0, 1}));
    EXPECT_EQ(dialogtest::Checks(d, {kIdConnectionUsb, kIdConnectionSerial, kIdConnectionParallel,
                                     kIdConnectionEthernet}),
              "0000");
  });
}

}  // namespace
