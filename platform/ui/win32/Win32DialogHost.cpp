// Hosts a Dialog in a real dialog window: DialogBoxParamA with one static
// dialog procedure that moves messages in and results out.
#include <windows.h>
// After <windows.h>, which it needs.
#include <commctrl.h>

#include <cstddef>

#include "platform/ui/Dialog.h"
#include "platform/ui/Window.h"

namespace ui {

// The portable records stand for NMHDR and NMIPADDRESS in place.
static_assert(sizeof(NotifyHeader) == sizeof(NMHDR), "NMHDR layout");
static_assert(offsetof(NotifyHeader, code) == offsetof(NMHDR, code), "NMHDR layout");
static_assert(offsetof(IpAddressNotice, field) == offsetof(NMIPADDRESS, iField), "NMIPADDRESS");
static_assert(offsetof(IpAddressNotice, value) == offsetof(NMIPADDRESS, iValue), "NMIPADDRESS");

namespace {

// Messages whose result a dialog procedure returns itself; for all others
// it goes into DWLP_MSGRESULT and the procedure returns TRUE.
bool ResultIsReturnValue(UINT message) {
  switch (message) {
    case WM_INITDIALOG:
    case WM_QUERYDRAGICON:
    case WM_CHARTOITEM:
    case WM_VKEYTOITEM:
    case WM_COMPAREITEM:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return true;
    default:
      return false;
  }
}

INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Dialog* dialog = nullptr;
  if (message == WM_INITDIALOG) {
    dialog = reinterpret_cast<Dialog*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(dialog));
    dialog->Attach(window);
  } else {
    dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  }
  // Messages before WM_INITDIALOG (WM_SETFONT, ...) get the default.
  if (dialog == nullptr) return FALSE;

  LResult result = 0;
  const bool handled = dialog->ProcessMessage(message, wParam, lParam, &result);
  if (message == WM_NCDESTROY) {
    // The last message: nothing may reach the object through this window.
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    dialog->Detach();
  }
  if (!handled) return FALSE;
  if (ResultIsReturnValue(message)) return static_cast<INT_PTR>(result);
  SetWindowLongPtrA(window, DWLP_MSGRESULT, static_cast<LONG_PTR>(result));
  return TRUE;
}

}  // namespace

intptr_t RunModalDialog(int templateId, WindowHandle owner, Dialog* dialog) {
  // Dialog templates may hold an IP address control, whose class comctl32
  // registers only when asked for its set.
  // A failure shows when the dialog cannot be created.
  static_cast<void>(InitCommonControlClasses(ICC_INTERNET_CLASSES));
  return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId),
                         static_cast<HWND>(owner), &DialogProcedure,
                         reinterpret_cast<LPARAM>(dialog));
}

bool EndModalDialog(WindowHandle dialog, intptr_t result) {
  return EndDialog(static_cast<HWND>(dialog), result) != FALSE;
}

}  // namespace ui
