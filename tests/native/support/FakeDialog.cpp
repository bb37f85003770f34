// Dialog-control calls for the native tests: a process-wide table of control
// texts and enabled states stands in for the dialogs, for tests to read.
#include "os/Dialog.h"

#include <map>
#include <mutex>
#include <utility>

#include "tests/native/support/FakeSystem.h"

namespace os {
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

}  // namespace

void SetDialogItemText(WindowHandle dialog, int controlId, const std::string& text) {
    std::lock_guard<std::mutex> hold(gDialogMutex);
    FakeControl& control = Control(dialog, controlId);
    control.text = text;
    ++control.textWrites;
}

void SetDialogItemInt(WindowHandle dialog, int controlId, int value, bool isSigned) {
    SetDialogItemText(
        dialog, controlId,
        isSigned ? std::to_string(value) : std::to_string(static_cast<unsigned int>(value)));
}

void EnableDialogItem(WindowHandle dialog, int controlId, bool enabled) {
    std::lock_guard<std::mutex> hold(gDialogMutex);
    Control(dialog, controlId).enabled = enabled;
}

bool IsControlKeyActive() {
    std::lock_guard<std::mutex> hold(gDialogMutex);
    return gControlKeyActive;
}

namespace testing {

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

}  // namespace testing
}  // namespace os
