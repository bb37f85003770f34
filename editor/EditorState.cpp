// CEditorState: the construction values and the key lookup.
#include "editor/EditorState.h"

#include <iterator>

namespace {

// Move Left and Rotate Left share 'A': the first binding wins, so A moves
// the camera until the user binds Rotate Left to a key of its own.
constexpr KeyBinding kDefaultKeyBindings[] = {
    {'W', kActionForward},   {'S', kActionBack},       {'A', kActionMoveLeft},
    {'D', kActionMoveRight}, {'A', kActionRotateLeft}, {'E', kActionRotateRight},
};

}  // namespace

CEditorState::CEditorState(const std::atomic<float>& frequencyHz)
    : generator_(frequencyHz),
      keyBindings_(std::begin(kDefaultKeyBindings), std::end(kDefaultKeyBindings)) {
    flags_[kFlagFrequenciesInHertz] = true;
}

void CEditorState::StoreUserPreset(int n, const CameraPreset& preset) {
    if (n < 0 || n >= kUserPresetCount) return;
    userPresets_[n] = preset;
    userPresetStored_[n] = true;
}

const KeyBinding* CEditorState::FindKeyBinding(int32_t key) const {
    for (const KeyBinding& binding : keyBindings_) {
        if (binding.key == key) return &binding;
    }
    return nullptr;
}
