// Times a dialog program from another process, for bench/wine-timings.sh.
// It starts the program with CreateProcess and polls every millisecond.
//
//   timer start <exe>
//       from CreateProcess until dialog 102 (found by its caption) is
//       visible and enabled; then Exit (2) and the process's end
//   timer install <exe> <connection radio id> <port name>
//       as start; then, untimed, the connection radio and the port in the
//       list; times from the posted click on Install (1) until a message
//       box of the program is visible; prints its text, presses OK and
//       waits for the end
//
// Lines: "dialog-ms <ms>", "install-ms <ms>", "msgbox-text [<UTF-8>]",
// "exit-ms <ms>" (from the last click until the process ended). Exit code
// 0 when every step happened in time; else "timer: ..." and 1, and the
// program is terminated.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "resources/Dialog102.h"

namespace {

const DWORD kStepTimeoutMs = 30000;
const int kPortList = 1010;
const DWORD kSettleMs = 1500;
PROCESS_INFORMATION g_process = {};

double NowMs() {
  static LARGE_INTEGER frequency = {};
  if (frequency.QuadPart == 0) QueryPerformanceFrequency(&frequency);
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "timer: %s\n", what.c_str());
  if (g_process.hProcess != nullptr) TerminateProcess(g_process.hProcess, 1);
  std::exit(1);
}

void Print(const char* name, double ms) {
  std::printf("%s %.1f\n", name, ms);
  std::fflush(stdout);
}

// The desktop window (Wine starts its desktop process on the first use) and
// the prefix's services come up before the clock starts: a person starts
// the installer on a running desktop.
void Settle() {
  GetDesktopWindow();
  FindWindowA("#32770", KDR_DIALOG102_CAPTION);
  Sleep(kSettleMs);
}

double Start(const char* exe) {
  Settle();
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  std::vector<char> commandLine(std::strlen(exe) + 3, '\0');
  std::snprintf(commandLine.data(), commandLine.size(), "\"%s\"", exe);
  const double started = NowMs();
  if (!CreateProcessA(exe, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &g_process))
    Fail(std::string("cannot start ") + exe + ", error " + std::to_string(GetLastError()));
  return started;
}

bool Ours(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process == g_process.dwProcessId;
}

// Dialog 102 of the started program, once it is visible and enabled.
HWND WaitDialog(double started) {
  while (NowMs() - started < kStepTimeoutMs) {
    HWND dialog = FindWindowA("#32770", KDR_DIALOG102_CAPTION);
    if (dialog != nullptr && Ours(dialog) && IsWindowVisible(dialog) && IsWindowEnabled(dialog)) {
      Print("dialog-ms", NowMs() - started);
      return dialog;
    }
    if (WaitForSingleObject(g_process.hProcess, 1) == WAIT_OBJECT_0)
      Fail("the program ended before its dialog showed");
  }
  Fail("the dialog did not show");
}

struct BoxSearch {
  HWND dialog;
  HWND box;
};

BOOL CALLBACK FindBox(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<BoxSearch*>(param);
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (window != search->dialog && Ours(window) && std::strcmp(name, "#32770") == 0 &&
      IsWindowVisible(window) && GetDlgItem(window, 0xFFFF) != nullptr) {
    search->box = window;
    return FALSE;
  }
  return TRUE;
}

HWND WaitMessageBox(HWND dialog, double since) {
  BoxSearch search = {dialog, nullptr};
  while (NowMs() - since < kStepTimeoutMs) {
    EnumWindows(&FindBox, reinterpret_cast<LPARAM>(&search));
    if (search.box != nullptr) return search.box;
    if (WaitForSingleObject(g_process.hProcess, 1) == WAIT_OBJECT_0)
      Fail("the program ended without a message box");
  }
  Fail("no message box");
}

// WM_GETTEXT in UTF-16, which crosses processes intact, printed as UTF-8.
std::string TextOf(HWND window) {
  wchar_t text[1024] = {};
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, sizeof text / sizeof text[0],
                      reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &copied);
  char utf8[4096] = {};
  WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
  std::string out;
  for (const char* c = utf8; *c != '\0'; ++c) {
    if (*c == '\r')
      out += "\\r";
    else if (*c == '\n')
      out += "\\n";
    else
      out += *c;
  }
  return out;
}

// LB_SETCURSEL on the item whose text is the port name, then the
// LBN_SELCHANGE that a click would send.
void SelectPort(HWND dialog, const char* port) {
  HWND list = GetDlgItem(dialog, kPortList);
  if (list == nullptr) Fail("no port list");
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  const std::wstring wanted(port, port + std::strlen(port));
  for (LRESULT i = 0; i < count; ++i) {
    std::vector<wchar_t> item(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 2,
                              L'\0');
    SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item.data()));
    if (wanted == item.data()) {
      SendMessageW(list, LB_SETCURSEL, i, 0);
      SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kPortList, LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list));
      return;
    }
  }
  Fail(std::string("no port ") + port + " in the list");
}

void WaitExit(double since) {
  if (WaitForSingleObject(g_process.hProcess, kStepTimeoutMs) != WAIT_OBJECT_0)
    Fail("the program did not end");
  Print("exit-ms", NowMs() - since);
  CloseHandle(g_process.hThread);
  CloseHandle(g_process.hProcess);
}

void Click(HWND dialog, int id) {
  HWND button = GetDlgItem(dialog, id);
  if (button == nullptr) Fail("no control " + std::to_string(id));
  // Posted: Install opens a message box, which a sent click would wait for.
  PostMessageW(button, BM_CLICK, 0, 0);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "start") == 0) {
    HWND dialog = WaitDialog(Start(argv[2]));
    const double clicked = NowMs();
    Click(dialog, IDCANCEL);
    WaitExit(clicked);
    return 0;
  }
  if (argc == 5 && std::strcmp(argv[1], "install") == 0) {
    HWND dialog = WaitDialog(Start(argv[2]));
    const int radio = std::atoi(argv[3]);
    HWND button = GetDlgItem(dialog, radio);
    if (button == nullptr) Fail(std::string("no control ") + argv[3]);
    SendMessageW(button, BM_CLICK, 0, 0);
    SelectPort(dialog, argv[4]);
    const double clicked = NowMs();
    Click(dialog, IDOK);
    HWND box = WaitMessageBox(dialog, clicked);
    Print("install-ms", NowMs() - clicked);
    std::printf("msgbox-text [%s]\n", TextOf(GetDlgItem(box, 0xFFFF)).c_str());
    std::fflush(stdout);
    const double pressed = NowMs();
    Click(box, IDOK);
    WaitExit(pressed);
    return 0;
  }
  std::fprintf(stderr,
               "usage: timer start <exe>\n"
               "       timer install <exe> <connection radio id> <port name>\n");
  return 2;
}
