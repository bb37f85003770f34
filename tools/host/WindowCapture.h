// GDI capture of a whole top-level window with its frame and child windows,
// for dialogs. Direct3D content may be missing from it under Wine; paste the
// device's frame (CFrameCapture) over the view's rectangle.
#pragma once

#include "tools/host/CapturedImage.h"

// Empty when the window cannot be captured.
CapturedImage CaptureWindow(void* window);
