#include "platform/ui/Controls.h"

#include <vector>

#include "platform/ui/Messages.h"

namespace ui {

static LParam TextParam(const std::string& text) { return reinterpret_cast<LParam>(text.c_str()); }

int ListBox::AddString(const std::string& text) const {
  return static_cast<int>(Send(kLbAddString, 0, TextParam(text)));
}

int ListBox::InsertString(int index, const std::string& text) const {
  return static_cast<int>(Send(kLbInsertString, static_cast<WParam>(index), TextParam(text)));
}

void ListBox::ResetContent() const { Send(kLbResetContent, 0, 0); }

int ListBox::GetCount() const { return static_cast<int>(Send(kLbGetCount, 0, 0)); }

int ListBox::SetCurSel(int index) const {
  return static_cast<int>(Send(kLbSetCurSel, static_cast<WParam>(index), 0));
}

int ListBox::GetCurSel() const { return static_cast<int>(Send(kLbGetCurSel, 0, 0)); }

int ListBox::GetTextLen(int index) const {
  return static_cast<int>(Send(kLbGetTextLen, static_cast<WParam>(index), 0));
}

bool ListBox::GetText(int index, std::string* text) const {
  const int length = GetTextLen(index);
  if (length < 0) return false;
  std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
  const int copied = static_cast<int>(
      Send(kLbGetText, static_cast<WParam>(index), reinterpret_cast<LParam>(buffer.data())));
  if (copied < 0) return false;
  // The item cannot have grown between the two messages on this thread, but
  // never trust a count beyond the buffer.
  text->assign(buffer.data(), static_cast<size_t>(copied < length ? copied : length));
  return true;
}

void IpAddressCtrl::SetAddress(uint32_t address) const {
  Send(kIpmSetAddress, 0, static_cast<LParam>(address));
}

int IpAddressCtrl::GetAddress(uint8_t* f0, uint8_t* f1, uint8_t* f2, uint8_t* f3) const {
  uint32_t address = 0;
  const int filled = static_cast<int>(Send(kIpmGetAddress, 0, reinterpret_cast<LParam>(&address)));
  *f0 = static_cast<uint8_t>(address >> 24);
  *f1 = static_cast<uint8_t>(address >> 16);
  *f2 = static_cast<uint8_t>(address >> 8);
  *f3 = static_cast<uint8_t>(address);
  return filled;
}

void IpAddressCtrl::ClearAddress() const { Send(kIpmClearAddress, 0, 0); }

bool IpAddressCtrl::IsBlank() const { return Send(kIpmIsBlank, 0, 0) != 0; }

}  // namespace ui
