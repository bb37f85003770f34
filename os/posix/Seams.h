// Hooks of the POSIX platform layer. Natively there is no debugger, message
// box, dialog or shared documents folder, and the clocks are the machine's;
// a program (the native tests) installs hooks here to stand in for the
// missing pieces and to fix what the layer reads. A null hook restores the
// default. Hooks are plain function pointers held atomically, so reading one
// never locks or allocates, also on the audio thread.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

#include "os/Window.h"

namespace os::posix {

// The performance counter in nanoseconds; default: the monotonic clock.
using CounterSource = int64_t (*)();
void SetCounterSource(CounterSource source);

// Seconds since the epoch that the local time texts show; default: now.
using WallClockSource = std::time_t (*)();
void SetWallClockSource(WallClockSource source);
// The hook's answer, or the real clock's.
std::time_t WallClockSeconds();

// The common documents folder; default: VANTOSCOPE_DOCUMENTS, else HOME.
using DocumentsFolderSource = std::optional<std::string> (*)();
void SetDocumentsFolderSource(DocumentsFolderSource source);

// Debugger output; default: dropped.
using DebugOutputHook = void (*)(const char* text);
void SetDebugOutputHook(DebugOutputHook hook);

// Error boxes; default: written to standard error.
using ErrorBoxHook = void (*)(const char* text, const char* caption);
void SetErrorBoxHook(ErrorBoxHook hook);

// There is no OS error code natively: LastErrorCode() reports the code last
// set on the calling thread, 0 until then.
void SetLastErrorCode(uint32_t code);

// Dialog controls; by default nothing is shown and the Ctrl key is never down.
using DialogTextHook = void (*)(WindowHandle dialog, int controlId, const std::string& text);
using DialogEnableHook = void (*)(WindowHandle dialog, int controlId, bool enabled);
using ControlKeySource = bool (*)();
void SetDialogHooks(DialogTextHook text, DialogEnableHook enable, ControlKeySource controlKey);

}  // namespace os::posix
