// A window of the host: the top-level window, or a frame inside it into
// which the plug-in opens its editor, as hosts that dock editors do; and
// the message pump of the host's user-interface thread.
#pragma once

class CHostWindow {
public:
    // A visible window whose client area is width by height pixels: a
    // top-level window when parent is null, else a child frame at (x, y).
    CHostWindow(void* parent, int x, int y, int width, int height);
    ~CHostWindow();

    CHostWindow(const CHostWindow&) = delete;
    CHostWindow& operator=(const CHostWindow&) = delete;

    void* Handle() const { return window_; }

    // User-interface thread: dispatches this thread's messages for about
    // milliseconds, at least once.
    static void PumpMessages(int milliseconds);

private:
    void* window_;
};
