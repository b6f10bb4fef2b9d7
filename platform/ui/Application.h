// The application object: one global instance of a class derived from
// Application registers itself when it is constructed; the program's entry
// point runs its InitInstance.
#pragma once
#include <cstdint>

namespace ui {

class Dialog;

// Restart-manager support: restart the program after a crash, a hang or an
// update, with no recovery and no autosave.
constexpr uint32_t kRestartManagerSupportRestart = 0x1;

class Application {
 public:
  Application();
  virtual ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // The application object constructed first, or null.
  static Application* Instance();

  // The base start-up: registration with the restart manager when the
  // support flags ask for it. The derived start-up calls it, then runs its
  // main dialog. Its result says whether a message loop is to follow.
  virtual bool InitInstance();

  Dialog* MainDialog() const { return m_pMainDialog; }
  void SetMainDialog(Dialog* dialog) { m_pMainDialog = dialog; }

 protected:
  uint32_t m_dwRestartManagerSupportFlags = 0;

 private:
  Dialog* m_pMainDialog = nullptr;
};

// What the entry point runs: InitInstance of `app`. A dialog application has
// no message loop of its own, so whatever InitInstance returns the program
// then ends; the exit code is 0.
int RunApplication(Application& app);

}  // namespace ui
