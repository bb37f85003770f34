// CStoreSync: the one place where the frame loop reaches the store.
#include "editor/StoreSync.h"

#include "analysis/SpectrumStore.h"
#include "editor/SynthEditor.h"

void CStoreSync::SyncFromEditor(const CSynthEditor& editor) {
    store_.SetAveraging(editor.ControlsParameter(kParamAverage)->Value(),
                        editor.ControlsParameter(kParamHold)->Value());
}
