#include <windows.h>

#include "install/PrinterInstaller.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  install::PrinterInstaller installer;
  return 0;
}
