// A top-level window of the host, into which the plug-in opens its editor,
// and the message pump of the host's user-interface thread.
#pragma once

class CHostWindow {
public:
    // A visible window whose client area is width by height pixels.
    CHostWindow(int width, int height, int index);
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
