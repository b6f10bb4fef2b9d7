// The dialog base: owns the window handle while the window exists, runs
// modally from a template, dispatches its message map and exchanges data
// between controls and members.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/MessageMap.h"
#include "platform/ui/Window.h"

namespace ui {

class Control;
class DataExchange;

class Dialog {
 public:
  explicit Dialog(int templateId);
  virtual ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Creates the dialog from its template and runs it until EndDialog. The
  // value given to EndDialog, or -1 when the window could not be created.
  intptr_t DoModal();
  void EndDialog(intptr_t result);

  WindowHandle Handle() const { return m_hWnd; }
  int TemplateId() const { return m_templateId; }
  // GetDlgItem and SetDlgItemText.
  WindowHandle Item(int id) const { return DialogItem(m_hWnd, id); }
  void SetItemText(int id, const std::string& text) const;

  // Runs the data exchange: controls to members when `saveAndValidate`,
  // else members to controls. False when the dialog has no window.
  bool UpdateData(bool saveAndValidate);
  // Binds `control` to the dialog's control `id` until the window goes.
  void BindControl(int id, Control& control);

  // ---- for the hosts -------------------------------------------------------
  // The host's dialog procedure: Attach at WM_INITDIALOG, ProcessMessage for
  // it and every later message, Detach at WM_NCDESTROY.
  void Attach(WindowHandle window) { m_hWnd = window; }
  // Also lets go of every control wrapper bound by the data exchange, so no
  // wrapper keeps the handle of a destroyed control.
  void Detach();
  // Dispatches one message through the message map. True when a handler
  // took it (`result` is then its result); false when the window system's
  // default handling is to run.
  bool ProcessMessage(uint32_t message, WParam wParam, LParam lParam, LResult* result);

 protected:
  virtual void DoDataExchange(DataExchange& dx);
  virtual const MessageMap& GetMessageMap() const;
  // Base initialisation: the data exchange from members to controls. TRUE
  // lets the dialog manager give the focus to the first control.
  virtual bool OnInitDialog();
  // IDOK: the data exchange from controls to members, then EndDialog(IDOK).
  virtual void OnOK();
  // IDCANCEL: EndDialog(IDCANCEL).
  virtual void OnCancel();

  // The base handling of these messages: the window system's default.
  void OnPaint() { Default(); }
  void OnDestroy() {}
  bool OnSetCursor(WindowHandle window, uint32_t hitTest, uint32_t mouseMessage);

  // Asks for the window system's default handling of the message being
  // handled, after the handler returns.
  void Default() { m_defaultRequested = true; }

  // The base's own entries (WM_INITDIALOG, IDOK, IDCANCEL): the `base` of a
  // derived dialog's map.
  static const MessageMap& BaseMessageMap();

 private:
  int m_templateId;
  WindowHandle m_hWnd = nullptr;
  bool m_defaultRequested = false;
  std::vector<Control*> m_boundControls;
};

}  // namespace ui
