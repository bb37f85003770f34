// A parameter's value text as a control of its own: yellow, underlined
// while the pointer is over it, and dragged up or down to change the value.
#pragma once

#include <windows.h>

class CParamControl;

// Subclasses the parameter's value text and, once, the dialog that holds
// it. The parameter's lock is held and its dialog set.
void AttachValueTextControl(CParamControl& parameter);

LRESULT CALLBACK ValueTextProc(HWND text, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK DialogColourProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
