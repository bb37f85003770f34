// Win32 side of the window geometry helpers.
#include "os/Window.h"

#include <windows.h>

namespace os {

bool GetRectInParent(WindowHandle window, WindowHandle parent, Rect& rect) {
    RECT client;
    if (!GetClientRect(static_cast<HWND>(window), &client)) return false;
    POINT viewTopLeft{client.left, client.top};
    POINT viewBottomRight{client.right, client.bottom};
    POINT parentOrigin{0, 0};
    if (!ClientToScreen(static_cast<HWND>(window), &viewTopLeft) ||
        !ClientToScreen(static_cast<HWND>(window), &viewBottomRight) ||
        !ClientToScreen(static_cast<HWND>(parent), &parentOrigin)) {
        return false;
    }
    rect.left = viewTopLeft.x - parentOrigin.x;
    rect.top = viewTopLeft.y - parentOrigin.y;
    rect.right = viewBottomRight.x - parentOrigin.x;
    rect.bottom = viewBottomRight.y - parentOrigin.y;
    return true;
}

Point CursorInClient(WindowHandle window) {
    POINT cursor{0, 0};
    GetCursorPos(&cursor);
    if (window != nullptr) ScreenToClient(static_cast<HWND>(window), &cursor);
    return Point{cursor.x, cursor.y};
}

}  // namespace os
