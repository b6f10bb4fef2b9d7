// The message box (MessageBoxA).
#pragma once
#include <cstdint>
#include <string>

#include "platform/Types.h"

namespace platform {

constexpr uint32_t kMbOk = 0x0;
constexpr uint32_t kMbIconExclamation = 0x30;

// MessageBoxA(owner, text, caption, flags). The button pressed.
int ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                   uint32_t flags);

}  // namespace platform
