// The meeting point of the audio thread and the display. Once per analysis
// block the audio thread folds the spectrum into 256 log-spaced bands,
// averages or decays them, runs the peak hold and publishes snapshots; the
// display copies the snapshots out, the controls dialog captures frozen and
// reference traces and clears peaks, and once per display frame the editor
// hands over the values of the "Ave" and "Hold" parameters.
//
// Threads: Update runs on the audio thread inside the plug-in lock; every
// other operation runs on the user-interface thread. Everything below is
// guarded by the store lock except the new-frame flag and the last update
// time, which are atomics.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "analysis/BandRange.h"
#include "analysis/SpectrumBand.h"
#include "os/Lockable.h"

class CLogScale;
class CPerformanceTimer;
class CSettings;

using BandLevels = std::array<float, kBandCount>;

class CSpectrumStore : public CLockable {
public:
    static constexpr int kReferenceCount = 4;
    // Maps dB to level: the double -1/120 as it was first written down.
    static constexpr double kLevelPerDb = -0.0083333333333;

    CSpectrumStore(CSettings& settings, CPerformanceTimer& timer);
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
    const CLogScale* Scale() const { return scale_.get(); }
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
    static float LevelOfDb(double levelDb);

private:
    void FoldBands(const double* spectrum);
    float AverageBand(int band, float level);
    void SmoothSharedBins(int band, int32_t firstBin, int& run, int32_t& previousFirstBin);
    void UpdatePeaks(uint32_t nowMs);
    void RestartAverages(int32_t windowCode);

    CSettings& settings_;
    CPerformanceTimer& timer_;
    int firstBand_ = 0;
    int bandCount_ = 0;
    BandLevels level_{};
    BandLevels peak_{};
    std::array<uint8_t, kBandCount> falling_{};
    BandLevels levelSnapshot_{};
    BandLevels peakSnapshot_{};
    BandLevels frozenLevel_{};
    BandLevels frozenPeak_{};
    std::array<BandLevels, kReferenceCount> references_{};
    std::vector<std::unique_ptr<SpectrumBand>> bands_;
    int32_t averageWindowCode_ = 0;
    bool infiniteAverage_ = false;
    std::unique_ptr<CLogScale> scale_;
    std::atomic<bool> initialised_{false};
    uint32_t lastReleaseMs_;
    std::atomic<uint32_t> lastUpdateMs_;
    std::atomic<bool> newFrame_{false};
};
