// Stand-in dialogs for the native tests: hooks of the POSIX dialog calls keep
// a process-wide table of control texts and enabled states for tests to read.
#include <map>
#include <mutex>
#include <utility>

#include "os/posix/Seams.h"
#include "tests/native/support/FakeSystem.h"

namespace os::testing {
namespace {

using ControlKey = std::pair<WindowHandle, int>;

struct FakeControl {
    std::string text;
    bool enabled = true;
    int textWrites = 0;
};

std::mutex gDialogMutex;
std::map<ControlKey, FakeControl> gControls;
bool gControlKeyActive = false;

FakeControl& Control(WindowHandle dialog, int controlId) {
    return gControls[ControlKey(dialog, controlId)];
}

void RecordText(WindowHandle dialog, int controlId, const std::string& text) {
    std::lock_guard<std::mutex> hold(gDialogMutex);
    FakeControl& control = Control(dialog, controlId);
    control.text = text;
    ++control.textWrites;
}

void RecordEnabled(WindowHandle dialog, int controlId, bool enabled) {
    std::lock_guard<std::mutex> hold(gDialogMutex);
    Control(dialog, controlId).enabled = enabled;
}

bool ControlKeyActive() {
    std::lock_guard<std::mutex> hold(gDialogMutex);
    return gControlKeyActive;
}

// Installed before any test runs: the table exists for the whole program.
[[maybe_unused]] const bool gHooksInstalled =
    (posix::SetDialogHooks(&RecordText, &RecordEnabled, &ControlKeyActive), true);

}  // namespace

std::string DialogItemText(WindowHandle dialog, int controlId) {
    std::lock_guard<std::mutex> hold(gDialogMutex);
    return Control(dialog, controlId).text;
}

int DialogItemTextWrites(WindowHandle dialog, int controlId) {
    std::lock_guard<std::mutex> hold(gDialogMutex);
    return Control(dialog, controlId).textWrites;
}

bool DialogItemEnabled(WindowHandle dialog, int controlId) {
    std::lock_guard<std::mutex> hold(gDialogMutex);
    return Control(dialog, controlId).enabled;
}

void SetControlKeyActive(bool active) {
    std::lock_guard<std::mutex> hold(gDialogMutex);
    gControlKeyActive = active;
}

void ResetDialogs() {
    std::lock_guard<std::mutex> hold(gDialogMutex);
    gControls.clear();
    gControlKeyActive = false;
}

}  // namespace os::testing
