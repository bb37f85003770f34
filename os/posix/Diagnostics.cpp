// POSIX side of the debugger channel, error box and last error code. There
// is no debugger channel or modal box here: debugger output is dropped and
// error boxes go to standard error.
#include "os/Diagnostics.h"

#include <cstdio>

namespace os {

void DebugOutput(const char* /*text*/) {}

void ShowErrorBox(const char* text, const char* caption) {
    std::fprintf(stderr, "[%s] %s\n", caption, text);
}

uint32_t LastErrorCode() {
    return 0;
}

}  // namespace os
