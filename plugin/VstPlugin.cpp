// CVstPlugin: construction and close, identity, parameters, block buffers,
// the processing calls and the editor opcodes.
#include "plugin/VstPlugin.h"

#include <algorithm>
#include <cstring>

#include "analysis/LoudnessMeter.h"
#include "analysis/Synth.h"
#include "diag/Log.h"
#include "editor/SynthEditor.h"
#include "os/Window.h"
#include "params/LogarithmicScales.h"
#include "params/ParamControl.h"
#include "params/Settings.h"

namespace {

constexpr char kLogSource[] = "VstPlugin";
constexpr char kEffectName[] = "Vantoscope";
constexpr char kVendorName[] = "Orlemar";
constexpr VstInt32 kVendorVersion = 810;

bool IsBackedParameter(VstInt32 index) {
    return index >= 0 && index < CVstPlugin::kNumBackedParams;
}

void WriteUnbackedText(char* text) {
    std::strcpy(text, "N/A");
    text[7] = 0;
}

}  // namespace

CVstPlugin::CVstPlugin(audioMasterCallback audioMaster)
    : AudioEffectX(audioMaster, kNumPrograms, kNumParams), errors_(std::in_place) {
    VS_LOG("Vantoscope Begin");
    settings_ = std::make_unique<CSettings>();
    timer_.emplace();

    settings_->sampleRate = getSampleRate();
    VS_LOG("Initial SR set to: " << settings_->sampleRate.load());

    setNumInputs(kChannels);
    setNumOutputs(kChannels);
    setUniqueID(MakeFourCC('8', 'n', '5', '0'));
    cEffect_.flags = (cEffect_.flags & ~(effFlagsProgramChunks | effFlagsIsSynth)) |
                     effFlagsHasEditor | effFlagsCanReplacing | effFlagsCanDoubleReplacing;

    CPerformanceTimer& timer = timer_->Timer();
    auto createEditor = [this, &timer]() -> std::unique_ptr<CEngineEditor> {
        auto editor = std::make_unique<CSynthEditor>(*settings_, timer, this, this);
        editor_ = editor.get();
        return editor;
    };
    engine_ = std::make_unique<CSynth>(*settings_, settings_->Statistics(), settings_->sampleRate,
                                       timer, *this, createEditor, CreateBandScale);
    VS_LOG("Synth Init");
}

CVstPlugin::~CVstPlugin() {
    if (engine_) close();
}

void CVstPlugin::close() {
    Hold hold(*this);
    VS_LOG("CVstPlugin: CLOSE");
    VS_LOG("close synth");
    editor_ = nullptr;
    engine_.reset();
    inputBuffers_.Free();
    outputBuffers_.Free();
    bufferFrames_ = 0;

    VS_LOG("close time");
    timer_.reset();
    VS_LOG("close settings");
    settings_.reset();
    VS_LOG("Vantoscope End");
    errors_.reset();
}

// ---------------------------------------------------------------------------
// Host announcements and buffers

// A rate that is not a number, not positive or beyond any audio interface
// would give the band table and the generator undefined or enormous values;
// the last good rate stays in force and the refusal is logged.
void CVstPlugin::setSampleRate(float sampleRate) {
    VS_LOG("Sample rate set to " << sampleRate);
    if (!(sampleRate >= kLowestSampleRate && sampleRate <= kHighestSampleRate)) {
        VS_LOG("Sample rate " << sampleRate << " ignored, keeping " << getSampleRate());
        return;
    }
    AudioEffectX::setSampleRate(sampleRate);
    if (!settings_) return;
    const bool changed = settings_->sampleRate.load() != sampleRate;
    settings_->sampleRate = sampleRate;
    // Loudness restarts at a new rate only: hosts announce the same rate on
    // every resume, and integrated loudness must survive that.
    if (changed) {
        Hold hold(*this);
        settings_->Loudness().SetSampleRate(sampleRate);
    }
}

void CVstPlugin::setBlockSize(VstInt32 blockSize) {
    AudioEffectX::setBlockSize(blockSize);
    VS_LOG("Max block size set to " << blockSize);
    if (!settings_ || blockSize <= settings_->maxBlockSize) {
        VS_LOG("Size is same or less so not changing");
        return;
    }
    // Larger blocks are served in pieces of the largest buffer, so an absurd
    // announcement costs no absurd allocation.
    if (blockSize > kLargestBufferFrames) {
        VS_LOG("Buffers limited to " << kLargestBufferFrames << " frames");
        blockSize = kLargestBufferFrames;
        if (blockSize <= settings_->maxBlockSize) return;
    }
    // Allocate outside the lock so that the audio thread waits only for the
    // hand-over, not for the allocation.
    ChannelBuffers freshInputs;
    ChannelBuffers freshOutputs;
    freshInputs.Allocate(blockSize);
    freshOutputs.Allocate(blockSize);
    {
        Hold hold(*this);
        std::swap(inputBuffers_, freshInputs);
        std::swap(outputBuffers_, freshOutputs);
        bufferFrames_ = blockSize;
        settings_->maxBlockSize = blockSize;
    }
}

void CVstPlugin::ChannelBuffers::Allocate(VstInt32 frames) {
    for (int channel = 0; channel < kChannels; ++channel) {
        storage[channel] = std::make_unique<double[]>(static_cast<size_t>(frames));
        channels[channel] = storage[channel].get();
    }
}

void CVstPlugin::ChannelBuffers::Free() {
    for (int channel = 0; channel < kChannels; ++channel) {
        storage[channel].reset();
        channels[channel] = nullptr;
    }
}

// ---------------------------------------------------------------------------
// Processing

void CVstPlugin::processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) {
    ProcessHostBlock(inputs, outputs, sampleFrames);
}

void CVstPlugin::processDoubleReplacing(double** inputs, double** outputs, VstInt32 sampleFrames) {
    ProcessHostBlock(inputs, outputs, sampleFrames);
}

// A host that sends more frames than it announced is served in pieces of the
// announced size, and one that processes before announcing any size gets its
// input copied straight through: either way the output is right and nothing
// outside the buffers is touched, without allocating on the audio thread.
// With the editor closed the engine would only copy the input back, which a
// round trip through double gives bit for bit, so the input is copied
// straight through then too. Loudness hears the input of every block, with
// the editor open or closed, so integrated loudness covers the whole playback.
template <typename Sample>
void CVstPlugin::ProcessHostBlock(Sample** inputs, Sample** outputs, VstInt32 frames) {
    if (frames <= 0 || inputs == nullptr || outputs == nullptr) return;
    for (int channel = 0; channel < kChannels; ++channel) {
        if (inputs[channel] == nullptr || outputs[channel] == nullptr) return;
    }
    Hold hold(*this);
    if (settings_) settings_->Loudness().Process(inputs[0], inputs[1], frames);
    if (!engine_ || bufferFrames_ <= 0 || !engine_->IsEditorOpen()) {
        for (int channel = 0; channel < kChannels; ++channel) {
            // memmove: hosts may process in place.
            std::memmove(outputs[channel], inputs[channel], sizeof(Sample) * frames);
        }
        return;
    }
    for (VstInt32 done = 0; done < frames;) {
        const VstInt32 count = std::min(frames - done, bufferFrames_);
        for (int channel = 0; channel < kChannels; ++channel) {
            std::copy_n(inputs[channel] + done, count, inputBuffers_.channels[channel]);
        }
        engine_->ProcessBlock(inputBuffers_.channels.data(), outputBuffers_.channels.data(), count);
        for (int channel = 0; channel < kChannels; ++channel) {
            const double* source = outputBuffers_.channels[channel];
            std::transform(source, source + count, outputs[channel] + done,
                           [](double sample) { return static_cast<Sample>(sample); });
        }
        done += count;
    }
}

// ---------------------------------------------------------------------------
// Parameters: indices 0 to 8 are the editor's controls parameters; the rest
// of the announced range answers as unbacked.

CParamControl* CVstPlugin::HostParameter(VstInt32 index) {
    if (!IsBackedParameter(index) || editor_ == nullptr) return nullptr;
    return editor_->ControlsParameter(index);
}

void CVstPlugin::setParameter(VstInt32 index, float value) {
    if (CParamControl* parameter = HostParameter(index)) parameter->SetNormalized(value);
}

float CVstPlugin::getParameter(VstInt32 index) {
    const CParamControl* parameter = HostParameter(index);
    return parameter != nullptr ? parameter->GetNormalized() : 0.0f;
}

void CVstPlugin::getParameterName(VstInt32 index, char* text) {
    if (const CParamControl* parameter = HostParameter(index)) {
        std::strncpy(text, parameter->Name(), kVstMaxParamStrLen);
    } else {
        WriteUnbackedText(text);
    }
}

void CVstPlugin::getParameterLabel(VstInt32 index, char* text) {
    if (const CParamControl* parameter = HostParameter(index)) {
        std::strncpy(text, parameter->Label(), kVstMaxParamStrLen);
    } else {
        text[0] = 0;
    }
}

void CVstPlugin::getParameterDisplay(VstInt32 index, char* text) {
    if (const CParamControl* parameter = HostParameter(index)) {
        parameter->GetDisplayText(text);
    } else {
        WriteUnbackedText(text);
    }
}

bool CVstPlugin::canParameterBeAutomated(VstInt32 index) {
    return IsBackedParameter(index);
}

// ---------------------------------------------------------------------------
// Identity

void CVstPlugin::getProgramName(char* name) {
    CopyString(name, kEffectName, kVstMaxProgNameLen);
}

bool CVstPlugin::getProgramNameIndexed(VstInt32 /*category*/, VstInt32 index, char* text) {
    if (index < 0 || index >= kNumPrograms) return false;
    getProgramName(text);
    return true;
}

bool CVstPlugin::getEffectName(char* name) {
    CopyString(name, kEffectName, kVstMaxEffectNameLen);
    return true;
}

bool CVstPlugin::getProductString(char* text) {
    CopyString(text, kEffectName, kVstMaxProductStrLen);
    return true;
}

bool CVstPlugin::getVendorString(char* text) {
    CopyString(text, kVendorName, kVstMaxVendorStrLen);
    return true;
}

VstInt32 CVstPlugin::getVendorVersion() {
    return kVendorVersion;
}

VstInt32 CVstPlugin::getPlugCategory() {
    return kPlugCategAnalysis;
}

bool CVstPlugin::sizeWindow(VstInt32 width, VstInt32 height) {
    VS_LOG("Size window request, w: " << width << " h: " << height);
    return false;
}

bool CVstPlugin::ResizeEditorWindow(int width, int height) {
    return CallHost(audioMasterSizeWindow, width, height, nullptr, 0.0f) == 1;
}

// ---------------------------------------------------------------------------
// Editor opcodes

VstIntPtr CVstPlugin::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                 float opt) {
    switch (opcode) {
        case effEditGetRect:
            return EditGetRect(ptr);
        case effEditOpen:
            return EditOpen(ptr);
        case effEditClose:
            return EditClose();
        case effEditKeyDown:
            return EditKey(index, true);
        case effEditKeyUp:
            return EditKey(index, false);
        default:
            return AudioEffectX::dispatcher(opcode, index, value, ptr, opt);
    }
}

VstIntPtr CVstPlugin::EditGetRect(void* ptr) {
    os::Rect rect{0, 0, kEditorLayout.Width(), kEditorLayout.Height()};
    if (editor_ != nullptr) {
        CLockable::Hold editorLock(*editor_);
        const EditorLayout layout = editor_->Layout();
        rect = os::Rect{0, 0, layout.Width(), layout.Height()};
        os::Rect view;
        if (editor_->MainView() != nullptr && editor_->Parent() != nullptr &&
            os::GetRectInParent(editor_->MainView(), editor_->Parent(), view)) {
            rect = view;
            rect.bottom += layout.panelHeight;
        }
    }
    editorRect_.top = static_cast<VstInt16>(rect.top);
    editorRect_.left = static_cast<VstInt16>(rect.left);
    editorRect_.bottom = static_cast<VstInt16>(rect.bottom);
    editorRect_.right = static_cast<VstInt16>(rect.right);
    if (ptr != nullptr) *static_cast<ERect**>(ptr) = &editorRect_;
    return 1;
}

VstIntPtr CVstPlugin::EditOpen(void* parent) {
    VS_LOG("***effEditOpen");
    if (engine_) engine_->OnEditorOpen(parent);
    return 1;
}

VstIntPtr CVstPlugin::EditClose() {
    VS_LOG("***effEditClose");
    if (engine_) engine_->OnEditorClose();
    return 1;
}

VstIntPtr CVstPlugin::EditKey(VstInt32 index, bool down) {
    if (editor_ == nullptr) return down ? 1 : 0;
    CEditorState& state = editor_->State();
    const os::Point cursor = os::CursorInClient(editor_->MainView());
    int32_t key = static_cast<signed char>(index);
    if (key >= 'a' && key <= 'z') key -= 'a' - 'A';

    const KeyBinding* binding = state.FindKeyBinding(key);
    if (binding == nullptr || binding->action == kActionNone) return down ? 1 : 0;
    state.Navigation().cursorX = cursor.x;
    state.Navigation().cursorY = cursor.y;
    if (binding->action >= 0 && binding->action < kCameraActionCount) {
        state.KeyHeld()[binding->action] = down ? 1 : 0;
    }
    return 1;
}

void CVstPlugin::Automate(int hostIndex, float normalized) {
    setParameterAutomated(hostIndex, normalized);
}

void CVstPlugin::BeginEdit(int hostIndex) {
    beginEdit(hostIndex);
}

void CVstPlugin::EndEdit(int hostIndex) {
    endEdit(hostIndex);
}
