// POSIX side of the debugger channel, error box and last error code. There
// is no debugger channel or modal box here: unless a hook takes them,
// debugger output is dropped and error boxes go to standard error.
#include "os/Diagnostics.h"

#include <atomic>
#include <cstdio>

#include "os/posix/Seams.h"

namespace os {
namespace {

std::atomic<posix::DebugOutputHook> gDebugOutputHook{nullptr};
std::atomic<posix::ErrorBoxHook> gErrorBoxHook{nullptr};
thread_local uint32_t tLastErrorCode = 0;

}  // namespace

void DebugOutput(const char* text) {
    if (const posix::DebugOutputHook hook = gDebugOutputHook.load()) hook(text);
}

void ShowErrorBox(const char* text, const char* caption) {
    if (const posix::ErrorBoxHook hook = gErrorBoxHook.load()) {
        hook(text, caption);
    } else {
        std::fprintf(stderr, "[%s] %s\n", caption, text);
    }
}

uint32_t LastErrorCode() {
    return tLastErrorCode;
}

namespace posix {

void SetDebugOutputHook(DebugOutputHook hook) {
    gDebugOutputHook.store(hook);
}

void SetErrorBoxHook(ErrorBoxHook hook) {
    gErrorBoxHook.store(hook);
}

void SetLastErrorCode(uint32_t code) {
    tLastErrorCode = code;
}

}  // namespace posix
}  // namespace os
