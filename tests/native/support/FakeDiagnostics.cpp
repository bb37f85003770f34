// Debugger channel, error box and last error code for the native tests: both
// outputs go to sinks that a test installs; the error code is set by tests.
#include "os/Diagnostics.h"

#include <cstdio>
#include <mutex>
#include <new>

#include "tests/native/support/FakeSystem.h"

namespace os {
namespace {

std::mutex gSinkMutex;
testing::DebugOutputSink gDebugSink;
testing::ErrorBoxSink gErrorBoxSink;
thread_local uint32_t tLastErrorCode = 0;

}  // namespace

// Like the system's debugger channel this one never fails: a recording that
// runs out of memory is dropped.
void DebugOutput(const char* text) {
    std::lock_guard<std::mutex> hold(gSinkMutex);
    try {
        if (gDebugSink) gDebugSink(text);
    } catch (const std::bad_alloc&) {
    }
}

void ShowErrorBox(const char* text, const char* caption) {
    std::lock_guard<std::mutex> hold(gSinkMutex);
    if (gErrorBoxSink) {
        gErrorBoxSink(text, caption);
    } else {
        std::fprintf(stderr, "[%s] %s\n", caption, text);
    }
}

uint32_t LastErrorCode() {
    return tLastErrorCode;
}

namespace testing {

void SetDebugOutputSink(DebugOutputSink sink) {
    std::lock_guard<std::mutex> hold(gSinkMutex);
    gDebugSink = std::move(sink);
}

void SetErrorBoxSink(ErrorBoxSink sink) {
    std::lock_guard<std::mutex> hold(gSinkMutex);
    gErrorBoxSink = std::move(sink);
}

void SetLastErrorCode(uint32_t code) {
    tLastErrorCode = code;
}

}  // namespace testing
}  // namespace os
