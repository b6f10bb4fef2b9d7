// The port list's and the IP address control's own rules: the selection
// never rests on the prompt, a double-click opens the port's configuration,
// and a field left blank becomes 0.
#include <string>
#include <utility>
#include <vector>

#include "DialogConnectionFixture.h"

namespace {

using conntest::DialogConnectionTest;
using Configured = std::vector<std::pair<platform::WindowHandle, std::string>>;

int Selected(platform::WindowHandle d) { return sim::Control(d, kIdPortList)->curSel; }

TEST_F(DialogConnectionTest, TheSelectionMovedToThePromptGoesBackToTheFirstPort) {
  conntest::PutPortsOfEveryKind();
  Run([&](platform::WindowHandle d) {
    ASSERT_TRUE(sim::SelectListItem(d, kIdPortList, 2));
    EXPECT_EQ(Selected(d), 2) << "a port stays selected";
    ASSERT_TRUE(sim::SelectListItem(d, kIdPortList, 0));
    EXPECT_EQ(Selected(d), 1);
    // The keyboard moves the selection the same way: LB_SETCURSEL by the
    // list itself, then LBN_SELCHANGE.
    ASSERT_TRUE(sim::Click(d, kIdConnectionSerial));
    ASSERT_TRUE(sim::SelectListItem(d, kIdPortList, 3));
    sim::Control(d, kIdPortList)->curSel = 0;
    sim::Deliver(d, ui::kWmCommand, ui::MakeLong(kIdPortList, ui::kLbnSelChange),
                 reinterpret_cast<ui::LParam>(sim::Control(d, kIdPortList)));
    EXPECT_EQ(Selected(d), 1);
    EXPECT_EQ(sim::Control(d, kIdPortList)->items.size(), 4u) << "nothing added or removed";
  });
}

TEST_F(DialogConnectionTest, ADoubleClickOpensThePortsConfigurationDialog) {
  conntest::PutPortsOfEveryKind();
  Run([&](platform::WindowHandle d) {
    ASSERT_TRUE(sim::Click(d, kIdConnectionSerial));
    const conntest::Picture before = conntest::PictureOf(d);
    ASSERT_TRUE(sim::DoubleClickListItem(d, kIdPortList, 3));
    // On the prompt: the first click moves the selection to the first port,
    // which is then the one configured.
    ASSERT_TRUE(sim::DoubleClickListItem(d, kIdPortList, 0));
    EXPECT_EQ(sim::Spooler().configuredPorts, (Configured{{d, "COM1:"}, {d, "COM3:"}}));
    EXPECT_EQ(conntest::PictureOf(d).items, before.items);
    EXPECT_EQ(Selected(d), 1);

    // A failure shows nothing and changes nothing.
    sim::FailCall("ConfigurePortA");
    ASSERT_TRUE(sim::DoubleClickListItem(d, kIdPortList, 2));
    EXPECT_EQ(sim::Spooler().configuredPorts.size(), 2u);
    EXPECT_TRUE(sim::Logs().messageBoxes.empty());
    EXPECT_EQ(conntest::PictureOf(d).items, before.items);
  });
}

TEST_F(DialogConnectionTest, ADoubleClickWithoutSelectionDoesNothing) {
  conntest::PutPortsOfEveryKind();
  Run([&](platform::WindowHandle d) {
    sim::Control(d, kIdPortList)->curSel = -1;
    sim::Deliver(d, ui::kWmCommand, ui::MakeLong(kIdPortList, ui::kLbnDblClk),
                 reinterpret_cast<ui::LParam>(sim::Control(d, kIdPortList)));
    EXPECT_EQ(sim::CountCalls("ConfigurePortA"), 0u);
    // Nor on the notice's hidden, empty list.
    sim::Devices().usbPrinters.clear();
    ASSERT_TRUE(sim::Click(d, kIdConnectionUsb));
    sim::Deliver(d, ui::kWmCommand, ui::MakeLong(kIdPortList, ui::kLbnDblClk),
                 reinterpret_cast<ui::LParam>(sim::Control(d, kIdPortList)));
    EXPECT_EQ(sim::CountCalls("ConfigurePortA"), 0u);
  });
}

TEST_F(DialogConnectionTest, APortNameLongerThanAPathIsHandedOverWhole) {
  conntest::PutPortsOfEveryKind();
  Run([&](platform::WindowHandle d) {
    // No discovery gives such a name, but the list may hold one: the text is
    // read into a buffer sized for it, never into a fixed one.
    const std::string longName(400, 'P');
    Dlg().m_listPorts.InsertString(-1, longName);
    ASSERT_TRUE(sim::DoubleClickListItem(d, kIdPortList, 3));
    EXPECT_EQ(sim::Spooler().configuredPorts, (Configured{{d, longName}}));
  });
}

TEST_F(DialogConnectionTest, AnAddressFieldLeftBlankBecomesZero) {
  Run([&](platform::WindowHandle d) {
    ASSERT_TRUE(sim::Click(d, kIdConnectionEthernet));
    conntest::TypeAddress(d, 10, 1, 2, 3);
    ASSERT_TRUE(sim::LeaveIpField(d, kIdIpAddress, 2, -1));
    EXPECT_EQ(dialogtest::Text(d, kIdIpAddress), "10.1.0.3");
    ASSERT_TRUE(sim::LeaveIpField(d, kIdIpAddress, 0, 0));
    ASSERT_TRUE(sim::LeaveIpField(d, kIdIpAddress, 3, 255));
    EXPECT_EQ(dialogtest::Text(d, kIdIpAddress), "0.1.0.255") << "other values stay";

    // The notice's result is 0, whatever the value.
    for (int32_t value : {-1, 0, 77}) {
      ui::IpAddressNotice notice = {};
      notice.header.from = sim::Control(d, kIdIpAddress);
      notice.header.idFrom = kIdIpAddress;
      notice.header.code = ui::kIpnFieldChanged;
      notice.field = 1;
      notice.value = value;
      EXPECT_EQ(sim::Deliver(d, ui::kWmNotify, kIdIpAddress, reinterpret_cast<ui::LParam>(&notice)),
                0);
      EXPECT_EQ(notice.value, value == -1 ? 0 : value);
      EXPECT_EQ(notice.field, 1);
    }
  });
}

}  // namespace
