// An object that the editor synchronises once per display frame, on the
// user-interface thread: it copies what it needs from the editor, the
// parameters and the settings.
#pragma once

class CSynthEditor;

class CEditorListener {
public:
    virtual ~CEditorListener() = default;
    virtual void SyncFromEditor(CSynthEditor& editor) = 0;
};
