// Test controls over the POSIX platform layer, which the native tests link as
// it is: through its hooks a test watches what the system would send to the
// debugger or show in a message box, and fixes what it reads from the
// machine (folder, clocks, last error code, dialogs).
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <string>

#include "os/Window.h"

namespace os::testing {

using DebugOutputSink = std::function<void(const std::string& text)>;
using ErrorBoxSink = std::function<void(const std::string& text, const std::string& caption)>;

// Null sinks restore the defaults: debugger output is dropped, error boxes go
// to standard error.
void SetDebugOutputSink(DebugOutputSink sink);
void SetErrorBoxSink(ErrorBoxSink sink);

// The value LastErrorCode() reports on the calling thread.
void SetLastErrorCode(uint32_t code);

// Overrides the common documents folder; nullopt makes the lookup fail.
void SetCommonDocumentsFolder(std::optional<std::string> folder);
// Back to the default lookup.
void ResetCommonDocumentsFolder();

// Fixes the performance counter (nanoseconds); nullopt goes back to the
// monotonic clock.
void SetPerformanceCounter(std::optional<int64_t> nanoseconds);

// Fixes the wall clock (seconds since the epoch) that the local time texts
// show; nullopt goes back to the real clock.
void SetWallClock(std::optional<std::time_t> seconds);

// The stand-in dialogs: what each control shows, how often its text was
// written, whether it is enabled; and the state of the Ctrl key.
std::string DialogItemText(WindowHandle dialog, int controlId);
int DialogItemTextWrites(WindowHandle dialog, int controlId);
bool DialogItemEnabled(WindowHandle dialog, int controlId);
void SetControlKeyActive(bool active);
void ResetDialogs();

}  // namespace os::testing
