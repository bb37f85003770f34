// Debugger channel, modal error box and the thread's last OS error code.
#pragma once

#include <cstdint>

namespace os {

// Sends text to the debugger (OutputDebugStringA on Windows).
void DebugOutput(const char* text);

// Shows text in a modal box with one OK button and returns once the user
// has acknowledged it.
void ShowErrorBox(const char* text, const char* caption);

// The calling thread's last OS error code (GetLastError on Windows).
uint32_t LastErrorCode();

}  // namespace os
