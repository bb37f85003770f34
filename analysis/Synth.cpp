// CSynth: engine construction, editor hand-over and the per-block path.
#include "analysis/Synth.h"

#include <algorithm>

#include "diag/Log.h"
#include "editor/SynthEditor.h"
#include "plugin/VstPlugin.h"

namespace {
constexpr char kLogSource[] = "Synth";
constexpr int kChannels = 2;
}  // namespace

CSynth::CSynth(CVstPlugin* plugin) : plugin_(plugin) {
    VS_LOG("Editor init");
    editor_ = std::make_unique<CSynthEditor>(plugin);
    VS_LOG("Editor Init done");
}

CSynth::~CSynth() {
    editor_.reset();
}

void CSynth::ProcessBlock(double** inputs, double** outputs, int32_t frames) {
    for (int channel = 0; channel < kChannels; ++channel) {
        std::copy(inputs[channel], inputs[channel] + frames, outputs[channel]);
    }
}

void CSynth::OnEditorOpen(os::WindowHandle parent) {
    parentWindow_ = parent;
    editor_->Open(parent);
    editorOpen_.store(true, std::memory_order_release);
}

void CSynth::OnEditorClose() {
    VS_LOG("CSynth: Editor Close");
    {
        CLockable::Hold pluginLock(*plugin_);
        editorOpen_.store(false, std::memory_order_release);
    }
    editor_->Close();
    parentWindow_ = nullptr;
    VS_LOG("CSynth: Editor Close Done");
}
