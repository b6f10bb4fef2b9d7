#include "platform/ui/Dialog.h"

#include <algorithm>

#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"

namespace ui {

bool EntryMatches(const MessageEntry& entry, const Message& message) {
  if (entry.message != message.message) return false;
  uint32_t code = 0;
  int id = 0;
  if (message.message == kWmCommand) {
    code = HighWord(message.wParam);
    id = static_cast<int>(LowWord(message.wParam));
  } else if (message.message == kWmNotify) {
    const auto* header = reinterpret_cast<const NotifyHeader*>(message.lParam);
    if (header == nullptr) return false;
    code = header->code;
    id = static_cast<int>(header->idFrom);
  } else {
    return true;
  }
  return entry.code == code && id >= entry.firstId && id <= entry.lastId;
}

Dialog::Dialog(int templateId) : m_templateId(templateId) {}

Dialog::~Dialog() = default;

intptr_t Dialog::DoModal() { return RunModalDialog(m_templateId, nullptr, this); }

void Dialog::EndDialog(intptr_t result) {
  if (m_hWnd != nullptr) EndModalDialog(m_hWnd, result);
}

bool Dialog::UpdateData(bool saveAndValidate) {
  if (m_hWnd == nullptr) return false;
  DataExchange dx(*this, saveAndValidate);
  DoDataExchange(dx);
  return true;
}

void Dialog::Detach() {
  for (Control* control : m_boundControls) control->Attach(nullptr);
  m_boundControls.clear();
  m_hWnd = nullptr;
}

void Dialog::BindControl(int id, Control& control) {
  control.Attach(DialogItem(m_hWnd, id));
  if (std::find(m_boundControls.begin(), m_boundControls.end(), &control) == m_boundControls.end())
    m_boundControls.push_back(&control);
}

void Dialog::DoDataExchange(DataExchange&) {}

bool Dialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

void Dialog::OnOK() {
  UpdateData(true);
  EndDialog(kIdOk);
}

void Dialog::OnCancel() { EndDialog(kIdCancel); }

bool Dialog::OnSetCursor(WindowHandle, uint32_t, uint32_t) {
  Default();
  return false;
}

void Dialog::SetItemText(int id, const std::string& text) const {
  // A missing control is no error here: the text has nowhere to go.
  WindowHandle item = Item(id);
  if (item != nullptr) SetText(item, text);
}

const MessageMap& Dialog::GetMessageMap() const { return BaseMessageMap(); }

const MessageMap& Dialog::BaseMessageMap() {
  using Map = MessageMapOf<Dialog>;
  static const MessageEntry kEntries[] = {
      Map::Message<&Dialog::OnInitDialog>(kWmInitDialog),
      Map::Command<&Dialog::OnOK>(kBnClicked, kIdOk),
      Map::Command<&Dialog::OnCancel>(kBnClicked, kIdCancel),
  };
  static const MessageMap kMap = {kEntries, sizeof kEntries / sizeof kEntries[0], nullptr};
  return kMap;
}

bool Dialog::ProcessMessage(uint32_t message, WParam wParam, LParam lParam, LResult* result) {
  const Message m = {message, wParam, lParam};
  for (const MessageMap* map = &GetMessageMap(); map != nullptr; map = map->base) {
    for (std::size_t i = 0; i < map->count; ++i) {
      const MessageEntry& entry = map->entries[i];
      if (!EntryMatches(entry, m)) continue;
      // Handlers may send messages to this dialog again (WM_ICONERASEBKGND
      // from WM_PAINT): each level keeps its own request for the default.
      const bool outer = m_defaultRequested;
      m_defaultRequested = false;
      LResult r = 0;
      entry.handler(*this, m, &r);
      const bool handled = !m_defaultRequested;
      m_defaultRequested = outer;
      *result = handled ? r : 0;
      return handled;
    }
  }
  return false;
}

}  // namespace ui
