// The main dialog on a simulated machine ready for an installation: the
// driver package in the program's resources, the spooler's driver
// directories, one USB printer, COM1 and LPT1, and the keys that serial and
// TCP/IP ports are written below.
#pragma once
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "DialogFixture.h"
#include "ZipReaderArchiveBuilder.h"
#include "app/TarnwickDlg.h"
#include "platform/Registry.h"
#include "platform/SystemInfo.h"

namespace dialoginstalltest {

constexpr uintptr_t kHklm = platform::kHkeyLocalMachine;
constexpr char kSerialSettingsKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports";
constexpr char kTcpIpPortsKey[] =
    "SYSTEM\\CurrentControlSet\\Control\\Print\\Monitors\\Standard TCP/IP Port\\Ports";
constexpr char kUsbPrinterPath[] =
    "\\\\?\\usb#vid_0416&pid_5011#sn0002#{28d78fad-5a12-11d1-ae5b-0000f803a8c2}";
constexpr char kPackageFolder[] = "C:\\T\\Vey2020";

// The eight driver files of each variant, in staging order.
inline const std::vector<std::string>& DriverFiles() {
  static const std::vector<std::string> files = {"KDR270.DLL",   "KDR270.GPD",  "UNIDRV.DLL",
                                                 "UNIDRVUI.DLL", "UNIRES.DLL",  "UNIDRV.HLP",
                                                 "TTFSUB.GPD",   "STDNAMES.GPD"};
  return files;
}

// The archive both package resources carry: both variants' files, each
// file's bytes naming its folder.
inline const std::string& PackageArchive() {
  static const std::string archive = [] {
    std::vector<ziptest::ZipEntrySpec> entries;
    for (const char* environment : {"Windows NT x86", "Windows x64"}) {
      entries.push_back(ziptest::FolderEntry(std::string(environment) + "/"));
      for (const auto& file : DriverFiles()) {
        ziptest::ZipEntrySpec entry;
        entry.name = std::string(environment) + "/" + file;
        entry.data = std::string(environment) + ":" + file;
        entries.push_back(entry);
      }
    }
    return ziptest::BuildArchive(entries);
  }();
  return archive;
}

class DialogInstallTest : public SimTest {
 protected:
  void SetUp() override {
    SimTest::SetUp();
    root_ = FreshScratchFolder("dialog-install");
    PrepareMachine();
  }

  void TearDown() override {
    SimTest::TearDown();
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }

  // An empty machine again, set up as at the start (for tests that walk
  // several cases).
  void FreshMachine() {
    sim::ResetMachine();
    PrepareMachine();
  }

  // Connection radio `radio`, then the port `port` of its list. Until the
  // dialog fills the list from the port discovery itself, the list is
  // written here as its refresh leaves it: the prompt, then the port,
  // selected.
  static void ChooseConnection(platform::WindowHandle d, int radio, const std::string& port) {
    ASSERT_TRUE(sim::Click(d, radio));
    if (port.empty()) return;
    sim::SimWindow* list = sim::Control(d, kIdPortList);
    ASSERT_NE(list, nullptr);
    const auto it = std::find(list->items.begin(), list->items.end(), port);
    if (it == list->items.end()) {
      list->items = {"Please select port:", port};
      list->curSel = 1;
      return;
    }
    ASSERT_TRUE(sim::SelectListItem(d, kIdPortList, static_cast<int>(it - list->items.begin())));
  }

  // What the user typed into the four fields of the IP address control;
  // -1 leaves a field blank.
  static void TypeAddress(platform::WindowHandle d, int f0, int f1, int f2, int f3) {
    sim::SimWindow* ip = sim::Control(d, kIdIpAddress);
    ASSERT_NE(ip, nullptr);
    const int fields[4] = {f0, f1, f2, f3};
    std::copy(fields, fields + 4, ip->fields);
  }

  static std::vector<std::string> BoxTexts() {
    std::vector<std::string> texts;
    for (const auto& box : sim::Logs().messageBoxes) texts.push_back(box.text);
    return texts;
  }

  static std::string SuccessText(const std::string& printer, const std::string& port) {
    return "The printer driver has been successfully installed on your computer!\r\n"
           "Printer name : " +
           printer + "\r\nPrinter port : " + port + "\r\n";
  }

  // The printers the spooler holds, by name.
  static std::vector<std::string> PrinterNames() {
    std::vector<std::string> names;
    for (const auto& p : sim::Spooler().printers) names.push_back(p.info.printerName);
    return names;
  }

  static std::string PortOf(const std::string& printer) {
    const sim::SimPrinter* p = sim::Spooler().FindPrinter(printer);
    return p ? p->info.portName : "<no printer " + printer + ">";
  }

  // The text a printed test page began with, or "" when none was printed.
  static std::string TestPageTextPrinted() {
    for (const auto& op : sim::Logs().print)
      if (op.op == "DrawText") return op.text;
    return std::string();
  }

  // The printer the test page was printed on (its device context).
  static std::string TestPagePrinter() {
    for (const auto& op : sim::Logs().print)
      if (op.op == "CreateDC") return op.text;
    return std::string();
  }

  // Adds an existing printer (and its driver) to the spooler.
  static void AddExistingPrinter(const std::string& name, const std::string& port,
                                 const std::string& driverName) {
    platform::PrinterInfo2 printer;
    printer.printerName = name;
    printer.portName = port;
    printer.driverName = driverName;
    printer.printProcessor = "WinPrint";
    printer.datatype = "RAW";
    printer.attributes = platform::kPrinterAttributeLocal;
    sim::Spooler().printers.push_back({printer});
  }

 private:
  void PrepareMachine() {
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_);
    sim::Files().SetHostRoot(root_);
    sim::Files().tempPath = "C:\\T\\";
    sim::Files().MakeDirs("C:\\T");
    for (const auto& dir : sim::Spooler().driverDirectories) sim::Files().MakeDirs(dir.second);
    sim::Resources().Put(129, "ZIP", PackageArchive());
    sim::Resources().Put(138, "ZIP", PackageArchive());

    sim::System().uiLanguage = 1033;
    sim::System().nativeArchitecture = platform::kProcessorArchitectureAmd64;
    sim::System().version = {10, 0, 19045};

    sim::Registry().Ensure(kHklm, kSerialSettingsKey);
    sim::Registry().Ensure(kHklm, kTcpIpPortsKey);
    sim::Registry().SetString(kHklm, "HARDWARE\\DEVICEMAP\\SERIALCOMM", "\\Device\\Serial0",
                              "COM1");
    sim::Registry().SetString(kHklm, "HARDWARE\\DEVICEMAP\\PARALLEL PORTS", "\\Device\\Parallel0",
                              "\\DosDevices\\LPT1");
    sim::Devices().PlugUsbPrinter(kUsbPrinterPath, 1);
  }

  std::string root_;
};

}  // namespace dialoginstalltest
