// CSynthEditor: construction, key bindings, open and close.
#include "editor/SynthEditor.h"

#include "diag/Log.h"

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
    keyBindings_.assign(std::begin(kDefaultKeyBindings), std::end(kDefaultKeyBindings));
}

CSynthEditor::~CSynthEditor() {
    Hold hold(*this);
    VS_LOG("CSynthEditor: destructor");
}

void CSynthEditor::Open(os::WindowHandle parent) {
    parent_ = parent;
    VS_LOG("CSynthEditor: Open");
}

void CSynthEditor::Close() {
    Hold hold(*this);
    VS_LOG("CSynthEditor Close");
    parent_ = nullptr;
    VS_LOG("CSynthEditor Close DONE");
}

const KeyBinding* CSynthEditor::FindKeyBinding(int32_t key) const {
    for (const KeyBinding& binding : keyBindings_) {
        if (binding.key == key)
            return &binding;
    }
    return nullptr;
}
