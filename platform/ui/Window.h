// The window system as the dialog framework sees it: one function per
// Windows call (named beside each), portable types only. The win32 host
// implements it with user32, gdi32 and comctl32; the sim host with the
// simulated dialog.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/Types.h"

namespace ui {

using platform::WindowHandle;
// Message parameters, wide enough for a pointer as on Windows.
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;
// HICON and HDC.
using IconHandle = platform::Handle;
using DcHandle = platform::Handle;

// The header every WM_NOTIFY record starts with; laid out as NMHDR.
struct NotifyHeader {
  WindowHandle from;
  std::uintptr_t idFrom;
  uint32_t code;
};

// The record of IPN_FIELDCHANGED, laid out as NMIPADDRESS: the field the user
// left (0 to 3) and its value, -1 when blank. The control takes `value`
// back, so a handler may change it.
struct IpAddressNotice {
  NotifyHeader header;
  int32_t field;
  int32_t value;
};

class Dialog;

// DialogBoxParamA on template `templateId` of the program's module, owned by
// `owner` (none: modal to the desktop). The host's dialog procedure hands
// every message from WM_INITDIALOG on to `dialog`. The value passed to
// EndModalDialog, or -1 when the dialog could not be created.
intptr_t RunModalDialog(int templateId, WindowHandle owner, Dialog* dialog);

// EndDialog: the modal run ends with `result` once the current message has
// been handled.
bool EndModalDialog(WindowHandle dialog, intptr_t result);

// GetDlgItem. Null when the dialog has no control with that id.
WindowHandle DialogItem(WindowHandle dialog, int id);
// GetDlgCtrlID. 0 for a window that is not a control.
int DialogItemId(WindowHandle control);
// GetWindow(GW_HWNDNEXT): the next sibling in z-order, which for a dialog's
// controls is their template order. Null after the last one.
WindowHandle NextSibling(WindowHandle window);
// GetWindowLongA(GWL_STYLE).
uint32_t WindowStyle(WindowHandle window);

// SetWindowTextA.
bool SetText(WindowHandle window, const std::string& text);
// GetWindowTextLengthA and GetWindowTextA.
std::string TextOf(WindowHandle window);

// ShowWindow with a show command (platform::kSwHide, kSwShowNormal). Whether
// the window was visible before.
bool Show(WindowHandle window, int command);
// EnableWindow. Whether the window was disabled before.
bool Enable(WindowHandle window, bool enable);
// IsWindowVisible: the window and every parent have WS_VISIBLE.
bool IsVisible(WindowHandle window);
// IsWindowEnabled.
bool IsEnabled(WindowHandle window);
// IsIconic.
bool IsMinimised(WindowHandle window);

// SendMessageA.
LResult Send(WindowHandle window, uint32_t message, WParam wParam, LParam lParam);

// SetCursor(LoadCursorA(NULL, id)) for a standard cursor (IDC_*).
bool SetStandardCursor(int cursorId);
// LoadIconA on icon `id` of the program's module. 0 when it cannot be loaded.
IconHandle LoadProgramIcon(int id);

// BeginPaint and EndPaint. `state` holds the host's paint record between
// the two calls.
struct PaintSession {
  DcHandle dc = 0;
  alignas(8) unsigned char state[96] = {};
};
bool BeginPainting(WindowHandle window, PaintSession* session);
void EndPainting(WindowHandle window, PaintSession* session);

// GetClientRect: the client area's width and height.
bool ClientSize(WindowHandle window, int32_t* width, int32_t* height);
// DrawIcon.
bool DrawIconAt(DcHandle dc, int32_t x, int32_t y, IconHandle icon);
// GetSystemMetrics.
int32_t SystemMetric(int32_t index);

// InitCommonControlsEx with a record of size 8 and the class set (ICC_*).
bool InitCommonControlClasses(uint32_t classes);

// RegisterApplicationRestart with no command line and `flags`, looked up in
// kernel32 at run time: false where the system lacks it (Windows XP).
bool RegisterForRestart(uint32_t flags);

}  // namespace ui
