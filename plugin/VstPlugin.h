// The effect object that the host talks to: identity, programs, parameters,
// the host-facing audio buffers and the editor opcodes. It owns the engine
// and the settings, and shares the error system and the millisecond timer
// with every other instance in the process.
#pragma once

#include <array>
#include <memory>
#include <optional>

#include "analysis/PerformanceTimer.h"
#include "diag/ErrorSystem.h"
#include "editor/EditorHostWindow.h"
#include "editor/EditorLayout.h"
#include "os/Lockable.h"
#include "params/ParameterAutomation.h"
#include "plugin/AudioEffectX.h"

class CSynth;
class CSynthEditor;
class CSettings;
class CParamControl;

// Besides the effect base and its lock, the plug-in is where the editor's
// parameters report user edits to the host.
class CVstPlugin : public AudioEffectX,
                   public CLockable,
                   public CParameterAutomation,
                   public CEditorHostWindow {
public:
    static constexpr VstInt32 kNumPrograms = 2;
    static constexpr VstInt32 kNumParams = 15;
    static constexpr VstInt32 kNumBackedParams = 9;
    static constexpr int kChannels = 2;
    // The sample rates accepted from the host, and the largest block the
    // buffers are ever sized for.
    static constexpr float kLowestSampleRate = 1000.0f;
    static constexpr float kHighestSampleRate = 1536000.0f;
    static constexpr VstInt32 kLargestBufferFrames = 1 << 16;

    // Construction, close and every dispatcher call: the host's
    // user-interface thread.
    explicit CVstPlugin(audioMasterCallback audioMaster);
    ~CVstPlugin() override;

    VstIntPtr dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                         float opt) override;
    void close() override;
    void setSampleRate(float sampleRate) override;
    void setBlockSize(VstInt32 blockSize) override;

    // Host's audio thread; the plug-in lock is held for the whole block.
    void processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) override;
    void processDoubleReplacing(double** inputs, double** outputs, VstInt32 sampleFrames) override;

    // The host's parameter calls come from its user-interface or automation
    // threads, not from inside a processing call. They take only the
    // parameter's own lock; the audio thread reads parameter values without
    // it.
    void setParameter(VstInt32 index, float value) override;
    float getParameter(VstInt32 index) override;
    void getParameterName(VstInt32 index, char* text) override;
    void getParameterLabel(VstInt32 index, char* text) override;
    void getParameterDisplay(VstInt32 index, char* text) override;
    bool canParameterBeAutomated(VstInt32 index) override;

    void getProgramName(char* name) override;
    bool getProgramNameIndexed(VstInt32 category, VstInt32 index, char* text) override;
    bool getEffectName(char* name) override;
    bool getProductString(char* text) override;
    bool getVendorString(char* text) override;
    VstInt32 getVendorVersion() override;
    VstInt32 getPlugCategory() override;
    bool sizeWindow(VstInt32 width, VstInt32 height) override;

    // User-interface thread: the user's edits of a host parameter.
    void Automate(int hostIndex, float normalized) override;
    void BeginEdit(int hostIndex) override;
    void EndEdit(int hostIndex) override;

    // User-interface thread: asks the host to give its window the editor's
    // new size (audioMasterSizeWindow); true when it answers 1.
    bool ResizeEditorWindow(int width, int height) override;

    CSynth* Engine() { return engine_.get(); }
    // The engine's editor; null after close.
    CSynthEditor* Editor() { return editor_; }
    CSettings* Settings() { return settings_.get(); }

    // The process-wide clock, shared by every instance; null when no
    // instance exists.
    static CPerformanceTimer* SharedTimer() { return CPerformanceTimer::Shared(); }

private:
    // Two channels of doubles with room for the largest announced block.
    struct ChannelBuffers {
        std::array<std::unique_ptr<double[]>, kChannels> storage;
        std::array<double*, kChannels> channels{};
        void Allocate(VstInt32 frames);
        void Free();
    };

    // The parameter object behind host index 0..8, or null.
    CParamControl* HostParameter(VstInt32 index);

    template <typename Sample>
    void ProcessHostBlock(Sample** inputs, Sample** outputs, VstInt32 frames);

    VstIntPtr EditGetRect(void* ptr);
    VstIntPtr EditOpen(void* parent);
    VstIntPtr EditClose();
    VstIntPtr EditKey(VstInt32 index, bool down);

    // Declared in the order of creation, so that a construction that fails
    // half-way releases what it took in reverse order, as close does; the
    // error system's reference goes last, which writes the log.
    std::optional<ErrorSystem::Reference> errors_;
    std::unique_ptr<CSettings> settings_;
    std::optional<CPerformanceTimer::SharedReference> timer_;
    ChannelBuffers inputBuffers_;
    ChannelBuffers outputBuffers_;
    VstInt32 bufferFrames_ = 0;
    std::unique_ptr<CSynth> engine_;
    // Owned by the engine, which creates it through the plug-in's factory.
    CSynthEditor* editor_ = nullptr;
    ERect editorRect_{0, 0, static_cast<VstInt16>(kEditorLayout.Height()),
                      static_cast<VstInt16>(kEditorLayout.Width())};
};
