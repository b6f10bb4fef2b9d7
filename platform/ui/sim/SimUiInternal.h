// Shared inside the simulated window system; tests use SimUi.h.
#pragma once
#include "platform/ui/sim/SimUi.h"

namespace sim {

// The dialog's procedure (the host's), then the dialog manager's default
// handling when the procedure leaves the message.
ui::LResult DeliverToDialog(SimWindow* dialog, uint32_t message, ui::WParam wParam,
                            ui::LParam lParam);
// A message to a control, as its window class answers it.
ui::LResult ControlMessage(SimWindow* control, uint32_t message, ui::WParam wParam,
                           ui::LParam lParam);
// WM_COMMAND with `code` from `control` to its dialog.
void NotifyParent(SimWindow* control, uint32_t code);
// What a button does when clicked (BM_CLICK or the mouse).
void ClickButton(SimWindow* button);

bool IsClass(const SimWindow& window, const char* className);
uint32_t ButtonType(const SimWindow& window);
bool IsAutoRadio(const SimWindow& window);

}  // namespace sim
