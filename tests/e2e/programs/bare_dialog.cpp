// Dialog 102 and nothing else: the start-up baseline of bench/wine-timings.sh.
// Its resources are the exe's template, converted from resources/Dialog102.h
// and Dialog102.rc.in as the exe's is, and the exe's manifest (see
// tests/e2e/CMakeLists.txt), so what KDR270Setup.exe needs beyond this is
// the cost of its own start-up. Exit (IDCANCEL) and the close box end it.
#include <windows.h>
// Needs <windows.h> first.
#include <commctrl.h>

#include "resources/Dialog102.h"

namespace {

INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      return FALSE;
    case WM_CLOSE:
      EndDialog(dialog, IDCANCEL);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // The template holds an IP address control, a common control class.
  INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_WIN95_CLASSES | ICC_INTERNET_CLASSES};
  InitCommonControlsEx(&classes);
  const INT_PTR result =
      DialogBoxParamA(instance, MAKEINTRESOURCEA(KDR_DIALOG102_ID), nullptr, &Procedure, 0);
  return result == -1 ? 1 : 0;
}
