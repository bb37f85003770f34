// CHostedInstance: each instance uses two activity slots, one for its
// audio thread and one for what the user-interface thread does to it.
#include "tools/torture/HostedInstance.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "tools/host/HostCallRecorder.h"
#include "tools/host/HostWindow.h"
#include "tools/host/PluginModule.h"
#include "tools/torture/ActivityBoard.h"
#include "tools/torture/AudioThread.h"
#include "tools/torture/OpcodeTable.h"
#include "tools/torture/TortureRandom.h"

namespace {

const char kKeys[] = {'w', 'W', 's', 'a', 'd', 'e', 'q', ' ', '1', 0, '\x7f', '\x80', '\xff'};

}  // namespace

namespace {

// The instances alive, for the host's answers; user-interface thread only.
std::vector<CHostedInstance*> gLivingInstances;

}  // namespace

CHostedInstance::CHostedInstance(const CPluginModule& module, int number, void* hostWindow,
                                 CFindings& findings)
    : effect_(nullptr),
      number_(number),
      name_("instance " + std::to_string(number)),
      findings_(findings),
      hostWindow_(hostWindow) {
    gLivingInstances.push_back(this);
    CActivityBoard::Instance().Note(BoardSlot(0), "%s: VSTPluginMain", name_.c_str());
    effect_ = module.Instantiate(&CHostCallRecorder::Callback);
    CActivityBoard::Instance().Retire(BoardSlot(0));
    if (effect_ == nullptr) return;
    Dispatch(effOpen);
    Dispatch(effSetSampleRate, 0, 0, nullptr, sampleRate_);
    Dispatch(effSetBlockSize, 0, blockFrames_);
    Dispatch(effMainsChanged, 0, 1);
}

CHostedInstance::~CHostedInstance() {
    gLivingInstances.erase(std::find(gLivingInstances.begin(), gLivingInstances.end(), this));
    if (effect_ == nullptr) return;
    CloseEditor();
    StopAudio();
    Dispatch(effMainsChanged, 0, 0);
    Dispatch(effClose);
}

void* CHostedInstance::Window() const {
    return frame_ ? frame_->Handle() : nullptr;
}

int CHostedInstance::BoardSlot(int offset) const {
    return (2 * number_ + offset) % CActivityBoard::kSlots;
}

VstIntPtr CHostedInstance::Dispatch(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                    float opt) {
    CActivityBoard::Instance().Note(BoardSlot(0), "%s: %s(index %d, value %lld, opt %.9g)",
                                    name_.c_str(), OpcodeName(opcode), index,
                                    static_cast<long long>(value), static_cast<double>(opt));
    const VstIntPtr result = effect_->dispatcher(effect_, opcode, index, value, ptr, opt);
    CActivityBoard::Instance().Retire(BoardSlot(0));
    return result;
}

void CHostedInstance::ChangeFormat(CTortureRandom& random) {
    sampleRate_ = random.SampleRate();
    blockFrames_ = random.BlockFrames();
    if (audio_) audio_->Pause();
    Dispatch(effMainsChanged, 0, 0);
    Dispatch(effSetSampleRate, 0, 0, nullptr, sampleRate_);
    Dispatch(effSetBlockSize, 0, blockFrames_);
    Dispatch(effMainsChanged, 0, 1);
    if (audio_) {
        audio_->Announce(sampleRate_, blockFrames_);
        audio_->Resume();
    }
}

void CHostedInstance::StartAudio(uint64_t seed) {
    audio_ = std::make_unique<CAudioThread>(effect_, seed, findings_, BoardSlot(1), name_);
    audio_->Announce(sampleRate_, blockFrames_);
}

void CHostedInstance::StopAudio() {
    if (audio_) blocksBefore_ += audio_->BlocksProcessed();
    audio_.reset();
}

long long CHostedInstance::BlocksProcessed() const {
    return blocksBefore_ + (audio_ ? audio_->BlocksProcessed() : 0);
}

void CHostedInstance::OpenEditor(EditorParent parent) {
    if (editorOpen_) return;
    ERect* rect = nullptr;
    Dispatch(effEditGetRect, 0, 0, &rect);
    const int width = rect != nullptr ? rect->right - rect->left : 900;
    const int height = rect != nullptr ? rect->bottom - rect->top : 600;
    void* parentWindow = hostWindow_;
    if (parent == EditorParent::kFreshFrame) {
        const int offset = 20 * (number_ % 8);
        frame_ = std::make_unique<CHostWindow>(hostWindow_, nullptr, offset, offset, width, height);
        parentWindow = frame_->Handle();
    }
    Dispatch(effEditOpen, 0, 0, parentWindow);
    editorOpen_ = true;
    Dispatch(effEditGetRect, 0, 0, &rect);
}

bool CHostedInstance::ResizeEditorFrame(AEffect* effect, int width, int height) {
    for (const CHostedInstance* instance : gLivingInstances) {
        if (instance->effect_ == effect)
            return instance->frame_ != nullptr && instance->frame_->SetClientSize(width, height);
    }
    return false;
}

void CHostedInstance::CloseEditor() {
    if (!editorOpen_) return;
    Dispatch(effEditClose);
    editorOpen_ = false;
    frame_.reset();
}

void CHostedInstance::Idle() {
    Dispatch(effEditIdle);
}

void CHostedInstance::PokeEditor(CTortureRandom& random) {
    Idle();
    const char key = kKeys[random.Between(0, sizeof kKeys - 1)];
    const VstIntPtr virtualKey = random.Between(0, 255);
    Dispatch(random.Chance(0.5) ? effEditKeyDown : effEditKeyUp, key, virtualKey);
    if (random.Chance(0.3)) {
        const VstInt32 index = static_cast<VstInt32>(random.Between(0, 8));
        const float value = random.ParameterValue();
        CActivityBoard::Instance().Note(BoardSlot(0), "%s: setParameter(%d, %.9g)", name_.c_str(),
                                        index, static_cast<double>(value));
        effect_->setParameter(effect_, index, value);
        CActivityBoard::Instance().Retire(BoardSlot(0));
        char display[64];
        Dispatch(effGetParamDisplay, index, 0, display);
    }
}
