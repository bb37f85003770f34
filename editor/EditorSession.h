// What one opening of the editor has: its three windows, the host's parent,
// the spectrum store the engine created for it, and the listeners that the
// frame loop synchronises. Open fills it, Close empties it; the editor's
// parts read it through the one the editor owns.
//
// Thread: user-interface thread.
#pragma once

#include <vector>

#include "os/Window.h"

class CEditorListener;
class CEditorWindows;
class CSpectrumStore;

struct EditorSession {
    // The window system; set with the editor, never null.
    CEditorWindows* windows = nullptr;
    os::WindowHandle mainView = nullptr;
    os::WindowHandle controlsDialog = nullptr;
    os::WindowHandle parent = nullptr;
    os::WindowHandle settingsDialog = nullptr;
    CSpectrumStore* store = nullptr;
    // Synchronised once per frame, in order; not owned.
    std::vector<CEditorListener*> syncList;
    // The renderer was set up, so the view shows the scene and its camera.
    bool sceneShown = false;
};
