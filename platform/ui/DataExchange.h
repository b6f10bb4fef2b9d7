// Data exchange between a dialog's controls and its members.
#pragma once
#include <cstdint>

namespace ui {

class Control;
class Dialog;

class DataExchange {
 public:
  DataExchange(Dialog& dialog, bool saveAndValidate)
      : m_dialog(dialog), m_bSaveAndValidate(saveAndValidate) {}
  Dialog& TheDialog() const { return m_dialog; }
  // True: controls to members. False: members to controls.
  bool Saving() const { return m_bSaveAndValidate; }

 private:
  Dialog& m_dialog;
  bool m_bSaveAndValidate;
};

// The radio group that starts at control `firstId` (it has WS_GROUP) and
// runs through the following controls in template order up to the next
// control with WS_GROUP. Controls in it that are not radio buttons are
// skipped and not counted. Writing checks the button whose index equals
// `value` and clears the others; reading stores the index of the first
// checked button, or -1 when none is.
void ExchangeRadioGroup(DataExchange& dx, int firstId, int32_t& value);

// Binds `control` to the dialog's control `id` while the window exists.
void ExchangeControl(DataExchange& dx, int id, Control& control);

}  // namespace ui
