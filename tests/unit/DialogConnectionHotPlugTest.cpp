// USB printers plugged in and pulled out while the dialog is open: the
// WM_DEVICECHANGE notices of the USB printer interface class refresh the USB
// list, and only that.
#include <cstdint>
#include <string>
#include <vector>

#include "DialogConnectionFixture.h"
#include "texts/Texts.h"

namespace {

using conntest::DialogConnectionTest;
using conntest::Lines;
using conntest::Picture;
using conntest::PictureOf;

constexpr char kUsbPrompt[] = "Please select USB port:";

// Pulls the printer out: its interface is no longer present.
void Unplug(const std::string& serial) {
  for (sim::UsbInterface& i : sim::Devices().usbPrinters)
    if (i.devicePath == conntest::UsbPath(serial)) i.present = false;
}

TEST_F(DialogConnectionTest, PluggingAndPullingRefillsTheUsbListWithoutTheUser) {
  Run([&](platform::WindowHandle d) {
    EXPECT_FALSE(dialogtest::Enabled(d, kIdInstall));
    EXPECT_TRUE(dialogtest::Shown(d, kIdNotice));

    sim::Devices().PlugUsbPrinter(conntest::UsbPath("sn0007"), 7);
    EXPECT_EQ(sim::DeviceChange(d, ui::kDbtDeviceArrival), 0);
    EXPECT_EQ(PictureOf(d),
              (Picture{1, {kUsbPrompt, "USB007"}, 1, 0, "", 1, 0, "0.0.0.0", 0, 0, 0, 1}));

    sim::Devices().PlugUsbPrinter(conntest::UsbPath("sn0002"), 2);
    EXPECT_EQ(sim::DeviceChange(d, ui::kDbtDeviceArrival), 0);
    EXPECT_EQ(PictureOf(d).items, (Lines{kUsbPrompt, "USB007", "USB002"}));
    EXPECT_EQ(PictureOf(d).selected, 1);

    Unplug("sn0007");
    EXPECT_EQ(sim::DeviceChange(d, ui::kDbtDeviceRemoveComplete), 0);
    EXPECT_EQ(PictureOf(d).items, (Lines{kUsbPrompt, "USB002"}));
    EXPECT_TRUE(dialogtest::Enabled(d, kIdInstall));

    Unplug("sn0002");
    EXPECT_EQ(sim::DeviceChange(d, ui::kDbtDeviceRemoveComplete), 0);
    const Picture noUsbPrinter = {
        0, {}, -1, 1, texts::PortListTextsFor(1033).NoUsbPrinterNotice, 1, 0, "0.0.0.0",
        0, 0,  0,  0};
    EXPECT_EQ(PictureOf(d), noUsbPrinter);
    EXPECT_EQ(sim::Devices().openSets, 0);
    EXPECT_EQ(sim::Registry().OpenKeyCount(), 0);
  });
}

TEST_F(DialogConnectionTest, UsbNoticesChangeNothingWhileAnotherTypeIsChosen) {
  conntest::PutPortsOfEveryKind();
  for (int type : {kIdConnectionSerial, kIdConnectionParallel, kIdConnectionEthernet}) {
    Run([&](platform::WindowHandle d) {
      ASSERT_TRUE(sim::Click(d, type));
      if (type == kIdConnectionEthernet) conntest::TypeAddress(d, 192, 168, 1, 100);
      if (type == kIdConnectionSerial) {
        ASSERT_TRUE(sim::Click(d, kIdBaud115200));
      }
      ASSERT_TRUE(sim::SelectListItem(d, kIdPortList, 2) || type == kIdConnectionEthernet);
      const Picture before = PictureOf(d);
      const size_t queries = sim::CountCalls("SetupDiGetClassDevsA");

      sim::Devices().PlugUsbPrinter(conntest::UsbPath("sn0099"), 99);
      EXPECT_EQ(sim::DeviceChange(d, ui::kDbtDeviceArrival), 0);
      Unplug("sn0012");
      Unplug("sn0003");
      EXPECT_EQ(sim::DeviceChange(d, ui::kDbtDeviceRemoveComplete), 0);

      EXPECT_EQ(PictureOf(d), before) << type;
      EXPECT_EQ(sim::CountCalls("SetupDiGetClassDevsA"), queries) << type;
      EXPECT_EQ(dialogtest::Checked(d, type), ui::kBstChecked);
      // The USB list is up to date once USB is chosen.
      ASSERT_TRUE(sim::Click(d, kIdConnectionUsb));
      EXPECT_EQ(PictureOf(d).items, (Lines{kUsbPrompt, "USB099"})) << type;
    });
    sim::Devices().usbPrinters.clear();
    conntest::PutPortsOfEveryKind();
  }
}

// A record whose header says it is `size` bytes of device type `type`.
struct Header {
  uint32_t size;
  uint32_t deviceType;
  uint32_t reserved;
};

TEST_F(DialogConnectionTest, OnlyArrivalAndRemovalOfADeviceInterfaceRefresh) {
  Run([&](platform::WindowHandle d) {
    sim::Devices().PlugUsbPrinter(conntest::UsbPath("sn0001"), 1);
    const size_t queries = sim::CountCalls("SetupDiGetClassDevsA");
    // DBT_DEVNODES_CHANGED carries no record; DBT_DEVICEQUERYREMOVE and
    // DBT_DEVICEREMOVEPENDING are not removals yet; DBT_DEVTYP_PORT and
    // DBT_DEVTYP_VOLUME are other device types.
    EXPECT_EQ(sim::Deliver(d, ui::kWmDeviceChange, 0x0007, 0), 0);
    EXPECT_EQ(sim::DeviceChange(d, 0x8001), 0);
    EXPECT_EQ(sim::DeviceChange(d, 0x8003), 0);
    EXPECT_EQ(sim::DeviceChange(d, ui::kDbtDeviceArrival, 3), 0);
    EXPECT_EQ(sim::DeviceChange(d, ui::kDbtDeviceRemoveComplete, 2), 0);
    // Arrival without a record, or with one too short to hold its type.
    EXPECT_EQ(sim::Deliver(d, ui::kWmDeviceChange, ui::kDbtDeviceArrival, 0), 0);
    const Header shortRecord = {4, ui::kDbtDevTypDeviceInterface, 0};
    EXPECT_EQ(sim::Deliver(d, ui::kWmDeviceChange, ui::kDbtDeviceArrival,
                           reinterpret_cast<ui::LParam>(&shortRecord)),
              0);
    EXPECT_EQ(sim::CountCalls("SetupDiGetClassDevsA"), queries);
    EXPECT_TRUE(dialogtest::Shown(d, kIdNotice));

    // The bare header of a device-interface record is enough.
    const Header header = {sizeof(Header), ui::kDbtDevTypDeviceInterface, 0};
    EXPECT_EQ(sim::Deliver(d, ui::kWmDeviceChange, ui::kDbtDeviceArrival,
                           reinterpret_cast<ui::LParam>(&header)),
              0);
    EXPECT_EQ(PictureOf(d).items, (Lines{kUsbPrompt, "USB001"}));
  });
}

TEST_F(DialogConnectionTest, ANoticeDuringTheInstallRefillsTheListAsWell) {
  // The install command shows its message boxes while notices keep coming;
  // the busy flag does not hold them back.
  Run([&](platform::WindowHandle d) {
    Dlg().m_bBusy = true;
    sim::Devices().PlugUsbPrinter(conntest::UsbPath("sn0004"), 4);
    EXPECT_EQ(sim::DeviceChange(d, ui::kDbtDeviceArrival), 0);
    EXPECT_EQ(PictureOf(d).items, (Lines{kUsbPrompt, "USB004"}));
    Dlg().m_bBusy = false;
  });
}

}  // namespace
