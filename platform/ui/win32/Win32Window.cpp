// The window calls of the dialog framework: one Windows call, or a few, each.
#include <windows.h>
// After <windows.h>, which it needs.
#include <commctrl.h>

#include <cstring>
#include <vector>

#include "platform/ui/Window.h"
#include "platform/win32/Win32SystemModules.h"

namespace ui {

static HWND Hwnd(WindowHandle window) { return static_cast<HWND>(window); }

WindowHandle DialogItem(WindowHandle dialog, int id) { return GetDlgItem(Hwnd(dialog), id); }

int DialogItemId(WindowHandle control) { return GetDlgCtrlID(Hwnd(control)); }

WindowHandle NextSibling(WindowHandle window) { return GetWindow(Hwnd(window), GW_HWNDNEXT); }

uint32_t WindowStyle(WindowHandle window) {
  return static_cast<uint32_t>(GetWindowLongA(Hwnd(window), GWL_STYLE));
}

bool SetText(WindowHandle window, const std::string& text) {
  return SetWindowTextA(Hwnd(window), text.c_str()) != FALSE;
}

std::string TextOf(WindowHandle window) {
  const int length = GetWindowTextLengthA(Hwnd(window));
  if (length <= 0) return std::string();
  std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(Hwnd(window), buffer.data(), length + 1);
  return std::string(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

bool Show(WindowHandle window, int command) { return ShowWindow(Hwnd(window), command) != FALSE; }

bool Enable(WindowHandle window, bool enable) {
  return EnableWindow(Hwnd(window), enable ? TRUE : FALSE) != FALSE;
}

bool IsVisible(WindowHandle window) { return IsWindowVisible(Hwnd(window)) != FALSE; }

bool IsEnabled(WindowHandle window) { return IsWindowEnabled(Hwnd(window)) != FALSE; }

bool IsMinimised(WindowHandle window) { return IsIconic(Hwnd(window)) != FALSE; }

LResult Send(WindowHandle window, uint32_t message, WParam wParam, LParam lParam) {
  return SendMessageA(Hwnd(window), message, wParam, lParam);
}

bool SetStandardCursor(int cursorId) {
  HCURSOR cursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(cursorId));
  if (cursor == nullptr) return false;
  SetCursor(cursor);
  return true;
}

IconHandle LoadProgramIcon(int id) {
  return reinterpret_cast<IconHandle>(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)));
}

static_assert(sizeof(PAINTSTRUCT) <= sizeof(PaintSession::state), "paint record fits");

bool BeginPainting(WindowHandle window, PaintSession* session) {
  auto* paint = reinterpret_cast<PAINTSTRUCT*>(session->state);
  HDC dc = BeginPaint(Hwnd(window), paint);
  session->dc = reinterpret_cast<DcHandle>(dc);
  return dc != nullptr;
}

void EndPainting(WindowHandle window, PaintSession* session) {
  EndPaint(Hwnd(window), reinterpret_cast<PAINTSTRUCT*>(session->state));
}

bool ClientSize(WindowHandle window, int32_t* width, int32_t* height) {
  RECT rect = {};
  if (!GetClientRect(Hwnd(window), &rect)) return false;
  *width = rect.right - rect.left;
  *height = rect.bottom - rect.top;
  return true;
}

bool DrawIconAt(DcHandle dc, int32_t x, int32_t y, IconHandle icon) {
  return DrawIcon(reinterpret_cast<HDC>(dc), x, y, reinterpret_cast<HICON>(icon)) != FALSE;
}

int32_t SystemMetric(int32_t index) { return GetSystemMetrics(index); }

bool InitCommonControlClasses(uint32_t classes) {
  static_assert(sizeof(INITCOMMONCONTROLSEX) == 8, "the record InitCommonControlsEx reads");
  INITCOMMONCONTROLSEX record = {sizeof(record), classes};
  // comctl32.dll is no Known DLL: loaded from the system folder, never
  // freed, since the classes it registers live in it.
  static const HMODULE module = platform::LoadSystemModule("comctl32.dll");
  static const auto init =
      platform::ModuleEntry<decltype(&InitCommonControlsEx)>(module, "InitCommonControlsEx");
  if (!platform::CanCall(init, module)) return false;
  return init(&record) != FALSE;
}

bool RegisterForRestart(uint32_t flags) {
  // Vista and later; looked up so the program still starts on Windows XP.
  using Fn = HRESULT(WINAPI*)(PCWSTR, DWORD);
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  auto fn = kernel ? reinterpret_cast<Fn>(reinterpret_cast<void*>(
                         GetProcAddress(kernel, "RegisterApplicationRestart")))
                   : nullptr;
  return fn != nullptr && SUCCEEDED(fn(nullptr, flags));
}

}  // namespace ui
