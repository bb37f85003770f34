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
    // Editors that render on their timers can keep the queue from ever
    // running empty, so the deadline ends the pumping, not an empty queue.
    constexpr int kMessagesWithoutDeadline = 200;
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    int dispatched = 0;
    MSG message;
    for (;;) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
            ++dispatched;
            if (milliseconds == 0 ? dispatched >= kMessagesWithoutDeadline
                                  : static_cast<LONG>(end - GetTickCount()) <= 0) {
                return;
            }
        }
        if (static_cast<LONG>(end - GetTickCount()) <= 0) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}
