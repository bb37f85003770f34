// CEditorPhotographer: pictures are copied from the screen through GDI, and
// the view's Direct3D frame is pasted where the view lies in the host window.
#include "tools/demo/EditorPhotographer.h"

#include <windows.h>

#include "tools/host/FrameCapture.h"
#include "tools/host/HostWindow.h"
#include "tools/host/WindowCapture.h"

CapturedImage CEditorPhotographer::Editor(void* view) const {
    const HWND host = static_cast<HWND>(hostWindow_);
    CapturedImage editor = CaptureFromScreen(host, false);
    const CapturedImage frame = frames_.LastFrame();
    if (editor.Empty() || frame.Empty() || view == nullptr) return {};
    POINT viewCorner{0, 0};
    MapWindowPoints(static_cast<HWND>(view), host, &viewCorner, 1);
    PasteImage(editor, frame, viewCorner.x, viewCorner.y);
    return editor;
}

CapturedImage CEditorPhotographer::ViewFrame() const {
    return frames_.LastFrame();
}

CapturedImage CEditorPhotographer::Dialog(void* dialog) const {
    return dialog != nullptr ? CaptureFromScreen(dialog, true) : CapturedImage{};
}

bool CEditorPhotographer::WaitForFrames(uint32_t count, int timeoutMs) const {
    const uint32_t target = frames_.FramesPresented() + count;
    const DWORD deadline = GetTickCount() + static_cast<DWORD>(timeoutMs);
    while (frames_.FramesPresented() < target) {
        if (static_cast<int>(deadline - GetTickCount()) <= 0) return false;
        CHostWindow::Pump(5);
    }
    return true;
}
