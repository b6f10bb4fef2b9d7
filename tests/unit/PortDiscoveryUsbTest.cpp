#include <cstdio>
#include <string>
#include <vector>

#include "SimFixture.h"
#include "platform/Registry.h"
#include "ports/PortDiscovery.h"

namespace {

using Lines = std::vector<std::string>;

constexpr char kClassKey[] =
    "SYSTEM\\CurrentControlSet\\Control\\DeviceClasses\\"
    "{28d78fad-5a12-11d1-ae5b-0000f803a8c2}\\";

std::string UsbPath(const std::string& vendor, const std::string& serial = "sn0002") {
  return "\\\\?\\usb#" + vendor + "&pid_5011#" + serial + "#{28d78fad-5a12-11d1-ae5b-0000f803a8c2}";
}

class PortDiscoveryUsbTest : public SimTest {
 protected:
  void ExpectEverythingReleased() { ExpectNoOpenHandles(); }
};

TEST_F(PortDiscoveryUsbTest, NoPrinterListsNothingAndSucceeds) {
  Lines ports;
  EXPECT_TRUE(ports::EnumUsbPrinterPorts(ports));
  EXPECT_TRUE(ports.empty());
  EXPECT_TRUE(sim::Logs().debug.empty());
  EXPECT_EQ(sim::CountCalls("SetupDiGetClassDevsA"), 1u);
  EXPECT_EQ(sim::CountCalls("SetupDiDestroyDeviceInfoList"), 1u);
  ExpectEverythingReleased();
}

TEST_F(PortDiscoveryUsbTest, NamesThePortFromTheLowByteOfItsNumber) {
  struct Case {
    int portNumber;
    const char* trace;
    const char* name;
  };
  const Case cases[] = {
      {0, "USB000", "USB000"},
      {1, "USB001", "USB001"},
      {7, "USB007", "USB007"},
      {12, "USB0012", "USB012"},
      {100, "USB00100", "USB0100"},
      {123, "USB00123", "USB0123"},
      // The first byte is an unsigned number; the higher bytes are not read.
      {200, "USB00200", "USB0200"},
      {255, "USB00255", "USB0255"},
      {256, "USB000", "USB000"},
  };
  for (const Case& c : cases) {
    sim::ResetMachine();
    sim::Devices().PlugUsbPrinter(UsbPath("vid_0416"), c.portNumber);
    Lines ports;
    EXPECT_TRUE(ports::EnumUsbPrinterPorts(ports)) << c.portNumber;
    EXPECT_EQ(ports, Lines{c.name}) << c.portNumber;
    // The port-number read leaves its own trace before the name is written.
    EXPECT_EQ(sim::Logs().debug, (Lines{c.trace, c.name})) << c.portNumber;
    ExpectEverythingReleased();
  }
}

TEST_F(PortDiscoveryUsbTest, ListsOnlySupportedVendorsInEnumerationOrder) {
  sim::Devices().PlugUsbPrinter(UsbPath("VID_0416", "a"), 3);
  sim::Devices().PlugUsbPrinter(UsbPath("vid_1234", "b"), 4);
  sim::Devices().PlugUsbPrinter(UsbPath("vid_1fc9", "c"), 1);
  sim::Devices().PlugUsbPrinter(UsbPath("vid_067b", "d"), 2);
  Lines ports = {"kept"};
  EXPECT_TRUE(ports::EnumUsbPrinterPorts(ports));
  EXPECT_EQ(ports, (Lines{"kept", "USB003", "USB001", "USB002"}));
  // The unknown vendor is left out silently, without opening its key.
  EXPECT_EQ(sim::Logs().debug, (Lines{"USB003", "USB003", "USB001", "USB001", "USB002", "USB002"}));
  EXPECT_EQ(sim::CountCalls("RegOpenKeyExA"), 3u);
  ExpectEverythingReleased();
}

TEST_F(PortDiscoveryUsbTest, ListsOnlyPresentInterfacesWhoseFlagsAreExactlyActive) {
  sim::Devices().PlugUsbPrinter(UsbPath("vid_0416", "default"), 1, 3);
  sim::Devices().PlugUsbPrinter(UsbPath("vid_0416", "inactive"), 2, 0);
  sim::Devices().PlugUsbPrinter(UsbPath("vid_0416", "defaultonly"), 3, 2);
  sim::Devices().PlugUsbPrinter(UsbPath("vid_0416", "removed"), 4, 4);
  sim::Devices().PlugUsbPrinter(UsbPath("vid_0416", "absent"), 5, 1);
  sim::Devices().usbPrinters.back().present = false;
  sim::Devices().PlugUsbPrinter(UsbPath("vid_0416", "active"), 6, 1);
  Lines ports;
  EXPECT_TRUE(ports::EnumUsbPrinterPorts(ports));
  EXPECT_EQ(ports, Lines{"USB006"});
  EXPECT_EQ(sim::CountCalls("SetupDiGetDeviceInterfaceDetailA"), 1u);
  ExpectEverythingReleased();
}

TEST_F(PortDiscoveryUsbTest, ExaminesAtMostTheFirst255Interfaces) {
  for (int i = 0; i < 300; ++i) {
    char serial[16];
    std::snprintf(serial, sizeof(serial), "sn%03d", i);
    sim::Devices().PlugUsbPrinter(UsbPath("vid_0483", serial), i);
  }
  Lines ports;
  EXPECT_TRUE(ports::EnumUsbPrinterPorts(ports));
  ASSERT_EQ(ports.size(), 255u);
  EXPECT_EQ(ports.front(), "USB000");
  EXPECT_EQ(ports.back(), "USB0254");
  EXPECT_EQ(sim::CountCalls("SetupDiEnumDeviceInterfaces"), 255u);
  ExpectEverythingReleased();
}

TEST_F(PortDiscoveryUsbTest, AFailedDeviceQueryListsNothing) {
  sim::Devices().PlugUsbPrinter(UsbPath("vid_0416"), 1);
  sim::FailCall("SetupDiGetClassDevsA", platform::kErrorInvalidParameter);
  Lines ports = {"kept"};
  EXPECT_FALSE(ports::EnumUsbPrinterPorts(ports));
  EXPECT_EQ(ports, Lines{"kept"});
  EXPECT_EQ(sim::CountCalls("SetupDiEnumDeviceInterfaces"), 0u);
  EXPECT_EQ(sim::CountCalls("SetupDiDestroyDeviceInfoList"), 0u);
  ExpectEverythingReleased();
}

TEST_F(PortDiscoveryUsbTest, AFailedDetailReadStopsAtOnceAndKeepsEarlierNames) {
  sim::Devices().PlugUsbPrinter(UsbPath("vid_0416", "a"), 1);
  sim::Devices().PlugUsbPrinter(UsbPath("vid_0416", "b"), 2);
  sim::Devices().PlugUsbPrinter(UsbPath("vid_0416", "c"), 3);
  sim::FailCall("SetupDiGetDeviceInterfaceDetailA", platform::kErrorInsufficientBuffer, 2);
  Lines ports = {"kept"};
  EXPECT_FALSE(ports::EnumUsbPrinterPorts(ports));
  EXPECT_EQ(ports, (Lines{"kept", "USB001"}));
  EXPECT_EQ(sim::CountCalls("SetupDiEnumDeviceInterfaces"), 2u);
  EXPECT_EQ(sim::CountCalls("SetupDiDestroyDeviceInfoList"), 1u);
  ExpectEverythingReleased();
}

TEST_F(PortDiscoveryUsbTest, AFailedEnumerationEndsTheListAndSucceeds) {
  sim::Devices().PlugUsbPrinter(UsbPath("vid_0416", "a"), 1);
  sim::Devices().PlugUsbPrinter(UsbPath("vid_0416", "b"), 2);
  sim::FailCall("SetupDiEnumDeviceInterfaces", platform::kErrorInvalidHandle, 2);
  Lines ports;
  EXPECT_TRUE(ports::EnumUsbPrinterPorts(ports));
  EXPECT_EQ(ports, Lines{"USB001"});
  ExpectEverythingReleased();
}

TEST_F(PortDiscoveryUsbTest, ClearsThePortNumberBufferBeforeEachRead) {
  sim::Devices().PlugUsbPrinter(UsbPath("vid_0416", "a"), 7);
  const std::string emptyValuePath = UsbPath("vid_0416", "b");
  sim::Devices().PlugUsbPrinter(emptyValuePath, -1);
  std::string key = emptyValuePath;
  for (char& c : key)
    if (c == '\\') c = '#';
  sim::Registry()
      .Ensure(platform::kHkeyLocalMachine, kClassKey + key + "\\#\\Device Parameters")
      .values.emplace_back("Port Number", sim::RegValue{platform::kRegBinary, ""});
  Lines ports;
  EXPECT_TRUE(ports::EnumUsbPrinterPorts(ports));
  EXPECT_EQ(ports, (Lines{"USB007", "USB000"}));
}

// The key is the class key, the device path with its backslashes made '#',
// "\#\" and the subkey. In a double-byte code page the second byte of a
// character may be 0x5C and stays as it is.
TEST_F(PortDiscoveryUsbTest, BuildsThePortNumberKeyFromTheDevicePath) {
  struct Case {
    uint32_t codePage;
    const char* serial;
    const char* keyName;
  };
  const Case cases[] = {
      {1252, "sn0002", "##?#usb#vid_0416&pid_5011#sn0002#{28d78fad-5a12-11d1-ae5b-0000f803a8c2}"},
      {1252, "sn\x95\\x",
       "##?#usb#vid_0416&pid_5011#sn\x95#x#{28d78fad-5a12-11d1-ae5b-0000f803a8c2}"},
      {936, "sn\x95\\x",
       "##?#usb#vid_0416&pid_5011#sn\x95\\x#{28d78fad-5a12-11d1-ae5b-0000f803a8c2}"},
      // A lead byte consumes the next byte only; a backslash after the pair is changed.
      {936, "sn\xB0\xA1\\x",
       "##?#usb#vid_0416&pid_5011#sn\xB0\xA1#x#{28d78fad-5a12-11d1-ae5b-0000f803a8c2}"},
  };
  for (const Case& c : cases) {
    sim::ResetMachine();
    sim::System().ansiCodePage = c.codePage;
    sim::Devices().PlugUsbPrinter(UsbPath("vid_0416", c.serial), -1);
    sim::Registry().SetDword(platform::kHkeyLocalMachine,
                             std::string(kClassKey) + c.keyName + "\\#\\Device Parameters",
                             "Port Number", 9);
    Lines ports;
    EXPECT_TRUE(ports::EnumUsbPrinterPorts(ports));
    EXPECT_EQ(ports, Lines{"USB009"}) << c.codePage << " " << c.keyName;
  }
}

TEST_F(PortDiscoveryUsbTest, ReadsTheNamedValueOfTheNamedSubkey) {
  const std::string path = UsbPath("vid_0471");
  sim::Devices().PlugUsbPrinter(path, -1);
  std::string key = path;
  for (char& c : key)
    if (c == '\\') c = '#';
  sim::Registry().SetString(platform::kHkeyLocalMachine, kClassKey + key + "\\#\\Other", "Name",
                            "abc");
  uint8_t buffer[ports::kPortNumberBufferSize] = {};
  EXPECT_TRUE(ports::ReadUsbPortNumber(path, "Other", "Name", buffer));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(buffer)), "abc");
  EXPECT_EQ(sim::Logs().debug, Lines{"USB0097"});  // 'a'
}

TEST_F(PortDiscoveryUsbTest, RecognisesTheVendorFieldOnly) {
  struct Case {
    std::string path;
    bool supported;
  };
  const Case cases[] = {
      {UsbPath("vid_067b"), true},
      {UsbPath("vid_0416"), true},
      {UsbPath("vid_1cbe"), true},
      {UsbPath("vid_0483"), true},
      {UsbPath("vid_0471"), true},
      {UsbPath("vid_1FC9"), true},
      {UsbPath("VID_0416"), true},
      {UsbPath("vid_1fc9"), true},
      {UsbPath("Vid_067B"), true},
      {UsbPath("vid_1234"), false},
      {UsbPath("vid_04160"), true},  // the field is 8 characters; what follows is not looked at
      {UsbPath("vid_041"), false},
      {"\\\\?\\usbprint#vid_0416&pid_5011", false},  // the field sits elsewhere
      {"\\\\?\\hid#vid_0416&pid_5011", true},        // only positions 8 to 15 count
      {"\\\\?\\usb#vid_0416", true},                 // exactly 16 characters
      {"\\\\?\\usb#vid_041", false},                 // 15: no vendor field
      {"", false},
  };
  for (const Case& c : cases) EXPECT_EQ(ports::IsSupportedUsbVendor(c.path), c.supported) << c.path;
}

}  // namespace
