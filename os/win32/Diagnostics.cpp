// Win32 side of the debugger channel, error box and last error code.
#include "os/Diagnostics.h"

#include <windows.h>

namespace os {

void DebugOutput(const char* text) {
    OutputDebugStringA(text);
}

void ShowErrorBox(const char* text, const char* caption) {
    MessageBoxA(nullptr, text, caption, MB_OK);
}

uint32_t LastErrorCode() {
    return GetLastError();
}

}  // namespace os
