// CSynthEditor: construction, key bindings, open and close.
#include "editor/SynthEditor.h"

#include "diag/Log.h"
#include "editor/KeyName.h"
#include "plugin/VstPlugin.h"

namespace {

constexpr char kLogSource[] = "SynthEditor";

// Move Left and Rotate Left share 'A': the first binding wins, so A moves
// the camera until the user binds Rotate Left to a key of its own.
constexpr KeyBinding kDefaultKeyBindings[] = {
    {'W', kActionForward},   {'S', kActionBack},       {'A', kActionMoveLeft},
    {'D', kActionMoveRight}, {'A', kActionRotateLeft}, {'E', kActionRotateRight},
};

}  // namespace

CSynthEditor::CSynthEditor(CVstPlugin* plugin) : plugin_(plugin) {
    Hold hold(*this);
    controlsParameters_.reserve(32);
    settingsParameters_.reserve(8);
    SetFlag(kFlagFrequenciesInHertz, true);
    keyBindings_.assign(std::begin(kDefaultKeyBindings), std::end(kDefaultKeyBindings));
    BuildControlsParameters(plugin, controlsParameters_);
    BuildSettingsParameters(plugin, KeyNameFormatter, settingsParameters_);
}

CSynthEditor::~CSynthEditor() {
    Hold hold(*this);
    VS_LOG("CSynthEditor: destructor");
    controlsParameters_.clear();
    settingsParameters_.clear();
}

void CSynthEditor::Open(os::WindowHandle parent, CSpectrumStore* store) {
    store_ = store;
    parent_ = parent;
    VS_LOG("CSynthEditor: Open");
}

void CSynthEditor::Close() {
    Hold hold(*this);
    VS_LOG("CSynthEditor Close");
    VS_LOG("CSynthEditor close parameters");
    for (const auto& parameter : controlsParameters_) {
        CLockable::Hold parameterLock(*parameter);
        parameter->SetDialog(nullptr);
    }
    parent_ = nullptr;
    store_ = nullptr;
    VS_LOG("CSynthEditor Close DONE");
}

CParamControl* CSynthEditor::ControlsParameter(int index) {
    if (index < 0 || index >= static_cast<int>(controlsParameters_.size())) return nullptr;
    return controlsParameters_[index].get();
}

const KeyBinding* CSynthEditor::FindKeyBinding(int32_t key) const {
    for (const KeyBinding& binding : keyBindings_) {
        if (binding.key == key) return &binding;
    }
    return nullptr;
}
