// The whole Install command (pick the connection, press Install) run once
// for every platform call on its path, with that one call failing and all
// others working. Each run must say what happened and no more: no success
// message without a printer, the failure's own messages otherwise, and the
// printers, drivers, ports and registry values that were there before left
// as they were (except the port definition being written). One line per
// failure point goes to the output.
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "DialogInstallFixture.h"
#include "common/BoundedFormat.h"
#include "platform/Errors.h"
#include "platform/ui/Messages.h"
#include "texts/Texts.h"

namespace {

using dialoginstalltest::kHklm;
using dialoginstalltest::kSerialSettingsKey;
using dialoginstalltest::kTcpIpPortsKey;
using dialogtest::Enabled;
using dialogtest::RunModal;

struct SweepCase {
  const char* name;
  int radio;
  const char* listPort;  // "" for Ethernet
  int setDefaultRadio;
  int32_t language;
  uint16_t architecture;
  uint32_t majorVersion;
  bool kdr270Present;  // a printer of that name is there before
  // The registry path that the run may change: the serial settings value
  // or the TCP/IP port key.
  std::string portDefinition;
};

// A message to one of the dialog's own controls, sent on the dialog's own
// thread, does not fail on Windows. Failing it here makes sequences Windows
// never shows (LB_GETTEXTLEN saying 0 for an item LB_GETTEXT then copies
// whole), so these are not failure points.
bool IsOwnControlMessage(const std::string& call) { return call == "SendMessageA"; }

// The other window-system calls: on Windows they fail only on a bad
// handle, so their outcome is checked for consistency, not against a table.
bool IsWindowCall(const std::string& call) {
  static const std::set<std::string> calls = {
      "GetDlgItem",     "GetDlgCtrlID",         "GetWindow",       "GetWindowLongA",
      "SetWindowTextA", "GetWindowTextLengthA", "GetWindowTextA",  "ShowWindow",
      "EnableWindow",   "IsWindowVisible",      "IsWindowEnabled", "IsIconic",
      "SendMessageA",   "LoadCursorA",          "SetCursor",       "EndDialog"};
  return calls.count(call) != 0;
}

bool IsPrintCall(const std::string& call) {
  static const std::set<std::string> calls = {"CreateDCA", "StartDocA", "StartPage", "DrawTextA",
                                              "TextOutA",  "EndPage",   "EndDoc",    "DeleteDC"};
  return calls.count(call) != 0;
}

// The registry as text, one line per key and value, leaving out `skip`
// (a key path, or a key path and "\\" and a value name).
void DumpKey(const sim::RegNode& node, const std::string& path, const std::string& skip,
             std::string* out) {
  auto lower = [](std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  };
  if (!path.empty() && lower(path) == lower(skip)) return;
  *out += "[" + path + "]\n";
  for (const auto& v : node.values) {
    if (lower(path + "\\" + v.first) == lower(skip)) continue;
    *out += v.first + "=" + std::to_string(v.second.type) + ":" + v.second.data + "\n";
  }
  for (const auto& child : node.children)
    DumpKey(child.second, path.empty() ? child.second.name : path + "\\" + child.second.name, skip,
            out);
}

std::string DumpRegistry(const std::string& skip) {
  std::string out;
  DumpKey(sim::Registry().hklm, "", skip, &out);
  DumpKey(sim::Registry().hkcu, "HKCU", skip, &out);
  return out;
}

std::string DumpPrinter(const platform::PrinterInfo2& p) {
  return p.printerName + "|" + p.portName + "|" + p.driverName + "|" + p.printProcessor + "|" +
         p.datatype + "|" + std::to_string(p.attributes);
}

std::string DumpDriver(const platform::DriverInfo3& d) {
  return d.name + "|" + d.environment + "|" + std::to_string(d.version) + "|" + d.driverPath + "|" +
         d.dataFile + "|" + d.configFile + "|" + d.helpFile + "|" + d.dependentFiles;
}

// Text for the output: CR LF dropped, bytes beyond ASCII (GBK) as \xNN.
std::string Printable(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    if (c == '\r' || c == '\n') continue;
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      static const char kHex[] = "0123456789ABCDEF";
      out += std::string("\\x") + kHex[c >> 4] + kHex[c & 15];
    }
  }
  return out;
}

class DialogInstallSweepTest : public dialoginstalltest::DialogInstallTest {
 protected:
  // What was on the machine before the installation.
  void SeedMachine(const SweepCase& c) {
    sim::System().uiLanguage = static_cast<uint16_t>(c.language);
    sim::System().nativeArchitecture = c.architecture;
    sim::System().version = {c.majorVersion, c.majorVersion == 5 ? 1u : 0u, 2600};
    platform::DriverInfo3 generic;
    generic.version = 3;
    generic.name = "Generic / Text Only";
    generic.environment =
        c.architecture == platform::kProcessorArchitectureAmd64 ? "Windows x64" : "Windows NT x86";
    generic.driverPath = "UNIDRV.DLL";
    generic.dataFile = "TTY.GPD";
    sim::Spooler().drivers.push_back({generic, {}});
    AddExistingPrinter("Receipt", "LPT2:", generic.name);
    if (c.kdr270Present) AddExistingPrinter("KDR270", "USB002", generic.name);
    sim::Spooler().defaultPrinter = "Receipt";
    sim::Registry().SetString(kHklm, kSerialSettingsKey, "COM2:", "9600,n,8,1,p");
    sim::Registry().SetString(kHklm, std::string(kTcpIpPortsKey) + "\\IP_[10.0.0.7]", "HostName",
                              "10.0.0.7");
    sim::Registry().SetDword(kHklm, std::string(kTcpIpPortsKey) + "\\IP_[10.0.0.7]", "PortNumber",
                             9100);
  }

  struct Run {
    std::size_t clickStart = 0, clickEnd = 0;
    bool endedByInstall = false;
    bool installEnabled = false, exitEnabled = false;
  };

  // Opens the dialog, picks the connection and presses Install; closes the
  // dialog with Esc when it stayed open.
  Run RunInstall(const SweepCase& c, CTarnwickDlg& dlg) {
    Run run;
    RunModal(dlg, [&](platform::WindowHandle d) {
      ASSERT_TRUE(sim::Click(d, c.setDefaultRadio));
      ChooseConnection(d, c.radio, c.listPort);
      if (c.radio == kIdConnectionEthernet) TypeAddress(d, 192, 168, 1, 100);
      if (c.radio == kIdConnectionSerial) {
        for (int id = kIdBaud9600; id <= kIdBaud115200; ++id)
          sim::Control(d, id)->check = id == kIdBaud38400 ? ui::kBstChecked : ui::kBstUnchecked;
      }
      run.clickStart = sim::CallLog().size();
      ASSERT_TRUE(sim::Click(d, kIdInstall));
      run.clickEnd = sim::CallLog().size();
      run.endedByInstall = sim::Window(d)->ended;
      run.installEnabled = Enabled(d, kIdInstall);
      run.exitEnabled = Enabled(d, kIdExit);
      if (!run.endedByInstall) sim::PressEscape(d);
    });
    return run;
  }

  static std::string Format(const char* format, const std::string& a, const std::string& b) {
    std::string text;
    common::FormatBounded(&text, 1024, format, a.c_str(), b.c_str());
    return text;
  }

  void Sweep(const SweepCase& c) {
    SCOPED_TRACE(c.name);
    const texts::MessageTexts& texts = texts::MessageTextsFor(c.language);
    const bool x64 = c.architecture == platform::kProcessorArchitectureAmd64;
    const bool shortTexts = c.majorVersion < 6;
    const char* copyFailed =
        x64 ? (shortTexts ? texts.InstallErrorAntivirus : texts.InstallErrorRunAsAdminAntivirus)
            : (shortTexts ? texts.InstallError : texts.InstallErrorRunAsAdmin);
    const char* driverFailed = x64 ? texts.DriverInstallFailedAntivirus : texts.DriverInstallFailed;
    const bool usb = c.radio == kIdConnectionUsb;
    const bool setDefault = c.setDefaultRadio == kIdDefaultYes;

    // The clean run: its calls are the failure points, its result the
    // reference.
    FreshMachine();
    SeedMachine(c);
    const std::string registryBefore = DumpRegistry(c.portDefinition);
    std::vector<std::string> printersBefore, driversBefore;
    for (const auto& p : sim::Spooler().printers) printersBefore.push_back(DumpPrinter(p.info));
    for (const auto& d : sim::Spooler().drivers) driversBefore.push_back(DumpDriver(d.info));
    std::string printer, port;
    std::vector<std::string> cleanLog;
    Run clean;
    {
      CTarnwickDlg dlg;
      clean = RunInstall(c, dlg);
      ASSERT_TRUE(clean.endedByInstall) << "the clean run installs";
      printer = dlg.m_installer.InstalledPrinterName;
      port = PortOf(printer);
      cleanLog = sim::CallLog();
    }
    const std::string success = Format(texts.InstallSucceeded, printer, port);
    // What every success message starts with, whatever printer it names.
    const std::string successHead = std::string(texts.InstallSucceeded)
                                        .substr(0, std::string(texts.InstallSucceeded).find('%'));
    ASSERT_EQ(BoxTexts(), std::vector<std::string>{success});
    // Install's own version query: the one before the platform detection.
    std::size_t installStart = clean.clickStart;
    for (std::size_t i = clean.clickStart; i + 1 < clean.clickEnd; ++i)
      if (cleanLog[i] == "GetVersionExA" && cleanLog[i + 1] == "GetNativeSystemInfo")
        installStart = i;

    std::printf("sweep %s: %zu calls from the Install click on, printer %s on %s\n", c.name,
                clean.clickEnd - clean.clickStart, Printable(printer).c_str(), port.c_str());
    int installedRuns = 0, skipped = 0;
    for (std::size_t k = clean.clickStart; k < clean.clickEnd; ++k) {
      if (IsOwnControlMessage(cleanLog[k])) {
        ++skipped;
        std::printf("  %s #%zu %-27s -> not failed: a message to the dialog's own control\n",
                    c.name, k - clean.clickStart, cleanLog[k].c_str());
        continue;
      }
      FreshMachine();
      SeedMachine(c);
      sim::FailCallNumber(k);
      CTarnwickDlg dlg;
      const Run run = RunInstall(c, dlg);
      const std::string call = cleanLog[k];
      SCOPED_TRACE(std::to_string(k) + " " + call);
      ASSERT_GT(sim::CallLog().size(), k);
      ASSERT_EQ(sim::CallLog()[k], call) << "the run took another path before the fault";

      // What happened.
      std::vector<std::string> added;
      for (const auto& p : sim::Spooler().printers) {
        bool existed = false;
        for (const auto& before : printersBefore)
          existed = existed || before == DumpPrinter(p.info);
        if (!existed) added.push_back(p.info.printerName);
      }
      ASSERT_LE(added.size(), 1u);
      const bool installed = !added.empty();
      const std::vector<std::string> boxes = BoxTexts();
      const std::string newPort = installed ? PortOf(added[0]) : std::string();
      const std::string ownSuccess =
          installed ? Format(texts.InstallSucceeded, added[0], newPort) : std::string();
      bool saidSuccess = false;
      for (const auto& box : boxes) saidSuccess = saidSuccess || box.rfind(successHead, 0) == 0;

      // Never a success message without the printer, and then only its own.
      if (!installed) {
        EXPECT_FALSE(saidSuccess);
        EXPECT_FALSE(run.endedByInstall);
        EXPECT_TRUE(sim::Logs().print.empty()) << "no test page without a printer";
      } else if (saidSuccess) {
        EXPECT_EQ(boxes, std::vector<std::string>{ownSuccess});
      }

      // The failure's own outcome, for the machine's services.
      if (!IsWindowCall(call)) {
        bool expectInstalled = true;
        std::vector<std::string> expectBoxes = {success};
        if (call == "GetVersionExA" && k == installStart) {
          expectInstalled = false;
          expectBoxes = {};
        } else if (call == "GetPrinterDriverDirectoryA" || call == "CopyFileA" ||
                   call == "CreateFileA" || call == "ReadFile") {
          // A staged copy that cannot be read back is not trusted.
          expectInstalled = false;
          expectBoxes = {copyFailed};
        } else if (call == "AddPrinterDriverA") {
          expectInstalled = false;
          expectBoxes = {platform::SystemErrorText(5), driverFailed};
        } else if (call == "AddPrinterA") {
          expectInstalled = false;
          expectBoxes = {platform::SystemErrorText(5), texts.PrinterAddFailed};
        } else if (call == "EnumPrintersA" && c.kdr270Present) {
          // Without the list the name stays KDR270, which is taken.
          expectInstalled = false;
          expectBoxes = {platform::SystemErrorText(1802), texts.PrinterAddFailed};
        } else if (call == "EnumPrintersA") {
          // Without the list the model name is used; it is free here.
          expectBoxes = {Format(texts.InstallSucceeded, "KDR270", port)};
        } else if (call == "MessageBoxA") {
          expectBoxes = {};
        }
        EXPECT_EQ(installed, expectInstalled);
        EXPECT_EQ(boxes, expectBoxes);
        if (installed) {
          EXPECT_EQ(newPort, port);
          EXPECT_TRUE(run.endedByInstall);
          const bool pagePrinted =
              TestPageTextPrinted() == texts.TestPageText && TestPagePrinter() == added[0];
          if (usb && !IsPrintCall(call)) {
            EXPECT_TRUE(pagePrinted);
          }
          if (!usb) {
            EXPECT_TRUE(sim::Logs().print.empty());
          }
        }
        // The buttons come back whenever the dialog stays.
        EXPECT_TRUE(run.installEnabled);
        EXPECT_TRUE(run.exitEnabled);
      }
      EXPECT_FALSE(dlg.m_bBusy);

      // What was there before is still there, unchanged.
      // A failed read of the dialog's controls may define another address.
      std::string definition = c.portDefinition;
      if (IsWindowCall(call) && c.radio == kIdConnectionEthernet && installed) {
        definition = std::string(kTcpIpPortsKey) + "\\" + newPort;
      }
      EXPECT_EQ(DumpRegistry(definition), registryBefore);
      for (const auto& before : printersBefore) {
        bool still = false;
        for (const auto& p : sim::Spooler().printers)
          still = still || before == DumpPrinter(p.info);
        EXPECT_TRUE(still) << before;
      }
      for (const auto& before : driversBefore) {
        bool still = false;
        for (const auto& d : sim::Spooler().drivers) still = still || before == DumpDriver(d.info);
        EXPECT_TRUE(still) << before;
      }
      if (!IsWindowCall(call)) {
        const bool defaultMoved = installed && setDefault && call != "SetDefaultPrinterA";
        EXPECT_EQ(sim::Spooler().defaultPrinter, defaultMoved ? added[0] : "Receipt");
      } else if (!installed) {
        EXPECT_EQ(sim::Spooler().defaultPrinter, "Receipt");
      }
      // Nothing stays open unless closing it was the call that failed.
      if (call != "RegCloseKey") {
        EXPECT_EQ(sim::Registry().OpenKeyCount(), 0);
      }
      if (call != "ClosePrinter") {
        EXPECT_EQ(sim::Spooler().openPrinterHandles, 0);
      }
      if (call != "DeleteDC") {
        EXPECT_EQ(sim::Logs().openDeviceContexts, 0);
      }

      std::string outcome = installed ? "installed " + Printable(added[0]) + " on " + newPort
                                      : std::string("not installed");
      outcome += boxes.empty() ? ", nothing shown" : ", shown:";
      for (const auto& box : boxes) {
        if (box.rfind(successHead, 0) == 0) {
          outcome += " success";
        } else if (box == copyFailed) {
          outcome += " copy-failure";
        } else if (box == driverFailed) {
          outcome += " driver-failure";
        } else if (box == texts.PrinterAddFailed) {
          outcome += " printer-add-failure";
        } else {
          outcome += " [" + Printable(box) + "]";
        }
      }
      if (installed && !run.endedByInstall) outcome += ", dialog stays open";
      std::printf("  %s #%zu %-27s -> %s\n", c.name, k - clean.clickStart, call.c_str(),
                  outcome.c_str());
      installedRuns += installed ? 1 : 0;
      if (::testing::Test::HasFatalFailure()) return;
    }
    std::printf("sweep %s: %zu runs, %d installed; %d messages to own controls not failed\n",
                c.name, clean.clickEnd - clean.clickStart - skipped, installedRuns, skipped);
  }
};

TEST_F(DialogInstallSweepTest, UsbWithDefaultPrinter) {
  Sweep({"usb-yes", kIdConnectionUsb, "USB001", kIdDefaultYes, 1033,
         platform::kProcessorArchitectureAmd64, 10, false, ""});
}

TEST_F(DialogInstallSweepTest, SerialOnWindowsXp32Bit) {
  Sweep({"serial-xp-x86", kIdConnectionSerial, "COM1:", kIdDefaultNo, 1033,
         platform::kProcessorArchitectureIntel, 5, false,
         std::string(kSerialSettingsKey) + "\\COM1:"});
}

TEST_F(DialogInstallSweepTest, EthernetInChineseWithKdr270Present) {
  Sweep({"ethernet-zh", kIdConnectionEthernet, "", kIdDefaultYes, 2052,
         platform::kProcessorArchitectureAmd64, 10, true,
         std::string(kTcpIpPortsKey) + "\\IP_[192.168.1.100]"});
}

}  // namespace
