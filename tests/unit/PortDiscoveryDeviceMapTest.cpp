#include <string>
#include <vector>

#include "SimFixture.h"
#include "platform/Registry.h"
#include "ports/PortDiscovery.h"

namespace {

using Lines = std::vector<std::string>;

constexpr char kSerialKey[] = "HARDWARE\\DEVICEMAP\\SERIALCOMM";
constexpr char kParallelKey[] = "HARDWARE\\DEVICEMAP\\PARALLEL PORTS";

class PortDiscoveryDeviceMapTest : public SimTest {
 protected:
  // A value stored with exactly these bytes, with no terminator added.
  static void PutRaw(const char* key, const std::string& name, const std::string& bytes) {
    sim::Registry()
        .Ensure(platform::kHkeyLocalMachine, key)
        .values.emplace_back(name, sim::RegValue{platform::kRegSz, bytes});
  }
  static void PutString(const char* key, const std::string& name, const std::string& text) {
    sim::Registry().SetString(platform::kHkeyLocalMachine, key, name, text);
  }
};

TEST_F(PortDiscoveryDeviceMapTest, ListsSerialDevicesInValueOrder) {
  PutString(kSerialKey, "\\Device\\Serial0", "COM12");
  PutString(kSerialKey, "\\Device\\Serial1", "COM1");
  PutString(kSerialKey, "\\Device\\Serial2", "COM345");
  Lines ports = {"kept"};
  EXPECT_TRUE(ports::EnumSerialPorts(ports));
  EXPECT_EQ(ports, (Lines{"kept", "COM12:", "COM1:", "COM345:"}));
  EXPECT_EQ(sim::Logs().debug, (Lines{"COM12:", "COM1:", "COM345:"}));
}

TEST_F(PortDiscoveryDeviceMapTest, NamesParallelPortsByTheLastCharacterOfTheData) {
  struct Case {
    const char* data;
    const char* name;
  };
  const Case cases[] = {
      {"\\DosDevices\\LPT1", "LPT1:"},
      {"\\DosDevices\\LPT2", "LPT2:"},
      {"\\DosDevices\\LPT12", "LPT2:"},
      {"\\DosDevices\\LPT10", "LPT0:"},
      {"", "LPT:"},
      {"X", "LPTX:"},
  };
  for (const Case& c : cases) {
    sim::ResetMachine();
    PutString(kParallelKey, "\\Device\\Parallel0", c.data);
    Lines ports;
    EXPECT_TRUE(ports::EnumParallelPorts(ports));
    EXPECT_EQ(ports, Lines{c.name}) << c.data;
    EXPECT_EQ(sim::Logs().debug, Lines{c.name}) << c.data;
    EXPECT_EQ(sim::Registry().OpenKeyCount(), 0);
  }
}

TEST_F(PortDiscoveryDeviceMapTest, AMissingOrUnreadableKeyListsNothing) {
  Lines ports;
  EXPECT_TRUE(ports::EnumSerialPorts(ports));
  EXPECT_TRUE(ports::EnumParallelPorts(ports));
  sim::Registry().Ensure(platform::kHkeyLocalMachine, kSerialKey);
  EXPECT_TRUE(ports::EnumSerialPorts(ports));  // present but empty
  PutString(kParallelKey, "\\Device\\Parallel0", "\\DosDevices\\LPT1");
  sim::FailCall("RegOpenKeyExA", platform::kErrorAccessDenied);
  EXPECT_TRUE(ports::EnumParallelPorts(ports));
  EXPECT_TRUE(ports.empty());
  EXPECT_TRUE(sim::Logs().debug.empty());
}

// RegEnumValueA answers ERROR_MORE_DATA for a name of 260 characters or more
// (no room for the terminator) and for data over 260 bytes.
TEST_F(PortDiscoveryDeviceMapTest, SkipsValuesTooLongForTheBuffersAndGoesOn) {
  PutString(kSerialKey, "\\Device\\Serial0", "COM1");
  PutString(kSerialKey, std::string(260, 'n'), "COM2");
  PutString(kSerialKey, "\\Device\\Serial2", "COM" + std::string(257, '3'));  // 261 bytes
  PutString(kSerialKey, "\\Device\\Serial3", "COM4");
  PutString(kSerialKey, std::string(259, 'n'), "COM5");  // the longest name that fits
  Lines ports;
  EXPECT_TRUE(ports::EnumSerialPorts(ports));
  EXPECT_EQ(ports, (Lines{"COM1:", "COM4:", "COM5:"}));

  PutString(kParallelKey, "\\Device\\Parallel0", std::string(300, '1'));
  PutString(kParallelKey, "\\Device\\Parallel1", "\\DosDevices\\LPT2");
  ports.clear();
  EXPECT_TRUE(ports::EnumParallelPorts(ports));
  EXPECT_EQ(ports, Lines{"LPT2:"});
}

// Data that fills the buffer without a terminator is taken up to the
// buffer's end and no further; shorter unterminated data must not pick up
// the bytes of the value read before it.
TEST_F(PortDiscoveryDeviceMapTest, ReadsUnterminatedDataWithinTheBufferOnly) {
  const std::string full = "COM" + std::string(256, 'x') + "9";  // 260 bytes, no NUL
  PutString(kSerialKey, "\\Device\\Serial0", "COM123");
  PutRaw(kSerialKey, "\\Device\\Serial1", "COM3");
  PutRaw(kSerialKey, "\\Device\\Serial2", full);
  Lines ports;
  EXPECT_TRUE(ports::EnumSerialPorts(ports));
  EXPECT_EQ(ports, (Lines{"COM123:", "COM3:", full + ":"}));

  PutString(kParallelKey, "\\Device\\Parallel0", "\\DosDevices\\LPT12");
  PutRaw(kParallelKey, "\\Device\\Parallel1", "\\DosDevices\\LPT3");
  PutRaw(kParallelKey, "\\Device\\Parallel2", full);
  ports.clear();
  EXPECT_TRUE(ports::EnumParallelPorts(ports));
  EXPECT_EQ(ports, (Lines{"LPT2:", "LPT3:", "LPT9:"}));
}

TEST_F(PortDiscoveryDeviceMapTest, OnlyMoreDataIsSkippedAndAnyOtherErrorEndsTheList) {
  struct Case {
    uint32_t secondCallError;
    Lines serial;
    Lines parallel;
    std::size_t enumCalls;
  };
  const Case cases[] = {
      {platform::kErrorMoreData, {"COM1:", "COM3:"}, {"LPT1:", "LPT3:"}, 4},
      {platform::kErrorAccessDenied, {"COM1:"}, {"LPT1:"}, 2},
      {platform::kErrorInvalidHandle, {"COM1:"}, {"LPT1:"}, 2},
  };
  for (const Case& c : cases) {
    for (bool serial : {true, false}) {
      sim::ResetMachine();
      const char* key = serial ? kSerialKey : kParallelKey;
      PutString(key, "a", serial ? "COM1" : "\\DosDevices\\LPT1");
      PutString(key, "b", serial ? "COM2" : "\\DosDevices\\LPT2");
      PutString(key, "c", serial ? "COM3" : "\\DosDevices\\LPT3");
      sim::FailCall("RegEnumValueA", c.secondCallError, 2);
      Lines ports;
      EXPECT_TRUE(serial ? ports::EnumSerialPorts(ports) : ports::EnumParallelPorts(ports));
      EXPECT_EQ(ports, serial ? c.serial : c.parallel) << c.secondCallError;
      EXPECT_EQ(sim::CountCalls("RegEnumValueA"), c.enumCalls) << c.secondCallError;
      EXPECT_EQ(sim::Registry().OpenKeyCount(), 0);
    }
  }
}

}  // namespace
