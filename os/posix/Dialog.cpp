// POSIX side of the dialog-control calls: there are no dialogs natively, so
// nothing is shown and the Ctrl key is never down.
#include "os/Dialog.h"

namespace os {

void SetDialogItemText(WindowHandle /*dialog*/, int /*controlId*/, const std::string& /*text*/) {}

void SetDialogItemInt(WindowHandle /*dialog*/, int /*controlId*/, int /*value*/,
                      bool /*isSigned*/) {}

void EnableDialogItem(WindowHandle /*dialog*/, int /*controlId*/, bool /*enabled*/) {}

bool IsControlKeyActive() {
    return false;
}

}  // namespace os
