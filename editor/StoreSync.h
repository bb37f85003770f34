// The spectrum store's entry in the editor's per-frame sync list: hands the
// store the current "Ave" and "Hold" parameters, so averaging follows the
// dialog and held peaks start falling while the editor is open.
#pragma once

#include "editor/EditorListener.h"

class CSpectrumStore;

class CStoreSync final : public CEditorListener {
public:
    explicit CStoreSync(CSpectrumStore& store) : store_(store) {}

    // User-interface thread, once per frame.
    void SyncFromEditor(const CSynthEditor& editor) override;

private:
    CSpectrumStore& store_;
};
