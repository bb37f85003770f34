// The few dialog-control calls that parameter objects make, so that their
// value logic and texts stay platform-neutral.
#pragma once

#include <string>

#include "os/Window.h"

namespace os {

void SetDialogItemText(WindowHandle dialog, int controlId, const std::string& text);
// Writes value as a decimal number, as a signed one when isSigned is set.
void SetDialogItemInt(WindowHandle dialog, int controlId, int value, bool isSigned);
void EnableDialogItem(WindowHandle dialog, int controlId, bool enabled);
// True while the Ctrl key is down (or its toggle state is set).
bool IsControlKeyActive();

}  // namespace os
