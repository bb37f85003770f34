// The band levels of the analysis: each block's spectrum in dB folded into
// 256 log-spaced bands, averaged (over a window or for ever) or decayed, and
// peaks that hold until released and then fall. Numbers only: the caller
// hands over the band table, the rates and the times.
//
// Threads: no lock of its own. Its owner serialises every call (the
// spectrum store calls it only under the store lock).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "analysis/BandRange.h"
#include "analysis/SpectrumBand.h"

using BandLevels = std::array<float, kBandCount>;

class CBandAnalysis {
public:
    // Band bins are counted from the bin that holds this frequency.
    static constexpr double kLowestHz = 20.0;
    // Maps dB to level. Written as this rounded decimal rather than as
    // -1.0 / 120, so that every level stays bit-identical to the values the
    // display and its tests are built on (-120 dB gives about 4e-12, not 0).
    static constexpr double kLevelPerDb = -0.0083333333333;

    // startMs: now, the start of the first hold period.
    explicit CBandAnalysis(uint32_t startMs) : lastReleaseMs_(startMs) {}

    // The level 0..1 of a band level in dB.
    static float LevelOfDb(double levelDb);

    // Makes the averaging rings (ten seconds of blocks) and silences every
    // band and peak; the averaging mode and the hold period carry on.
    void Prepare(double blocksPerSecond);
    void ReleaseBands() { bands_.clear(); }

    // One analysed block, after Prepare: binHz is the spectrum's bin width,
    // levelFallPerBlock bounds a decaying band's fall.
    void Fold(const double* spectrum, const BandTable& table, double binHz,
              float levelFallPerBlock);
    // After Fold: peaks follow the levels; released peaks fall for the
    // elapsed time since the previous block.
    void UpdatePeaks(uint32_t elapsedMs, float peakFallPerSecond);

    // A cumulative average from now on, of every band; held peaks stay.
    void AverageForEver() { infiniteAverage_ = true; }
    // A moving average over windowMs (0: decay instead). A new window, or
    // leaving the cumulative average, restarts every band.
    void AverageOver(int32_t windowMs, double blocksPerSecond);
    // Peaks never fall.
    void HoldForEver() { falling_.fill(0); }
    // Every holdMs all peaks are released together and start to fall.
    void ReleasePeaksEvery(uint32_t holdMs, uint32_t nowMs);
    void ClearPeaks();

    const BandLevels& Levels() const { return level_; }
    const BandLevels& Peaks() const { return peak_; }

private:
    float AverageBand(int band, float level, float levelFallPerBlock);
    void SmoothSharedBins(int band, int32_t firstBin, int& run, int32_t& previousFirstBin);
    void RestartAverages(int32_t windowMs, double blocksPerSecond);

    BandLevels level_{};
    BandLevels peak_{};
    std::array<uint8_t, kBandCount> falling_{};
    std::vector<std::unique_ptr<SpectrumBand>> bands_;
    int32_t averageWindowMs_ = 0;
    bool infiniteAverage_ = false;
    uint32_t lastReleaseMs_;
};
