// Serial port settings and Standard TCP/IP port definitions in the
// simulated registry, and the spooler restart through the shell.
#include <string>
#include <utility>
#include <vector>

#include "SimFixture.h"
#include "app/InstallChoices.h"
#include "platform/Registry.h"
#include "ports/PortCreation.h"

namespace {

constexpr char kSerialKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports";
constexpr char kTcpIpKey[] =
    "SYSTEM\\CurrentControlSet\\Control\\Print\\Monitors\\Standard TCP/IP Port\\Ports";
const uintptr_t kHklm = platform::kHkeyLocalMachine;

std::string Sz(const std::string& text) { return text + std::string(1, '\0'); }
std::string Dword(uint32_t v) {
  return std::string{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
                     static_cast<char>((v >> 16) & 0xFF), static_cast<char>((v >> 24) & 0xFF)};
}

struct Value {
  std::string name;
  uint32_t type;
  std::string bytes;
};

std::vector<Value> ValuesOf(const sim::RegNode& node) {
  std::vector<Value> values;
  for (const auto& v : node.values) values.push_back({v.first, v.second.type, v.second.data});
  return values;
}

std::vector<Value> ExpectedPortValues(const std::string& address, uint32_t version) {
  return {{"HostName", platform::kRegSz, Sz(address)},
          {"HWAddress", platform::kRegSz, std::string(1, '\0')},
          {"IPAddress", platform::kRegSz, std::string(1, '\0')},
          {"PortMonMibPortIndex", platform::kRegDword, Dword(0)},
          {"PortNumber", platform::kRegDword, std::string("\x8c\x23\0\0", 4)},
          {"Protocol", platform::kRegDword, Dword(1)},
          {"SNMP Community", platform::kRegSz, std::string("vorsak\0", 7)},
          {"SNMP Enabled", platform::kRegDword, Dword(0)},
          {"SNMP Index", platform::kRegDword, Dword(1)},
          {"Version", platform::kRegDword, Dword(version)}};
}

void ExpectValues(const std::vector<Value>& actual, const std::vector<Value>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(actual[i].name, expected[i].name) << i;
    EXPECT_EQ(actual[i].type, expected[i].type) << expected[i].name;
    EXPECT_EQ(actual[i].bytes, expected[i].bytes) << expected[i].name;
  }
}

class PortCreationTest : public SimTest {
 protected:
  void SetUp() override {
    SimTest::SetUp();
    sim::Registry().Ensure(kHklm, kTcpIpKey);
    sim::Registry().Ensure(kHklm, kSerialKey);
  }

  static void ExpectSpoolerRestarted() {
    const auto& launches = sim::Shell().launches;
    ASSERT_EQ(launches.size(), 2u);
    // /y: net must never wait for an answer to "(Y/N)" in its hidden console.
    const char* parameters[] = {"stop spooler /y", "start spooler"};
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(launches[i].verb, "open");
      EXPECT_EQ(launches[i].file, "C:\\Windows\\system32\\net.exe") << "never a bare name";
      EXPECT_EQ(launches[i].parameters, parameters[i]);
      EXPECT_EQ(launches[i].directory, "");
      EXPECT_EQ(launches[i].show, platform::kSwHide);
      EXPECT_TRUE(launches[i].keptProcess);
      EXPECT_TRUE(launches[i].waitedFor) << parameters[i];
    }
    EXPECT_EQ(sim::System().pauses, std::vector<uint32_t>{20});
  }
};

TEST_F(PortCreationTest, DefinesARawPortAndThenRestartsTheSpooler) {
  const std::string address = app::FormatIpAddress(192, 168, 1, 100);
  ASSERT_EQ(address, "192.168.1.100");
  ports::CreateTcpIpPort(address);

  sim::RegNode* parent = sim::Registry().Find(kHklm, kTcpIpKey);
  ASSERT_EQ(parent->children.size(), 1u);
  EXPECT_EQ(parent->children.begin()->second.name, "IP_[192.168.1.100]");
  EXPECT_TRUE(parent->values.empty());
  ExpectValues(ValuesOf(parent->children.begin()->second), ExpectedPortValues(address, 2));
  ExpectSpoolerRestarted();
  EXPECT_EQ(sim::Registry().OpenKeyCount(), 0);
  // Every value is in place and the key closed before the spooler stops.
  EXPECT_TRUE(sim::CalledBefore("RegCloseKey", "ShellExecuteExA"));
  EXPECT_EQ(sim::CountCalls("RegSetValueExA"), 10u);
}

TEST_F(PortCreationTest, PortNamesFollowTheDottedAddress) {
  EXPECT_EQ(ports::TcpIpPortName("192.168.1.100"), "IP_[192.168.1.100]");
  EXPECT_EQ(ports::TcpIpPortName(app::FormatIpAddress(0, 0, 0, 0)), "IP_[0.0.0.0]");
  EXPECT_EQ(ports::TcpIpPortName(app::FormatIpAddress(10, 0, 0, 7)), "IP_[10.0.0.7]");
  EXPECT_EQ(app::FormatIpAddress(255, 255, 255, 255), "255.255.255.255");
  // The name fits the 260-character port buffer, whatever it is given.
  const std::string name = ports::TcpIpPortName(std::string(1000, '9'));
  EXPECT_EQ(name.size(), 259u);
  EXPECT_EQ(name.compare(0, 6, "IP_[99"), 0);
}

TEST_F(PortCreationTest, ADefinedPortIsOverwrittenInPlace) {
  sim::Registry().SetString(kHklm, std::string(kTcpIpKey) + "\\IP_[10.0.0.7]", "HostName", "old");
  ports::CreateTcpIpPort("10.0.0.7");
  ports::CreateTcpIpPort("10.0.0.7");
  sim::RegNode* parent = sim::Registry().Find(kHklm, kTcpIpKey);
  ASSERT_EQ(parent->children.size(), 1u);
  ExpectValues(ValuesOf(parent->children.begin()->second), ExpectedPortValues("10.0.0.7", 2));
  EXPECT_EQ(sim::Shell().launches.size(), 4u) << "restarted each time";
}

TEST_F(PortCreationTest, VersionIsOneOnWindows5AndTwoLater) {
  const std::pair<uint32_t, uint32_t> cases[] = {{5, 1}, {6, 2}, {10, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.first);
    sim::ResetMachine();
    sim::Registry().Ensure(kHklm, kTcpIpKey);
    sim::System().version = {c.first, 1, 0};
    ports::CreateTcpIpPort("192.168.1.100");
    const sim::RegValue* v =
        sim::Registry().Value(kHklm, std::string(kTcpIpKey) + "\\IP_[192.168.1.100]", "Version");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->type, platform::kRegDword);
    EXPECT_EQ(v->data, Dword(c.second));
  }
}

TEST_F(PortCreationTest, WithoutTheVersionNoVersionValueAndNoRestart) {
  sim::FailCall("GetVersionExA");
  ports::CreateTcpIpPort("192.168.1.100");
  sim::RegNode* port = sim::Registry().Find(kHklm, std::string(kTcpIpKey) + "\\IP_[192.168.1.100]");
  ASSERT_NE(port, nullptr);
  std::vector<Value> nine = ExpectedPortValues("192.168.1.100", 0);
  nine.pop_back();
  ExpectValues(ValuesOf(*port), nine);
  EXPECT_TRUE(sim::Shell().launches.empty());
}

TEST_F(PortCreationTest, WhenNoPortKeyOpensNothingIsWrittenButTheSpoolerRestarts) {
  for (const char* fault : {"missing parent", "RegOpenKeyExA", "RegCreateKeyExA"}) {
    SCOPED_TRACE(fault);
    sim::ResetMachine();
    if (std::string(fault) == "missing parent") {
      sim::Registry().Ensure(kHklm, "SYSTEM\\CurrentControlSet\\Control\\Print\\Monitors");
    } else {
      sim::Registry().Ensure(kHklm, kTcpIpKey);
      sim::FailCall(fault);
    }
    ports::CreateTcpIpPort("192.168.1.100");
    EXPECT_EQ(sim::CountCalls("RegSetValueExA"), 0u);
    sim::RegNode* parent = sim::Registry().Find(kHklm, kTcpIpKey);
    if (parent) {
      EXPECT_TRUE(parent->children.empty());
    }
    EXPECT_EQ(sim::Registry().OpenKeyCount(), 0);
    ExpectSpoolerRestarted();
  }
}

TEST_F(PortCreationTest, AFailedValueWriteDoesNotStopTheOthers) {
  sim::FailCall("RegSetValueExA", 5, 2);  // HWAddress
  ports::CreateTcpIpPort("192.168.1.100");
  sim::RegNode* port = sim::Registry().Find(kHklm, std::string(kTcpIpKey) + "\\IP_[192.168.1.100]");
  ASSERT_NE(port, nullptr);
  std::vector<Value> expected = ExpectedPortValues("192.168.1.100", 2);
  expected.erase(expected.begin() + 1);
  ExpectValues(ValuesOf(*port), expected);
}

TEST_F(PortCreationTest, AStopThatCannotLaunchIsStillFollowedByTheStart) {
  // The launch fails, or the system folder cannot be read for it and
  // nothing is launched: either way the start follows.
  for (const char* failing : {"ShellExecuteExA", "GetSystemDirectoryA"}) {
    SCOPED_TRACE(failing);
    sim::ResetMachine();
    sim::FailCall(failing);
    ports::RestartSpooler();
    const auto& launches = sim::Shell().launches;
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].file, "C:\\Windows\\system32\\net.exe");
    EXPECT_EQ(launches[0].parameters, "start spooler");
    EXPECT_TRUE(launches[0].waitedFor);
    EXPECT_EQ(sim::CountCalls("WaitForSingleObject"), 2u);
    EXPECT_EQ(sim::System().pauses, std::vector<uint32_t>{20});
  }
}

TEST_F(PortCreationTest, WithoutTheSystemFolderNothingIsLaunched) {
  sim::FailAlways("GetSystemDirectoryA");
  ports::RestartSpooler();
  EXPECT_EQ(sim::CountCalls("ShellExecuteExA"), 0u);
  EXPECT_EQ(sim::System().pauses, std::vector<uint32_t>{20});
}

TEST_F(PortCreationTest, SerialSettingsAreOneTextValueNamedAfterThePort) {
  sim::Registry().SetString(kHklm, kSerialKey, "COM1:", "9600,n,8,1,x");
  EXPECT_TRUE(ports::WriteSerialPortSettings("COM1:", app::BaudTextForChoice(2)));
  const sim::RegValue* v = sim::Registry().Value(kHklm, kSerialKey, "COM1:");
  ASSERT_NE(v, nullptr);
  EXPECT_EQ(v->type, platform::kRegSz);
  EXPECT_EQ(v->data, Sz("38400,n,8,1,p"));
  EXPECT_EQ(v->data.size(), 14u);
  EXPECT_EQ(sim::Registry().Find(kHklm, kSerialKey)->values.size(), 1u) << "replaced";
  EXPECT_TRUE(sim::Shell().launches.empty()) << "no spooler restart for a serial port";
  EXPECT_EQ(sim::Registry().OpenKeyCount(), 0);

  EXPECT_TRUE(ports::WriteSerialPortSettings("COM3:", app::BaudTextForChoice(3)));
  EXPECT_EQ(sim::Registry().Value(kHklm, kSerialKey, "COM3:")->data, Sz("115200,n,8,1,p"));
}

TEST_F(PortCreationTest, SerialSettingsReportAKeyOrValueThatFails) {
  sim::FailCall("RegSetValueExA");
  EXPECT_FALSE(ports::WriteSerialPortSettings("COM1:", "9600"));
  EXPECT_EQ(sim::Registry().OpenKeyCount(), 0);

  sim::ResetMachine();  // no Ports key at all
  EXPECT_FALSE(ports::WriteSerialPortSettings("COM1:", "9600"));
}

// Every call of a port definition made to fail in turn: no key stays open
// unless closing it was the call that failed.
TEST_F(PortCreationTest, AnySingleFailedCallLeavesNoKeyOpen) {
  ports::CreateTcpIpPort("192.168.1.100");
  const std::size_t calls = sim::CallLog().size();
  for (std::size_t k = 0; k < calls; ++k) {
    sim::ResetMachine();
    sim::Registry().Ensure(kHklm, kTcpIpKey);
    sim::FailCallNumber(k);
    ports::CreateTcpIpPort("192.168.1.100");
    const std::string failed = sim::CallLog()[k];
    SCOPED_TRACE(std::to_string(k) + " " + failed);
    if (failed != "RegCloseKey") {
      EXPECT_EQ(sim::Registry().OpenKeyCount(), 0);
    }
    // Both commands are launched whenever the version was known, but one
    // whose system folder could not be read.
    const std::size_t launched = failed == "GetVersionExA"         ? 0u
                                 : failed == "GetSystemDirectoryA" ? 1u
                                                                   : 2u;
    EXPECT_EQ(sim::CountCalls("ShellExecuteExA"), launched);
  }
}

TEST(InstallChoicesTest, BaudChoicesOutsideTheFourGive9600) {
  const std::pair<int, const char*> cases[] = {{0, "9600"},   {1, "19200"}, {2, "38400"},
                                               {3, "115200"}, {4, "9600"},  {-1, "9600"},
                                               {1000, "9600"}};
  for (const auto& c : cases) EXPECT_STREQ(app::BaudTextForChoice(c.first), c.second) << c.first;
}

}  // namespace
