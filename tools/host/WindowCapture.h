// GDI capture of a whole top-level window with its frame and child windows,
// for dialogs. Direct3D content may be missing from it under Wine; paste the
// device's frame (CFrameCapture) over the view's rectangle.
#pragma once

#include "tools/host/CapturedImage.h"

// Empty when the window cannot be captured.
CapturedImage CaptureWindow(void* window);

// What the window shows on the screen: its client area, or the whole window
// with its frame. Under Wine, PrintWindow leaves dialogs and child dialogs
// unpainted, so editor pictures read the screen's copy instead.
CapturedImage CaptureFromScreen(void* window, bool withFrame);
