// CEditorPhotographer: pictures are copied from the screen through GDI, and
// the view's Direct3D frame is pasted where the view lies in the host window.
#include "tools/demo/EditorPhotographer.h"

#include <windows.h>

#include "tools/demo/DemoHostWindow.h"
#include "tools/host/FrameCapture.h"

namespace {

// Copies what the window shows on the screen: its client area, or the
// whole window with its frame. Under Wine, PrintWindow leaves dialogs and
// child dialogs unpainted, so the screen's copy is read instead.
CapturedImage CaptureFromScreen(HWND window, bool withFrame) {
    CapturedImage image;
    RECT bounds;
    if (withFrame) {
        GetWindowRect(window, &bounds);
    } else {
        GetClientRect(window, &bounds);
    }
    image.width = bounds.right - bounds.left;
    image.height = bounds.bottom - bounds.top;
    if (image.Empty()) return {};
    HDC windowDc = withFrame ? GetWindowDC(window) : GetDC(window);
    HDC memoryDc = CreateCompatibleDC(windowDc);
    HBITMAP bitmap = CreateCompatibleBitmap(windowDc, image.width, image.height);
    const HGDIOBJ previous = SelectObject(memoryDc, bitmap);
    BitBlt(memoryDc, 0, 0, image.width, image.height, windowDc, 0, 0, SRCCOPY);
    SelectObject(memoryDc, previous);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    image.pixels.resize(static_cast<size_t>(image.width) * image.height);
    GetDIBits(memoryDc, bitmap, 0, static_cast<UINT>(image.height), image.pixels.data(), &info,
              DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memoryDc);
    ReleaseDC(window, windowDc);
    return image;
}

}  // namespace

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
    return dialog != nullptr ? CaptureFromScreen(static_cast<HWND>(dialog), true) : CapturedImage{};
}

bool CEditorPhotographer::WaitForFrames(uint32_t count, int timeoutMs) const {
    const uint32_t target = frames_.FramesPresented() + count;
    const DWORD deadline = GetTickCount() + static_cast<DWORD>(timeoutMs);
    while (frames_.FramesPresented() < target) {
        if (static_cast<int>(deadline - GetTickCount()) <= 0) return false;
        CDemoHostWindow::Pump(5);
    }
    return true;
}
