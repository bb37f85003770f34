// The host's window around the editor, as far as the editor may change it:
// asking for a new size. The plug-in implements it; it outlives the editor.
//
// Thread: user-interface thread.
#pragma once

class CEditorHostWindow {
public:
    // True when the host has given its window the editor's new size
    // (width by height pixels); false when it keeps the old one.
    virtual bool ResizeEditorWindow(int width, int height) = 0;

protected:
    ~CEditorHostWindow() = default;
};
