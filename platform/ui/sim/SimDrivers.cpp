// The user's actions on a simulated dialog, delivered as Windows delivers
// the mouse and the keyboard.
#include "platform/ui/Messages.h"
#include "platform/ui/sim/SimUiInternal.h"

namespace sim {

namespace {

// The dialog when it is open and shown; the user cannot reach it otherwise.
SimWindow* ShownDialog(platform::WindowHandle dialog) {
  SimWindow* d = Window(dialog);
  if (d == nullptr || d->parent != nullptr || d->ended || !d->Visible()) return nullptr;
  return d;
}

// A control the mouse can act on: shown and enabled, in a shown dialog.
SimWindow* Reachable(platform::WindowHandle dialog, int id) {
  if (ShownDialog(dialog) == nullptr) return nullptr;
  SimWindow* c = Control(dialog, id);
  if (c == nullptr || !c->Visible() || !c->Enabled()) return nullptr;
  return c;
}

bool NotifiesParent(const SimWindow& control, uint32_t notifyStyle) {
  return (control.style & notifyStyle) != 0;
}

bool SelectItem(SimWindow* list, int index) {
  if (index < 0 || index >= static_cast<int>(list->items.size())) return false;
  list->curSel = index;
  if (NotifiesParent(*list, ui::kLbsNotify)) NotifyParent(list, ui::kLbnSelChange);
  return true;
}

}  // namespace

bool Click(platform::WindowHandle dialog, int id) {
  SimWindow* c = Reachable(dialog, id);
  if (c == nullptr) return false;
  if (IsClass(*c, "Button")) {
    // Group boxes take no clicks: they are transparent to the mouse.
    if (ButtonType(*c) == ui::kBsGroupBox) return false;
    ClickButton(c);
    return true;
  }
  if (IsClass(*c, "Static")) {
    if (!NotifiesParent(*c, ui::kSsNotify)) return false;
    NotifyParent(c, ui::kStnClicked);
    return true;
  }
  return false;
}

bool DoubleClick(platform::WindowHandle dialog, int id) {
  SimWindow* c = Reachable(dialog, id);
  if (c == nullptr) return false;
  if (IsClass(*c, "Static")) {
    if (!NotifiesParent(*c, ui::kSsNotify)) return false;
    // The first press is a click; the second arrives as WM_LBUTTONDBLCLK.
    NotifyParent(c, ui::kStnClicked);
    if (!c->parent->ended) NotifyParent(c, ui::kStnDblClk);
    return true;
  }
  if (IsClass(*c, "Button")) {
    if (ButtonType(*c) == ui::kBsGroupBox) return false;
    ClickButton(c);
    // Buttons without BS_NOTIFY take the second press as another click.
    if (ButtonType(*c) == ui::kBsRadioButton || NotifiesParent(*c, ui::kBsNotify))
      NotifyParent(c, ui::kBnDoubleClicked);
    else
      ClickButton(c);
    return true;
  }
  return false;
}

bool SelectListItem(platform::WindowHandle dialog, int id, int index) {
  SimWindow* c = Reachable(dialog, id);
  if (c == nullptr || !IsClass(*c, "ListBox")) return false;
  return SelectItem(c, index);
}

bool DoubleClickListItem(platform::WindowHandle dialog, int id, int index) {
  SimWindow* c = Reachable(dialog, id);
  if (c == nullptr || !IsClass(*c, "ListBox")) return false;
  if (!SelectItem(c, index)) return false;
  if (NotifiesParent(*c, ui::kLbsNotify)) NotifyParent(c, ui::kLbnDblClk);
  return true;
}

bool LeaveIpField(platform::WindowHandle dialog, int id, int field, int32_t value) {
  SimWindow* c = Reachable(dialog, id);
  if (c == nullptr || !IsClass(*c, "SysIPAddress32") || field < 0 || field > 3) return false;
  if (value < -1 || value > 255) return false;
  ui::IpAddressNotice notice = {};
  notice.header.from = c;
  notice.header.idFrom = static_cast<std::uintptr_t>(c->id);
  notice.header.code = ui::kIpnFieldChanged;
  notice.field = field;
  notice.value = value;
  DeliverToDialog(c->parent, ui::kWmNotify, static_cast<ui::WParam>(c->id),
                  reinterpret_cast<ui::LParam>(&notice));
  // The control takes back what the parent left in the record, within range.
  int32_t taken = notice.value;
  if (taken > 255) taken = 255;
  if (taken < -1) taken = -1;
  c->fields[field] = taken;
  return true;
}

bool PressEnter(platform::WindowHandle dialog) {
  SimWindow* d = ShownDialog(dialog);
  if (d == nullptr) return false;
  const auto defId = static_cast<uint64_t>(DeliverToDialog(d, ui::kDmGetDefId, 0, 0));
  if (ui::HighWord(defId) != ui::kDcHasDefId) {
    DeliverToDialog(d, ui::kWmCommand, ui::kIdOk, 0);
    return true;
  }
  SimWindow* button = Control(d, static_cast<int>(ui::LowWord(defId)));
  // A disabled default button: the dialog manager only beeps.
  if (button != nullptr && !button->Enabled()) return false;
  DeliverToDialog(d, ui::kWmCommand, ui::MakeLong(ui::LowWord(defId), ui::kBnClicked),
                  reinterpret_cast<ui::LParam>(button));
  return true;
}

bool PressEscape(platform::WindowHandle dialog) {
  SimWindow* d = ShownDialog(dialog);
  if (d == nullptr) return false;
  DeliverToDialog(d, ui::kWmCommand, ui::MakeLong(ui::kIdCancel, ui::kBnClicked),
                  reinterpret_cast<ui::LParam>(Control(d, ui::kIdCancel)));
  return true;
}

bool PressCloseBox(platform::WindowHandle dialog) {
  SimWindow* d = ShownDialog(dialog);
  if (d == nullptr) return false;
  DeliverToDialog(d, ui::kWmSysCommand, ui::kScClose, 0);
  return true;
}

ui::LResult HoverOver(platform::WindowHandle dialog, int id, uint32_t hitTest) {
  SimWindow* d = ShownDialog(dialog);
  if (d == nullptr) return 0;
  SimWindow* under = d;
  if (id != 0) {
    under = Control(d, id);
    if (under == nullptr || !under->Visible()) return 0;
  }
  return DeliverToDialog(d, ui::kWmSetCursor, reinterpret_cast<ui::WParam>(under),
                         static_cast<ui::LParam>(ui::MakeLong(hitTest, ui::kWmMouseMove)));
}

ui::LResult DeviceChange(platform::WindowHandle dialog, uint32_t event, uint32_t deviceType) {
  SimWindow* d = Window(dialog);
  if (d == nullptr || d->parent != nullptr) return 0;
  DeviceInterfaceRecord record = {};
  record.size = sizeof record;
  record.deviceType = deviceType;
  record.classGuid = platform::kGuidDevInterfaceUsbPrint;
  return DeliverToDialog(d, ui::kWmDeviceChange, event, reinterpret_cast<ui::LParam>(&record));
}

void Minimise(platform::WindowHandle dialog, bool minimised, int32_t width, int32_t height) {
  SimWindow* d = Window(dialog);
  if (d == nullptr || d->parent != nullptr) return;
  d->iconic = minimised;
  if (minimised) {
    d->style |= ui::kWsMinimize;
    d->clientWidth = width;
    d->clientHeight = height;
  } else {
    d->style &= ~ui::kWsMinimize;
    d->clientWidth = d->width * Ui().baseUnitX / 4;
    d->clientHeight = d->height * Ui().baseUnitY / 8;
  }
}

void Paint(platform::WindowHandle dialog) { Deliver(dialog, ui::kWmPaint, 0, 0); }

ui::LResult Deliver(platform::WindowHandle dialog, uint32_t message, ui::WParam wParam,
                    ui::LParam lParam) {
  SimWindow* d = Window(dialog);
  if (d == nullptr || d->parent != nullptr) return 0;
  return DeliverToDialog(d, message, wParam, lParam);
}

}  // namespace sim
