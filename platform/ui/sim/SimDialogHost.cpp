// Hosts a Dialog in a simulated dialog window built from its template: the
// same hand-over as the win32 host (the procedure picks the dialog up at
// WM_INITDIALOG and lets go at WM_NCDESTROY), and the dialog manager's
// default handling the dialog relies on.
#include <algorithm>

#include "platform/sim/SimCore.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Messages.h"
#include "platform/ui/sim/SimUiInternal.h"

namespace sim {

namespace {

constexpr uint32_t kErrorResourceNameNotFound = 1814;

bool DialogProcedure(SimWindow* window, uint32_t message, ui::WParam wParam, ui::LParam lParam,
                     ui::LResult* result) {
  ui::Dialog* dialog = nullptr;
  if (message == ui::kWmInitDialog) {
    dialog = reinterpret_cast<ui::Dialog*>(lParam);
    window->userData = reinterpret_cast<std::uintptr_t>(dialog);
    dialog->Attach(window);
  } else {
    dialog = reinterpret_cast<ui::Dialog*>(window->userData);
  }
  if (dialog == nullptr) return false;
  const bool handled = dialog->ProcessMessage(message, wParam, lParam, result);
  if (message == ui::kWmNcDestroy) {
    window->userData = 0;
    dialog->Detach();
  }
  return handled;
}

SimWindow* ChildById(SimWindow* dialog, int id) {
  for (auto& child : dialog->children)
    if (child->id == id) return child.get();
  return nullptr;
}

ui::LResult DefaultHandling(SimWindow* dialog, uint32_t message, ui::WParam wParam) {
  Ui().defaultHandled.push_back(message);
  switch (message) {
    case ui::kDmGetDefId:
      for (auto& child : dialog->children)
        if (IsClass(*child, "Button") && ButtonType(*child) == ui::kBsDefPushButton)
          return ui::MakeLong(static_cast<uint32_t>(child->id), ui::kDcHasDefId);
      return 0;
    case ui::kWmSysCommand:
      if ((wParam & 0xFFF0) == ui::kScClose) DeliverToDialog(dialog, ui::kWmClose, 0, 0);
      return 0;
    case ui::kWmClose: {
      // A disabled Cancel button keeps the close box from cancelling.
      SimWindow* cancel = ChildById(dialog, ui::kIdCancel);
      if (cancel != nullptr && !cancel->Enabled()) return 0;
      DeliverToDialog(dialog, ui::kWmCommand, ui::MakeLong(ui::kIdCancel, ui::kBnClicked),
                      reinterpret_cast<ui::LParam>(cancel));
      return 0;
    }
    default:
      // WM_PAINT validates, WM_SETCURSOR sets the class cursor and answers
      // FALSE; neither leaves anything the dialog reads.
      return 0;
  }
}

SimWindow* CreateDialogWindow(const DialogTemplate& t) {
  auto window = std::make_unique<SimWindow>();
  SimWindow* d = window.get();
  d->className = "#32770";
  // Shown only once WM_INITDIALOG has been handled.
  d->style = t.style & ~ui::kWsVisible;
  d->exStyle = t.exStyle;
  d->width = t.width;
  d->height = t.height;
  d->text = t.caption;
  d->clientWidth = t.width * Ui().baseUnitX / 4;
  d->clientHeight = t.height * Ui().baseUnitY / 8;
  for (const ControlTemplate& c : t.controls) {
    auto control = std::make_unique<SimWindow>();
    control->parent = d;
    control->id = c.id;
    control->className = c.className;
    control->style = ui::kWsChild | ui::kWsVisible | c.style;
    control->exStyle = c.exStyle;
    control->x = c.x;
    control->y = c.y;
    control->width = c.width;
    control->height = c.height;
    control->text = c.text;
    d->children.push_back(std::move(control));
  }
  Ui().dialogs.push_back(std::move(window));
  return d;
}

void DestroyDialogWindow(SimWindow* dialog) {
  DeliverToDialog(dialog, ui::kWmDestroy, 0, 0);
  DeliverToDialog(dialog, ui::kWmNcDestroy, 0, 0);
  auto& dialogs = Ui().dialogs;
  dialogs.erase(std::remove_if(dialogs.begin(), dialogs.end(),
                               [dialog](const auto& d) { return d.get() == dialog; }),
                dialogs.end());
}

}  // namespace

ui::LResult DeliverToDialog(SimWindow* dialog, uint32_t message, ui::WParam wParam,
                            ui::LParam lParam) {
  ui::LResult result = 0;
  if (DialogProcedure(dialog, message, wParam, lParam, &result)) return result;
  return DefaultHandling(dialog, message, wParam);
}

}  // namespace sim

namespace ui {

intptr_t RunModalDialog(int templateId, WindowHandle, Dialog* dialog) {
  if (!sim::Enter("DialogBoxParamA")) return -1;
  auto extra = sim::Ui().extraTemplates.find(templateId);
  const sim::DialogTemplate* t = extra != sim::Ui().extraTemplates.end()
                                     ? &extra->second
                                     : sim::FindDialogTemplate(templateId);
  if (t == nullptr) {
    sim::SetLastError(sim::kErrorResourceNameNotFound);
    return -1;
  }
  ++sim::Ui().modalRuns;
  sim::SimWindow* window = sim::CreateDialogWindow(*t);
  // Before WM_INITDIALOG the procedure has no dialog yet and leaves it.
  sim::DeliverToDialog(window, kWmSetFont, 0, 0);
  sim::DeliverToDialog(window, kWmInitDialog, 0, reinterpret_cast<LParam>(dialog));
  if (!window->ended) {
    if ((t->style & kWsVisible) != 0) window->style |= kWsVisible;
    // Copied: the user may set up another script for a nested dialog.
    auto user = sim::Ui().user;
    if (user)
      user(window);
    else
      sim::PressCloseBox(window);
  }
  intptr_t result = window->endResult;
  if (!window->ended) {
    ++sim::Ui().abandonedRuns;
    result = -1;
  }
  sim::DestroyDialogWindow(window);
  return result;
}

bool EndModalDialog(WindowHandle dialog, intptr_t result) {
  if (!sim::Enter("EndDialog")) return false;
  sim::SimWindow* w = sim::Window(dialog);
  if (w == nullptr || w->parent != nullptr) return false;
  // The run ends once the current message is handled; the window hides now.
  w->ended = true;
  w->endResult = result;
  w->style &= ~kWsVisible;
  sim::Ui().endResults.push_back(result);
  return true;
}

}  // namespace ui
