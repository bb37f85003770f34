// POSIX side of the dialog-control calls: there are no dialogs natively, so
// unless hooks stand in for them nothing is shown and the Ctrl key is never
// down. Numbers are formatted here as the system's dialogs format them.
#include "os/Dialog.h"

#include <atomic>

#include "os/posix/Seams.h"

namespace os {
namespace {

std::atomic<posix::DialogTextHook> gTextHook{nullptr};
std::atomic<posix::DialogEnableHook> gEnableHook{nullptr};
std::atomic<posix::ControlKeySource> gControlKeySource{nullptr};

}  // namespace

void SetDialogItemText(WindowHandle dialog, int controlId, const std::string& text) {
    if (const posix::DialogTextHook hook = gTextHook.load()) hook(dialog, controlId, text);
}

// An unsigned item shows the value's bits as an unsigned number.
void SetDialogItemInt(WindowHandle dialog, int controlId, int value, bool isSigned) {
    SetDialogItemText(
        dialog, controlId,
        isSigned ? std::to_string(value) : std::to_string(static_cast<unsigned int>(value)));
}

void EnableDialogItem(WindowHandle dialog, int controlId, bool enabled) {
    if (const posix::DialogEnableHook hook = gEnableHook.load()) hook(dialog, controlId, enabled);
}

bool IsControlKeyActive() {
    const posix::ControlKeySource source = gControlKeySource.load();
    return source != nullptr && source();
}

namespace posix {

void SetDialogHooks(DialogTextHook text, DialogEnableHook enable, ControlKeySource controlKey) {
    gTextHook.store(text);
    gEnableHook.store(enable);
    gControlKeySource.store(controlKey);
}

}  // namespace posix
}  // namespace os
