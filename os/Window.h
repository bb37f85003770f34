// The little window geometry that platform-neutral code needs. Window
// handles travel as opaque pointers so that callers stay free of OS types.
#pragma once

namespace os {

using WindowHandle = void*;

struct Point {
    int x = 0;
    int y = 0;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Client rectangle of window expressed in the client coordinates of parent.
// False when either geometry cannot be read.
bool GetRectInParent(WindowHandle window, WindowHandle parent, Rect& rect);

// Cursor position in the client coordinates of window (screen coordinates
// when window is null).
Point CursorInClient(WindowHandle window);

}  // namespace os
