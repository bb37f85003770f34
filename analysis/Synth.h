// The engine between the plug-in and everything that analyses or shows
// audio. It owns the analyser, the editor object, the two 4096-sample
// accumulation blocks and, while the editor is open, the spectrum store.
// Audio always passes through; while the editor is open the output (or the
// test signal that replaced it) is cut into consecutive analysis blocks.
//
// Threads: the audio thread runs ProcessBlock inside the plug-in lock; the
// user-interface thread opens and closes the editor. The editor-open flag
// hands the store over between the two; the engine needs no lock of its own.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "analysis/AnalysisBlock.h"
#include "analysis/AnalysisSettings.h"
#include "analysis/EngineEditor.h"
#include "analysis/Scale.h"
#include "os/Lockable.h"
#include "os/Window.h"

class CFFT;
class CGeneratorControls;
class CPerformanceTimer;
class CSpectrumStore;
class CStatistics;

class CSynth {
public:
    static constexpr int kBlockFrames = kAnalysisBlockFrames;

    // Everything given outlives the engine: the settings (handed on to each
    // spectrum store), the statistics and the sample rate that the analysis
    // feeds and reads, the timer and the plug-in lock. createEditor makes the
    // editor, once, during construction; createScale is handed on to each
    // spectrum store for its band scale.
    CSynth(AnalysisSettings& settings, CStatistics& statistics,
           const std::atomic<double>& sampleRateHz, CPerformanceTimer& timer, CLockable& pluginLock,
           const EditorFactory& createEditor, ScaleFactory createScale);
    ~CSynth();

    // Audio thread, under the plug-in lock.
    void ProcessBlock(double** inputs, double** outputs, int32_t frames);
    void GenerateTestSignal(double** outputs, int32_t frames);

    // User-interface thread. Open creates and initialises the store, opens
    // the editor and lets the audio thread in last; close shuts the audio
    // thread out first.
    void OnEditorOpen(os::WindowHandle parent);
    void OnEditorClose();

    CEngineEditor* Editor() { return editor_.get(); }
    CFFT& Analyser() { return *analyser_; }
    CSpectrumStore* Store() { return store_.get(); }
    bool IsEditorOpen() const { return editorOpen_.load(std::memory_order_acquire); }
    os::WindowHandle ParentWindow() const { return parentWindow_; }
    int32_t Fill() const { return fill_; }

    // The generator's process-wide sample counter (the tone's time base).
    static int64_t SampleCounter();

private:
    void AnalyseBlock();
    int32_t AppendToBlocks(double** outputs, int32_t offset, int32_t frames);

    AnalysisSettings& settings_;
    CStatistics& statistics_;
    const std::atomic<double>& sampleRateHz_;
    CPerformanceTimer& timer_;
    CLockable& pluginLock_;
    ScaleFactory createScale_;
    std::unique_ptr<CFFT> analyser_;
    std::unique_ptr<CEngineEditor> editor_;
    // The editor's generator controls, taken once, so that the audio thread
    // reads them without going through the editor.
    const CGeneratorControls* generator_ = nullptr;
    // The frequency the generator used last (audio thread); 0 before any.
    double toneFrequency_ = 0.0;
    std::unique_ptr<double[]> leftBlock_;
    std::unique_ptr<double[]> rightBlock_;
    std::unique_ptr<double[]> mixBlock_;  // the side signal, when chosen
    AnalysisChannels analysedChannels_ = AnalysisChannels::kLeftPlusRight;
    std::unique_ptr<CSpectrumStore> store_;
    int32_t fill_ = 0;
    os::WindowHandle parentWindow_ = nullptr;
    std::atomic<bool> editorOpen_{false};
};
