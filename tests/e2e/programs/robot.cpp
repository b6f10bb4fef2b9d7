// Drives KDR270Setup's dialog from another process, as a person would, and
// prints what it sees as lines a shell case can grep. Commands run in order:
//
//   robot wait-dialog 30 dump dblclk 1033 dump post-click 2 wait-gone 10
//
//   wait-dialog [s]      wait until the dialog exists and is visible
//   dump                 title, then per control in z-order: class, text,
//                        visible, enabled, checked (buttons), list items
//   handle               "handle" and the dialog's window handle as
//                        Wine's traces print a pointer: eight upper-case
//                        hex digits, sixteen in the 64-bit build
//   click <id>           BM_CLICK, sent (returns when handled)
//   post-click <id>      BM_CLICK, posted: for buttons that open a message box
//   post-command <id>    WM_COMMAND BN_CLICKED to the dialog, posted, as the
//                        dialog manager does for Enter (1) and Esc (2)
//   mouse-click <id>     left button down and up on the control
//   dblclk <id>          a double-click on the control: down, up, dblclk, up
//   select <id> <index>  LB_SETCURSEL, then the LBN_SELCHANGE a click sends
//   post-dblclk-item <id> <index>   as select, then LBN_DBLCLK posted: for
//                        a double-click that opens a window of its own
//   set-ip <a.b.c.d>     IPM_SETADDRESS (no pointer crosses the processes)
//   devchange arrival|removal   WM_DEVICECHANGE with a USB printer interface
//   msgbox [s]           wait for a message box of the dialog's process,
//                        print its title and text, press OK
//   wait-msgbox [s]      the same, but leave it open (for a screenshot)
//   close                the close box (WM_SYSCOMMAND SC_CLOSE), posted
//   wait-gone [s]        wait until the dialog window is gone
//   sleep <ms>
//   wait-file <path> [s] wait until the file exists (the shell's signal that
//                        it is done, say with a screenshot)
//   template <exe>       compare dialog 102 (language 2052) in <exe> with
//                        resources/Dialog102.h
//
// The seconds of the waits are taken as given; the robot's own short limits
// (an answer to a message, a message box closing) are multiplied by
// KDR_TIME_SCALE when it is set.
//
// Texts print in UTF-8 inside brackets, with \r, \n and \ escaped. Exit code
// 0 when every command worked; the first failure prints "robot: ..." and
// ends with 1.
#include <windows.h>
// These need <windows.h> first.
#include <commctrl.h>
#include <dbt.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "resources/Dialog102.h"

namespace {

const char kTitle[] = KDR_DIALOG102_CAPTION;
DWORD g_timeoutMs = 5000;
HWND g_dialog = nullptr;

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "robot: %s\n", what.c_str());
  std::exit(1);
}

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return std::string();
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                    0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], n, nullptr,
                      nullptr);
  return out;
}

std::wstring Wide(const char* utf8) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
  std::wstring out(static_cast<size_t>(n > 0 ? n - 1 : 0), L'\0');
  if (n > 1) MultiByteToWideChar(CP_UTF8, 0, utf8, -1, &out[0], n);
  return out;
}

std::string Quoted(const std::wstring& text) {
  std::string out = "[";
  for (char c : Utf8(text)) {
    if (c == '\r')
      out += "\\r";
    else if (c == '\n')
      out += "\\n";
    else if (c == '\\')
      out += "\\\\";
    else
      out += c;
  }
  return out + "]";
}

void Line(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

// WM_GETTEXT in UTF-16: the A form across processes is not to be trusted,
// and GetWindowText does not ask an edit or IP control of another process.
std::wstring TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, g_timeoutMs, &length))
    Fail("no answer to WM_GETTEXTLENGTH");
  std::vector<wchar_t> buffer(length + 2, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                      SMTO_ABORTIFHUNG, g_timeoutMs, &copied);
  return std::wstring(buffer.data(), copied < buffer.size() ? copied : 0);
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

HWND Dialog() {
  if (g_dialog == nullptr || !IsWindow(g_dialog)) Fail("no dialog: wait-dialog first");
  return g_dialog;
}

HWND Item(const char* id) {
  HWND item = GetDlgItem(Dialog(), std::atoi(id));
  if (item == nullptr) Fail(std::string("no control ") + id);
  return item;
}

void WaitDialog(int seconds) {
  for (int i = 0; i < seconds * 20; ++i) {
    HWND found = FindWindowA("#32770", kTitle);
    if (found != nullptr && IsWindowVisible(found)) {
      g_dialog = found;
      return;
    }
    Sleep(50);
  }
  Fail("the dialog did not show");
}

void WaitGone(int seconds) {
  if (g_dialog == nullptr) Fail("no dialog: wait-dialog first");
  for (int i = 0; i < seconds * 20; ++i) {
    if (!IsWindow(g_dialog)) return;
    Sleep(50);
  }
  Fail("the dialog is still there");
}

void Dump() {
  HWND d = Dialog();
  Line("title " + Quoted(TextOf(d)));
  for (HWND c = GetWindow(d, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    const std::string id = std::to_string(GetDlgCtrlID(c));
    const std::string cls = ClassOf(c);
    Line("class " + id + " " + cls);
    Line("text " + id + " " + Quoted(TextOf(c)));
    Line("visible " + id + " " + (IsWindowVisible(c) ? "1" : "0"));
    Line("enabled " + id + " " + (IsWindowEnabled(c) ? "1" : "0"));
    if (lstrcmpiA(cls.c_str(), "Button") == 0)
      Line("checked " + id + " " + std::to_string(SendMessageW(c, BM_GETCHECK, 0, 0)));
    if (lstrcmpiA(cls.c_str(), "ListBox") == 0) {
      const LRESULT count = SendMessageW(c, LB_GETCOUNT, 0, 0);
      Line("items " + id + " " + std::to_string(count));
      for (LRESULT i = 0; i < count; ++i) {
        std::vector<wchar_t> item(SendMessageW(c, LB_GETTEXTLEN, i, 0) + 2, L'\0');
        SendMessageW(c, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item.data()));
        Line("item " + id + " " + std::to_string(i) + " " + Quoted(item.data()));
      }
      Line("selected " + id + " " + std::to_string(SendMessageW(c, LB_GETCURSEL, 0, 0)));
    }
  }
}

void MouseClick(HWND c, bool twice) {
  SendMessageW(c, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  SendMessageW(c, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  if (!twice) return;
  SendMessageW(c, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(2, 2));
  SendMessageW(c, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

void Select(const char* id, const char* index) {
  HWND list = Item(id);
  if (SendMessageW(list, LB_SETCURSEL, std::atoi(index), 0) == LB_ERR)
    Fail(std::string("no item ") + index);
  // LB_SETCURSEL notifies nobody; a click would.
  SendMessageW(Dialog(), WM_COMMAND, MAKEWPARAM(std::atoi(id), LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
}

void SetIp(const char* text) {
  unsigned a = 0, b = 0, c = 0, d = 0;
  if (std::sscanf(text, "%u.%u.%u.%u", &a, &b, &c, &d) != 4) Fail("not an address");
  SendMessageW(Item("1011"), IPM_SETADDRESS, 0, MAKEIPADDRESS(a, b, c, d));
}

void DeviceChange(const char* what) {
  const WPARAM event =
      std::strcmp(what, "arrival") == 0 ? DBT_DEVICEARRIVAL : DBT_DEVICEREMOVECOMPLETE;
  DEV_BROADCAST_DEVICEINTERFACE_A record = {};
  record.dbcc_size = sizeof record;
  record.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
  // GUID_DEVINTERFACE_USBPRINT; Wine marshals the record to the target.
  record.dbcc_classguid = {
      0x28d78fad, 0x5a12, 0x11d1, {0xae, 0x5b, 0x00, 0x00, 0xf8, 0x03, 0xa8, 0xc2}};
  DWORD_PTR result = 0;
  SendMessageTimeoutW(Dialog(), WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(&record),
                      SMTO_ABORTIFHUNG, g_timeoutMs, &result);
}

struct BoxSearch {
  DWORD process;
  HWND box;
};

BOOL CALLBACK FindBox(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<BoxSearch*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == search->process && window != g_dialog && IsWindowVisible(window) &&
      ClassOf(window) == "#32770" && GetDlgItem(window, 0xFFFF) != nullptr) {
    search->box = window;
    return FALSE;
  }
  return TRUE;
}

void MessageBoxOk(int seconds, bool pressOk = true) {
  BoxSearch search = {0, nullptr};
  GetWindowThreadProcessId(Dialog(), &search.process);
  for (int i = 0; i < seconds * 20 && search.box == nullptr; ++i) {
    EnumWindows(&FindBox, reinterpret_cast<LPARAM>(&search));
    if (search.box == nullptr) Sleep(50);
  }
  if (search.box == nullptr) Fail("no message box");
  Line("msgbox-title " + Quoted(TextOf(search.box)));
  Line("msgbox-text " + Quoted(TextOf(GetDlgItem(search.box, 0xFFFF))));
  if (!pressOk) return;
  HWND ok = GetDlgItem(search.box, IDOK);
  if (ok == nullptr) Fail("the message box has no OK");
  PostMessageW(ok, BM_CLICK, 0, 0);
  for (DWORD i = 0; i < g_timeoutMs / 50 && IsWindow(search.box); ++i) Sleep(50);
  if (IsWindow(search.box)) Fail("the message box stayed open");
}

void PostDoubleClickItem(const char* id, const char* index) {
  Select(id, index);
  // Posted: the handler may run a modal window, and a sent message would
  // wait for it.
  PostMessageW(Dialog(), WM_COMMAND, MAKEWPARAM(std::atoi(id), LBN_DBLCLK),
               reinterpret_cast<LPARAM>(Item(id)));
}

int TemplateCheck(const char* exe);

}  // namespace

int main(int argc, char** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  if (const char* scale = std::getenv("KDR_TIME_SCALE")) {
    const double factor = std::atof(scale);
    if (factor > 1) g_timeoutMs = static_cast<DWORD>(g_timeoutMs * factor);
  }
  for (int i = 1; i < argc; ++i) {
    const std::string cmd = argv[i];
    auto arg = [&](const char* what) -> const char* {
      if (i + 1 >= argc) Fail(cmd + " needs " + what);
      return argv[++i];
    };
    auto optionalSeconds = [&](int fallback) {
      if (i + 1 < argc && std::atoi(argv[i + 1]) > 0) return std::atoi(argv[++i]);
      return fallback;
    };
    if (cmd == "wait-dialog") {
      WaitDialog(optionalSeconds(30));
    } else if (cmd == "dump") {
      Dump();
    } else if (cmd == "handle") {
      char text[32] = {};
      std::snprintf(text, sizeof text, "handle %0*llX", static_cast<int>(2 * sizeof(HWND)),
                    static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(Dialog())));
      Line(text);
    } else if (cmd == "click") {
      SendMessageW(Item(arg("an id")), BM_CLICK, 0, 0);
    } else if (cmd == "post-click") {
      PostMessageW(Item(arg("an id")), BM_CLICK, 0, 0);
    } else if (cmd == "post-command") {
      const int id = std::atoi(arg("an id"));
      PostMessageW(Dialog(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(Dialog(), id)));
    } else if (cmd == "mouse-click") {
      MouseClick(Item(arg("an id")), false);
    } else if (cmd == "dblclk") {
      MouseClick(Item(arg("an id")), true);
    } else if (cmd == "select") {
      const char* id = arg("an id");
      Select(id, arg("an index"));
    } else if (cmd == "set-ip") {
      SetIp(arg("an address"));
    } else if (cmd == "devchange") {
      DeviceChange(arg("arrival or removal"));
    } else if (cmd == "msgbox") {
      MessageBoxOk(optionalSeconds(30));
    } else if (cmd == "wait-msgbox") {
      MessageBoxOk(optionalSeconds(30), false);
    } else if (cmd == "post-dblclk-item") {
      const char* id = arg("an id");
      PostDoubleClickItem(id, arg("an index"));
    } else if (cmd == "close") {
      PostMessageW(Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
    } else if (cmd == "wait-gone") {
      WaitGone(optionalSeconds(30));
    } else if (cmd == "wait-file") {
      const char* path = arg("a path");
      const int seconds = optionalSeconds(30);
      int i = 0;
      while (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES && i++ < seconds * 20) Sleep(50);
      if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES) Fail(std::string("no file ") + path);
    } else if (cmd == "sleep") {
      Sleep(static_cast<DWORD>(std::atoi(arg("milliseconds"))));
    } else if (cmd == "template") {
      if (TemplateCheck(arg("an exe")) != 0) return 1;
    } else {
      Fail("unknown command " + cmd);
    }
  }
  return 0;
}

namespace {

// ---- dialog 102 in the exe against its description --------------------------

struct Reader {
  const BYTE* p;
  const BYTE* end;
  template <typename T>
  T Take() {
    T value = {};
    if (p + sizeof(T) > end) Fail("template ends early");
    std::memcpy(&value, p, sizeof(T));
    p += sizeof(T);
    return value;
  }
  // sz_Or_Ord: nothing, an ordinal, or a UTF-16 string.
  std::wstring NameOrOrdinal(WORD* ordinal) {
    *ordinal = 0;
    const WORD first = Take<WORD>();
    if (first == 0) return std::wstring();
    if (first == 0xFFFF) {
      *ordinal = Take<WORD>();
      return std::wstring();
    }
    std::wstring text(1, static_cast<wchar_t>(first));
    for (WORD c = Take<WORD>(); c != 0; c = Take<WORD>()) text += static_cast<wchar_t>(c);
    return text;
  }
  void AlignDword(const BYTE* base) {
    while ((p - base) % 4 != 0) ++p;
  }
};

int g_mismatches = 0;

void Expect(bool ok, const std::string& what) {
  Line(std::string(ok ? "ok " : "MISMATCH ") + what);
  if (!ok) ++g_mismatches;
}

std::string ClassName(WORD ordinal, const std::wstring& name) {
  switch (ordinal) {
    case 0x80:
      return "Button";
    case 0x81:
      return "Edit";
    case 0x82:
      return "Static";
    case 0x83:
      return "ListBox";
    case 0:
      return Utf8(name);
    default:
      return "#" + std::to_string(ordinal);
  }
}

struct Expected {
  const char* text;
  int id;
  const char* cls;
  DWORD style;
  short x, y, w, h;
  DWORD exStyle;
};

#define KDR_ROBOT_CONTROL(text, id, cls, style, x, y, w, h, exstyle) \
  {text, id, cls, WS_CHILD | WS_VISIBLE | (style), x, y, w, h, exstyle},
const Expected kExpected[] = {KDR_DIALOG102_CONTROLS(KDR_ROBOT_CONTROL)};

int TemplateCheck(const char* exe) {
  HMODULE module = LoadLibraryExA(exe, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (module == nullptr) Fail(std::string("cannot load ") + exe);
  HRSRC found = FindResourceExA(module, RT_DIALOG, MAKEINTRESOURCEA(KDR_DIALOG102_ID),
                                MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED));
  if (found == nullptr) Fail("no dialog 102 in language 2052");
  const auto* base = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
  Reader r = {base, base + SizeofResource(module, found)};

  Expect(r.Take<WORD>() == 1 && r.Take<WORD>() == 0xFFFF, "DLGTEMPLATEEX");
  r.Take<DWORD>();  // help id
  const DWORD exStyle = r.Take<DWORD>();
  const DWORD style = r.Take<DWORD>();
  Expect(exStyle == KDR_DIALOG102_EXSTYLE, "dialog extended style");
  Expect(style == static_cast<DWORD>(KDR_DIALOG102_STYLE), "dialog style");
  const WORD count = r.Take<WORD>();
  Expect(count == sizeof kExpected / sizeof kExpected[0], "control count");
  r.Take<short>();
  r.Take<short>();
  const short cx = r.Take<short>();
  const short cy = r.Take<short>();
  Expect(cx == KDR_DIALOG102_WIDTH && cy == KDR_DIALOG102_HEIGHT, "dialog size");
  WORD ordinal = 0;
  Expect(r.NameOrOrdinal(&ordinal).empty() && ordinal == 0, "no menu");
  Expect(r.NameOrOrdinal(&ordinal).empty() && ordinal == 0, "no class");
  Expect(r.NameOrOrdinal(&ordinal) == Wide(KDR_DIALOG102_CAPTION), "caption");
  const WORD points = r.Take<WORD>();
  r.Take<WORD>();  // weight
  r.Take<BYTE>();  // italic
  r.Take<BYTE>();  // character set
  Expect(points == KDR_DIALOG102_FONT_POINTS &&
             r.NameOrOrdinal(&ordinal) == Wide(KDR_DIALOG102_FONT_FACE),
         "font");

  for (WORD i = 0; i < count && i < sizeof kExpected / sizeof kExpected[0]; ++i) {
    const Expected& e = kExpected[i];
    r.AlignDword(base);
    r.Take<DWORD>();  // help id
    const DWORD itemEx = r.Take<DWORD>();
    const DWORD itemStyle = r.Take<DWORD>();
    const short x = r.Take<short>(), y = r.Take<short>();
    const short w = r.Take<short>(), h = r.Take<short>();
    const DWORD id = r.Take<DWORD>();
    WORD classOrdinal = 0;
    const std::wstring className = r.NameOrOrdinal(&classOrdinal);
    const std::wstring text = r.NameOrOrdinal(&ordinal);
    const WORD extra = r.Take<WORD>();
    r.p += extra;
    const std::string name = "control " + std::to_string(i) + " id " + std::to_string(e.id);
    Expect(id == static_cast<DWORD>(e.id), name + " id");
    Expect(lstrcmpiA(ClassName(classOrdinal, className).c_str(), e.cls) == 0, name + " class");
    Expect(itemStyle == e.style, name + " style");
    Expect(itemEx == e.exStyle, name + " extended style");
    Expect(x == e.x && y == e.y && w == e.w && h == e.h, name + " position");
    Expect(text == Wide(e.text), name + " text " + Quoted(text));
  }
  FreeLibrary(module);
  Line(g_mismatches == 0 ? "template matches" : "template differs");
  return g_mismatches == 0 ? 0 : 1;
}

}  // namespace
