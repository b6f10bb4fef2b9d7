// The debugger output stream (OutputDebugStringA).
#pragma once
#include <string>

namespace platform {

void WriteDebugLine(const std::string& text);

}  // namespace platform
