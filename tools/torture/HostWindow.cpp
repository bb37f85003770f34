// CHostWindow: a plain overlapped window of a class registered once.
#include "tools/torture/HostWindow.h"

#include <windows.h>

namespace {

constexpr char kClassName[] = "VantoscopeTortureHost";

void RegisterHostClass() {
    static const bool registered = [] {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = kClassName;
        return RegisterClassA(&windowClass) != 0;
    }();
    (void)registered;
}

}  // namespace

CHostWindow::CHostWindow(void* parent, int x, int y, int width, int height) {
    RegisterHostClass();
    const DWORD style = parent != nullptr
                            ? WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS
                            : WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN;
    RECT frame = {0, 0, width, height};
    AdjustWindowRect(&frame, style, FALSE);
    window_ =
        CreateWindowExA(0, kClassName, "Vantoscope torture host", style, x, y,
                        frame.right - frame.left, frame.bottom - frame.top,
                        static_cast<HWND>(parent), nullptr, GetModuleHandleA(nullptr), nullptr);
}

CHostWindow::~CHostWindow() {
    if (window_ != nullptr) DestroyWindow(static_cast<HWND>(window_));
    PumpMessages(0);
}

void CHostWindow::PumpMessages(int milliseconds) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    do {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (milliseconds > 0) MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
}
