// An object that the editor synchronises once per display frame, on the
// user-interface thread: it copies what it needs from the editor's state,
// the parameters and the settings, all read as const.
#pragma once

class CSynthEditor;

class CEditorListener {
public:
    virtual ~CEditorListener() = default;
    virtual void SyncFromEditor(const CSynthEditor& editor) = 0;
};
