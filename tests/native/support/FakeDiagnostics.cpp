// Routes the POSIX layer's debugger output and error boxes to sinks that a
// test installs, and sets the error code it reports.
#include <mutex>
#include <new>

#include "os/posix/Seams.h"
#include "tests/native/support/FakeSystem.h"

namespace os::testing {
namespace {

// Held while a sink runs, so that a sink is never replaced under a caller.
std::mutex gSinkMutex;
DebugOutputSink gDebugSink;
ErrorBoxSink gErrorBoxSink;

// Like the system's debugger channel this one never fails: a recording that
// runs out of memory is dropped.
void ToDebugSink(const char* text) {
    std::lock_guard<std::mutex> hold(gSinkMutex);
    try {
        if (gDebugSink) gDebugSink(text);
    } catch (const std::bad_alloc&) {
    }
}

void ToErrorBoxSink(const char* text, const char* caption) {
    std::lock_guard<std::mutex> hold(gSinkMutex);
    if (gErrorBoxSink) gErrorBoxSink(text, caption);
}

}  // namespace

void SetDebugOutputSink(DebugOutputSink sink) {
    std::lock_guard<std::mutex> hold(gSinkMutex);
    gDebugSink = std::move(sink);
    posix::SetDebugOutputHook(gDebugSink ? &ToDebugSink : nullptr);
}

void SetErrorBoxSink(ErrorBoxSink sink) {
    std::lock_guard<std::mutex> hold(gSinkMutex);
    gErrorBoxSink = std::move(sink);
    posix::SetErrorBoxHook(gErrorBoxSink ? &ToErrorBoxSink : nullptr);
}

void SetLastErrorCode(uint32_t code) {
    posix::SetLastErrorCode(code);
}

}  // namespace os::testing
