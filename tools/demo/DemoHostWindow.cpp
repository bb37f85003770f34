// CDemoHostWindow: a plain window class with a dark background; the editor
// fills its client area.
#include "tools/demo/DemoHostWindow.h"

#include <windows.h>

namespace {

constexpr char kHostClass[] = "VantoscopeDemoHost";

void RegisterHostClass() {
    WNDCLASSEXA hostClass{};
    hostClass.cbSize = sizeof hostClass;
    hostClass.lpfnWndProc = DefWindowProcA;
    hostClass.hInstance = GetModuleHandleA(nullptr);
    hostClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(DKGRAY_BRUSH));
    hostClass.lpszClassName = kHostClass;
    RegisterClassExA(&hostClass);
}

}  // namespace

CDemoHostWindow::CDemoHostWindow(int clientWidth, int clientHeight) {
    RegisterHostClass();
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    window_ = CreateWindowExA(0, kHostClass, "Vantoscope demo", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                              20, 20, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
}

CDemoHostWindow::~CDemoHostWindow() {
    if (window_ != nullptr) DestroyWindow(static_cast<HWND>(window_));
}

void CDemoHostWindow::Pump(int milliseconds) {
    // One message at a time with the clock checked between them: a frame
    // timer whose frames take longer than its period always has a message
    // waiting, and draining the queue first would never return.
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    do {
        MSG message;
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        } else {
            Sleep(1);
        }
    } while (static_cast<int>(end - GetTickCount()) > 0);
}
