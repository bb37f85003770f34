// A window of a host for the plug-in's editor: a top-level window, or a
// frame inside one as hosts that dock editors give, whose client area is
// exactly the size asked for; and the message pump of the host's
// user-interface thread. Every program and test that plays host uses these.
#pragma once

class CHostWindow {
public:
    // A visible window of one class registered once, whose client area is
    // clientWidth by clientHeight pixels: a top-level window captioned
    // caption at (x, y) on the screen when parent is null, else a child frame
    // at (x, y) in parent.
    CHostWindow(void* parent, const char* caption, int x, int y, int clientWidth, int clientHeight);
    ~CHostWindow();

    CHostWindow(const CHostWindow&) = delete;
    CHostWindow& operator=(const CHostWindow&) = delete;

    // Null when the window could not be created.
    void* Handle() const { return window_; }

    // Gives the client area the new size, the frame growing around it and
    // the top-left corner staying where it is, as a host does when its
    // plug-in asks for another editor size. False when the system refused.
    bool SetClientSize(int clientWidth, int clientHeight);

    // User-interface thread: dispatches this thread's messages one at a time
    // for about milliseconds, waiting for more while the queue is empty. With
    // zero it dispatches what is waiting, at most a few hundred messages.
    static void Pump(int milliseconds);

private:
    void* window_;
};
