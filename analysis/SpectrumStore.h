// The meeting point of the audio thread and the display. Once per analysis
// block the audio thread hands the spectrum to the band analysis (folding,
// averaging, peak hold) and publishes its levels and peaks as snapshots; the
// display copies the snapshots out, the controls dialog captures frozen and
// reference traces and clears peaks, and once per display frame the editor
// hands over the values of the "Ave" and "Hold" parameters.
//
// Threads: Update runs on the audio thread inside the plug-in lock; every
// other operation runs on the user-interface thread. Everything below,
// the band analysis included, is guarded by the store lock except the
// new-frame flag and the last update time, which are atomics.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>

#include "analysis/BandAnalysis.h"
#include "analysis/Scale.h"
#include "os/Lockable.h"

class CPerformanceTimer;
struct AnalysisSettings;

class CSpectrumStore : public CLockable {
public:
    static constexpr int kReferenceCount = 4;

    // createScale makes the band scale at each initialisation.
    CSpectrumStore(AnalysisSettings& settings, CPerformanceTimer& timer, ScaleFactory createScale);
    ~CSpectrumStore() override;

    // User-interface thread, where the store is created, before the audio
    // thread may update.
    bool Initialise();
    bool IsInitialised() const { return initialised_.load(std::memory_order_acquire); }

    // Audio thread: one analysed block, the analyser's spectrum in dB.
    void Update(const double* spectrum);

    // User-interface thread, once per display frame: the current values of
    // the "Ave" and "Hold" parameters.
    void SetAveraging(float average, float peakHold);

    // Readers: copies under the store lock.
    void ReadSnapshot(BandLevels& level, BandLevels& peak);
    void ReadFrozen(BandLevels& level, BandLevels& peak);
    void ReadReference(int trace, BandLevels& level);
    // True once per update: the waterfall takes each new frame once.
    bool TakeNewFrame() { return newFrame_.exchange(false, std::memory_order_acq_rel); }
    uint32_t LastUpdateMs() const { return lastUpdateMs_.load(std::memory_order_acquire); }
    const CScale* Scale() const { return scale_.get(); }
    int FirstBand() const { return firstBand_; }
    int BandCount() const { return bandCount_; }

    // Writers of the controls dialog.
    void CaptureFreeze();
    void CaptureReference(int trace, bool peakHoldShown);
    void ClearPeaks();

    // Frees the averaging state and the scale; the band table stays with
    // the settings.
    void Release();

    // The level 0..1 of a band level in dB.
    static float LevelOfDb(double levelDb) { return CBandAnalysis::LevelOfDb(levelDb); }

private:
    // startMs: one clock reading, the start of both the hold period and the
    // time since the last update.
    CSpectrumStore(AnalysisSettings& settings, CPerformanceTimer& timer, ScaleFactory createScale,
                   uint32_t startMs);
    void BuildBandTable(double binHz);

    AnalysisSettings& settings_;
    CPerformanceTimer& timer_;
    ScaleFactory createScale_;
    int firstBand_ = 0;
    int bandCount_ = 0;
    CBandAnalysis analysis_;
    BandLevels levelSnapshot_{};
    BandLevels peakSnapshot_{};
    BandLevels frozenLevel_{};
    BandLevels frozenPeak_{};
    std::array<BandLevels, kReferenceCount> references_{};
    std::unique_ptr<CScale> scale_;
    std::atomic<bool> initialised_{false};
    std::atomic<uint32_t> lastUpdateMs_;
    std::atomic<bool> newFrame_{false};
};
