// The window calls of the dialog framework over the simulated dialogs.
#include <strings.h>
#include <cstdio>
#include <functional>

#include "platform/sim/SimCore.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Window.h"
#include "platform/ui/sim/SimUiInternal.h"

namespace sim {

namespace {

constexpr uint32_t kErrorInvalidWindowHandle = 1400;
constexpr uint32_t kErrorControlIdNotFound = 1421;
constexpr uint32_t kErrorResourceNameNotFound = 1814;

bool Holds(const SimWindow* root, const SimWindow* w) {
  if (root == w) return true;
  for (const auto& child : root->children)
    if (child.get() == w) return true;
  return false;
}

}  // namespace

SimUi& Ui() { return ServiceInstance<SimUi>(); }

bool SimWindow::Visible() const {
  for (const SimWindow* w = this; w != nullptr; w = w->parent)
    if ((w->style & ui::kWsVisible) == 0) return false;
  return true;
}

bool SimWindow::Enabled() const { return (style & ui::kWsDisabled) == 0; }

SimWindow* Window(platform::WindowHandle window) {
  auto* w = static_cast<SimWindow*>(window);
  if (w == nullptr) return nullptr;
  for (const auto& dialog : Ui().dialogs)
    if (Holds(dialog.get(), w)) return w;
  return nullptr;
}

SimWindow* Control(platform::WindowHandle dialog, int id) {
  SimWindow* d = Window(dialog);
  if (d == nullptr || d->parent != nullptr) return nullptr;
  for (const auto& child : d->children)
    if (child->id == id) return child.get();
  return nullptr;
}

std::string ShownText(const SimWindow& window) {
  if (!IsClass(window, "SysIPAddress32")) return window.text;
  std::string text;
  for (int i = 0; i < 4; ++i) {
    if (i > 0) text += '.';
    if (window.fields[i] >= 0) text += std::to_string(window.fields[i]);
  }
  return text;
}

bool IsClass(const SimWindow& window, const char* className) {
  return strcasecmp(window.className.c_str(), className) == 0;
}

// Looks up a live window for a call; sets the error Windows gives for a
// stale handle.
static SimWindow* Live(platform::WindowHandle window) {
  SimWindow* w = Window(window);
  if (w == nullptr) SetLastError(kErrorInvalidWindowHandle);
  return w;
}

}  // namespace sim

namespace ui {

WindowHandle DialogItem(WindowHandle dialog, int id) {
  if (!sim::Enter("GetDlgItem")) return nullptr;
  if (sim::Live(dialog) == nullptr) return nullptr;
  sim::SimWindow* control = sim::Control(dialog, id);
  if (control == nullptr) sim::SetLastError(sim::kErrorControlIdNotFound);
  return control;
}

int DialogItemId(WindowHandle control) {
  if (!sim::Enter("GetDlgCtrlID")) return 0;
  sim::SimWindow* w = sim::Live(control);
  return w != nullptr && w->parent != nullptr ? w->id : 0;
}

WindowHandle NextSibling(WindowHandle window) {
  if (!sim::Enter("GetWindow")) return nullptr;
  sim::SimWindow* w = sim::Live(window);
  if (w == nullptr || w->parent == nullptr) return nullptr;
  auto& siblings = w->parent->children;
  for (size_t i = 0; i + 1 < siblings.size(); ++i)
    if (siblings[i].get() == w) return siblings[i + 1].get();
  return nullptr;
}

uint32_t WindowStyle(WindowHandle window) {
  if (!sim::Enter("GetWindowLongA")) return 0;
  sim::SimWindow* w = sim::Live(window);
  return w != nullptr ? w->style : 0;
}

bool SetText(WindowHandle window, const std::string& text) {
  if (!sim::Enter("SetWindowTextA")) return false;
  sim::SimWindow* w = sim::Live(window);
  if (w == nullptr) return false;
  w->text = text;
  return true;
}

std::string TextOf(WindowHandle window) {
  if (!sim::Enter("GetWindowTextLengthA")) return std::string();
  if (!sim::Enter("GetWindowTextA")) return std::string();
  sim::SimWindow* w = sim::Live(window);
  return w != nullptr ? sim::ShownText(*w) : std::string();
}

bool Show(WindowHandle window, int command) {
  if (!sim::Enter("ShowWindow")) return false;
  sim::SimWindow* w = sim::Live(window);
  if (w == nullptr) return false;
  const bool wasVisible = (w->style & kWsVisible) != 0;
  if (command == platform::kSwHide)
    w->style &= ~kWsVisible;
  else
    w->style |= kWsVisible;
  return wasVisible;
}

bool Enable(WindowHandle window, bool enable) {
  if (!sim::Enter("EnableWindow")) return false;
  sim::SimWindow* w = sim::Live(window);
  if (w == nullptr) return false;
  const bool wasDisabled = (w->style & kWsDisabled) != 0;
  if (enable)
    w->style &= ~kWsDisabled;
  else
    w->style |= kWsDisabled;
  return wasDisabled;
}

bool IsVisible(WindowHandle window) {
  if (!sim::Enter("IsWindowVisible")) return false;
  sim::SimWindow* w = sim::Live(window);
  return w != nullptr && w->Visible();
}

bool IsEnabled(WindowHandle window) {
  if (!sim::Enter("IsWindowEnabled")) return false;
  sim::SimWindow* w = sim::Live(window);
  return w != nullptr && w->Enabled();
}

bool IsMinimised(WindowHandle window) {
  if (!sim::Enter("IsIconic")) return false;
  sim::SimWindow* w = sim::Live(window);
  return w != nullptr && w->iconic;
}

LResult Send(WindowHandle window, uint32_t message, WParam wParam, LParam lParam) {
  if (!sim::Enter("SendMessageA")) return 0;
  sim::SimWindow* w = sim::Live(window);
  if (w == nullptr) return 0;
  sim::Ui().sent.push_back({window, message, wParam, lParam});
  if (w->parent == nullptr) return sim::DeliverToDialog(w, message, wParam, lParam);
  return sim::ControlMessage(w, message, wParam, lParam);
}

bool SetStandardCursor(int cursorId) {
  if (!sim::Enter("LoadCursorA")) return false;
  if (!sim::Enter("SetCursor")) return false;
  sim::Ui().cursorsSet.push_back(cursorId);
  return true;
}

IconHandle LoadProgramIcon(int id) {
  if (!sim::Enter("LoadIconA")) return 0;
  if (sim::Ui().programIcons.count(id) == 0) {
    sim::SetLastError(sim::kErrorResourceNameNotFound);
    return 0;
  }
  return static_cast<IconHandle>(sim::kIconHandles + id);
}

bool BeginPainting(WindowHandle window, PaintSession* session) {
  if (!sim::Enter("BeginPaint")) return false;
  if (sim::Live(window) == nullptr) return false;
  session->dc = sim::Ui().nextDc++;
  ++sim::Ui().openPaints;
  return true;
}

void EndPainting(WindowHandle, PaintSession*) {
  sim::Enter("EndPaint");  // cannot fail
  --sim::Ui().openPaints;
}

bool ClientSize(WindowHandle window, int32_t* width, int32_t* height) {
  if (!sim::Enter("GetClientRect")) return false;
  sim::SimWindow* w = sim::Live(window);
  if (w == nullptr) return false;
  *width = w->clientWidth;
  *height = w->clientHeight;
  return true;
}

bool DrawIconAt(DcHandle dc, int32_t x, int32_t y, IconHandle icon) {
  if (!sim::Enter("DrawIcon")) return false;
  sim::Ui().iconsDrawn.push_back({dc, x, y, icon});
  return true;
}

int32_t SystemMetric(int32_t index) {
  if (!sim::Enter("GetSystemMetrics")) return 0;
  auto it = sim::Ui().systemMetrics.find(index);
  return it == sim::Ui().systemMetrics.end() ? 0 : it->second;
}

bool InitCommonControlClasses(uint32_t classes) {
  if (!sim::Enter("InitCommonControlsEx")) return false;
  sim::Ui().commonControlClasses.push_back(classes);
  return true;
}

bool RegisterForRestart(uint32_t flags) {
  // The program looks the call up first; on Windows XP it is not there.
  if (!sim::Ui().restartManagerAvailable) return false;
  if (!sim::Enter("RegisterApplicationRestart")) return false;
  sim::Ui().restartRegistrations.push_back(flags);
  return true;
}

}  // namespace ui
