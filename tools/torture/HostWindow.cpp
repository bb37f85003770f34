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

CHostWindow::CHostWindow(int width, int height, int index) {
    RegisterHostClass();
    RECT frame = {0, 0, width, height};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    const int offset = 20 * (index % 8);
    window_ = CreateWindowExA(0, kClassName, "Vantoscope torture host", WS_OVERLAPPEDWINDOW, offset,
                              offset, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window_ != nullptr) ShowWindow(static_cast<HWND>(window_), SW_SHOWNOACTIVATE);
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
