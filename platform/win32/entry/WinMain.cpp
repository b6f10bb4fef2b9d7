// The program's entry point: the application object registered itself when
// it was constructed; this runs its start-up, which runs the main dialog.
#include <windows.h>

#include "app/TarnwickApp.h"
#include "platform/ui/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // Naming theApp here also keeps the linker from leaving its object file
  // out of the library.
  ui::Application* app = ui::Application::Instance();
  if (app != &theApp) return 1;
  return ui::RunApplication(*app);
}
