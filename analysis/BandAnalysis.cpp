// CBandAnalysis: band folding, averaging, decay and peak hold.
#include "analysis/BandAnalysis.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "analysis/FFT.h"

namespace {

constexpr double kAverageSeconds = 10.0;
constexpr float kMillisecondsToSeconds = 0.001f;

}  // namespace

float CBandAnalysis::LevelOfDb(double levelDb) {
    if (!(levelDb >= CFFT::kFloorDb)) return 0.0f;  // also minus infinity and NaN
    return static_cast<float>(1.0 - std::min(levelDb, 0.0) * kLevelPerDb);
}

void CBandAnalysis::Prepare(double blocksPerSecond) {
    // Ten seconds of analysis blocks; at least one, whatever the rate.
    const auto capacity =
        std::max<uint32_t>(1, static_cast<uint32_t>(blocksPerSecond * kAverageSeconds));
    bands_.clear();
    for (int band = 0; band < kBandCount; ++band) {
        bands_.push_back(std::make_unique<SpectrumBand>(capacity));
    }
    level_.fill(0.0f);
    peak_.fill(0.0f);
    falling_.fill(0);
}

// Each band takes the loudest of its bins. Bins past the analyser's last
// level (sample rates below about 41 kHz put the top bands above Nyquist)
// are never read: a band with no bin left reads as silence.
void CBandAnalysis::Fold(const double* spectrum, const BandTable& table, double binHz,
                         float levelFallPerBlock) {
    const auto base = static_cast<int32_t>(std::floor(kLowestHz / binHz));
    constexpr int32_t kLastLevelBin = CFFT::kLevelBins - 1;
    int run = 0;
    int32_t previousFirstBin = 0;
    for (int band = 0; band < kBandCount; ++band) {
        const BandRange& range = table[band];
        const int32_t firstBin = std::max(base + range.firstBin, 0);
        const int32_t lastBin = std::min(base + range.lastBin, kLastLevelBin);
        double loudestDb = -std::numeric_limits<double>::infinity();
        for (int32_t bin = firstBin; bin <= lastBin; ++bin) {
            loudestDb = std::max(loudestDb, spectrum[bin]);
        }
        level_[band] = AverageBand(band, LevelOfDb(loudestDb), levelFallPerBlock);
        SmoothSharedBins(band, range.firstBin, run, previousFirstBin);
    }
}

float CBandAnalysis::AverageBand(int band, float level, float levelFallPerBlock) {
    SpectrumBand& state = *bands_[band];
    if (infiniteAverage_) {
        state.Accumulate(level);
    } else if (averageWindowMs_ <= 0) {
        // Decay: a rise shows at once, a fall by at most the fall per block.
        return level_[band] - level > levelFallPerBlock ? level_[band] - levelFallPerBlock : level;
    } else {
        state.Push(level);
    }
    return std::clamp(state.Mean(), 0.0f, 1.0f);
}

// Neighbouring bands that read the same first bin would show as flat steps;
// a run of more than two becomes a straight line towards the next band.
void CBandAnalysis::SmoothSharedBins(int band, int32_t firstBin, int& run,
                                     int32_t& previousFirstBin) {
    if (firstBin == previousFirstBin) {
        ++run;
    } else {
        if (run > 2) {
            const int start = band - run;
            const float step = 1.0f / static_cast<float>(run);
            for (int j = start; j < band; ++j) {
                level_[j] = level_[start] +
                            (level_[band] - level_[start]) * static_cast<float>(j - start) * step;
            }
        }
        run = 0;
    }
    previousFirstBin = firstBin;
}

void CBandAnalysis::UpdatePeaks(uint32_t elapsedMs, float peakFallPerSecond) {
    const float fall = static_cast<float>(elapsedMs) * kMillisecondsToSeconds * peakFallPerSecond;
    for (int band = 0; band < kBandCount; ++band) {
        if (level_[band] > peak_[band]) {
            peak_[band] = level_[band];
            falling_[band] = 0;
        } else if (falling_[band] != 0) {
            if (peak_[band] >= fall) {
                peak_[band] -= fall;
            } else {
                peak_[band] = 0.0f;
                falling_[band] = 0;
            }
        }
    }
}

// Coming back from the cumulative average restarts every band even at the
// old window: their sums and counts have outgrown the rings.
void CBandAnalysis::AverageOver(int32_t windowMs, double blocksPerSecond) {
    const bool wasInfinite = infiniteAverage_;
    infiniteAverage_ = false;
    if (windowMs != averageWindowMs_ || wasInfinite) RestartAverages(windowMs, blocksPerSecond);
}

// At least one block (a tiny positive window averages over a single block)
// and at most the ring.
void CBandAnalysis::RestartAverages(int32_t windowMs, double blocksPerSecond) {
    averageWindowMs_ = windowMs;
    const double seconds = static_cast<float>(windowMs) * kMillisecondsToSeconds;
    const auto window = static_cast<uint32_t>(std::max(0.0, seconds * blocksPerSecond));
    for (const auto& band : bands_) band->Restart(window);
}

void CBandAnalysis::ReleasePeaksEvery(uint32_t holdMs, uint32_t nowMs) {
    if (nowMs - lastReleaseMs_ >= holdMs) {
        falling_.fill(1);
        lastReleaseMs_ = nowMs;
    }
}

void CBandAnalysis::ClearPeaks() {
    peak_.fill(0.0f);
    falling_.fill(0);
}
