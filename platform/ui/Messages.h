// Window messages, notifications and styles the framework and the dialog
// use, as our own constants with the values Windows gives them. Names follow
// the Win32 ones (WM_COMMAND is kWmCommand) but cannot collide with them.
#pragma once
#include <cstdint>

namespace ui {

// ---- window messages (WM_*) ------------------------------------------------
constexpr uint32_t kWmDestroy = 0x0002;
constexpr uint32_t kWmPaint = 0x000F;
constexpr uint32_t kWmClose = 0x0010;
constexpr uint32_t kWmSetCursor = 0x0020;
constexpr uint32_t kWmIconEraseBkgnd = 0x0027;
constexpr uint32_t kWmSetFont = 0x0030;
constexpr uint32_t kWmQueryDragIcon = 0x0037;
constexpr uint32_t kWmNotify = 0x004E;
constexpr uint32_t kWmNcDestroy = 0x0082;
constexpr uint32_t kWmGetDlgCode = 0x0087;
constexpr uint32_t kWmInitDialog = 0x0110;
constexpr uint32_t kWmCommand = 0x0111;
constexpr uint32_t kWmSysCommand = 0x0112;
constexpr uint32_t kWmMouseMove = 0x0200;
constexpr uint32_t kWmDeviceChange = 0x0219;
constexpr uint32_t kWmUser = 0x0400;

// ---- notification codes in WM_COMMAND's high word and WM_NOTIFY's code ------
constexpr uint32_t kBnClicked = 0;
constexpr uint32_t kBnDoubleClicked = 5;
constexpr uint32_t kStnClicked = 0;
constexpr uint32_t kStnDblClk = 1;
constexpr uint32_t kLbnSelChange = 1;
constexpr uint32_t kLbnDblClk = 2;
// IPN_FIELDCHANGED: IPN_FIRST (0U - 860U) minus 0.
constexpr uint32_t kIpnFieldChanged = 0U - 860U;

// ---- button messages and states (BM_*, BST_*) ------------------------------
constexpr uint32_t kBmGetCheck = 0x00F0;
constexpr uint32_t kBmSetCheck = 0x00F1;
constexpr uint32_t kBmClick = 0x00F5;
constexpr int kBstUnchecked = 0;
constexpr int kBstChecked = 1;

// ---- list box messages (LB_*) ----------------------------------------------
constexpr uint32_t kLbAddString = 0x0180;
constexpr uint32_t kLbInsertString = 0x0181;
constexpr uint32_t kLbDeleteString = 0x0182;
constexpr uint32_t kLbResetContent = 0x0184;
constexpr uint32_t kLbSetCurSel = 0x0186;
constexpr uint32_t kLbGetCurSel = 0x0188;
constexpr uint32_t kLbGetText = 0x0189;
constexpr uint32_t kLbGetTextLen = 0x018A;
constexpr uint32_t kLbGetCount = 0x018B;
constexpr int kLbErr = -1;

// ---- IP address control (IPM_*) --------------------------------------------
constexpr uint32_t kIpmClearAddress = kWmUser + 100;
constexpr uint32_t kIpmSetAddress = kWmUser + 101;
constexpr uint32_t kIpmGetAddress = kWmUser + 102;
constexpr uint32_t kIpmIsBlank = kWmUser + 105;

// ---- dialog manager --------------------------------------------------------
constexpr uint32_t kDmGetDefId = kWmUser + 0;
constexpr uint32_t kDcHasDefId = 0x534B;
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
// WM_GETDLGCODE answers (DLGC_*).
constexpr uint32_t kDlgcWantArrows = 0x0001;
constexpr uint32_t kDlgcHasSetSel = 0x0008;
constexpr uint32_t kDlgcDefPushButton = 0x0010;
constexpr uint32_t kDlgcUndefPushButton = 0x0020;
constexpr uint32_t kDlgcRadioButton = 0x0040;
constexpr uint32_t kDlgcWantChars = 0x0080;
constexpr uint32_t kDlgcStatic = 0x0100;
constexpr uint32_t kDlgcButton = 0x2000;

// ---- window styles (WS_*, WS_EX_*) -----------------------------------------
constexpr uint32_t kWsPopup = 0x80000000;
constexpr uint32_t kWsChild = 0x40000000;
constexpr uint32_t kWsMinimize = 0x20000000;
constexpr uint32_t kWsVisible = 0x10000000;
constexpr uint32_t kWsDisabled = 0x08000000;
constexpr uint32_t kWsCaption = 0x00C00000;
constexpr uint32_t kWsBorder = 0x00800000;
constexpr uint32_t kWsVScroll = 0x00200000;
constexpr uint32_t kWsSysMenu = 0x00080000;
constexpr uint32_t kWsGroup = 0x00020000;
constexpr uint32_t kWsTabStop = 0x00010000;
// The same bit as WS_GROUP; it means the minimise box on a top-level window.
constexpr uint32_t kWsMinimizeBox = 0x00020000;
constexpr uint32_t kWsExDlgModalFrame = 0x00000001;
constexpr uint32_t kWsExStaticEdge = 0x00020000;
constexpr uint32_t kWsExAppWindow = 0x00040000;

// ---- dialog, button, static, edit and list box styles ----------------------
constexpr uint32_t kDsFixedSys = 0x0008;
constexpr uint32_t kDsSetFont = 0x0040;
constexpr uint32_t kDsModalFrame = 0x0080;
constexpr uint32_t kBsPushButton = 0x0;
constexpr uint32_t kBsDefPushButton = 0x1;
constexpr uint32_t kBsRadioButton = 0x4;
constexpr uint32_t kBsGroupBox = 0x7;
constexpr uint32_t kBsAutoRadioButton = 0x9;
constexpr uint32_t kBsTypeMask = 0xF;
constexpr uint32_t kBsNotify = 0x4000;
constexpr uint32_t kBsFlat = 0x8000;
constexpr uint32_t kSsLeft = 0x0;
constexpr uint32_t kSsNotify = 0x0100;
constexpr uint32_t kEsMultiline = 0x0004;
constexpr uint32_t kEsReadOnly = 0x0800;
constexpr uint32_t kLbsNotify = 0x0001;
constexpr uint32_t kLbsSort = 0x0002;
constexpr uint32_t kLbsNoIntegralHeight = 0x0100;

// ---- cursors, metrics, system commands -------------------------------------
constexpr int kIdcWait = 32514;
constexpr int kIdcHand = 32649;
constexpr int kSmCxIcon = 11;
constexpr int kSmCyIcon = 12;
constexpr uint32_t kScClose = 0xF060;

// ---- device notices (DBT_*) ------------------------------------------------
constexpr uint32_t kDbtDeviceArrival = 0x8000;
constexpr uint32_t kDbtDeviceRemoveComplete = 0x8004;
constexpr uint32_t kDbtDevTypDeviceInterface = 5;

// ---- common control classes (ICC_*) ----------------------------------------
// List view, tree view, bars, tabs, up-down, progress, hot key, animation.
constexpr uint32_t kIccWin95Classes = 0xFF;

// ---- packing of message parameters ------------------------------------------
constexpr uint32_t LowWord(uint64_t value) { return static_cast<uint32_t>(value & 0xFFFF); }
constexpr uint32_t HighWord(uint64_t value) {
  return static_cast<uint32_t>((value >> 16) & 0xFFFF);
}
constexpr uint32_t MakeLong(uint32_t low, uint32_t high) {
  return (low & 0xFFFF) | ((high & 0xFFFF) << 16);
}
// MAKEIPADDRESS: the first field is the most significant byte.
constexpr uint32_t MakeIpAddress(uint32_t f0, uint32_t f1, uint32_t f2, uint32_t f3) {
  return ((f0 & 0xFF) << 24) | ((f1 & 0xFF) << 16) | ((f2 & 0xFF) << 8) | (f3 & 0xFF);
}

}  // namespace ui
