/* Dialog 102, the main dialog: the one description of its template. The
 * resource script builds the Windows resource from it (windres runs the C
 * preprocessor, and this file reaches it converted to GBK), and the
 * simulated dialog of the native build builds its controls from it.
 *
 * The includer defines the Win32 style names: <windows.h> in the resource
 * script, the framework's values in the simulation. Plain C preprocessor
 * only, so both can read it. UTF-8. */
#ifndef KDR_RESOURCES_DIALOG102_H
#define KDR_RESOURCES_DIALOG102_H

#define KDR_DIALOG102_ID 102
#define KDR_DIALOG102_STYLE                                                                        \
  (WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME | DS_SETFONT | \
   DS_FIXEDSYS)
#define KDR_DIALOG102_EXSTYLE WS_EX_APPWINDOW
#define KDR_DIALOG102_WIDTH 186
#define KDR_DIALOG102_HEIGHT 150
#define KDR_DIALOG102_CAPTION "ORVANT KDR270 POS Printer Driver Setup"
#define KDR_DIALOG102_FONT_POINTS 9
#define KDR_DIALOG102_FONT_FACE "MS Shell Dlg"

/* The control ids, used by the template below and by the dialog's code. */
#define KDR_IDC_INSTALL 1
#define KDR_IDC_EXIT 2
#define KDR_IDC_DEFAULT_GROUP 1001
#define KDR_IDC_DEFAULT_NO 1002
#define KDR_IDC_DEFAULT_YES 1003
#define KDR_IDC_CONNECTION_GROUP 1031
#define KDR_IDC_CONNECTION_USB 1006
#define KDR_IDC_CONNECTION_SERIAL 1007
#define KDR_IDC_CONNECTION_PARALLEL 1008
#define KDR_IDC_CONNECTION_ETHERNET 1009
#define KDR_IDC_PORT_LIST 1010
#define KDR_IDC_IP_ADDRESS 1011
#define KDR_IDC_IP_LABEL 1012
#define KDR_IDC_NOTICE 1014
#define KDR_IDC_WIZARD_BUTTON 1023
#define KDR_IDC_HINT 1015
#define KDR_IDC_BAUD_RATE_GROUP 1028
#define KDR_IDC_BAUD_9600 1024
#define KDR_IDC_BAUD_19200 1025
#define KDR_IDC_BAUD_38400 1026
#define KDR_IDC_BAUD_115200 1027
#define KDR_IDC_LANGUAGE_SWITCH 1033

/* The controls in template order, which is also the tab and z-order:
 *   X(text, id, class, style, x, y, width, height, extended style)
 * Every control also has WS_CHILD and WS_VISIBLE. Positions in dialog units.
 * The texts of 1, 2, 1001, 1002, 1003, 1031, 1007, 1008, 1009, 1012, 1023
 * and 1028 are replaced at start by the language's; the others stay. */
#define KDR_DIALOG102_CONTROLS(X)                                                                 \
  X("开始安装打印机驱动", KDR_IDC_INSTALL, "Button", BS_DEFPUSHBUTTON | WS_TABSTOP, 6, 102, 96,   \
    24, WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME)                                                   \
  X("退出", KDR_IDC_EXIT, "Button", BS_PUSHBUTTON | WS_TABSTOP, 139, 102, 40, 24,                 \
    WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME)                                                       \
  X("1. 您是否需要将此次安装设置为系统默认的打印机?", KDR_IDC_DEFAULT_GROUP, "Button",            \
    BS_GROUPBOX | WS_GROUP, 7, 4, 172, 32, 0)                                                     \
  X("否 (不设置为默认)", KDR_IDC_DEFAULT_NO, "Button", BS_AUTORADIOBUTTON | WS_GROUP, 12, 18, 72, \
    10, 0)                                                                                        \
  X("是 (设置为默认)", KDR_IDC_DEFAULT_YES, "Button", BS_AUTORADIOBUTTON, 84, 18, 65, 10, 0)      \
  X("2. 您的打印机通过哪种方式与电脑连接 ?", KDR_IDC_CONNECTION_GROUP, "Button",                  \
    BS_GROUPBOX | WS_GROUP, 7, 36, 172, 66, 0)                                                    \
  X("USB ", KDR_IDC_CONNECTION_USB, "Button", BS_AUTORADIOBUTTON | WS_GROUP, 12, 48, 31, 10, 0)   \
  X("串口", KDR_IDC_CONNECTION_SERIAL, "Button", BS_AUTORADIOBUTTON, 12, 60, 30, 10, 0)           \
  X("并口", KDR_IDC_CONNECTION_PARALLEL, "Button", BS_AUTORADIOBUTTON, 12, 72, 30, 10, 0)         \
  X("以太网", KDR_IDC_CONNECTION_ETHERNET, "Button", BS_AUTORADIOBUTTON, 12, 84, 30, 10, 0)       \
  X("", KDR_IDC_PORT_LIST, "ListBox",                                                             \
    WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT, 54, 48,   \
    81, 36, 0)                                                                                    \
  X("", KDR_IDC_IP_ADDRESS, "SysIPAddress32", WS_TABSTOP, 54, 84, 81, 12, 0)                      \
  X("打印机 IP 地址:", KDR_IDC_IP_LABEL, "Static", WS_GROUP | SS_LEFT, 54, 72, 53, 8, 0)          \
  X("", KDR_IDC_NOTICE, "Edit", WS_TABSTOP | ES_MULTILINE | ES_READONLY, 54, 49, 72, 33, 0)       \
  X("*安装出现问题 ? 点击这里尝试使用向导进行安装.", KDR_IDC_WIZARD_BUTTON, "Button",             \
    BS_PUSHBUTTON | WS_TABSTOP | BS_FLAT, 7, 129, 172, 13, 0)                                     \
  X("", KDR_IDC_HINT, "Edit", WS_TABSTOP | ES_MULTILINE | ES_READONLY, 143, 49, 36, 33, 0)        \
  X("* 波特率 ", KDR_IDC_BAUD_RATE_GROUP, "Button", BS_GROUPBOX, 136, 48, 41, 48, 0)              \
  X("9600", KDR_IDC_BAUD_9600, "Button", BS_AUTORADIOBUTTON | WS_GROUP, 139, 56, 30, 10, 0)       \
  X("19200", KDR_IDC_BAUD_19200, "Button", BS_AUTORADIOBUTTON, 139, 65, 30, 10, 0)                \
  X("38400", KDR_IDC_BAUD_38400, "Button", BS_AUTORADIOBUTTON, 139, 75, 30, 10, 0)                \
  X("115200", KDR_IDC_BAUD_115200, "Button", BS_AUTORADIOBUTTON, 139, 84, 34, 10, 0)              \
  X("                ", KDR_IDC_LANGUAGE_SWITCH, "Static", WS_GROUP | SS_NOTIFY | SS_LEFT, 109,   \
    117, 24, 16, 0)

#endif
