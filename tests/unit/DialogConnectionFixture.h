// The connection controls of the main dialog over the simulated machine:
// ports put on the machine as Windows has them, and a picture of what the
// dialog shows in the list's area.
#pragma once
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "DialogFixture.h"
#include "app/TarnwickDlg.h"
#include "platform/Registry.h"

namespace conntest {

using Lines = std::vector<std::string>;

constexpr char kSerialKey[] = "HARDWARE\\DEVICEMAP\\SERIALCOMM";
constexpr char kParallelKey[] = "HARDWARE\\DEVICEMAP\\PARALLEL PORTS";

// A USB printer interface path of a supported vendor, unique per serial.
inline std::string UsbPath(const std::string& serial) {
  return "\\\\?\\usb#vid_0416&pid_5011#" + serial + "#{28d78fad-5a12-11d1-ae5b-0000f803a8c2}";
}

inline void PutSerial(const std::string& kernelName, const std::string& device) {
  sim::Registry().SetString(platform::kHkeyLocalMachine, kSerialKey, kernelName, device);
}

inline void PutParallel(const std::string& kernelName, const std::string& dosDevice) {
  sim::Registry().SetString(platform::kHkeyLocalMachine, kParallelKey, kernelName, dosDevice);
}

// Ports of every kind, each found in an order other than the sorted one:
// a list that sorted them would show them differently.
inline void PutPortsOfEveryKind() {
  sim::Devices().PlugUsbPrinter(UsbPath("sn0012"), 12);
  sim::Devices().PlugUsbPrinter(UsbPath("sn0003"), 3);
  PutSerial("\\Device\\Serial0", "COM3");
  PutSerial("\\Device\\Serial1", "COM10");
  PutSerial("\\Device\\Serial2", "COM1");
  PutParallel("\\Device\\Parallel0", "\\DosDevices\\LPT2");
  PutParallel("\\Device\\Parallel1", "\\DosDevices\\LPT1");
}
const Lines kUsbPorts = {"USB012", "USB003"};
const Lines kSerialPorts = {"COM3:", "COM10:", "COM1:"};
const Lines kParallelPorts = {"LPT2:", "LPT1:"};

// Shown: 1 shown, 0 hidden, -1 for a group whose controls disagree.
struct Picture {
  int listShown;
  Lines items;  // list 1010, also while hidden
  int selected;
  int noticeShown;
  std::string notice;  // text of 1014 while shown
  int addressShown;
  int addressEnabled;
  std::string address;
  int labelShown;
  int baudShown;  // 1028 and 1024-1027 together
  int hintShown;
  int installEnabled;

  bool operator==(const Picture& o) const {
    return listShown == o.listShown && items == o.items && selected == o.selected &&
           noticeShown == o.noticeShown && notice == o.notice && addressShown == o.addressShown &&
           addressEnabled == o.addressEnabled && address == o.address &&
           labelShown == o.labelShown && baudShown == o.baudShown && hintShown == o.hintShown &&
           installEnabled == o.installEnabled;
  }
};

inline std::ostream& operator<<(std::ostream& os, const Picture& p) {
  os << "{list " << p.listShown << " [";
  for (const std::string& item : p.items) os << "'" << item << "' ";
  return os << "] sel " << p.selected << ", notice " << p.noticeShown << " '" << p.notice
            << "', address " << p.addressShown << p.addressEnabled << " " << p.address << ", label "
            << p.labelShown << ", baud " << p.baudShown << ", hint " << p.hintShown << ", install "
            << p.installEnabled << "}";
}

inline int ShownFlag(platform::WindowHandle d, int id) { return dialogtest::Shown(d, id) ? 1 : 0; }

inline Picture PictureOf(platform::WindowHandle d) {
  Picture p = {};
  const sim::SimWindow* list = sim::Control(d, kIdPortList);
  p.listShown = ShownFlag(d, kIdPortList);
  p.items = list->items;
  p.selected = list->curSel;
  p.noticeShown = ShownFlag(d, kIdNotice);
  if (p.noticeShown) p.notice = dialogtest::Text(d, kIdNotice);
  p.addressShown = ShownFlag(d, kIdIpAddress);
  p.addressEnabled = dialogtest::Enabled(d, kIdIpAddress) ? 1 : 0;
  p.address = dialogtest::Text(d, kIdIpAddress);
  p.labelShown = ShownFlag(d, kIdIpLabel);
  p.baudShown = ShownFlag(d, kIdBaudRateGroup);
  for (int id : {kIdBaud9600, kIdBaud19200, kIdBaud38400, kIdBaud115200})
    if (ShownFlag(d, id) != p.baudShown) p.baudShown = -1;
  p.hintShown = ShownFlag(d, kIdHint);
  p.installEnabled = dialogtest::Enabled(d, kIdInstall) ? 1 : 0;
  return p;
}

// The user types an address into the IP control, field by field.
inline void TypeAddress(platform::WindowHandle d, int f0, int f1, int f2, int f3) {
  const int fields[] = {f0, f1, f2, f3};
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(sim::LeaveIpField(d, kIdIpAddress, i, fields[i]));
}

class DialogConnectionTest : public SimTest {
 protected:
  void SetUp() override {
    SimTest::SetUp();
    sim::System().uiLanguage = 1033;
  }
  // Builds the main dialog on the machine as set up now (the installer
  // reads the UI language when it is built) and runs it with `script` as
  // the user, then closes it.
  void Run(const std::function<void(platform::WindowHandle)>& script) {
    dlg_ = std::make_unique<CTarnwickDlg>();
    dialogtest::RunModal(*dlg_, [&](platform::WindowHandle d) {
      script(d);
      if (!sim::Window(d)->ended) sim::PressEscape(d);
    });
  }
  CTarnwickDlg& Dlg() { return *dlg_; }

 private:
  std::unique_ptr<CTarnwickDlg> dlg_;
};

}  // namespace conntest
