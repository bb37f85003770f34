// CHostWindow: the host's window class and message pump.
#include "tools/host/HostWindow.h"

#include <windows.h>

namespace {

constexpr char kClassName[] = "VantoscopeHostWindow";
// A frame timer that is always due keeps the queue from ever running empty:
// a pump with no time to spend stops after this many messages instead.
constexpr int kMessagesWithoutTime = 200;

void RegisterHostClass() {
    static const bool registered = [] {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        // A stock brush: nothing to free, and the editor covers it anyway.
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(DKGRAY_BRUSH));
        windowClass.lpszClassName = kClassName;
        return RegisterClassExA(&windowClass) != 0;
    }();
    (void)registered;
}

DWORD StyleFor(void* parent) {
    return parent != nullptr ? WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS
                             : WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN;
}

// The outer size of a window of style whose client area is width by height.
SIZE FrameSize(DWORD style, int width, int height) {
    RECT frame{0, 0, width, height};
    AdjustWindowRect(&frame, style, FALSE);
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

LONG MillisecondsLeft(DWORD end) {
    return static_cast<LONG>(end - GetTickCount());
}

}  // namespace

CHostWindow::CHostWindow(void* parent, const char* caption, int x, int y, int clientWidth,
                         int clientHeight) {
    RegisterHostClass();
    const DWORD style = StyleFor(parent);
    const SIZE frame = FrameSize(style, clientWidth, clientHeight);
    window_ =
        CreateWindowExA(0, kClassName, caption, style, x, y, frame.cx, frame.cy,
                        static_cast<HWND>(parent), nullptr, GetModuleHandleA(nullptr), nullptr);
}

CHostWindow::~CHostWindow() {
    if (window_ != nullptr) DestroyWindow(static_cast<HWND>(window_));
    Pump(0);
}

bool CHostWindow::SetClientSize(int clientWidth, int clientHeight) {
    const auto window = static_cast<HWND>(window_);
    const SIZE frame = FrameSize(static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE)),
                                 clientWidth, clientHeight);
    return SetWindowPos(window, nullptr, 0, 0, frame.cx, frame.cy,
                        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE) != 0;
}

// The clock is checked after every message, not only when the queue runs
// dry: an editor whose frames take longer than its timer's period always has
// a message waiting.
void CHostWindow::Pump(int milliseconds) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    int dispatched = 0;
    for (;;) {
        MSG message;
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
            ++dispatched;
            if (milliseconds == 0 ? dispatched >= kMessagesWithoutTime
                                  : MillisecondsLeft(end) <= 0) {
                return;
            }
            continue;
        }
        const LONG left = MillisecondsLeft(end);
        if (left <= 0) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left), QS_ALLINPUT);
    }
}
