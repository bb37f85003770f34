// CStoreSync: the one place where the frame loop reaches the store.
#include "editor/StoreSync.h"

#include "analysis/SpectrumStore.h"

void CStoreSync::SyncFromEditor(CSynthEditor& editor) {
    store_.SyncFromEditor(editor);
}
