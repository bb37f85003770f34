// Takes the demo's pictures: the whole editor as the user sees it (a GDI
// capture of the host window's client area with the view's last Direct3D
// frame pasted over the view, which GDI may miss under Wine), the view's
// frame alone, and pop-up dialogs. User-interface thread only.
#pragma once

#include <cstdint>
#include <string>

#include "tools/host/CapturedImage.h"

class CFrameCapture;

class CEditorPhotographer {
public:
    CEditorPhotographer(void* hostWindow, const CFrameCapture& frames)
        : hostWindow_(hostWindow), frames_(frames) {}

    // Empty when the host window or the view's frame cannot be captured.
    CapturedImage Editor(void* view) const;
    CapturedImage ViewFrame() const;
    CapturedImage Dialog(void* dialog) const;

    // Pumps the host's messages until count more frames were presented or
    // timeoutMs passed; false on the timeout.
    bool WaitForFrames(uint32_t count, int timeoutMs) const;

private:
    void* hostWindow_;
    const CFrameCapture& frames_;
};
