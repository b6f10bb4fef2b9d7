// The simulated window system behind the dialog framework: dialogs built
// from the program's templates, their controls with the Win32 behaviour the
// dialog relies on, what the program did to them, and drivers that act as
// the user does. Tests run a dialog like this:
//
//   sim::Ui().user = [&](platform::WindowHandle dlg) {
//     sim::Click(dlg, 1007);                    // BN_CLICKED, as a real click
//     EXPECT_EQ(sim::Control(dlg, 1007)->check, 1);
//     sim::Click(dlg, 2);                       // Exit
//   };
//   dialog.DoModal();
//
// A window handle of the simulation points to its SimWindow.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/DeviceInterfaces.h"
#include "platform/Types.h"
#include "platform/sim/SimHandles.h"
#include "platform/ui/Window.h"

namespace sim {

// ---- templates of the program's module -------------------------------------

struct ControlTemplate {
  const char* text;
  int id;
  const char* className;
  uint32_t style;  // beyond WS_CHILD and WS_VISIBLE
  int x, y, width, height;
  uint32_t exStyle;
};

struct DialogTemplate {
  int id;
  uint32_t style;
  uint32_t exStyle;
  int width, height;
  const char* caption;
  std::vector<ControlTemplate> controls;  // template order
};

// The dialog templates the program's module holds (those of resources/).
const DialogTemplate* FindDialogTemplate(int id);

// ---- windows ----------------------------------------------------------------

struct SimWindow {
  SimWindow* parent = nullptr;
  std::vector<std::unique_ptr<SimWindow>> children;  // template order, = z-order
  int id = 0;
  std::string className;
  uint32_t style = 0;  // WS_VISIBLE and WS_DISABLED live here, as on Windows
  uint32_t exStyle = 0;
  int x = 0, y = 0, width = 0, height = 0;  // dialog units
  std::string text;

  int check = 0;                   // buttons: BST_*
  std::vector<std::string> items;  // list box
  int curSel = -1;
  int fields[4] = {-1, -1, -1, -1};  // IP address control, -1 blank

  // The dialog window only.
  std::uintptr_t userData = 0;  // GWLP_USERDATA: the host keeps the Dialog here
  bool iconic = false;
  int32_t clientWidth = 0, clientHeight = 0;
  bool ended = false;
  intptr_t endResult = 0;

  bool Visible() const;  // IsWindowVisible: this and every parent
  bool Enabled() const;  // IsWindowEnabled
};

// ---- what the program did --------------------------------------------------

struct IconDraw {
  ui::DcHandle dc;
  int32_t x, y;
  ui::IconHandle icon;
};

struct SentMessage {
  platform::WindowHandle window;
  uint32_t message;
  ui::WParam wParam;
  ui::LParam lParam;
};

class SimUi {
 public:
  // What the user does while a modal dialog runs. When it returns with the
  // dialog still open the run is abandoned: the window is destroyed and the
  // run returns -1 (a real one would wait for ever). Unset: the user closes
  // the dialog at once with the close box.
  std::function<void(platform::WindowHandle dialog)> user;

  std::vector<int> cursorsSet;  // SetCursor with a standard cursor, by IDC_*
  std::vector<IconDraw> iconsDrawn;
  std::vector<intptr_t> endResults;            // EndDialog
  std::vector<uint32_t> commonControlClasses;  // InitCommonControlsEx
  std::vector<uint32_t> restartRegistrations;  // RegisterApplicationRestart flags
  bool restartManagerAvailable = true;         // false: Windows XP
  // Messages that went to the window system's default handling of the
  // dialog, in order (WM_PAINT when not minimised, WM_SETCURSOR, ...).
  std::vector<uint32_t> defaultHandled;
  std::vector<SentMessage> sent;  // every SendMessageA of the program
  int modalRuns = 0;
  int abandonedRuns = 0;
  int openPaints = 0;  // BeginPaint not yet matched by EndPaint

  std::map<int32_t, int32_t> systemMetrics = {{11, 32}, {12, 32}};  // SM_CXICON, SM_CYICON
  std::set<int> programIcons = {128};
  // Dialog base units of the template's font: a template's client area is
  // width * x / 4 by height * y / 8 pixels.
  int baseUnitX = 6, baseUnitY = 13;

  // Templates a test adds to the module, found before the program's own.
  std::map<int, DialogTemplate> extraTemplates;

  std::vector<std::unique_ptr<SimWindow>> dialogs;  // open dialog windows
  ui::DcHandle nextDc = kPaintDcHandles;
};
SimUi& Ui();

// ---- reading the simulated dialog --------------------------------------------

// The live window behind a handle, or null.
SimWindow* Window(platform::WindowHandle window);
// Control `id` of a dialog, or null.
SimWindow* Control(platform::WindowHandle dialog, int id);
// The text as the control shows it: an IP address control's fields
// "1.2.3.4", blank fields empty.
std::string ShownText(const SimWindow& window);

// ---- the user's actions --------------------------------------------------------
// Each needs the dialog open and shown, and the control shown and enabled, as
// a mouse does; false when it could not act.

// A click: a push button sends BN_CLICKED; an auto radio button checks
// itself, clears the others of its group, then sends BN_CLICKED; a static
// with SS_NOTIFY sends STN_CLICKED; group boxes and statics without it let
// the click through to nothing.
bool Click(platform::WindowHandle dialog, int id);
// A double-click: a static with SS_NOTIFY sends STN_CLICKED, then
// STN_DBLCLK; a button takes it as two clicks.
bool DoubleClick(platform::WindowHandle dialog, int id);
// A click on item `index` of a list box: it becomes the selection, then
// LBN_SELCHANGE (LBS_NOTIFY).
bool SelectListItem(platform::WindowHandle dialog, int id, int index);
// A double-click on item `index`: selected as above, then LBN_DBLCLK.
bool DoubleClickListItem(platform::WindowHandle dialog, int id, int index);
// The user typed `value` (-1: cleared it) into `field` of an IP address
// control and left the field: IPN_FIELDCHANGED, after which the field takes
// the value the notice then holds.
bool LeaveIpField(platform::WindowHandle dialog, int id, int field, int32_t value);
// Enter: BN_CLICKED from the default push button when it is enabled.
bool PressEnter(platform::WindowHandle dialog);
// Esc: IDCANCEL, whatever the state of the Cancel button.
bool PressEscape(platform::WindowHandle dialog);
// The close box: WM_SYSCOMMAND SC_CLOSE, WM_CLOSE, then IDCANCEL unless the
// Cancel button is disabled.
bool PressCloseBox(platform::WindowHandle dialog);
// The mouse over control `id` (0: the dialog itself): WM_SETCURSOR with
// that window, the hit-test code and WM_MOUSEMOVE. The message's result.
ui::LResult HoverOver(platform::WindowHandle dialog, int id, uint32_t hitTest = 1);

// WM_DEVICECHANGE with `event` and a DEV_BROADCAST_DEVICEINTERFACE record of
// device type `deviceType` for the USB printer interface class.
ui::LResult DeviceChange(platform::WindowHandle dialog, uint32_t event, uint32_t deviceType = 5);
// Minimises or restores the dialog; while minimised its client area is
// `width` by `height`.
void Minimise(platform::WindowHandle dialog, bool minimised, int32_t width = 0, int32_t height = 0);
// WM_PAINT.
void Paint(platform::WindowHandle dialog);
// Any message to the dialog, through its procedure and then the default
// handling. The message's result.
ui::LResult Deliver(platform::WindowHandle dialog, uint32_t message, ui::WParam wParam,
                    ui::LParam lParam);

// The record WM_DEVICECHANGE carries, laid out as
// DEV_BROADCAST_DEVICEINTERFACE_A.
struct DeviceInterfaceRecord {
  uint32_t size;
  uint32_t deviceType;
  uint32_t reserved;
  platform::Guid classGuid;
  char name[4];
};

}  // namespace sim
