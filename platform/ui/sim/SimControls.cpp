// The simulated controls: what each window class does with the messages
// the dialog sends it, with the Win32 behaviour the dialog relies on.
#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/ui/Messages.h"
#include "platform/ui/sim/SimUiInternal.h"

namespace sim {

namespace {

using ui::LParam;
using ui::LResult;
using ui::WParam;

// Sorted list boxes order their items as lstrcmpi does for these texts:
// without regard to case.
bool LessIgnoringCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) <
           std::tolower(static_cast<unsigned char>(y));
  });
}

uint32_t DialogCode(const SimWindow& w) {
  if (IsClass(w, "Button")) {
    switch (ButtonType(w)) {
      case ui::kBsRadioButton:
      case ui::kBsAutoRadioButton:
        return ui::kDlgcButton | ui::kDlgcRadioButton;
      case ui::kBsDefPushButton:
        return ui::kDlgcButton | ui::kDlgcDefPushButton;
      case ui::kBsPushButton:
        return ui::kDlgcButton | ui::kDlgcUndefPushButton;
      case ui::kBsGroupBox:
        return ui::kDlgcStatic;
      default:
        return ui::kDlgcButton;
    }
  }
  if (IsClass(w, "Static")) return ui::kDlgcStatic;
  if (IsClass(w, "Edit")) return ui::kDlgcWantChars | ui::kDlgcHasSetSel | ui::kDlgcWantArrows;
  if (IsClass(w, "ListBox")) return ui::kDlgcWantArrows | ui::kDlgcWantChars;
  return 0;
}

// The auto radio buttons of the group `button` belongs to: from the control
// with WS_GROUP at or before it to the next one with WS_GROUP.
std::vector<SimWindow*> RadioGroupOf(SimWindow* button) {
  auto& siblings = button->parent->children;
  size_t at = 0;
  while (siblings[at].get() != button) ++at;
  size_t start = at;
  while (start > 0 && (siblings[start]->style & ui::kWsGroup) == 0) --start;
  std::vector<SimWindow*> group;
  for (size_t i = start; i < siblings.size(); ++i) {
    if (i != start && (siblings[i]->style & ui::kWsGroup) != 0) break;
    if (IsAutoRadio(*siblings[i])) group.push_back(siblings[i].get());
  }
  return group;
}

LResult ButtonMessage(SimWindow* w, uint32_t message, WParam wParam) {
  switch (message) {
    case ui::kBmGetCheck:
      return w->check;
    case ui::kBmSetCheck: {
      // Only buttons that can be checked hold a state; the others ignore it.
      const uint32_t type = ButtonType(*w);
      if (type != ui::kBsPushButton && type != ui::kBsDefPushButton && type != ui::kBsGroupBox)
        w->check = static_cast<int>(wParam);
      return 0;
    }
    case ui::kBmClick:
      if (w->Enabled()) ClickButton(w);
      return 0;
    default:
      return 0;
  }
}

LResult ListBoxMessage(SimWindow* w, uint32_t message, WParam wParam, LParam lParam) {
  auto& items = w->items;
  const int count = static_cast<int>(items.size());
  const int index = static_cast<int>(static_cast<intptr_t>(wParam));
  switch (message) {
    case ui::kLbAddString: {
      const std::string text = reinterpret_cast<const char*>(lParam);
      auto at = items.end();
      if ((w->style & ui::kLbsSort) != 0)
        at = std::upper_bound(items.begin(), items.end(), text, LessIgnoringCase);
      const int added = static_cast<int>(at - items.begin());
      items.insert(at, text);
      if (w->curSel >= added) ++w->curSel;
      return added;
    }
    case ui::kLbInsertString: {
      // Inserts where it is told, sorted list or not.
      if (index < -1 || index > count) return ui::kLbErr;
      const int at = index == -1 ? count : index;
      items.insert(items.begin() + at, reinterpret_cast<const char*>(lParam));
      if (w->curSel >= at) ++w->curSel;
      return at;
    }
    case ui::kLbDeleteString:
      if (index < 0 || index >= count) return ui::kLbErr;
      items.erase(items.begin() + index);
      if (w->curSel == index)
        w->curSel = -1;
      else if (w->curSel > index)
        --w->curSel;
      return count - 1;
    case ui::kLbResetContent:
      items.clear();
      w->curSel = -1;
      return 0;
    case ui::kLbGetCount:
      return count;
    case ui::kLbSetCurSel:
      // -1 clears the selection and still answers LB_ERR; an index past the
      // end changes nothing.
      if (index == -1) {
        w->curSel = -1;
        return ui::kLbErr;
      }
      if (index < 0 || index >= count) return ui::kLbErr;
      w->curSel = index;
      return index;
    case ui::kLbGetCurSel:
      return w->curSel;
    case ui::kLbGetTextLen:
      if (index < 0 || index >= count) return ui::kLbErr;
      return static_cast<LResult>(items[static_cast<size_t>(index)].size());
    case ui::kLbGetText: {
      // Copies the whole item and its terminator: the caller's buffer must
      // hold it, as on Windows.
      if (index < 0 || index >= count) return ui::kLbErr;
      const std::string& item = items[static_cast<size_t>(index)];
      std::memcpy(reinterpret_cast<char*>(lParam), item.c_str(), item.size() + 1);
      return static_cast<LResult>(item.size());
    }
    default:
      return 0;
  }
}

LResult IpAddressMessage(SimWindow* w, uint32_t message, LParam lParam) {
  switch (message) {
    case ui::kIpmSetAddress: {
      const auto address = static_cast<uint32_t>(lParam);
      for (int i = 0; i < 4; ++i) w->fields[i] = static_cast<int>((address >> (24 - 8 * i)) & 0xFF);
      return 1;
    }
    case ui::kIpmGetAddress: {
      uint32_t address = 0;
      int filled = 0;
      for (int i = 0; i < 4; ++i) {
        if (w->fields[i] < 0) continue;
        address |= static_cast<uint32_t>(w->fields[i]) << (24 - 8 * i);
        ++filled;
      }
      *reinterpret_cast<uint32_t*>(lParam) = address;
      return filled;
    }
    case ui::kIpmClearAddress:
      for (int& field : w->fields) field = -1;
      return 0;
    case ui::kIpmIsBlank:
      return std::all_of(std::begin(w->fields), std::end(w->fields), [](int f) { return f < 0; });
    default:
      return 0;
  }
}

}  // namespace

uint32_t ButtonType(const SimWindow& window) { return window.style & ui::kBsTypeMask; }

bool IsAutoRadio(const SimWindow& window) {
  return IsClass(window, "Button") && ButtonType(window) == ui::kBsAutoRadioButton;
}

void NotifyParent(SimWindow* control, uint32_t code) {
  DeliverToDialog(control->parent, ui::kWmCommand,
                  ui::MakeLong(static_cast<uint32_t>(control->id), code),
                  reinterpret_cast<LParam>(control));
}

void ClickButton(SimWindow* button) {
  const uint32_t type = ButtonType(*button);
  if (type == ui::kBsGroupBox) return;
  // An auto radio button checks itself and clears the rest of its group
  // before its parent hears of the click.
  if (type == ui::kBsAutoRadioButton)
    for (SimWindow* radio : RadioGroupOf(button))
      radio->check = radio == button ? ui::kBstChecked : ui::kBstUnchecked;
  NotifyParent(button, ui::kBnClicked);
}

LResult ControlMessage(SimWindow* control, uint32_t message, WParam wParam, LParam lParam) {
  if (message == ui::kWmGetDlgCode) return DialogCode(*control);
  if (IsClass(*control, "Button")) return ButtonMessage(control, message, wParam);
  if (IsClass(*control, "ListBox")) return ListBoxMessage(control, message, wParam, lParam);
  if (IsClass(*control, "SysIPAddress32")) return IpAddressMessage(control, message, lParam);
  return 0;
}

}  // namespace sim
