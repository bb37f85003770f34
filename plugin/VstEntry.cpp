// The module's exported entry: the host calls it once per effect instance.
// The module definition file exports it a second time as "main", at the
// same address, for hosts that look for the older name.
#include <new>

#include "plugin/VstEntry.h"
#include "plugin/VstPlugin.h"

extern "C" AEffect* VSTPluginMain(audioMasterCallback audioMaster) {
    if (audioMaster == nullptr) return nullptr;
    if (audioMaster(nullptr, audioMasterVersion, 0, 0, nullptr, 0.0f) == 0) return nullptr;
    try {
        CVstPlugin* plugin = new CVstPlugin(audioMaster);
        return plugin->getAeffect();
    } catch (...) {
        return nullptr;
    }
}
