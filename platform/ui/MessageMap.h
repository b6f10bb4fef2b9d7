// A dialog's message map: a table of (message, notification code, control
// ids, handler), walked by Dialog::ProcessMessage from the dialog's own map
// to its base's. Entries are built with MessageMapOf<D>:
//
//   using Map = ui::MessageMapOf<CMyDlg>;
//   static const ui::MessageEntry kEntries[] = {
//       Map::Message<&CMyDlg::OnPaint>(ui::kWmPaint),
//       Map::Command<&CMyDlg::OnOkClicked>(ui::kBnClicked, 1),
//       Map::CommandRange<&CMyDlg::OnRadio>(ui::kBnClicked, 1006, 1009),
//       Map::Notify<&CMyDlg::OnFieldChanged>(ui::kIpnFieldChanged, 1011),
//   };
//
// The handler's signature says how the message is unpacked:
//   void ()                                   result 0
//   bool ()                                   result TRUE or FALSE
//   ui::IconHandle ()                         result the handle
//   ui::LResult (ui::WParam, ui::LParam)      the raw message
//   bool (ui::WindowHandle, uint32_t hitTest, uint32_t mouseMessage)   WM_SETCURSOR
//   void (ui::NotifyHeader*, ui::LResult*)    WM_NOTIFY
//   void (ui::DeviceNotice)                   WM_DEVICECHANGE, result 0
#pragma once
#include <cstddef>
#include <cstdint>

#include "platform/ui/DeviceNotice.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Window.h"

namespace ui {

class Dialog;

struct Message {
  uint32_t message;
  WParam wParam;
  LParam lParam;
};

struct MessageEntry {
  uint32_t message;
  // WM_COMMAND and WM_NOTIFY only: the notification code and the range of
  // control ids the entry answers.
  uint32_t code;
  int firstId;
  int lastId;
  void (*handler)(Dialog& dialog, const Message& message, LResult* result);
};

struct MessageMap {
  const MessageEntry* entries;
  std::size_t count;
  const MessageMap* base;  // consulted when no entry here matches
};

// Whether `entry` answers `message`: same message, and for WM_COMMAND and
// WM_NOTIFY the same notification code from a control in its id range.
bool EntryMatches(const MessageEntry& entry, const Message& message);

namespace detail {

template <class D, class C>
void Call(D& d, void (C::*h)(), const Message&, LResult* r) {
  (d.*h)();
  *r = 0;
}
template <class D, class C>
void Call(D& d, bool (C::*h)(), const Message&, LResult* r) {
  *r = (d.*h)() ? 1 : 0;
}
template <class D, class C>
void Call(D& d, IconHandle (C::*h)(), const Message&, LResult* r) {
  *r = static_cast<LResult>((d.*h)());
}
template <class D, class C>
void Call(D& d, LResult (C::*h)(WParam, LParam), const Message& m, LResult* r) {
  *r = (d.*h)(m.wParam, m.lParam);
}
// WM_SETCURSOR: wParam the window under the cursor, lParam the hit-test
// code (low word) and the mouse message (high word).
template <class D, class C>
void Call(D& d, bool (C::*h)(WindowHandle, uint32_t, uint32_t), const Message& m, LResult* r) {
  *r = (d.*h)(reinterpret_cast<WindowHandle>(m.wParam), LowWord(static_cast<uint64_t>(m.lParam)),
              HighWord(static_cast<uint64_t>(m.lParam)))
           ? 1
           : 0;
}
// WM_DEVICECHANGE: the notice as the framework reads it; the result is 0.
template <class D, class C>
void Call(D& d, void (C::*h)(DeviceNotice), const Message& m, LResult* r) {
  (d.*h)(ReadDeviceNotice(m.wParam, m.lParam));
  *r = 0;
}
// WM_NOTIFY: lParam points to the record.
template <class D, class C>
void Call(D& d, void (C::*h)(NotifyHeader*, LResult*), const Message& m, LResult* r) {
  (d.*h)(reinterpret_cast<NotifyHeader*>(m.lParam), r);
}

}  // namespace detail

template <class D>
class MessageMapOf {
 public:
  template <auto H>
  static constexpr MessageEntry Message(uint32_t message) {
    return {message, 0, 0, 0, &Thunk<H>};
  }
  template <auto H>
  static constexpr MessageEntry Command(uint32_t code, int id) {
    return {kWmCommand, code, id, id, &Thunk<H>};
  }
  template <auto H>
  static constexpr MessageEntry CommandRange(uint32_t code, int firstId, int lastId) {
    return {kWmCommand, code, firstId, lastId, &Thunk<H>};
  }
  template <auto H>
  static constexpr MessageEntry Notify(uint32_t code, int id) {
    return {kWmNotify, code, id, id, &Thunk<H>};
  }

 private:
  template <auto H>
  static void Thunk(Dialog& dialog, const ui::Message& message, LResult* result) {
    detail::Call(static_cast<D&>(dialog), H, message, result);
  }
};

}  // namespace ui
