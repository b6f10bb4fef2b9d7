// Wrappers of a dialog's controls, bound by the data exchange. A wrapper
// holds the control's handle only; every operation is one message or one
// window call.
#pragma once
#include <cstdint>
#include <string>

#include "platform/ui/Window.h"

namespace ui {

class Control {
 public:
  void Attach(WindowHandle window) { m_hWnd = window; }
  WindowHandle Handle() const { return m_hWnd; }

  bool Show(int command) const { return ui::Show(m_hWnd, command); }
  bool Enable(bool enable) const { return ui::Enable(m_hWnd, enable); }
  bool IsVisible() const { return ui::IsVisible(m_hWnd); }
  bool IsEnabled() const { return ui::IsEnabled(m_hWnd); }
  bool SetText(const std::string& text) const { return ui::SetText(m_hWnd, text); }
  std::string Text() const { return TextOf(m_hWnd); }
  LResult Send(uint32_t message, WParam wParam, LParam lParam) const {
    return ui::Send(m_hWnd, message, wParam, lParam);
  }

 private:
  WindowHandle m_hWnd = nullptr;
};

class Static : public Control {};

class Edit : public Control {};

class ListBox : public Control {
 public:
  // LB_ADDSTRING: sorted into place when the list has LBS_SORT. The index,
  // or LB_ERR.
  int AddString(const std::string& text) const;
  // LB_INSERTSTRING at `index` (-1: the end); never sorts. The index, or
  // LB_ERR.
  int InsertString(int index, const std::string& text) const;
  void ResetContent() const;
  int GetCount() const;
  // LB_SETCURSEL; -1 clears the selection. Sends no LBN_SELCHANGE.
  int SetCurSel(int index) const;
  // The selected index, or LB_ERR when none is selected.
  int GetCurSel() const;
  // LB_GETTEXTLEN, or LB_ERR for an index out of range.
  int GetTextLen(int index) const;
  // LB_GETTEXT into a buffer sized by LB_GETTEXTLEN first, so no item
  // overruns it. False for an index out of range.
  bool GetText(int index, std::string* text) const;
};

class IpAddressCtrl : public Control {
 public:
  // IPM_SETADDRESS: the first field is the most significant byte.
  void SetAddress(uint32_t address) const;
  // IPM_GETADDRESS: the four fields, a blank one as 0. The number of fields
  // that are not blank.
  int GetAddress(uint8_t* f0, uint8_t* f1, uint8_t* f2, uint8_t* f3) const;
  // IPM_CLEARADDRESS: every field blank.
  void ClearAddress() const;
  // IPM_ISBLANK.
  bool IsBlank() const;
};

}  // namespace ui
