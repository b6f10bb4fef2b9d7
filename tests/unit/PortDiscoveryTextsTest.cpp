// The Chinese debug lines must reach the debugger as GBK bytes. The expected
// bytes come from UTF-8 copies (u8 literals stay UTF-8 whatever the
// execution character set) converted by iconv, not by the compiler.
#include <string>
#include <vector>

#include "GbkBytes.h"
#include "SimFixture.h"
#include "platform/Registry.h"
#include "ports/PortDiscovery.h"

namespace {

using Lines = std::vector<std::string>;

using texttest::Gbk;

const std::string kUsbPath =
    "\\\\?\\usb#vid_0416&pid_5011#sn0002#{28d78fad-5a12-11d1-ae5b-0000f803a8c2}";
const std::string kPortKey =
    "SYSTEM\\CurrentControlSet\\Control\\DeviceClasses\\{28d78fad-5a12-11d1-ae5b-0000f803a8c2}\\"
    "##?#usb#vid_0416&pid_5011#sn0002#{28d78fad-5a12-11d1-ae5b-0000f803a8c2}\\#\\Device Parameters";

class PortDiscoveryTextsTest : public SimTest {};

TEST_F(PortDiscoveryTextsTest, TheConversionGivesKnownGbkBytes) {
  EXPECT_EQ(Gbk(u8"打开键失败"), "\xB4\xF2\xBF\xAA\xBC\xFC\xCA\xA7\xB0\xDC");
}

TEST_F(PortDiscoveryTextsTest, AMissingPortNumberKeyIsReportedAndThePrinterLeftOut) {
  sim::Devices().PlugUsbPrinter(kUsbPath, -1);
  sim::Devices().PlugUsbPrinter("\\\\?\\usb#vid_0483&pid_1&x", 5);
  Lines ports;
  EXPECT_TRUE(ports::EnumUsbPrinterPorts(ports));
  EXPECT_EQ(ports, Lines{"USB005"});
  EXPECT_EQ(sim::Logs().debug,
            (Lines{Gbk(u8"打开键失败"), "read regkey failed", "USB005", "USB005"}));
}

TEST_F(PortDiscoveryTextsTest, AnUnreadablePortNumberIsReportedAndItsKeyClosed) {
  struct Case {
    const char* what;
    void (*arrange)();
  };
  const Case cases[] = {
      {"query fails",
       [] {
         sim::Registry().SetDword(platform::kHkeyLocalMachine, kPortKey, "Port Number", 3);
         sim::FailCall("RegQueryValueExA", platform::kErrorAccessDenied);
       }},
      {"no value", [] { sim::Registry().Ensure(platform::kHkeyLocalMachine, kPortKey); }},
      {"value over 261 bytes",
       [] {
         sim::Registry().SetString(platform::kHkeyLocalMachine, kPortKey, "Port Number",
                                   std::string(261, '1'));
       }},
  };
  for (const Case& c : cases) {
    sim::ResetMachine();
    sim::Devices().PlugUsbPrinter(kUsbPath, -1);
    c.arrange();
    sim::Devices().PlugUsbPrinter("\\\\?\\usb#vid_0483&pid_1&x", 5);
    Lines ports;
    EXPECT_TRUE(ports::EnumUsbPrinterPorts(ports)) << c.what;
    EXPECT_EQ(ports, Lines{"USB005"}) << c.what;
    EXPECT_EQ(sim::Logs().debug,
              (Lines{Gbk(u8"读取键失败"), "read regkey failed", "USB005", "USB005"}))
        << c.what;
    EXPECT_EQ(sim::Registry().OpenKeyCount(), 0) << c.what;
  }
}

TEST_F(PortDiscoveryTextsTest, ReadUsbPortNumberReportsEachFailureOnce) {
  uint8_t buffer[ports::kPortNumberBufferSize] = {};
  EXPECT_FALSE(ports::ReadUsbPortNumber(kUsbPath, "Device Parameters", "Port Number", buffer));
  sim::Registry().Ensure(platform::kHkeyLocalMachine, kPortKey);
  EXPECT_FALSE(ports::ReadUsbPortNumber(kUsbPath, "Device Parameters", "Port Number", buffer));
  EXPECT_EQ(sim::Logs().debug, (Lines{Gbk(u8"打开键失败"), Gbk(u8"读取键失败")}));
}

}  // namespace
