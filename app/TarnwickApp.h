// The application object: starts the common controls and runs the main
// dialog, the program's only window; when it ends, the program ends.
#pragma once
#include "platform/ui/Application.h"

class CTarnwickApp : public ui::Application {
 public:
  CTarnwickApp();
  ~CTarnwickApp() override;

  // Runs the whole application. FALSE: no message loop follows.
  bool InitInstance() override;
};

// The one global instance; constructing it registers it with the framework.
extern CTarnwickApp theApp;
