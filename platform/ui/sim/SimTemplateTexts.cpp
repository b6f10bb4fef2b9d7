// The dialog templates of the program's module for the simulation, built
// from the same description as the Windows resources. Compiled with the
// GBK execution character set, so the template texts are the bytes a
// GetWindowTextA on code page 936 gives.
#include "platform/ui/Messages.h"
#include "platform/ui/sim/SimUi.h"

// The Win32 style names the description uses, as the framework's values.
#define WS_POPUP ::ui::kWsPopup
#define WS_VISIBLE ::ui::kWsVisible
#define WS_CAPTION ::ui::kWsCaption
#define WS_SYSMENU ::ui::kWsSysMenu
#define WS_MINIMIZEBOX ::ui::kWsMinimizeBox
#define WS_GROUP ::ui::kWsGroup
#define WS_TABSTOP ::ui::kWsTabStop
#define WS_BORDER ::ui::kWsBorder
#define WS_VSCROLL ::ui::kWsVScroll
#define WS_EX_APPWINDOW ::ui::kWsExAppWindow
#define WS_EX_STATICEDGE ::ui::kWsExStaticEdge
#define WS_EX_DLGMODALFRAME ::ui::kWsExDlgModalFrame
#define DS_MODALFRAME ::ui::kDsModalFrame
#define DS_SETFONT ::ui::kDsSetFont
#define DS_FIXEDSYS ::ui::kDsFixedSys
#define BS_PUSHBUTTON ::ui::kBsPushButton
#define BS_DEFPUSHBUTTON ::ui::kBsDefPushButton
#define BS_GROUPBOX ::ui::kBsGroupBox
#define BS_AUTORADIOBUTTON ::ui::kBsAutoRadioButton
#define BS_FLAT ::ui::kBsFlat
#define SS_LEFT ::ui::kSsLeft
#define SS_NOTIFY ::ui::kSsNotify
#define ES_MULTILINE ::ui::kEsMultiline
#define ES_READONLY ::ui::kEsReadOnly
#define LBS_NOTIFY ::ui::kLbsNotify
#define LBS_SORT ::ui::kLbsSort
#define LBS_NOINTEGRALHEIGHT ::ui::kLbsNoIntegralHeight

#include "resources/Dialog102.h"

namespace sim {

#define KDR_SIM_CONTROL(text, id, cls, style, x, y, w, h, exstyle) \
  {text, id, cls, static_cast<uint32_t>(style), x, y, w, h, static_cast<uint32_t>(exstyle)},

const DialogTemplate* FindDialogTemplate(int id) {
  static const DialogTemplate kDialog102 = {
      KDR_DIALOG102_ID,
      static_cast<uint32_t>(KDR_DIALOG102_STYLE),
      static_cast<uint32_t>(KDR_DIALOG102_EXSTYLE),
      KDR_DIALOG102_WIDTH,
      KDR_DIALOG102_HEIGHT,
      KDR_DIALOG102_CAPTION,
      {KDR_DIALOG102_CONTROLS(KDR_SIM_CONTROL)},
  };
  return id == kDialog102.id ? &kDialog102 : nullptr;
}

}  // namespace sim
