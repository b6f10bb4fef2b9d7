#include "platform/ui/Application.h"

#include "platform/ui/Window.h"

namespace ui {

namespace {
Application* g_application = nullptr;
}  // namespace

Application::Application() {
  if (g_application == nullptr) g_application = this;
}

Application::~Application() {
  if (g_application == this) g_application = nullptr;
}

Application* Application::Instance() { return g_application; }

bool Application::InitInstance() {
  // RESTART_* flags 0: restart in every case the restart manager knows.
  // Where the system has no restart manager the program runs without it.
  if ((m_dwRestartManagerSupportFlags & kRestartManagerSupportRestart) != 0)
    static_cast<void>(RegisterForRestart(0));
  return true;
}

int RunApplication(Application& app) {
  static_cast<void>(app.InitInstance());
  return 0;
}

}  // namespace ui
