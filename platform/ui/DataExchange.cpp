#include "platform/ui/DataExchange.h"

#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Window.h"

namespace ui {

namespace {

// A radio button answers WM_GETDLGCODE with DLGC_RADIOBUTTON, whatever its
// exact button style; the dialog manager tells them apart the same way.
bool IsRadioButton(WindowHandle window) {
  return (static_cast<uint32_t>(Send(window, kWmGetDlgCode, 0, 0)) & kDlgcRadioButton) != 0;
}

}  // namespace

void ExchangeRadioGroup(DataExchange& dx, int firstId, int32_t& value) {
  WindowHandle first = DialogItem(dx.TheDialog().Handle(), firstId);
  if (first == nullptr) return;
  const bool saving = dx.Saving();
  if (saving) value = -1;
  int32_t index = 0;
  for (WindowHandle w = first; w != nullptr; w = NextSibling(w)) {
    if (w != first && (WindowStyle(w) & kWsGroup) != 0) break;
    if (!IsRadioButton(w)) continue;
    if (saving) {
      if (value == -1 && Send(w, kBmGetCheck, 0, 0) != kBstUnchecked) value = index;
    } else {
      Send(w, kBmSetCheck, index == value ? kBstChecked : kBstUnchecked, 0);
    }
    ++index;
  }
}

void ExchangeControl(DataExchange& dx, int id, Control& control) {
  dx.TheDialog().BindControl(id, control);
}

}  // namespace ui
