// Win32 side of the dialog-control calls.
#include "os/Dialog.h"

#include <windows.h>

namespace os {

void SetDialogItemText(WindowHandle dialog, int controlId, const std::string& text) {
    SetDlgItemTextA(static_cast<HWND>(dialog), controlId, text.c_str());
}

void SetDialogItemInt(WindowHandle dialog, int controlId, int value, bool isSigned) {
    SetDlgItemInt(static_cast<HWND>(dialog), controlId, static_cast<UINT>(value),
                  isSigned ? TRUE : FALSE);
}

void EnableDialogItem(WindowHandle dialog, int controlId, bool enabled) {
    EnableWindow(GetDlgItem(static_cast<HWND>(dialog), controlId), enabled ? TRUE : FALSE);
}

bool IsControlKeyActive() {
    return GetKeyState(VK_CONTROL) != 0;
}

}  // namespace os
