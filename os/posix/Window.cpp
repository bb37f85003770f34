// POSIX side of the window geometry helpers: there are no windows natively,
// so geometry is never readable and the cursor sits at the origin.
#include "os/Window.h"

namespace os {

bool GetRectInParent(WindowHandle /*window*/, WindowHandle /*parent*/, Rect& /*rect*/) {
    return false;
}

Point CursorInClient(WindowHandle /*window*/) {
    return Point{};
}

}  // namespace os
