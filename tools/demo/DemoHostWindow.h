// The demo host's window: a visible top-level window whose client area is
// the editor's 900 by 600 pixels, as a DAW gives its plug-ins, and the
// message pump of the host's user-interface thread.
#pragma once

class CDemoHostWindow {
public:
    CDemoHostWindow(int clientWidth, int clientHeight);
    ~CDemoHostWindow();

    CDemoHostWindow(const CDemoHostWindow&) = delete;
    CDemoHostWindow& operator=(const CDemoHostWindow&) = delete;

    // Null when the window could not be created.
    void* Handle() const { return window_; }

    // User-interface thread: dispatches this thread's messages for about
    // milliseconds, as a host's loop does between a user's actions.
    static void Pump(int milliseconds);

private:
    void* window_;
};
